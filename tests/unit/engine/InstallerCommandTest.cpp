#include <gtest/gtest.h>

#include <utility>

#include "engine/InstallerCommand.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro {
namespace {

class InstallerCommandTest : public ::testing::Test {
 protected:
  void RegisterOpen(const std::string& ext, const std::string& type, const std::string& command, bool expandable) {
    registry.Put(RegRoot::ClassesRoot, ext, "", type);
    registry.Put(RegRoot::ClassesRoot, type + "\\shell\\Open\\command", "", command, expandable);
  }
  SimRegistry registry;
};

TEST_F(InstallerCommandTest, Extension) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\a\\Setup.EXE", "exe"}, {"C:\\a.b\\setup", ""}, {"setup.", ""}, {"-", ""}, {"x.tar.Gz", "gz"}};
  for (const auto& [path, extension] : cases) EXPECT_EQ(InstallerExtension(path), extension) << path;
}

TEST_F(InstallerCommandTest, ProgramsStartDirectlyWithABlankBeforeTheParameters) {
  EXPECT_EQ(InstallerCommandLine("C:\\Setup.exe", "/S", registry), "C:\\Setup.exe /S");
  EXPECT_EQ(InstallerCommandLine("C:\\My Files\\go.Bat", "", registry), "C:\\My Files\\go.Bat ");
  EXPECT_EQ(InstallerCommandLine("C:\\go.CMD", "a b", registry), "C:\\go.CMD a b");
}

TEST_F(InstallerCommandTest, MsiUsesTheRegisteredOpenCommand) {
  RegisterOpen(".msi", "Msi.Package", "%SystemRoot%\\System32\\msiexec.exe /i \"%1\" %*", true);
  EXPECT_EQ(InstallerCommandLine("D:\\app.msi", "/qn ALLUSERS=1", registry),
            "C:\\WINDOWS\\System32\\msiexec.exe /i \"D:\\app.msi\" /qn ALLUSERS=1 ");
}

TEST_F(InstallerCommandTest, RegReplacesOnlyThePathAndDropsTheParameters) {
  RegisterOpen(".reg", "regfile", "regedit.exe \"%1\" %*", false);
  EXPECT_EQ(InstallerCommandLine("D:\\Set.REG", "/s", registry), "regedit.exe \"D:\\Set.REG\" %* ");
}

TEST_F(InstallerCommandTest, SubstitutedTextIsNotSubstitutedAgain) {
  RegisterOpen(".msi", "Msi.Package", "msiexec /i %1 %*", false);
  EXPECT_EQ(InstallerCommandLine("D:\\100%1.msi", "P=%1", registry), "msiexec /i D:\\100%1.msi P=%1 ");
}

TEST_F(InstallerCommandTest, NothingToStart) {
  EXPECT_EQ(InstallerCommandLine("D:\\app.msi", "", registry), std::nullopt);   // no file type registered
  registry.Put(RegRoot::ClassesRoot, ".msi", "", "Msi.Package");
  EXPECT_EQ(InstallerCommandLine("D:\\app.msi", "", registry), std::nullopt);   // type without open command
  EXPECT_EQ(InstallerCommandLine("D:\\readme.txt", "", registry), std::nullopt);
  EXPECT_EQ(InstallerCommandLine("-", "", registry), std::nullopt);
  EXPECT_EQ(InstallerCommandLine("", "", registry), std::nullopt);
}

}  // namespace
}  // namespace velgaro
