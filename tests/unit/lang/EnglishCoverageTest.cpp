// The shipped English file against what the program reads: every key of every section has its English,
// except the few keys that no window or message reads, which are listed here with the reason.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>

#include "ShippedEnglish.h"
#include "editor/EditorTexts.h"
#include "engine/PlayerTexts.h"
#include "library/LibraryTexts.h"
#include "library/NewPackageTexts.h"
#include "wizard/WizardTexts.h"

namespace velgaro {
namespace {

struct UnreadKey {
  const char* section;
  int key;
  const char* reason;
};

// A key read by nothing has no Russian text to translate. Once a window or message comes to read one,
// its line goes from here and its English goes into the file.
const UnreadKey kUnreadKeys[] = {
    {"main", 3, "no control or message of the main window shows it"},
    {"main", 4, "no control or message of the main window shows it"},
    {"main", 8, "no control or message of the main window shows it"},
    {"main", 20, "no control or message of the main window shows it"},
    {"main", 23, "no control or message of the main window shows it"},
    {"About", 7, "the about box has six texts of its own, keys 1..6"},
    {"Stels", 19, "neither the control window nor a playback message shows it"},
    {"Stels", 27, "neither the control window nor a playback message shows it"},
    {"Stels", 29, "neither the control window nor a playback message shows it"},
    {"Stels", 30, "neither the control window nor a playback message shows it"},
    {"Stels", 31, "neither the control window nor a playback message shows it"},
    {"Stels", 33, "neither the control window nor a playback message shows it"},
    {"Stels", 38, "neither the control window nor a playback message shows it"},
    {"Stels", 39, "neither the control window nor a playback message shows it"},
    {"Stels", 40, "neither the control window nor a playback message shows it"},
    {"Wizard", 13, "no page of the disk wizard shows it"},
    {"Wizard", 14, "no page of the disk wizard shows it"},
    {"Wizard", 15, "no page of the disk wizard shows it"},
    {"Wizard", 16, "no page of the disk wizard shows it"},
    {"Wizard", 18, "no page of the disk wizard shows it"},
    {"Wizard", 29, "no page of the disk wizard shows it"},
    {"Wizard", 31, "no page of the disk wizard shows it"},
    {"Wizard", 34, "no message of the disk wizard uses it"},
    {"Wizard", 35, "no message of the disk wizard uses it"},
    {"Wizard", 36, "no message of the disk wizard uses it"},
    {"Wizard", 39, "no message of the disk wizard uses it"},
    {"Wizard", 46, "no message of the disk wizard uses it"},
    {"Wizard", 57, "no message of the disk wizard uses it"},
    {"Wizard", 59, "the copy page has no tick boxes"},
    {"Wizard", 60, "the copy page has no tick boxes"},
    {"Wizard", 65, "the copy page shows its progress with keys 62..64 and a percentage"},
    {"Wizard", 66, "the copy page shows its progress with keys 62..64 and a percentage"},
    {"Wizard", 67, "the copy page shows its progress with keys 62..64 and a percentage"},
    {"Wizard", 76, "the list page's status line shows the wizard's messages, never a caption"},
    {"Wizard", 79, "the measuring line shows key 89 while the sizes are counted"},
    {"Wizard", 80, "no page of the disk wizard has this label"},
    {"Wizard", 81, "no page of the disk wizard has this label"},
    {"Wizard", 82, "no page of the disk wizard has this label"},
    {"Asociating", 2, "the association writes only the Open and Install verbs, keys 1 and 4"},
    {"Asociating", 3, "the association writes only the Open and Install verbs, keys 1 and 4"},
    {"New", 35, "no control or message of the new-package dialog shows it"},
    {"Error", 1, "the batch editor reports its errors with key 2 only"},
};

bool IsUnread(const std::string& section, int key) {
  for (const UnreadKey& u : kUnreadKeys) {
    if (section == u.section && key == u.key) return true;
  }
  return false;
}

int SectionKeys(const std::string& section) {
  for (const LanguageSection& s : LanguageSections()) {
    if (section == s.name) return s.keys;
  }
  return 0;
}

// The built-in Russian text of a key from the tables that the subsystems keep; nullopt for a section
// whose texts come only from the windows' templates and calls. An empty text: no such key in the table.
std::optional<std::string> BuiltInText(const std::string& section, int key) {
  if (section == "main") return MainDefault(static_cast<MainKey>(key));
  if (section == kStelsSection) return StelsDefault(static_cast<StelsKey>(key));
  if (section == kWizardSection) return WizardDefault(static_cast<WizardKey>(key));
  if (section == "New") return NewDefault(static_cast<NewKey>(key));
  if (section == kEditorSection) return EditorDefault(static_cast<EditorKey>(key));
  return std::nullopt;
}

class EnglishCoverageTest : public ShippedEnglishTest {
 protected:
  void SetUp() override {
    ShippedEnglishTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(dialogs_.shown.empty());
  }
};

TEST_F(EnglishCoverageTest, EveryKeyThatIsReadHasItsEnglish) {
  int translated = 0;
  for (const LanguageSection& section : LanguageSections()) {
    for (int key = 1; key <= section.keys; ++key) {
      if (IsUnread(section.name, key)) continue;
      EXPECT_FALSE(language_.GetLangString(section.name, key).empty())
          << section.name << "/" << key << " has no English text";
      ++translated;
    }
  }
  // The update window reads all of its section and borrows the statistics window's Close.
  EXPECT_EQ(SectionKeys("update"), 24);
  for (int key = 1; key <= 24; ++key) EXPECT_FALSE(IsUnread("update", key)) << key;
  EXPECT_FALSE(IsUnread("Statistic", 2));
  EXPECT_GT(translated, 350);
}

TEST_F(EnglishCoverageTest, UnreadKeysAreRealKeysThatNothingReads) {
  std::set<std::pair<std::string, int>> listed;
  for (const UnreadKey& u : kUnreadKeys) {
    const std::string where = std::string(u.section) + "/" + std::to_string(u.key);
    EXPECT_TRUE(listed.insert({u.section, u.key}).second) << where << " is listed twice";
    EXPECT_GT(SectionKeys(u.section), 0) << where << ": no such section";
    EXPECT_TRUE(u.key >= 1 && u.key <= SectionKeys(u.section)) << where << " lies outside its section";
    // A text in the file means someone meant it to be shown: the list must not hide a key in use.
    EXPECT_EQ(language_.GetLangString(u.section, u.key), "")
        << where << " is listed as unread (" << u.reason << ") yet English.lng gives it a text";
    // A built-in text means the subsystem reads the key.
    const std::string builtIn = BuiltInText(u.section, u.key).value_or("");
    EXPECT_EQ(builtIn, "") << where << " is listed as unread (" << u.reason << ") yet has a built-in text";
  }
}

TEST(EnglishCoverage, EveryBuiltInTextLiesInsideItsSection) {
  // The loader reads keys 1..N only: a text past N would show Russian whatever the language file says.
  for (const char* section : {"main", kStelsSection, kWizardSection, "New", kEditorSection}) {
    const int last = SectionKeys(section);
    ASSERT_GT(last, 0) << section;
    int withText = 0;
    for (int key = 1; key <= last; ++key) withText += BuiltInText(section, key)->empty() ? 0 : 1;
    EXPECT_GT(withText, 0) << section << ": no built-in text found, the table is not the section's";
    for (int key = last + 1; key <= 999; ++key) {
      EXPECT_EQ(*BuiltInText(section, key), "") << section << "/" << key << " is read past the section's last key "
                                                << last;
    }
  }
}

}  // namespace
}  // namespace velgaro
