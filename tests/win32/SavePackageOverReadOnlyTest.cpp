// Saving a package over a read-only file on the real file system: the old file stays as it was, the
// user is asked where else to save, and the package lands there.
#include <windows.h>

#include <gtest/gtest.h>

#include "lang/Language.h"
#include "package/PackageImage.h"
#include "package/SavePackage.h"
#include "platform/sim/SimPlatform.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Codepage.h"
#include "platform/win32/Win32FileSystem.h"
#include "TempFolder.h"

namespace velgaro::win32 {
namespace {

TEST(SavePackageOverReadOnly, KeepsTheOldFileAsksAndSavesUnderTheChosenName) {
  test::TempFolder folder;
  const std::string target = folder.File("Setup.VGP");
  Win32FileSystem fs;
  const Bytes oldBytes{1, 2, 3, 4, 5};
  ASSERT_TRUE(fs.WriteAllReplacing(target, oldBytes));
  ASSERT_TRUE(SetFileAttributesW(ToWide(target).c_str(), FILE_ATTRIBUTE_READONLY));

  Win32Codepage codepage;
  PackageImage package(PackageTextContext{codepage, {}});
  package.options.needWait = true;
  package.NewPackageImage(1024, 768, "C:\\setup.exe");
  package.AppendExePath("C:\\setup.exe", {});
  package.AppendCommandLine("");
  package.AppendCreationDate(LocalTime{2026, 12, 8, 10, 0, 0});
  package.WriteOptions();
  Language language;
  SimDialogs dialogs;
  dialogs.answers = {kIdYes};                         // save somewhere else?
  dialogs.saveAnswers = {folder.File("b")};           // the dialog's choice

  std::string path = target;
  EXPECT_TRUE(SavePackageAs(SavePackageContext{package, language, dialogs, fs, folder.Path()}, 0, path));

  EXPECT_EQ(fs.ReadAll(target), oldBytes);
  EXPECT_EQ(path, folder.File("b.VGP"));
  PackageImage saved(PackageTextContext{codepage, {}});
  ASSERT_TRUE(saved.LoadPackage(fs, path));
  EXPECT_EQ(saved.Image(), package.Image());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text,
            "Файл не сохранён.\r\nНевозможно внести изменения в файл\r\n'" + target +
                "'.\r\nЖелаете сохранить файл в другом месте?");
  EXPECT_EQ(dialogs.shown[0].title, "Ошибка при сохранении");
  EXPECT_EQ(dialogs.shown[0].style, static_cast<unsigned>(kMbQuestionStyle));
  EXPECT_TRUE(dialogs.shown[1].isSaveDialog);
  SetFileAttributesW(ToWide(target).c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace velgaro::win32
