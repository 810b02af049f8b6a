// INI files through the system's profile functions, texts through the ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Codepage.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32IniFile.h"
#include "win32/TempFolder.h"

namespace velgaro::win32 {
namespace {

// A value the active code page can hold, and one it cannot.
std::string LocalText() { return GetACP() == 1251 ? "Папка пакетов" : "Dossier des paquets é"; }
std::string ForeignText() { return GetACP() == 1251 ? "Çà" : "Папка"; }

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.Path().empty());
    path = folder.File("velgaro.ini");
  }
  std::string Read(const std::string& key, std::size_t buffer = 128) const {
    return ini.Read(path, "General", key, "<default>", buffer);
  }
  std::string FileBytes() const {
    const auto bytes = fs.ReadAll(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
  }
  void WriteRaw(const std::string& content) {
    ASSERT_TRUE(fs.WriteAllReplacing(path, Bytes(content.begin(), content.end())));
  }

  test::TempFolder folder;
  std::string path;
  Win32IniFile ini;
  Win32FileSystem fs;
  Win32Codepage codepage;
};

TEST_F(IniFileTest, WriteCreatesFileAndReadsBack) {
  ASSERT_TRUE(ini.Write(path, "General", "PortableMode", "1"));
  ASSERT_TRUE(ini.Write(path, "General", "VGPFolder", LocalText()));
  EXPECT_EQ(Read("portablemode"), "1");
  EXPECT_EQ(ini.Read(path, "GENERAL", "VGPFolder", "", 128), LocalText());
}

// The whole file is replaced by its new content: the rest of it stays as it was, the profile functions
// read the new value at once, and no temporary file is left beside it.
TEST_F(IniFileTest, WriteReplacesTheWholeFileKeepingTheRest) {
  WriteRaw("; settings\r\n[General]\r\nLanguage=English\r\nSpeedInstall=1\r\n[Other]\r\nX=y\r\n");
  EXPECT_EQ(Read("SpeedInstall"), "1");   // read once, so that a cached copy would show
  ASSERT_TRUE(ini.Write(path, "general", "SpeedInstall", "2"));
  EXPECT_EQ(Read("SpeedInstall"), "2");
  EXPECT_EQ(FileBytes(), "; settings\r\n[General]\r\nLanguage=English\r\nSpeedInstall=2\r\n[Other]\r\nX=y\r\n");
  const std::optional<std::vector<std::string>> files = fs.ListFiles(folder.Path(), "*");
  ASSERT_TRUE(files);
  EXPECT_EQ(*files, std::vector<std::string>{"velgaro.ini"});
}

TEST_F(IniFileTest, FileHoldsCodePageBytesNotUtf8) {
  ASSERT_TRUE(ini.Write(path, "General", "Language", LocalText()));
  const std::string ansi = codepage.ToAnsi(LocalText());
  EXPECT_NE(FileBytes().find("Language=" + ansi), std::string::npos);
  EXPECT_EQ(FileBytes().find(LocalText()), std::string::npos);
}

TEST_F(IniFileTest, ReadsAnsiFileWrittenByOthers) {
  WriteRaw("[General]\r\nSpeedInstall = \"0\" \r\nLanguage=" + codepage.ToAnsi(LocalText()) + "\r\n");
  EXPECT_EQ(Read("SpeedInstall"), "0");
  EXPECT_EQ(Read("Language"), LocalText());
  EXPECT_EQ(Read("Missing"), "<default>");
  EXPECT_EQ(ini.Read(folder.File("none.ini"), "General", "Language", "", 100), "");
}

TEST_F(IniFileTest, BufferCutsToSizeLessOne) {
  WriteRaw("[General]\r\nVGPFolder=abcdefgh\r\n");
  EXPECT_EQ(Read("VGPFolder", 4), "abc");
  EXPECT_EQ(Read("Missing", 4), "<de");
  EXPECT_EQ(Read("VGPFolder", 1), "");
  EXPECT_EQ(Read("VGPFolder", 0), "");
}

TEST_F(IniFileTest, RefusesTextsThatWouldPlantOtherKeys) {
  EXPECT_FALSE(ini.Write(path, "General", "Language", "x\r\nPortableMode=1"));
  EXPECT_FALSE(ini.Write(path, "General", "Key=1", "v"));
  EXPECT_FALSE(ini.Write(path, "Gen]eral", "Key", "v"));
  EXPECT_FALSE(ini.Write(path, "General", "", "v"));
  EXPECT_FALSE(fs.Exists(path));
}

TEST_F(IniFileTest, ReadOnlyFileFailsToWrite) {
  ASSERT_TRUE(ini.Write(path, "General", "SpeedInstall", "1"));
  ASSERT_TRUE(SetFileAttributesW(ToWide(path).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(ini.Write(path, "General", "SpeedInstall", "2"));
  EXPECT_EQ(Read("SpeedInstall"), "1");
}

TEST_F(IniFileTest, CharactersOutsideCodePageBecomeQuestionMarks) {
  ASSERT_TRUE(ini.Write(path, "General", "Language", ForeignText()));
  EXPECT_EQ(Read("Language"), std::string(ForeignText().size() / 2, '?'));
}

TEST_F(IniFileTest, FolderNameOutsideCodePageIsReachedByShortName) {
  const std::string sub = folder.File(ForeignText() + " folder");
  ASSERT_TRUE(fs.CreateFolder(sub));
  const std::string file = sub + "\\velgaro.ini";
  ASSERT_TRUE(ini.Write(file, "General", "PortableMode", "1"));
  EXPECT_TRUE(fs.Exists(file));
  EXPECT_EQ(ini.Read(file, "General", "PortableMode", "0", 128), "1");
}

}  // namespace
}  // namespace velgaro::win32
