// The text helpers: affixes, the value marker and the language chosen from the system's language ID.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "lang/Language.h"

namespace velgaro {
namespace {

struct AffixCase {
  const char* text;
  bool atStart;
  const char* affix;
  const char* expected;
};

class EnsureAffixTest : public ::testing::TestWithParam<AffixCase> {};

TEST_P(EnsureAffixTest, GivesExpectedText) {
  const AffixCase& c = GetParam();
  EXPECT_EQ(EnsureAffix(c.text, c.atStart, c.affix), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnsureAffixTest,
    ::testing::Values(
        AffixCase{"Версия", false, " ", "Версия "},        // trailing blank given back
        AffixCase{"Версия ", false, " ", "Версия "},       // already there
        AffixCase{"", false, ":", ""},                     // empty stays empty
        AffixCase{"", true, "- ", ""},
        AffixCase{"a", false, ". ", "a"},                  // shorter than the affix
        AffixCase{"Я", false, ". ", "Я"},                  // one letter is one character, not two bytes
        AffixCase{"ab", false, ". ", "ab. "},
        AffixCase{"Сохранить путь к файлу", false, "?", "Сохранить путь к файлу?"},
        AffixCase{"Done.", false, ".", "Done."},
        AffixCase{"Done", false, ".", "Done."},
        AffixCase{"Updating..", false, "...", "Updating....."},  // exact affix only, no partial merge
        AffixCase{"Программа", true, "- ", "- Программа"},
        AffixCase{"- Программа", true, "- ", "- Программа"},
        AffixCase{"-Программа", true, "- ", "- -Программа"},
        AffixCase{"Label:", false, ":", "Label:"},
        AffixCase{"LABEL", true, "label", "labelLABEL"}));  // case counts

struct ParamCase {
  const char* text;
  const char* value;
  const char* expected;
};

class ReplaceParamTest : public ::testing::TestWithParam<ParamCase> {};

TEST_P(ReplaceParamTest, GivesExpectedText) {
  const ParamCase& c = GetParam();
  EXPECT_EQ(ReplaceParam(c.text, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceParamTest,
    ::testing::Values(
        ParamCase{"Отсутстует vgp-файл - %s", "C:\\a.vgp", "Отсутстует vgp-файл - C:\\a.vgp"},
        ParamCase{"%s and %s", "x", "x and %s"},            // first marker only
        ParamCase{"Upper %S here", "x", "Upper x here"},    // either letter case
        ParamCase{"no marker", "x", "no marker"},
        ParamCase{"", "x", ""},
        ParamCase{"%s", "", ""},
        ParamCase{"100%", "x", "100%"},                     // lone percent at the end
        ParamCase{"50% sure %s", "x", "50% sure x"},        // "% " is no marker
        ParamCase{"%%s", "x", "%x"},
        ParamCase{"%s", "%s", "%s"}));                      // the value is not searched again

TEST(DefaultLanguageNameTest, OnlyTheFullLanguageIdsCount) {
  // 3079 German (Austria), 2073 Russian (Moldova): other variants fall back to English.
  const std::pair<std::uint16_t, const char*> cases[] = {{1031, "German"},  {1049, "Russian"}, {1058, "Ukrainian"},
                                                         {1059, "Belorussian"}, {3079, "English"}, {2073, "English"},
                                                         {1033, "English"}, {0, "English"}};
  for (const auto& [id, name] : cases) EXPECT_EQ(DefaultLanguageName(id), name) << id;
}

}  // namespace
}  // namespace velgaro
