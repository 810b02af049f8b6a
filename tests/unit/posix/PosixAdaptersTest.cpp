#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "platform/posix/PosixPaths.h"
#include "platform/posix/PosixPlatform.h"
#include "unit/posix/TempFolder.h"

namespace velgaro {
namespace {

class PosixSettingsStoreTest : public ::testing::Test {
 protected:
  TempFolder dir;
  std::string File() const { return dir.Path() + "/velgaro/settings.ini"; }
};

TEST_F(PosixSettingsStoreTest, MissingFileGivesDefaultsAndFirstWriteCreatesIt) {
  PosixSettingsStore store(File());
  EXPECT_EQ(store.Get("Install", "Speed", "2"), "2");
  ASSERT_TRUE(store.Set("Install", "Speed", "1"));
  ASSERT_TRUE(store.Set("Path", "FolderVGP", "\\home\\u\\Папка VGP"));
  EXPECT_EQ(store.Get("install", "SPEED", "2"), "1");
  EXPECT_EQ(PosixSettingsStore(File()).Get("Path", "FolderVGP", ""), "\\home\\u\\Папка VGP");
  EXPECT_EQ(dir.Names("velgaro"), std::vector<std::string>{"settings.ini"});
}

TEST_F(PosixSettingsStoreTest, ValuesComeBackExactly) {
  PosixSettingsStore store(File());
  for (const std::string value : {"", " lead", "trail ", "\"quoted\"", "'x'", "a=b", ";c", "[d]", "\t"}) {
    ASSERT_TRUE(store.Set("View", "K", value)) << value;
    EXPECT_EQ(store.Get("View", "K", "default"), value);
  }
}

TEST_F(PosixSettingsStoreTest, RefusesLineBreaksAndKeepsOtherValues) {
  PosixSettingsStore store(File());
  ASSERT_TRUE(store.Set("View", "TopMost", "1"));
  EXPECT_FALSE(store.Set("View", "TopMost", "0\n[Install]\nSpeed=0"));
  EXPECT_EQ(store.Get("View", "TopMost", ""), "1");
  EXPECT_EQ(store.Get("Install", "Speed", "2"), "2");
}

TEST_F(PosixSettingsStoreTest, DefaultFileFollowsXdgConfigHome) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  ::setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1);
  EXPECT_EQ(DefaultSettingsFile(), File());
  EXPECT_TRUE(PosixSettingsStore().Set("Language", "Language", "English"));
  EXPECT_EQ(dir.Read("velgaro/settings.ini"), "[Language]\r\nLanguage=English\r\n");
  if (old) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1); else ::unsetenv("XDG_CONFIG_HOME");
}

TEST(PosixIniFileTest, StoresAnsiBytesAndReadsThemBack) {
  TempFolder dir;
  PosixFileSystem fs;
  PosixCodepage cp("");
  PosixIniFile ini(fs, cp);
  const std::string file = ToCorePath(dir.Path() + "/velgaro.ini");
  EXPECT_EQ(ini.Read(file, "General", "VGPFolder", "%DRIVEAPP%\\Folder VGP", 128), "%DRIVEAPP%\\Folder VGP");
  ASSERT_TRUE(ini.Write(file, "General", "Language", "Русский"));
  EXPECT_EQ(dir.Read("velgaro.ini"), "[General]\r\nLanguage=\xD0\xF3\xF1\xF1\xEA\xE8\xE9\r\n");
  EXPECT_EQ(ini.Read(file, "general", "language", "", 100), "Русский");
  EXPECT_EQ(ini.Read(file, "General", "Language", "", 4), "Рус");   // the buffer counts ANSI bytes
}

TEST(PosixIniFileTest, ReadOnlyFileIsNotWritten) {
  TempFolder dir;
  dir.Write("velgaro.ini", "[General]\r\nPortableMode=1\r\n");
  ASSERT_EQ(::chmod((dir.Path() + "/velgaro.ini").c_str(), 0444), 0);
  PosixPlatform p;
  const std::string file = ToCorePath(dir.Path() + "/velgaro.ini");
  EXPECT_FALSE(p.ini.Write(file, "General", "PortableMode", "0"));
  EXPECT_EQ(p.ini.Read(file, "General", "PortableMode", "0", 128), "1");
  EXPECT_FALSE(p.ini.Write(ToCorePath(dir.Path() + "/no/such.ini"), "General", "A", "1"));
}

TEST(PosixCodepageTest, DefaultIsWindows1251Table) {
  const PosixCodepage cp("");
  EXPECT_FALSE(cp.IconvName().has_value());
  EXPECT_EQ(cp.ToAnsi("Пакет é"), "\xCF\xE0\xEA\xE5\xF2 ?");
  EXPECT_EQ(cp.FromAnsi("\xCF\xE0\xEA\xE5\xF2"), "Пакет");
  EXPECT_FALSE(PosixCodepage("NO-SUCH-CODEPAGE").IconvName().has_value());
}

TEST(PosixCodepageTest, OtherCodePageThroughIconv) {
  const PosixCodepage cp("CP1252");
  ASSERT_TRUE(cp.IconvName().has_value());
  EXPECT_EQ(cp.ToAnsi("café €"), "caf\xE9 \x80");
  EXPECT_EQ(cp.FromAnsi("caf\xE9 \x80"), "café €");
  EXPECT_EQ(cp.ToAnsi("a Ж 中 b"), "a ? ? b");     // one '?' per character it lacks
  EXPECT_EQ(cp.ToAnsi("a\xFF" "b\xD0"), "a?b?");    // invalid UTF-8
  EXPECT_EQ(cp.FromAnsi(std::string("a\0b", 3)), std::string("a\0b", 3));
  EXPECT_EQ(cp.ToAnsi(std::string(1000, 'x') + "Ж"), std::string(1000, 'x') + "?");
}

TEST(PosixSystemInfoTest, LanguageFromLocale) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"ru_RU.UTF-8", 1049}, {"ru", 1049},           {"de_DE.UTF-8", 1031}, {"de_AT.UTF-8", 1033},
      {"uk_UA.UTF-8", 1058}, {"be_BY.UTF-8", 1059},  {"en_US.UTF-8", 1033}, {"C", 1033},
      {"", 1033},            {"rup_MK", 1033},       {"bem_ZM", 1033}};
  for (const auto& [locale, id] : cases) EXPECT_EQ(LangIdFromLocale(locale), id) << locale;
}

TEST(PosixSystemInfoTest, WindowsShapesOfNativeFacts) {
  const PosixSystemInfo sys;
  const std::string exe = sys.ExeFolder();
  ASSERT_FALSE(exe.empty());
  EXPECT_EQ(exe[0], '\\');
  EXPECT_EQ(exe.find('/'), std::string::npos);
  EXPECT_EQ(sys.DriveType(exe.substr(0, 3)), kDriveFixed);
  EXPECT_EQ(sys.DriveType("C:\\"), kDriveNoRoot);
  EXPECT_TRUE(sys.LogicalDrives().empty());
  EXPECT_TRUE(sys.WindowsFolder().empty());
  const std::string temp = sys.TempPath();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_NE(temp.substr(temp.size() >= 2 ? temp.size() - 2 : 0), "\\\\");
  EXPECT_TRUE(PosixFileSystem().IsDirectory(temp));
  EXPECT_EQ(sys.ScreenWidth(), 1024);
  EXPECT_EQ(sys.ScreenHeight(), 768);
}

TEST(PosixPathsTest, CreateFoldersMakesParents) {
  TempFolder dir;
  EXPECT_TRUE(CreateFolders(dir.Path() + "/a/b/c"));
  EXPECT_TRUE(CreateFolders(dir.Path() + "/a/b/c"));
  dir.Write("file", "");
  EXPECT_FALSE(CreateFolders(dir.Path() + "/file/x"));
}

}  // namespace
}  // namespace velgaro
