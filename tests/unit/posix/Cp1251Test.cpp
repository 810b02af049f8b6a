#include <gtest/gtest.h>

#include "platform/Cp1251.h"

namespace velgaro {
namespace {

TEST(Cp1251, CyrillicBothWays) {
  const std::string utf8 = "Не найден файл ЁёЇїІіЄєҐґЎўЂђ";
  const std::string ansi = "\xCD\xE5 \xED\xE0\xE9\xE4\xE5\xED \xF4\xE0\xE9\xEB \xA8\xB8\xAF\xBF\xB2\xB3\xAA\xBA\xA5\xB4\xA1\xA2\x80\x90";
  EXPECT_EQ(Utf8ToCp1251(utf8), ansi);
  EXPECT_EQ(Cp1251ToUtf8(ansi), utf8);
}

TEST(Cp1251, PunctuationOfTheUpperHalf) {
  EXPECT_EQ(Utf8ToCp1251("€‚„…†‡‰‹›‘’“”•–—™№«»§©®°±µ¶·\u00A0"),
            "\x88\x82\x84\x85\x86\x87\x89\x8B\x9B\x91\x92\x93\x94\x95\x96\x97\x99\xB9\xAB\xBB\xA7\xA9\xAE\xB0\xB1\xB5\xB6\xB7\xA0");
}

TEST(Cp1251, EveryByteSurvivesRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1251ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1251(utf8), all);
  EXPECT_EQ(utf8[0], '\0');   // a zero byte stays NUL
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a中b", "a?b"}, {"é", "?"}, {"😀", "?"}, {"ÄÖÜß", "????"}, {"ω", "?"}};
  for (const auto& [in, out] : cases) EXPECT_EQ(Utf8ToCp1251(in), out) << in;
}

TEST(Cp1251, InvalidUtf8BecomesQuestionMarks) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a\xFF" "b", "a?b"},           // not a lead byte
      {"a\xD0", "a?"},                // truncated at the end
      {"\xD0" "A", "?A"},             // lead byte without continuation
      {"\x80", "?"},                  // lone continuation byte
      {"\xC0\xAF", "??"},             // overlong "/"
      {"\xED\xA0\x80", "???"},        // surrogate
      {"\xF4\x90\x80\x80", "????"},   // beyond U+10FFFF
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Utf8ToCp1251(in), out);
}

}  // namespace
}  // namespace velgaro
