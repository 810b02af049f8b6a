#include <gtest/gtest.h>

#include "package/paths/PathVariables.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro {
namespace {

const char* const kCurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";

// The machine of the examples: user1, Windows in C:\WINDOWS, program files in C:\Program Files,
// the program in C:\Tools\Rec.
class PathVariablesTest : public ::testing::Test {
 protected:
  PathVariablesTest() {
    sys.userName = "user1";
    reg.Put(RegRoot::LocalMachine, kCurrentVersion, "ProgramFilesDir", "C:\\Program Files");
  }

  PathVariables Init() {
    PathVariables vars;
    vars.InitPathVariables(sys, reg);
    return vars;
  }

  std::string Value(const PathVariables& vars, const std::string& name) {
    for (const PathVariable& v : vars.Table()) {
      if (v.name == name) return v.value;
    }
    ADD_FAILURE() << "no variable " << name;
    return {};
  }

  SimSystemInfo sys;
  SimRegistry reg;
  SimFileSystem fs;
};

TEST_F(PathVariablesTest, TableHoldsTheMachineValuesInFixedOrder) {
  const PathVariables vars = Init();
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"%CDROM%", ""},           {"%USERNAME%", "user1"},
      {"%WINDOWS%", "C:\\WINDOWS"}, {"%TEMP%", "C:\\TEMP"},
      {"%PROGRAMFILES%", "C:\\Program Files"}, {"%APPFOLDER%", "C:\\Tools\\Rec\\"},
      {"%DRIVEAPP%", "C:\\"}};
  ASSERT_EQ(vars.Table().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(vars.Table()[i].name, expected[i].first);
    EXPECT_EQ(vars.Table()[i].value, expected[i].second) << expected[i].first;
  }
  EXPECT_TRUE(vars.CdRomRoots().empty());
}

TEST_F(PathVariablesTest, CdRomListInDriveOrderWhenProgramIsOnHardDisk) {
  sys.AddDrive("F:\\", kDriveCdRom);
  sys.AddDrive("D:\\", kDriveCdRom);
  sys.AddDrive("E:\\", kDriveRemovable);
  const PathVariables vars = Init();
  EXPECT_EQ(Value(vars, "%CDROM%"), "");
  EXPECT_EQ(vars.CdRomRoots(), (std::vector<std::string>{"F:\\", "D:\\"}));
}

TEST_F(PathVariablesTest, ProgramOnCdRomFillsValueOneAndLeavesListEmpty) {
  sys.exeFolder = "E:\\Rec";
  sys.AddDrive("D:\\", kDriveCdRom);
  sys.AddDrive("E:\\", kDriveCdRom);
  const PathVariables vars = Init();
  EXPECT_EQ(Value(vars, "%CDROM%"), "E:\\");
  EXPECT_TRUE(vars.CdRomRoots().empty());
  EXPECT_EQ(Value(vars, "%DRIVEAPP%"), "E:\\");
}

TEST_F(PathVariablesTest, FailedCallsLeaveValuesEmpty) {
  sys.userName = std::nullopt;
  reg.values.clear();
  EXPECT_EQ(Value(Init(), "%USERNAME%"), "");
  EXPECT_EQ(Value(Init(), "%PROGRAMFILES%"), "");

  sys.userName = std::string(200, 'u');   // does not fit GetUserNameA's buffer with its NUL
  EXPECT_EQ(Value(Init(), "%USERNAME%"), "");
  sys.userName = std::string(199, 'u');
  EXPECT_EQ(Value(Init(), "%USERNAME%"), std::string(199, 'u'));
}

TEST_F(PathVariablesTest, ProgramFilesOnlyFromPlainTextValueCutAtNul) {
  reg.Put(RegRoot::LocalMachine, kCurrentVersion, "ProgramFilesDir", "%SystemDrive%\\Program Files", true);
  EXPECT_EQ(Value(Init(), "%PROGRAMFILES%"), "");
  reg.Put(RegRoot::LocalMachine, kCurrentVersion, "ProgramFilesDir", std::string("D:\\Prog\0junk", 12));
  EXPECT_EQ(Value(Init(), "%PROGRAMFILES%"), "D:\\Prog");
}

TEST_F(PathVariablesTest, DriveAppForDrivesAndShares) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"C:\\", "C:\\"},
      {"D:\\Tools", "D:\\"},
      {"\\\\srv\\share\\Rec", "\\\\srv\\share\\"},
      {"\\\\srv\\share", "\\\\srv\\share\\"},   // program at the share's root
      {"/\\srv\\share\\Rec", "/\\srv\\share\\"},
      {"\\/srv\\share\\Rec\\Sub", "\\/srv\\share\\"},
      {"\\\\srv", ""},                          // fewer than four separators
      {"//srv/share/Rec", "//srv/share/"},
      {"Rec", ""},
  };
  for (const auto& [folder, drive] : cases) {
    sys.exeFolder = folder;
    const PathVariables vars = Init();
    EXPECT_EQ(Value(vars, "%DRIVEAPP%"), drive) << folder;
    EXPECT_EQ(Value(vars, "%APPFOLDER%"), AddBackslash(folder)) << folder;
  }
}

TEST_F(PathVariablesTest, CollapseFollowsTableOrder) {
  sys.tempPath = "C:\\Documents and Settings\\user1\\Local Settings\\Temp\\";
  const PathVariables vars = Init();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"C:\\Program Files\\App\\setup.exe", "%PROGRAMFILES%\\App\\setup.exe"},
      {"C:\\Tools\\Rec\\Soft\\a.exe", "%APPFOLDER%\\Soft\\a.exe"},
      {"C:\\Setup\\a.exe", "%DRIVEAPP%\\Setup\\a.exe"},
      {"c:\\program files\\App", "%PROGRAMFILES%\\App"},
      {"C:\\WINDOWS\\system32\\x.dll", "%WINDOWS%\\system32\\x.dll"},
      {"C:\\Documents and Settings\\user1\\Local Settings\\Temp\\x.exe",
       "%DRIVEAPP%\\Documents and Settings\\%USERNAME%\\Local Settings\\Temp\\x.exe"},
      {"\\\\srv\\a.exe", "\\\\srv\\a.exe"},
      {"", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(vars.CollapsePathVariables(in), out) << in;
}

TEST_F(PathVariablesTest, CollapseInsertsBackslashAfterNameInsideWord) {
  sys.userName = "ann";
  EXPECT_EQ(Init().CollapsePathVariables("X:\\annual.txt"), "X:\\%USERNAME%\\ual.txt");
}

TEST_F(PathVariablesTest, CollapseSkipsEmptyValues) {
  sys.userName = std::nullopt;
  reg.values.clear();
  sys.windowsFolder = "";
  EXPECT_EQ(Init().CollapsePathVariables("C:\\Setup\\a.exe"), "%DRIVEAPP%\\Setup\\a.exe");
  sys.exeFolder = "\\\\srv";   // no %DRIVEAPP%
  EXPECT_EQ(Init().CollapsePathVariables("C:\\Setup\\a.exe"), "C:\\Setup\\a.exe");
}

TEST_F(PathVariablesTest, CollapseCdRomPaths) {
  sys.AddDrive("D:\\", kDriveCdRom);
  EXPECT_EQ(Init().CollapsePathVariables("D:\\setup.exe"), "%CDROM%\\setup.exe");
  EXPECT_EQ(Init().CollapsePathVariables("d:\\Soft\\setup.exe"), "%CDROM%\\Soft\\setup.exe");
  // Text before the root (a switch) is kept, so that expanding gives the same text back.
  EXPECT_EQ(Init().CollapsePathVariables("/D=D:\\Soft"), "/D=%CDROM%\\Soft");

  sys.exeFolder = "D:\\Rec";
  EXPECT_EQ(Init().CollapsePathVariables("D:\\setup.exe"), "%DRIVEAPP%\\setup.exe");
}

TEST_F(PathVariablesTest, CollapseMatchesCyrillicUserNameWithoutRegardToCase) {
  sys.userName = "Иван";
  EXPECT_EQ(Init().CollapsePathVariables("C:\\Users\\ИВАН\\a.exe"), "%DRIVEAPP%\\Users\\%USERNAME%\\a.exe");
}

TEST_F(PathVariablesTest, ExpandReplacesFirstOccurrenceOfEachName) {
  const PathVariables vars = Init();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"%FOO%\\a.exe", "%FOO%\\a.exe"},
      {"%temp%\\a.exe", "C:\\TEMP\\a.exe"},
      {"%TEMP%", "C:\\TEMP"},
      {"%TEMP%\\x\\%TEMP%", "C:\\TEMP\\x\\%TEMP%"},
      {"%PROGRAMFILES%\\App", "C:\\Program Files\\App"},
      {"%APPFOLDER%\\Soft\\a.exe", "C:\\Tools\\Rec\\Soft\\a.exe"},
      {"%DRIVEAPP%\\Folder VGP", "C:\\Folder VGP"},
      {"%WINDOWS%x", "C:\\WINDOWS\\x"},
      {"/S /D=%ProgramFiles%\\App", "/S /D=C:\\Program Files\\App"},
      {"%USERNAME%", "user1"},
      {"-", "-"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(vars.ExpandPathVariables(in, fs), out) << in;
}

TEST_F(PathVariablesTest, ExpandWithEmptyValueKeepsTheRest) {
  sys.userName = std::nullopt;
  EXPECT_EQ(Init().ExpandPathVariables("%USERNAME%\\a", fs), "\\a");
}

TEST_F(PathVariablesTest, ExpandCdRomTakesFirstDriveWhereFileExists) {
  sys.AddDrive("D:\\", kDriveCdRom);
  sys.AddDrive("F:\\", kDriveCdRom);
  fs.AddFile("F:\\Soft\\setup.exe", "MZ");
  const PathVariables vars = Init();
  EXPECT_EQ(vars.ExpandPathVariables("%CDROM%\\Soft\\setup.exe", fs), "F:\\Soft\\setup.exe");
  fs.AddFile("D:\\Soft\\setup.exe", "MZ");
  EXPECT_EQ(vars.ExpandPathVariables("%cdrom%\\Soft\\setup.exe", fs), "D:\\Soft\\setup.exe");
  EXPECT_EQ(vars.ExpandPathVariables("%CDROM%\\missing.exe", fs), "%CDROM%\\missing.exe");
}

TEST_F(PathVariablesTest, ExpandCdRomWithoutCdRomStaysUnchanged) {
  EXPECT_EQ(Init().ExpandPathVariables("%CDROM%\\setup.exe", fs), "%CDROM%\\setup.exe");
}

TEST_F(PathVariablesTest, ExpandCdRomWhenProgramRunsFromIt) {
  sys.exeFolder = "E:\\";
  sys.AddDrive("E:\\", kDriveCdRom);
  const PathVariables vars = Init();
  EXPECT_EQ(vars.ExpandPathVariables("%CDROM%\\setup.exe", fs), "E:\\setup.exe");
  EXPECT_EQ(vars.ExpandPathVariables("/D=%CDROM%\\Soft", fs), "/D=E:\\Soft");
}

TEST_F(PathVariablesTest, ExpandUndoesCollapse) {
  sys.AddDrive("D:\\", kDriveCdRom);
  fs.AddFile("D:\\Soft\\setup.exe", "MZ");
  const PathVariables vars = Init();
  for (const std::string path : {"C:\\Program Files\\App\\a.exe", "C:\\Tools\\Rec\\Soft\\a.exe", "C:\\Setup\\a.exe",
                                 "C:\\TEMP\\x.msi", "D:\\Soft\\setup.exe", "C:\\WINDOWS"}) {
    EXPECT_EQ(vars.ExpandPathVariables(vars.CollapsePathVariables(path), fs), path);
  }
}

TEST_F(PathVariablesTest, SetTableReplacesValues) {
  PathVariables vars = Init();
  std::array<PathVariable, PathVariables::kCount> table = vars.Table();
  table[4].value = "Q:\\PF";
  vars.SetTable(table, {"Z:\\"});
  EXPECT_EQ(vars.ExpandPathVariables("%PROGRAMFILES%\\a", fs), "Q:\\PF\\a");
  EXPECT_EQ(vars.CdRomRoots(), std::vector<std::string>{"Z:\\"});
}

}  // namespace
}  // namespace velgaro
