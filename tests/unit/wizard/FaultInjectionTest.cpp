// The disk wizard's writers with each of their file operations failing in turn: single copies, the
// copies and settings of page 2, the folder copies of page 4, the rewrite of the disk's packages and
// FolderPath.xml.
#include <gtest/gtest.h>

#include "unit/common/FaultWalk.h"
#include "unit/wizard/WizardFixture.h"
#include "wizard/DiskBuilder.h"
#include "wizard/DiskCopy.h"

namespace velgaro::test {
namespace {

class WizardFaults : public WizardFixture {
 protected:
  WizardFaults() {
    fs.AddFile(sys.exeFolder + "\\language\\English.lng", "[main]\r\n");
    AddPackage("Editor", "C:\\Program Files\\Editor\\setup.exe");
    AddPackage("Viewer", "C:\\Program Files\\Viewer\\install.exe");
    fs.AddFile("C:\\Program Files\\Editor\\setup.exe", "MZ-editor-setup");
    fs.AddFile("C:\\Program Files\\Editor\\data\\big.cab", std::string(300, 'x'));
    fs.AddFile("C:\\Program Files\\Viewer\\install.exe", "MZ-viewer");
    app.language.SetName("English");
    choice = DiskChoice{kTarget, kPackages, "Programs", 1};
  }

  // A builder as each wizard page makes it: nothing carried over from an earlier run.
  std::unique_ptr<DiskBuilder> Builder() {
    dialogs.shown.clear();
    auto builder = std::make_unique<DiskBuilder>(DiskBuilderDepsOf(app, &pump));
    builder->SetChoice(choice);
    return builder;
  }
  static std::string Disk(const std::string& rest) { return std::string(kTarget) + "\\" + rest; }

  DiskChoice choice;
  const std::vector<FolderToCopy> folders{{"Editor", "C:\\Program Files\\Editor"},
                                          {"Viewer", "%PROGRAMFILES%\\Viewer"}};
};

TEST_F(WizardFaults, ACopyIsTheOldFileOrTheWholeNewOne) {
  const std::string source = "C:\\Source\\data.bin";
  const std::string destination = Disk("data.bin");
  fs.AddFile(source, "the new content, complete");
  struct Case {
    const char* what;
    std::function<void()> arrange;
    std::size_t operations;
  };
  const Case cases[] = {
      {"a new file", [] {}, 2},   // copy, rename into place
      {"over an older copy", [&] { fs.AddFile(destination, "an older copy"); }, 4},   // and the older one moved, deleted
      {"over a read-only older copy",
       [&] {
         fs.AddFile(destination, "an older copy");
         fs.SetReadOnly(destination, true);
       },
       4},
      {"after a broken run", [&] {
         fs.AddFile(destination, "an older copy");
         fs.AddFile(destination + ".vgpart", "the part of a broken ");
       }, 5},   // and the part deleted first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.arrange();
    EXPECT_EQ(WalkEveryFault(fs, [&] { return CopyWholeFile(fs, source, destination); }), c.operations);
  }
}

TEST_F(WizardFaults, Page2LeavesEachDiskFileOldOrNewAndReportsEveryFailure) {
  // The settings and autorun files are written one key at a time.
  FaultWalkRules rules;
  rules.inSteps = {Disk("Velgaro\\Velgaro.ini"), Disk("autorun.inf")};
  for (const bool rerun : {false, true}) {
    SCOPED_TRACE(rerun ? "a rerun over the earlier disk" : "the first run");
    if (rerun) {
      ASSERT_TRUE(Builder()->CopyFilesPage().ok);
      fs.AddFile(sys.exeFolder + "\\velgaro.exe", "MZ-program, a newer build");
      AddPackage("Editor", "C:\\Program Files\\Editor\\setup2.exe");
    }
    WalkEveryFault(fs, [this] { return Builder()->CopyFilesPage().ok; }, rules);
  }
}

TEST_F(WizardFaults, Page4LeavesEachCopiedFileOldOrNew) {
  ASSERT_EQ(Builder()->CopyAllFolder(folders, {}).copied, 2);
  fs.AddFile("C:\\Program Files\\Editor\\setup.exe", "MZ-editor-setup, newer");
  fs.AddFile("C:\\Program Files\\Viewer\\readme.txt", "new since the earlier run");
  WalkEveryFault(fs, [this] { return Builder()->CopyAllFolder(folders, {}).copied == 2; });
}

TEST_F(WizardFaults, TheRewriteLeavesEachDiskPackageOldOrNew) {
  ASSERT_TRUE(Builder()->CopyFilesPage().ok);
  const std::vector<SavedFolder> saved{{"Editor", "C:\\Program Files\\Editor"},
                                       {"Viewer", "C:\\Program Files\\Viewer"}};
  EXPECT_EQ(WalkEveryFault(fs, [&] { return Builder()->ReplaceInstallerPaths(saved) == 2; }), 6u);
}

TEST_F(WizardFaults, FolderPathXmlIsReplacedWholeOrNotAtAll) {
  const std::string file = sys.exeFolder + "\\FolderPath.xml";
  for (const bool existing : {false, true}) {
    SCOPED_TRACE(existing ? "replacing the list" : "the first list");
    if (existing) fs.AddFile(file, "<?xml version=\"1.0\"?><list><vgp><name>Old</name><path>C:\\Old</path></vgp></list>");
    EXPECT_EQ(WalkEveryFault(fs, [&] {
      return WriteFolderPathFile(fs, xml, file, {{"Editor", "C:\\Program Files\\Editor"}, {"Viewer", "D:\\V"}});
    }), 3u);
  }
}

}  // namespace
}  // namespace velgaro::test
