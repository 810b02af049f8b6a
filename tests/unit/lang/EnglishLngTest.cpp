// The shipped English translation, read through the same parser and loader as the program.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "ShippedEnglish.h"

namespace velgaro {
namespace {

// Texts that carry a value: the translation must keep its marker or the value is lost.
const std::set<std::pair<std::string, int>>& KeysWithValue() {
  static const std::set<std::pair<std::string, int>> keys{
      {"main", 14},       {"main", 17},          {"main", 18},          {"Statistic", 4},
      {"Stels", 46},      {"Stels", 51},         {"Stels", 52},         {"Stels", 53},
      {"Stels", 54},      {"Stels", 55},         {"Stels", 56},         {"Stels", 57},         {"Wizard", 53},        {"Wizard", 90},
      {"Wizard", 92},     {"New", 18},           {"New", 28},           {"New", 54},           {"Error", 2},
      {"frmWizardPack", 17}, {"frmWizardPack", 21}, {"Wizard", 112}, {"Wizard", 113}, {"Wizard", 114}, {"Wizard", 118}};
  return keys;
}

std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

int CountMarkers(const std::string& text) {
  int count = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%' && (text[i + 1] == 's' || text[i + 1] == 'S')) ++count;
  }
  return count;
}

class EnglishLngTest : public ShippedEnglishTest {
 protected:

  int SectionKeys(const std::string& section) const {
    for (const LanguageSection& s : LanguageSections()) {
      if (Lower(s.name) == Lower(section)) return s.keys;
    }
    return 0;
  }

};

TEST_F(EnglishLngTest, IsPlainAsciiText) {
  for (unsigned char c : content_) {
    EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << static_cast<int>(c);
  }
  EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(EnglishLngTest, EveryKeyLiesInAKnownSectionAndIsLoaded) {
  std::istringstream lines(content_);
  std::string line;
  std::string section;
  std::set<std::string> seenSections;
  std::set<std::pair<std::string, int>> seenKeys;
  int keyCount = 0;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      ASSERT_EQ(line.back(), ']') << line;
      section = line.substr(1, line.size() - 2);
      EXPECT_GT(SectionKeys(section), 0) << "unknown section " << section;
      EXPECT_TRUE(seenSections.insert(Lower(section)).second) << "section twice: " << section;
      continue;
    }
    ASSERT_FALSE(section.empty()) << "key before any section: " << line;
    const std::size_t eq = line.find('=');
    ASSERT_NE(eq, std::string::npos) << line;
    const std::string key = line.substr(0, eq);
    const std::string value = line.substr(eq + 1);
    // The loader asks for the plain decimal number: "05" would never be found.
    ASSERT_TRUE(!key.empty() && key.size() <= 3 && key.find_first_not_of("0123456789") == std::string::npos &&
                key[0] != '0')
        << section << ": " << line;
    const int number = std::stoi(key);
    EXPECT_LE(number, SectionKeys(section)) << section << " " << number;
    EXPECT_TRUE(seenKeys.insert({Lower(section), number}).second) << "key twice: " << section << " " << number;
    EXPECT_FALSE(value.empty()) << section << " " << number;
    EXPECT_EQ(language_.GetLangString(section, number), value) << section << " " << number;
    ++keyCount;
  }
  EXPECT_GT(keyCount, 250);
}

TEST_F(EnglishLngTest, TextsWithAValueKeepTheirMarker) {
  for (const auto& [section, number] : KeysWithValue()) {
    EXPECT_EQ(CountMarkers(language_.GetLangString(section, number)), 1) << section << " " << number;
  }
  // A marker anywhere else would be shown to the user as it stands.
  for (const LanguageSection& section : LanguageSections()) {
    for (int number = 1; number <= section.keys; ++number) {
      if (KeysWithValue().count({section.name, number}) != 0) continue;
      EXPECT_EQ(CountMarkers(language_.GetLangString(section.name, number)), 0) << section.name << " " << number;
    }
  }
}

TEST_F(EnglishLngTest, AffixConventionsHold) {
  EXPECT_EQ(language_.LangTextAffix("Версия ", "About", 5, false, " "), "Version ");
  EXPECT_EQ(language_.LangTextParam("Отсутстует vgp-файл - x", "Stels", 46, "C:\\p\\a.vgp"),
            "Package file is missing - C:\\p\\a.vgp");
  EXPECT_EQ(language_.LangTextParam("Повреждённый vgp-файл - x", "Stels", 51, "a.vgp"), "Damaged package file - a.vgp");
  // Page 0 of the disk wizard puts "- " before its bullet lines itself.
  for (int number : {10, 11, 12}) {
    const std::string text = language_.GetLangString("Wizard", number);
    ASSERT_FALSE(text.empty()) << number;
    EXPECT_NE(text[0], '-') << number;
  }
}

}  // namespace
}  // namespace velgaro
