// Loading language files and looking texts up, over the simulated platform.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <string>

#include "lang/Language.h"
#include "platform/Cp1251.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro {
namespace {

const char* const kEnglishPath = "C:\\Tools\\Rec\\language\\English.lng";

// Counts every profile read, to prove one read per key and no read beyond a section's last key.
class CountingIniFile : public IniFile {
 public:
  explicit CountingIniFile(const IniFile& inner) : inner_(inner) {}
  std::string Read(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue, std::size_t bufferSize) const override {
    ++reads[section + "/" + key];
    lastBufferSize = bufferSize;
    return inner_.Read(file, section, key, defaultValue, bufferSize);
  }
  bool Write(const std::string&, const std::string&, const std::string&, const std::string&) override { return false; }

  mutable std::map<std::string, int> reads;
  mutable std::size_t lastBufferSize = 0;

 private:
  const IniFile& inner_;
};

class LanguageLoadTest : public ::testing::Test {
 protected:
  void Load(const std::string& name, bool unattended = false) {
    language.SetName(name);
    language.LoadLanguage({sys, fs, ini, dialogs, unattended});
  }
  void AddLanguageFile(const std::string& path, const std::string& utf8Text) { fs.AddFile(path, Utf8ToCp1251(utf8Text)); }

  SimSystemInfo sys;
  SimFileSystem fs;
  SimIniFile ini{fs};
  SimDialogs dialogs;
  Language language;
};

TEST_F(LanguageLoadTest, SectionNamesIgnoreCaseInFileAndLookup) {
  AddLanguageFile(kEnglishPath, "[MAIN]\r\n5=Help file missing\r\n[stels]\r\n15=Recording\r\n");
  Load("English");
  EXPECT_EQ(language.GetLangString("main", 5), "Help file missing");
  EXPECT_EQ(language.GetLangString("Main", 5), "Help file missing");
  EXPECT_EQ(language.GetLangString("STELS", 15), "Recording");
  EXPECT_EQ(language.LangText("Запись", "Stels", 15), "Recording");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(LanguageLoadTest, LongValueIsCutTo2047Characters) {
  AddLanguageFile(kEnglishPath, "[main]\n1=" + std::string(3000, 'a') + "\n2=" + std::string(3000, 'x') + "\n");
  Load("English");
  EXPECT_EQ(language.GetLangString("main", 1), std::string(2047, 'a'));
  EXPECT_EQ(language.GetLangString("main", 2), std::string(2047, 'x'));
}

TEST_F(LanguageLoadTest, LongCyrillicValueIsCutToTheSameNumberOfLetters) {
  // The cut counts bytes of the code page, one per letter, not bytes of UTF-8.
  std::string letters;
  for (int i = 0; i < 2100; ++i) letters += "Я";
  AddLanguageFile(kEnglishPath, "[main]\n1=" + letters + "\n");
  Load("English");
  std::string expected;
  for (int i = 0; i < 2047; ++i) expected += "Я";
  EXPECT_EQ(language.GetLangString("main", 1), expected);
}

TEST_F(LanguageLoadTest, EmptyOrBlankValueCountsAsMissing) {
  AddLanguageFile(kEnglishPath, "[main]\n5=\n6=   \n7=Choose\n");
  Load("English");
  EXPECT_EQ(language.LangText("Отсутствует файл справки", "main", 5), "Отсутствует файл справки");
  EXPECT_EQ(language.LangText("Ошибка", "main", 6), "Ошибка");
  EXPECT_EQ(language.LangText("Выберите", "main", 7), "Choose");
}

TEST_F(LanguageLoadTest, KeysOutsideTheSectionRangeAreIgnored) {
  AddLanguageFile(kEnglishPath, "[main]\n0=zero\n-1=minus\n40=last\n41=beyond\n[Stels]\n58=Seen - %s\n59=no\n");
  Load("English");
  EXPECT_EQ(language.GetLangString("main", 40), "last");
  for (int number : {0, -1, 41, INT_MAX, INT_MIN}) {
    EXPECT_EQ(language.GetLangString("main", number), "") << number;
    EXPECT_EQ(language.LangText("по умолчанию", "main", number), "по умолчанию") << number;
  }
  EXPECT_EQ(language.GetLangString("Stels", 58), "Seen - %s");
  EXPECT_EQ(language.GetLangString("Stels", 59), "");
  EXPECT_EQ(language.GetLangString("NoSuchSection", 1), "");
}

TEST_F(LanguageLoadTest, ReadsEveryKeyOnceWithTheProfileBuffer) {
  AddLanguageFile(kEnglishPath, "[main]\n1=x\n");
  CountingIniFile counting(ini);
  language.SetName("English");
  language.LoadLanguage({sys, fs, counting, dialogs, false});

  std::size_t expectedReads = 0;
  for (const LanguageSection& section : LanguageSections()) {
    for (int key = 1; key <= section.keys; ++key) {
      EXPECT_EQ(counting.reads[std::string(section.name) + "/" + std::to_string(key)], 1)
          << section.name << " " << key;
    }
    expectedReads += static_cast<std::size_t>(section.keys);
  }
  EXPECT_EQ(expectedReads, 427u);   // main holds 40 keys, Pause 7, Stels 58, Wizard 118, New 54, frmEditPath 2
  EXPECT_EQ(counting.reads.size(), expectedReads);
  EXPECT_EQ(counting.lastBufferSize, 2048u);
}

TEST_F(LanguageLoadTest, TranslatedTextTakesTheValueInPlaceOfTheFirstMarkerOnly) {
  AddLanguageFile(kEnglishPath, "[main]\n14=Delete %s packages (%s)?\n[Stels]\n46=Missing: %S\n");
  Load("English");
  EXPECT_EQ(language.LangTextParam("Вы действительно хотите удалить 3 пакетов?", "main", 14, "3"),
            "Delete 3 packages (%s)?");
  EXPECT_EQ(language.LangTextParam("Отсутстует vgp-файл - a.vgp", "Stels", 46, "a.vgp"), "Missing: a.vgp");
  // Without a translation the default, already built with the value, passes unchanged.
  EXPECT_EQ(language.LangTextParam("Удачно удалено - 2 из", "main", 17, "2"), "Удачно удалено - 2 из");
}

TEST_F(LanguageLoadTest, AffixIsRestoredOnTrimmedValue) {
  AddLanguageFile(kEnglishPath, "[About]\n5=Version   \n[main]\n15=Cannot be restored\n");
  Load("English");
  EXPECT_EQ(language.LangTextAffix("Версия ", "About", 5, false, " "), "Version ");
  EXPECT_EQ(language.LangTextAffix("Восстановить эти файлы будет невозможно.", "main", 15, false, "."),
            "Cannot be restored.");
  EXPECT_EQ(language.LangTextAffix("Версия ", "Future", 1, false, " "), "Версия ");
}

TEST_F(LanguageLoadTest, NextLoadReplacesTheTablesAsAWhole) {
  AddLanguageFile(kEnglishPath, "[main]\n5=Help missing\n6=Error\n");
  AddLanguageFile("C:\\Tools\\Rec\\language\\German.lng", "[main]\n6=Fehler\n");
  Load("English");
  Load("German");
  EXPECT_EQ(language.GetLangString("main", 5), "");
  EXPECT_EQ(language.GetLangString("main", 6), "Fehler");
  Load("Ukrainian");   // no file: everything falls back to the defaults
  EXPECT_EQ(language.GetLangString("main", 6), "");
}

TEST_F(LanguageLoadTest, GarbledFileGivesValuesAsReadAndNeverCrashes) {
  std::mt19937 random(20240611u);
  using namespace std::string_literals;
  std::string garbage = "[main]\n1=ok\n\0\xFF\xFE[Stels\n=\n==\n[]\n5=\"\n"s;
  for (int i = 0; i < 20000; ++i) garbage += static_cast<char>(random() % 256);
  garbage += "\n[Wizard]\n1=" + std::string(5000, '\xC0') + "\n2=tail";
  fs.AddFile(kEnglishPath, garbage);
  Load("English");

  EXPECT_EQ(language.GetLangString("main", 1), "ok");
  for (const LanguageSection& section : LanguageSections()) {
    for (int key = 1; key <= section.keys; ++key) {
      EXPECT_EQ(language.GetLangString(section.name, key),
                ini.Read(kEnglishPath, section.name, std::to_string(key), "", 2048))
          << section.name << " " << key;
    }
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(LanguageLoadTest, LanguageFolderPathGetsOneBackslash) {
  sys.exeFolder = "D:\\";
  fs.AddFile("D:\\language\\English.lng", "[main]\n6=Error\n");
  Load("English");
  EXPECT_EQ(language.FilePath(), "D:\\language\\English.lng");
  EXPECT_EQ(language.GetLangString("main", 6), "Error");
  EXPECT_EQ(LanguageFilePath("C:\\Tools\\Rec", "English"), kEnglishPath);
}

// The missing-file message, and the defaults that follow it.
class MissingLanguageFileTest : public LanguageLoadTest {};

TEST_F(MissingLanguageFileTest, GermanSystemWithoutFileNamesTheFullPathAndKeepsRussian) {
  sys.langId = 1031;
  Load("");
  EXPECT_EQ(language.Name(), "German");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Отсутствует файл перевода C:\\Tools\\Rec\\language\\German.lng");
  EXPECT_EQ(dialogs.shown[0].title, "Ошибка загрузки языка");
  EXPECT_EQ(dialogs.shown[0].style, static_cast<unsigned>(kMbOk));
  EXPECT_EQ(language.LangText("Выберите папку", "main", 1), "Выберите папку");
}

TEST_F(MissingLanguageFileTest, RussianSystemWithoutFileShowsNothing) {
  sys.langId = 1049;
  Load("");
  EXPECT_EQ(language.Name(), "Russian");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(language.LangText("Выберите папку", "main", 1), "Выберите папку");
}

TEST_F(MissingLanguageFileTest, RussianNameInAnyCaseShowsNothing) {
  Load("rUSSIAN");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MissingLanguageFileTest, UnattendedInstallShowsNothing) {
  Load("German", true);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(language.FilePath(), "C:\\Tools\\Rec\\language\\German.lng");
}

TEST_F(MissingLanguageFileTest, NameWithPathSeparatorReadsNothingOutsideTheFolder) {
  // The simulated file system keeps ".." as text: the file sits where the joined path points.
  AddLanguageFile("C:\\Tools\\Rec\\language\\..\\..\\Secret.lng", "[main]\n6=leaked\n");
  Load("..\\..\\Secret");
  EXPECT_EQ(language.GetLangString("main", 6), "");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Отсутствует файл перевода C:\\Tools\\Rec\\language\\..\\..\\Secret.lng");
}

TEST(LanguageSettingTest, SettingSetsTheNameUnlessTheIniFileDid) {
  SimSettingsStore settings;
  Language language;
  language.ReadLanguageSetting(settings, false);
  EXPECT_EQ(language.Name(), "");

  settings.Set("Language", "Language", "English");
  language.ReadLanguageSetting(settings, false);
  EXPECT_EQ(language.Name(), "English");

  language.SetName("German");   // the INI file's value
  language.ReadLanguageSetting(settings, true);
  EXPECT_EQ(language.Name(), "German");
}

}  // namespace
}  // namespace velgaro
