#include <gtest/gtest.h>

#include "package/paths/PathVariables.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro {
namespace {

using Cases = std::vector<std::pair<std::string, std::string>>;

TEST(PathFunctions, AddBackslash) {
  for (const auto& [in, out] : Cases{{"", ""}, {"C:", "C:\\"}, {"C:\\", "C:\\"}, {"a\\b", "a\\b\\"}}) {
    EXPECT_EQ(AddBackslash(in), out) << in;
  }
}

TEST(PathFunctions, JoinPath) {
  struct Case { std::string folder, rest, out; };
  const std::vector<Case> cases = {
      {"C:\\A", "", "C:\\A"},
      {"", "", ""},
      {"C:\\A", "b.exe", "C:\\A\\b.exe"},
      {"C:\\A", "\\b.exe", "C:\\A\\b.exe"},
      {"C:\\A\\", "\\b.exe", "C:\\A\\b.exe"},
      {"C:\\", "b", "C:\\b"},
      {"", "\\b", "\\b"},    // empty folder: the whole rest
      {"", "b", "b"},
      {"%USERNAME%", "ual.txt", "%USERNAME%\\ual.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(JoinPath(c.folder, c.rest), c.out) << c.folder << " + " << c.rest;
}

TEST(PathFunctions, ParentFolder) {
  const Cases cases = {{"C:\\setup.exe", "C:"}, {"C:\\A\\B\\c.exe", "C:\\A\\B"}, {"C:\\A\\", "C:"},
                       {"C:\\", ""},            {"setup.exe", ""},             {"\\", ""},
                       {"", ""},                {"\\\\srv\\share", "\\\\srv"}};
  for (const auto& [in, out] : cases) EXPECT_EQ(ParentFolder(in), out) << in;
}

TEST(PathFunctions, FileTitle) {
  const Cases cases = {{"C:\\A\\setup.exe", "setup"}, {"C:\\A\\my.setup.exe", "my.setup"}, {"C:\\A\\README", ""},
                       {"setup.exe", ""},             {"C:\\A.B\\file", ""},               {"C:\\A\\", ""}};
  for (const auto& [in, out] : cases) EXPECT_EQ(FileTitle(in), out) << in;
}

TEST(PathFunctions, StripExtension) {
  const Cases cases = {{"C:\\A\\setup.exe", "C:\\A\\setup"}, {"a.b.vgp", "a.b"}, {"noext", ""}, {"", ""}};
  for (const auto& [in, out] : cases) EXPECT_EQ(StripExtension(in), out) << in;
}

TEST(TextHelpers, TrimCaseAndSearch) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(ToUpperAscii("abc.Vgp ы"), "ABC.VGP ы");
  EXPECT_EQ(ToLowerAscii("ABC.vGP"), "abc.vgp");
  EXPECT_EQ(FindNoCase("x%Temp%y", "%TEMP%"), 1u);
  EXPECT_EQ(FindNoCase("%temp%%TEMP%", "%TEMP%", 1), 6u);
  EXPECT_EQ(FindNoCase("abc", "abcd"), std::string::npos);
  EXPECT_EQ(FindNoCase("Папка ПАПКА", "папка", 1), 11u);   // byte positions
  EXPECT_EQ(FindNoCase("Ёлка", "ёлка"), 0u);
}

class FileFunctionsTest : public ::testing::Test {
 protected:
  FileFunctionsTest() {
    fs.AddFile("C:\\Soft\\setup.exe", "MZ");
    fs.AddFolder("C:\\Packages");
  }
  SimFileSystem fs;
};

// FileExists trims and takes "-" (no installer) as there; IsFolder holds only for folders.
TEST_F(FileFunctionsTest, FileExistsAndIsFolder) {
  const struct {
    const char* path;
    bool exists;
    bool folder;
  } cases[] = {
      {"C:\\Soft\\setup.exe", true, false}, {"  c:\\soft\\SETUP.EXE ", true, false},
      {"C:\\Packages", true, true},         {" C:\\Soft ", true, true},
      {"-", true, false},                   {" - ", true, false},
      {"C:\\Soft\\other.exe", false, false}, {"C:\\Missing", false, false},
      {"", false, false},                   {"   ", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileExists(fs, c.path), c.exists) << "'" << c.path << "'";
    EXPECT_EQ(IsFolder(fs, c.path), c.folder) << "'" << c.path << "'";
  }
}

TEST_F(FileFunctionsTest, NearestExistingFolderWalksUp) {
  EXPECT_EQ(NearestExistingFolder(fs, "C:\\Packages"), "C:\\Packages");
  EXPECT_EQ(NearestExistingFolder(fs, "C:\\Packages\\Gone\\Deeper"), "C:\\Packages");
  EXPECT_EQ(NearestExistingFolder(fs, "C:\\Gone\\x"), "C:\\");        // C: is too short to test
  EXPECT_EQ(NearestExistingFolder(fs, "Q:\\Gone"), "C:\\");
  EXPECT_EQ(NearestExistingFolder(fs, ""), "C:\\");
  EXPECT_EQ(NearestExistingFolder(fs, "-"), "C:\\");
}

}  // namespace
}  // namespace velgaro
