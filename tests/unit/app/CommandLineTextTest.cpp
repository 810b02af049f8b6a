#include <gtest/gtest.h>

#include "app/CommandLineText.h"

namespace velgaro {
namespace {

// ExtractSwitch and the character counts are covered through ParseCommandLine.
TEST(TakeFirstTokenTest, SplitsOffAQuotedOrDelimitedToken) {
  struct Case {
    const char* text;
    const char* token;   // nullptr: fails
    const char* rest;
  } cases[] = {{"  abc def  ", "abc", "def"}, {"C:\\A.VGP/nostat", "C:\\A.VGP", "/nostat"}, {"abc\"d\"", "abc", "\"d\""},
               {"\"C:\\My Pkgs\\a.vgp\" tail ", "C:\\My Pkgs\\a.vgp", "tail"},
               {"\"unclosed path", nullptr, ""}, {"\"   \" x", nullptr, ""}, {"/x", nullptr, ""}, {"  ", nullptr, ""}};
  for (const Case& c : cases) {
    std::string text = c.text;
    const std::optional<std::string> token = TakeFirstToken(text);
    ASSERT_EQ(token.has_value(), c.token != nullptr) << c.text;
    if (!token) continue;
    EXPECT_EQ(*token, c.token) << c.text;
    EXPECT_EQ(text, c.rest) << c.text;
  }
}

TEST(QuotedPartTest, GivesTheTextBetweenTheFirstTwoQuotes) {
  EXPECT_EQ(QuotedPart("x\"a\"\"b\""), "a");
  EXPECT_EQ(QuotedPart(" ends in quote\" "), "ends in quote\"");
  EXPECT_EQ(QuotedPart("\"  C:\\Pkgs "), "C:\\Pkgs");   // a lone opening quote: what follows it
}

}  // namespace
}  // namespace velgaro
