#include <gtest/gtest.h>

#include <map>

#include "unit/wizard/WizardFixture.h"
#include "wizard/DiskBuilder.h"
#include "wizard/DiskCopy.h"

namespace velgaro::test {
namespace {

class DiskBuilderTest : public WizardFixture {
 protected:
  DiskBuilderTest() {
    // The program beside its settings and help (the fixture's), and its languages.
    const std::string exe = sys.exeFolder;
    fs.AddFile(exe + "\\language\\English.lng", "[main]\r\n");
    fs.AddFile(exe + "\\language\\German.lng", "[main]\r\n");
    fs.AddFile(exe + "\\language\\notes.txt", "not a language");
    AddPackage("Editor", "C:\\Program Files\\Editor\\setup.exe");
    AddPackage("Viewer", "%PROGRAMFILES%\\Viewer\\bin\\install.exe");
    fs.AddFile(std::string(kPackages) + "\\Position.lst", "Viewer\r\nEditor\r\n");
    fs.AddFile("C:\\Program Files\\Editor\\setup.exe", "MZ-editor-setup");
    fs.AddFile("C:\\Program Files\\Editor\\data\\big.cab", std::string(300, 'x'));
    fs.AddFile("C:\\Program Files\\Viewer\\bin\\install.exe", "MZ-viewer");
    app.language.SetName("English");
    choice.target = kTarget;
    choice.packageFolder = kPackages;
    choice.softFolder = "Programs";
    choice.speed = 1;
  }

  DiskBuilder& Builder() {
    if (!builder) {
      builder = std::make_unique<DiskBuilder>(DiskBuilderDepsOf(app, &pump));
      builder->SetChoice(choice);
    }
    return *builder;
  }
  std::string Disk(const std::string& rest) const { return std::string(kTarget) + "\\" + rest; }
  // Every file under the drive or folder with its bytes, to prove that nothing outside the disk changed.
  std::map<std::string, Bytes> FilesUnder(const std::string& root) const {
    std::map<std::string, Bytes> out;
    for (const auto& [key, entry] : fs.Entries()) {
      if (!entry.isFolder && SameOrInside(entry.path, root)) out[key] = entry.content;
    }
    return out;
  }
  // A package "Tool" in folder whose installer is the Editor's.
  void AddPackageTo(const std::string& folder) {
    fs.AddFolder(folder);
    TestPackageSpec tool;
    tool.installer = "C:\\Program Files\\Editor\\setup.exe";
    tool.description = "Tool";
    ASSERT_TRUE(WriteTestPackage(fs, codepage, folder + "\\Tool.vgp", tool));
  }
  bool HasPartFiles() const {
    for (const auto& [key, entry] : fs.Entries()) {
      if (key.find(".vgpart") != std::string::npos) return true;
    }
    return false;
  }

  DiskChoice choice;
  std::unique_ptr<DiskBuilder> builder;
};

// ---- the copy log

TEST_F(DiskBuilderTest, LogLinesReadAsTheProgramWritesThem) {
  CopyLog log(app.language);
  log.CopyingFile("C:\\a.vgp", "D:\\b.vgp");
  log.FileCopyError();
  log.CreatingFolder("D:\\Disk");
  log.FolderCreateError("D:\\Disk");
  log.AutorunCreated("D:\\autorun.inf");
  log.AutorunError("D:\\autorun.inf");
  log.CopySucceeded();
  EXPECT_EQ(log.Text(),
            "Копирование файла `C:\\a.vgp` в ` D:\\b.vgp\r\n"
            "Ошибка копирования файла\r\n"
            "Сoздание папки D:\\Disk\r\n"
            "Ошибка создания папки D:\\Disk\r\n"
            "Создание файла автозапуска D:\\autorun.inf\r\n"
            "Ошибка создания файла автозапуска D:\\autorun.inf\r\n"
            "Процесс копирования завершён успешно");
  // The folder line's second letter is a Latin o.
  EXPECT_NE(log.Text().find("\xD0\xA1o\xD0\xB7"), std::string::npos);
}

// ---- page 2: the program, its settings and the packages

TEST_F(DiskBuilderTest, AFullRunLaysTheDiskOutAndWritesItsSettingsIntoTheCopyOnly) {
  const Bytes ownIni = *fs.ReadAll(sys.exeFolder + "\\velgaro.ini");
  const FilesPageResult result = Builder().CopyFilesPage();
  EXPECT_TRUE(result.ok);
  EXPECT_FALSE(result.refused);
  EXPECT_EQ(result.status, "Процесс копирования завершён успешно");
  EXPECT_TRUE(dialogs.shown.empty());

  EXPECT_EQ(fs.Text(Disk("Folder VGP\\Editor.vgp")), fs.Text(std::string(kPackages) + "\\Editor.vgp"));
  EXPECT_TRUE(fs.Exists(Disk("Folder VGP\\Viewer.vgp")));
  EXPECT_EQ(fs.Text(Disk("Folder VGP\\position.lst")), "Viewer\r\nEditor\r\n");
  EXPECT_EQ(fs.Text(Disk("Velgaro\\Velgaro.exe")), "MZ-program");
  EXPECT_EQ(fs.Text(Disk("Velgaro\\help.chm")), "ITSF");
  EXPECT_EQ(fs.List(Disk("Velgaro\\Language"), "*"), (std::vector<std::string>{"English.lng", "German.lng"}));

  const std::string diskIni = Disk("Velgaro\\Velgaro.ini");
  EXPECT_EQ(ini.Read(diskIni, "General", "PortableMode", "", 255), "1");
  EXPECT_EQ(ini.Read(diskIni, "General", "SpeedInstall", "", 255), "1");
  EXPECT_EQ(ini.Read(diskIni, "General", "VGPFolder", "", 255), "%DRIVEAPP%\\Folder VGP");
  EXPECT_EQ(ini.Read(diskIni, "General", "Language", "", 255), "English");
  EXPECT_EQ(*fs.ReadAll(sys.exeFolder + "\\velgaro.ini"), ownIni);

  EXPECT_EQ(fs.Text(Disk("autorun.inf")), "[Autorun]\r\nopen=velgaro\\Velgaro.exe\r\nicon=velgaro\\Velgaro.exe,0\r\n");
  const std::string& log = Builder().Log().Text();
  EXPECT_NE(log.find("Сoздание папки D:\\Disk\\Folder VGP\r\n"), std::string::npos);
  EXPECT_EQ(log.find("Сoздание папки D:\\Disk\r\n"), std::string::npos);   // it existed: no line
  EXPECT_NE(log.find("Создание файла автозапуска D:\\Disk\\autorun.inf\r\n"), std::string::npos);
  const std::string closing = "\r\nПроцесс копирования завершён успешно";
  ASSERT_GT(log.size(), closing.size());
  EXPECT_EQ(log.substr(log.size() - closing.size()), closing);
  EXPECT_FALSE(HasPartFiles());
}

TEST_F(DiskBuilderTest, AMissingOrderFileOrHelpFileIsReportedYetEverythingElseIsCopied) {
  for (const std::string& missing : {std::string(kPackages) + "\\Position.lst", sys.exeFolder + "\\help.chm"}) {
    SCOPED_TRACE(missing);
    ASSERT_TRUE(fs.Remove(missing));
    dialogs.shown.clear();
    builder.reset();
    const FilesPageResult result = Builder().CopyFilesPage();
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.refused);
    EXPECT_EQ(result.status, "Процесс копирования завершен с ошибками");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].style, unsigned{kMbIconExclamation});
    EXPECT_EQ(dialogs.shown[0].text.back(), '.');
    EXPECT_NE(Builder().Log().Text().find("Ошибка копирования файла\r\n"), std::string::npos);
    EXPECT_TRUE(fs.Exists(Disk("Folder VGP\\Editor.vgp")));
    EXPECT_TRUE(fs.Exists(Disk("Velgaro\\Language\\German.lng")));
    EXPECT_TRUE(fs.Exists(Disk("autorun.inf")));
    fs.AddFile(missing, "back");
  }
}

TEST_F(DiskBuilderTest, ARerunOverwritesTheCopiesAndReusesTheFolders) {
  ASSERT_TRUE(Builder().CopyFilesPage().ok);
  fs.AddFile(sys.exeFolder + "\\help.chm", "ITSF-2");
  fs.SetReadOnly(Disk("Folder VGP\\Editor.vgp"), true);   // as copied from a CD
  builder.reset();
  ASSERT_TRUE(Builder().CopyFilesPage().ok);
  EXPECT_EQ(fs.Text(Disk("Velgaro\\help.chm")), "ITSF-2");
  EXPECT_EQ(Builder().Log().Text().find("Сoздание папки"), std::string::npos);
}

TEST_F(DiskBuilderTest, WithoutAPackageFileNothingIsCopied) {
  fs.Remove(std::string(kPackages) + "\\Editor.vgp");
  fs.Remove(std::string(kPackages) + "\\Viewer.vgp");
  EXPECT_FALSE(Builder().CopyAllFiles());
  EXPECT_EQ(fs.CopyCount(), 0u);
  EXPECT_FALSE(fs.Exists(Disk("Folder VGP")));
}

TEST_F(DiskBuilderTest, AutorunKeepsOtherLinesAndAReadOnlyOneIsReported) {
  fs.AddFile(Disk("autorun.inf"), "[Autorun]\r\nlabel=MyDisk\r\nopen=old.exe\r\n");
  ASSERT_TRUE(Builder().CreateAutorunIni());
  EXPECT_EQ(ini.Read(Disk("autorun.inf"), "Autorun", "label", "", 255), "MyDisk");
  EXPECT_EQ(ini.Read(Disk("autorun.inf"), "Autorun", "open", "", 255), "velgaro\\Velgaro.exe");
  EXPECT_EQ(ini.Read(Disk("autorun.inf"), "Autorun", "icon", "", 255), "velgaro\\Velgaro.exe,0");

  fs.SetReadOnly(Disk("autorun.inf"), true);
  EXPECT_FALSE(Builder().CreateAutorunIni());
  EXPECT_NE(Builder().Log().Text().find("Ошибка создания файла автозапуска D:\\Disk\\autorun.inf\r\n"),
            std::string::npos);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Запись в файл - провалена. Возможно установлен атрибут только для чтения");
  EXPECT_EQ(dialogs.shown[0].style, unsigned{kMbOk});
}

TEST_F(DiskBuilderTest, WithoutALanguageNameTheCopyGetsNoLanguageKey) {
  app.language.SetName("");
  ASSERT_TRUE(Builder().CopyFilesPage().ok);
  EXPECT_EQ(ini.Read(Disk("Velgaro\\Velgaro.ini"), "General", "Language", "none", 255), "none");
}

// ---- refusals: checked before the first copy

TEST_F(DiskBuilderTest, ATargetWhoseFolderVgpIsThePackageFolderIsRefused) {
  for (const std::string& target : {std::string("C:\\"), std::string(kPackages)}) {
    SCOPED_TRACE(target);
    fs.AddFolder("C:\\Folder VGP");
    choice.target = target;
    choice.packageFolder = target == "C:\\" ? "c:\\folder vgp\\" : kPackages;
    if (target == "C:\\") AddPackageTo("C:\\Folder VGP");
    builder.reset();
    dialogs.shown.clear();
    const auto before = FilesUnder("C:\\");
    const std::size_t writes = fs.WriteCount();
    const FilesPageResult result = Builder().CopyFilesPage();
    EXPECT_TRUE(result.refused);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(fs.CopyCount(), 0u);
    EXPECT_EQ(fs.WriteCount(), writes);
    EXPECT_EQ(FilesUnder("C:\\"), before);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].style, unsigned{kMbIconStop});
    EXPECT_NE(dialogs.shown[0].text.find("совпадает с папкой пакетов"), std::string::npos);
    EXPECT_NE(Builder().Log().Text().find(dialogs.shown[0].text), std::string::npos);
  }
}

TEST_F(DiskBuilderTest, TooLittleRoomIsRefusedBeforeAnythingIsCopied) {
  fs.SetFreeBytes("D:\\", 20);
  const FilesPageResult result = Builder().CopyFilesPage();
  EXPECT_TRUE(result.refused);
  EXPECT_EQ(fs.CopyCount(), 0u);
  EXPECT_FALSE(fs.Exists(Disk("Folder VGP")));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text.rfind("Недостаточно места на диске: ", 0), 0u);
}

// ---- a copy broken off midway

TEST_F(DiskBuilderTest, ACopyThatFailsMidwayLeavesWholeFilesAndNamesTheFailedOne) {
  fs.FailCopyNumber(2);   // the second package, Viewer.vgp
  const FilesPageResult result = Builder().CopyFilesPage();
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(fs.Text(Disk("Folder VGP\\Editor.vgp")), fs.Text(std::string(kPackages) + "\\Editor.vgp"));
  EXPECT_FALSE(fs.Exists(Disk("Folder VGP\\Viewer.vgp")));   // not a half file
  EXPECT_FALSE(HasPartFiles());
  EXPECT_NE(Builder().Log().Text().find("Viewer.vgp\r\nОшибка копирования файла\r\n"), std::string::npos);
  EXPECT_TRUE(fs.Exists(Disk("Velgaro\\Velgaro.exe")));   // the run goes on
}

TEST_F(DiskBuilderTest, AFailedRecopyKeepsTheEarlierCopy) {
  ASSERT_TRUE(Builder().CopyFilesPage().ok);
  const std::string copy = fs.Text(Disk("Velgaro\\help.chm"));
  fs.AddFile(sys.exeFolder + "\\help.chm", "ITSF-newer-and-longer");
  ASSERT_TRUE(CopyWholeFile(fs, sys.exeFolder + "\\help.chm", Disk("x.chm")));
  fs.FailCopyNumber(1);
  EXPECT_FALSE(CopyWholeFile(fs, sys.exeFolder + "\\help.chm", Disk("Velgaro\\help.chm")));
  EXPECT_EQ(fs.Text(Disk("Velgaro\\help.chm")), copy);
  EXPECT_FALSE(HasPartFiles());
}

// ---- page 4: the program folders

TEST_F(DiskBuilderTest, FoldersAreCopiedWithProgressAndASummary) {
  std::vector<std::string> progressTexts;
  std::vector<std::string> current;
  FolderCopyHooks h;
  h.progress = [&](int value, int max, const std::string& percent) {
    progressTexts.push_back(std::to_string(value) + "/" + std::to_string(max) + " " + percent);
  };
  h.current = [&](const std::string& s, const std::string& d) { current.push_back(s + ">" + d); };
  const FolderCopyResult r = Builder().CopyAllFolder(
      {{"Editor", "C:\\Program Files\\Editor"}, {"Gone", "C:\\Gone"}, {"Viewer", "%PROGRAMFILES%\\Viewer\\"}}, h);
  EXPECT_FALSE(r.refused);
  EXPECT_EQ(r.copied, 2);
  EXPECT_EQ(progressTexts, (std::vector<std::string>{"1/3 33 %", "2/3 67 %", "3/3 100 %"}));
  EXPECT_EQ(current[2], "C:\\Program Files\\Viewer\\>D:\\Disk\\Programs\\Viewer");
  EXPECT_EQ(fs.Text(Disk("Programs\\Editor\\data\\big.cab")), std::string(300, 'x'));
  EXPECT_EQ(fs.Text(Disk("Programs\\Viewer\\bin\\install.exe")), "MZ-viewer");
  EXPECT_EQ(r.report,
            "Копирование каталогов в папку - D:\\Disk\\Programs\r\n\r\n"
            "1. Папка скопирована - C:\\Program Files\\Editor\r\n"
            "2. Не найдена папка - C:\\Gone\r\n"
            "3. Папка скопирована - C:\\Program Files\\Viewer\\\r\n"
            "\r\nИтого скопировано папок:\r\n2/3");
}

TEST_F(DiskBuilderTest, PercentIsAWholeNumberOfAtLeastTwoDigits) {
  EXPECT_EQ(PercentText(1, 4), "25 %");
  EXPECT_EQ(PercentText(1, 1), "100 %");
  EXPECT_EQ(PercentText(0, 3), "00 %");
  EXPECT_EQ(PercentText(1, 20), "05 %");
  EXPECT_EQ(PercentText(1, 0), "00 %");
}

TEST_F(DiskBuilderTest, AFolderCopyFailingMidwaySaysWhichFileAndGoesOn) {
  fs.AddFile("C:\\Program Files\\Editor\\readme.txt", "read me");
  fs.FailCopyNumber(2);
  const FolderCopyResult r = Builder().CopyAllFolder(
      {{"Editor", "C:\\Program Files\\Editor"}, {"Viewer", "C:\\Program Files\\Viewer"}}, {});
  EXPECT_EQ(r.copied, 1);
  EXPECT_NE(r.report.find("1. Ошибка копирования в D:\\Disk\\Programs\\Editor\r\nНе удалось скопировать файл C:\\"),
            std::string::npos);
  EXPECT_NE(r.report.find("2. Папка скопирована"), std::string::npos);
  EXPECT_NE(r.report.find("1/2"), std::string::npos);
  EXPECT_FALSE(HasPartFiles());
  // Each file is there whole or not at all.
  for (const auto& [key, entry] : fs.Entries()) {
    if (entry.isFolder || !SameOrInside(entry.path, Disk("Programs"))) continue;
    const std::string source = "C:\\Program Files\\" + entry.path.substr(Disk("Programs\\").size());
    EXPECT_EQ(fs.Text(entry.path), fs.Text(source)) << entry.path;
  }
}

TEST_F(DiskBuilderTest, ATargetInsideACopiedFolderIsRefusedBeforeAnythingIsCopied) {
  choice.target = "C:\\Program Files\\Editor\\Disk";
  fs.AddFolder(choice.target);
  const auto before = FilesUnder("C:\\");
  const FolderCopyResult r =
      Builder().CopyAllFolder({{"Viewer", "C:\\Program Files\\Viewer"}, {"Editor", "C:\\Program Files\\Editor"}}, {});
  EXPECT_TRUE(r.refused);
  EXPECT_EQ(r.copied, 0);
  EXPECT_EQ(fs.CopyCount(), 0u);
  EXPECT_EQ(FilesUnder("C:\\"), before);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(dialogs.shown[0].text.find("внутри копируемой папки C:\\Program Files\\Editor"), std::string::npos);
  EXPECT_NE(r.report.find(dialogs.shown[0].text), std::string::npos);
}

TEST_F(DiskBuilderTest, FoldersTooBigForTheDiskAreRefused) {
  fs.SetFreeBytes("D:\\", 100);
  const FolderCopyResult r = Builder().CopyAllFolder({{"Editor", "C:\\Program Files\\Editor"}}, {});
  EXPECT_TRUE(r.refused);
  EXPECT_EQ(fs.CopyCount(), 0u);
  EXPECT_FALSE(fs.Exists(Disk("Programs")));
}

// ---- page 6: installer paths on the disk

TEST_F(DiskBuilderTest, CompileHardExeNamePointsIntoTheProgramsFolder) {
  const PathVariables& p = app.paths;
  EXPECT_EQ(CompileHardExeName(p, fs, "Programs", "C:\\Program Files\\Editor", "C:\\Program Files\\Editor\\setup.exe"),
            "%DRIVEAPP%\\Programs\\Editor\\setup.exe");
  EXPECT_EQ(CompileHardExeName(p, fs, "Soft", "c:\\program files\\viewer\\", "%PROGRAMFILES%\\Viewer\\bin\\i.exe"),
            "%DRIVEAPP%\\Soft\\Viewer\\bin\\i.exe");
  EXPECT_EQ(CompileHardExeName(p, fs, "Programs", "C:\\Other\\Editor", "C:\\Program Files\\Editor\\setup.exe"), "");
  // A parent that is only a text prefix of the installer's folder is no parent.
  EXPECT_EQ(CompileHardExeName(p, fs, "Programs", "C:\\Prog\\X", "C:\\Program Files\\setup.exe"), "");
}

TEST_F(DiskBuilderTest, TheRewriteChangesOnlyTheDiskCopiesAndKeepsPathsItCannotPlace) {
  AddPackage("Lost", "E:\\Elsewhere\\setup.exe");
  ASSERT_TRUE(Builder().CopyFilesPage().ok);
  const auto userFiles = FilesUnder("C:\\");
  const Bytes lostCopy = *fs.ReadAll(Disk("Folder VGP\\Lost.vgp"));
  const int written = Builder().ReplaceInstallerPaths({{"Editor", "C:\\Program Files\\Editor"},
                                                       {"Viewer", "C:\\Program Files\\Viewer"},
                                                       {"Lost", "C:\\Program Files\\Lost"},
                                                       {"Missing", "C:\\Program Files\\Missing"}});
  EXPECT_EQ(written, 2);
  EXPECT_EQ(InstallerOf(Disk("Folder VGP\\Editor.vgp")), "%DRIVEAPP%\\Programs\\Editor\\setup.exe");
  EXPECT_EQ(InstallerOf(Disk("Folder VGP\\Viewer.vgp")), "%DRIVEAPP%\\Programs\\Viewer\\bin\\install.exe");
  EXPECT_EQ(*fs.ReadAll(Disk("Folder VGP\\Lost.vgp")), lostCopy);
  EXPECT_EQ(FilesUnder("C:\\"), userFiles);   // packages, installers and settings of the user
  EXPECT_EQ(InstallerOf(std::string(kPackages) + "\\Editor.vgp"), "C:\\Program Files\\Editor\\setup.exe");
}

TEST_F(DiskBuilderTest, TheRewriteNeverTouchesTheUsersPackageFolder) {
  choice.target = "C:\\";
  choice.packageFolder = "C:\\Folder VGP";
  AddPackageTo("C:\\Folder VGP");
  const auto before = FilesUnder("C:\\");
  EXPECT_EQ(Builder().ReplaceInstallerPaths({{"Tool", "C:\\Program Files\\Editor"}}), 0);
  EXPECT_EQ(FilesUnder("C:\\"), before);
}

}  // namespace
}  // namespace velgaro::test
