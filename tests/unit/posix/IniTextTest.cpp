#include <gtest/gtest.h>

#include "platform/IniText.h"

namespace velgaro {
namespace {

using namespace std::string_literals;

constexpr std::size_t kBig = 2048;

struct ReadCase {
  const char* name;
  std::string content;
  std::string section;
  std::string key;
  std::string expected;
  std::size_t buffer = kBig;
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, GivesValueOrDefault) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(IniReadValue(c.content, c.section, c.key, "DEF", c.buffer), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Semantics, IniRead,
    ::testing::Values(
        ReadCase{"Plain", "[General]\r\nPortableMode=1\r\n", "General", "PortableMode", "1"},
        ReadCase{"LfOnly", "[General]\nPortableMode=1\n", "General", "PortableMode", "1"},
        ReadCase{"NoFinalBreak", "[General]\nPortableMode=1", "General", "PortableMode", "1"},
        ReadCase{"CaseOfNames", "[gEnErAl]\nportablemode=1\n", "GENERAL", "PORTABLEMODE", "1"},
        ReadCase{"CyrillicNamesCase", "[\xCE\xE1\xF9\xE5\xE5]\n\xCA\xEB\xFE\xF7=v\n", "\xEE\xC1\xD9\xC5\xC5",
                 "\xEA\xCB\xDE\xD7", "v"},
        ReadCase{"BlanksAndTabs", "  [ General ]  \n \t Key \t=  \t a b \t \n", "General", "Key", "a b"},
        ReadCase{"DoubleQuotes", "[S]\nK=\" padded \"\n", "S", "K", " padded "},
        ReadCase{"SingleQuotes", "[S]\nK='x'\n", "S", "K", "x"},
        ReadCase{"OnlyOnePairOfQuotes", "[S]\nK=\"\"x\"\"\n", "S", "K", "\"x\""},
        ReadCase{"MismatchedQuotes", "[S]\nK=\"x'\n", "S", "K", "\"x'"},
        ReadCase{"LoneQuote", "[S]\nK=\"\n", "S", "K", "\""},
        ReadCase{"FirstEqualsSplits", "[S]\nK=a=b\n", "S", "K", "a=b"},
        ReadCase{"FirstMatchingLineWins", "[S]\nK=1\nk=2\n", "S", "K", "1"},
        ReadCase{"FirstMatchingSectionWins", "[S]\nA=1\n[T]\nK=t\n[s]\nK=2\n", "S", "K", "DEF"},
        ReadCase{"KeyInOtherSection", "[T]\nK=1\n[S]\nX=2\n", "S", "K", "DEF"},
        ReadCase{"KeyBeforeAnySection", "K=1\n[S]\n", "S", "K", "DEF"},
        ReadCase{"CommentIgnored", "[S]\n;K=1\n  ; K=2\nK=3\n", "S", "K", "3"},
        ReadCase{"EmptyValue", "[S]\nK=\n", "S", "K", ""},
        ReadCase{"KeyWithoutEquals", "[S]\nK\n", "S", "K", ""},
        ReadCase{"MissingKey", "[S]\nA=1\n", "S", "K", "DEF"},
        ReadCase{"EmptyContent", "", "S", "K", "DEF"},
        ReadCase{"Utf8ByteOrderMark", "\xEF\xBB\xBF[S]\nK=1\n", "S", "K", "1"},
        ReadCase{"CutToBuffer", "[S]\nK=abcdef\n", "S", "K", "abc", 4},
        ReadCase{"CutAfterUnquoting", "[S]\nK=\"abcdef\"\n", "S", "K", "abcd", 5},
        ReadCase{"BufferOfOneGivesNothing", "[S]\nK=abc\n", "S", "K", "", 1},
        ReadCase{"BufferOfZeroGivesNothing", "[S]\nK=abc\n", "S", "K", "", 0},
        ReadCase{"DefaultCutToo", "", "S", "K", "DE", 3},
        ReadCase{"Binary", "\x00\xFF\x01[S\n\x00\x00\n[S]\nK=v\x00w\n\xFE\xFF"s, "S", "K", "v"},
        ReadCase{"UnclosedSectionHeader", "[S\nK=1\n", "S", "K", "1"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(IniReadDefault, TrailingBlanksOfDefaultRemoved) {
  EXPECT_EQ(IniReadValue("", "S", "K", " %DRIVEAPP%\\Folder VGP  ", 128), " %DRIVEAPP%\\Folder VGP");
}

TEST(IniReadLength, LongValueCutAt2047) {
  const std::string value(5000, 'x');
  EXPECT_EQ(IniReadValue("[S]\nK=" + value + "\n", "S", "K", "", 2048), std::string(2047, 'x'));
  EXPECT_EQ(IniFindValue("[S]\nK=" + value + "\n", "S", "K"), value);
}

struct WriteCase {
  const char* name;
  std::string content;
  std::string section;
  std::string key;
  std::string value;
  std::string expected;
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, GivesNewContent) {
  const WriteCase& c = GetParam();
  const std::optional<std::string> out = IniWriteValue(c.content, c.section, c.key, c.value);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(*out, c.expected);
  EXPECT_EQ(IniReadValue(*out, c.section, c.key, "DEF", kBig), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Semantics, IniWrite,
    ::testing::Values(
        WriteCase{"NewFile", "", "General", "PortableMode", "1", "[General]\r\nPortableMode=1\r\n"},
        WriteCase{"ReplaceKeepsNameSpellingAndOtherLines", "[General]\r\nportablemode = 0 \r\nA=1\r\n", "General",
                  "PortableMode", "1", "[General]\r\nportablemode=1\r\nA=1\r\n"},
        WriteCase{"AppendToSectionBeforeBlankLines", "[G]\r\nA=1\r\n\r\n[H]\r\nB=2\r\n", "g", "C", "3",
                  "[G]\r\nA=1\r\nC=3\r\n\r\n[H]\r\nB=2\r\n"},
        WriteCase{"AppendToLastSectionWithoutFinalBreak", "[G]\nA=1", "G", "C", "3", "[G]\nA=1\nC=3\n"},
        WriteCase{"AppendToEmptySection", "[G]\n[H]\n", "G", "C", "3", "[G]\nC=3\n[H]\n"},
        WriteCase{"NewSectionKeepsLfStyle", "[G]\nA=1", "H", "C", "3", "[G]\nA=1\n[H]\nC=3\n"},
        WriteCase{"EmptyValue", "[G]\nA=1\n", "G", "A", "", "[G]\nA=\n"},
        WriteCase{"OnlyFirstSectionChanged", "[G]\nA=1\n[G]\nA=2\n", "G", "A", "9", "[G]\nA=9\n[G]\nA=2\n"},
        WriteCase{"CommentedKeyNotReplaced", "[G]\n;A=1\n", "G", "A", "2", "[G]\n;A=1\nA=2\n"},
        WriteCase{"ByteOrderMarkKept", "\xEF\xBB\xBF[G]\nA=1\n", "G", "A", "2", "\xEF\xBB\xBF[G]\nA=2\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST(IniWriteRefuses, TextsThatWouldBreakTheFile) {
  const std::string content = "[G]\nA=1\n";
  EXPECT_FALSE(IniWriteValue(content, "G", "A", "1\r\n[Evil]"));
  EXPECT_FALSE(IniWriteValue(content, "G", "A", std::string("a\0b", 3)));
  EXPECT_FALSE(IniWriteValue(content, "G", "A=B", "1"));
  EXPECT_FALSE(IniWriteValue(content, "G", "", "1"));
  EXPECT_FALSE(IniWriteValue(content, "G", " ", "1"));
  EXPECT_FALSE(IniWriteValue(content, "G", ";A", "1"));
  EXPECT_FALSE(IniWriteValue(content, "G", "[A", "1"));
  EXPECT_FALSE(IniWriteValue(content, "G]x", "A", "1"));
  EXPECT_FALSE(IniWriteValue(content, "", "A", "1"));
  EXPECT_FALSE(IniWriteValue(content, "G\n", "A", "1"));
}

TEST(IniWriteGarbage, BinaryContentStaysAndKeyIsAdded) {
  const std::string garbage("\x00\x01\xFF=\xFE[\n", 7);
  const std::optional<std::string> out = IniWriteValue(garbage, "G", "A", "1");
  ASSERT_TRUE(out);
  EXPECT_EQ(out->substr(0, garbage.size()), garbage);
  EXPECT_EQ(IniReadValue(*out, "G", "A", "", kBig), "1");
}

}  // namespace
}  // namespace velgaro
