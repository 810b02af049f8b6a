// UTF-8 <-> UTF-16 and the ANSI code page as the real system converts them.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/Win32Codepage.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/WideText.h"

namespace velgaro::win32 {
namespace {

using namespace std::string_literals;

TEST(WideTextTest, RoundTripsWhatUtf16CanHold) {
  const std::string texts[] = {"", "plain", "Пакет установки", "emoji \xF0\x9F\x98\x80 needs a surrogate pair",
                               "nul\0inside"s};
  for (const std::string& text : texts) EXPECT_EQ(ToUtf8(ToWide(text)), text) << text;
  EXPECT_EQ(ToWide("Я"), L"\u042F");
  EXPECT_EQ(ToWide("\xF0\x9F\x98\x80").size(), 2u);
}

TEST(WideTextTest, InvalidUtf8BecomesReplacementCharacter) {
  EXPECT_EQ(ToWide("a\xFF" "b"), L"a\uFFFDb");
}

TEST(WideTextTest, PathWithNulIsRefused) {
  EXPECT_EQ(ToWidePath("C:\\a.vgp\0.exe"s), L"");
  EXPECT_EQ(ToWidePath("C:\\a.vgp"), L"C:\\a.vgp");
}

TEST(WideTextTest, BufferTextStopsAtNulOrCapacity) {
  const wchar_t buffer[] = {L'a', L'b', L'\0', L'c'};
  EXPECT_EQ(WideFromBuffer(buffer, 4), L"ab");
  EXPECT_EQ(WideFromBuffer(buffer, 1), L"a");
  EXPECT_EQ(WideFromBuffer(nullptr, 4), L"");
}

// Characters that the active code page has, one per code page we may meet.
struct CodepageCase {
  UINT codePage;
  std::string utf8;
  std::string ansi;
};

const CodepageCase kCases[] = {
    {1251, "Привет", "\xCF\xF0\xE8\xE2\xE5\xF2"},
    {1252, "Grüße é", "Gr\xFC\xDF" "e \xE9"},
};

class CodepageTest : public ::testing::Test {
 protected:
  Win32Codepage codepage;
};

TEST_F(CodepageTest, ActiveCodePageRoundTrip) {
  bool tested = false;
  for (const CodepageCase& c : kCases) {
    if (c.codePage != GetACP()) continue;
    EXPECT_EQ(codepage.ToAnsi(c.utf8), c.ansi);
    EXPECT_EQ(codepage.FromAnsi(c.ansi), c.utf8);
    tested = true;
  }
  if (!tested) GTEST_SKIP() << "no sample for code page " << GetACP();
}

TEST_F(CodepageTest, AsciiAndZeroBytesStay) {
  EXPECT_EQ(codepage.ToAnsi("a\0b"s), "a\0b"s);
  EXPECT_EQ(codepage.FromAnsi("a\0b"s), "a\0b"s);
  EXPECT_EQ(codepage.FromAnsi(""), "");
}

TEST_F(CodepageTest, MissingCharactersBecomeQuestionMarksNotLookAlikes) {
  // U+0100 and a fullwidth solidus exist in neither 1251 nor 1252; best fit would give "A" and "/".
  EXPECT_EQ(codepage.ToAnsi("\xC4\x80"), "?");
  EXPECT_EQ(codepage.ToAnsi("\xEF\xBC\x8F"), "?");
  EXPECT_EQ(codepage.ToAnsi("\xE4\xB8\xAD"), "?");  // a CJK character
}

TEST(DialogFilterTest, BarsBecomeNulsEndedByTwo) {
  EXPECT_EQ(DialogFilter("Script (*.VGP)|*.VGP|"), L"Script (*.VGP)\0*.VGP\0\0"s);
  EXPECT_EQ(DialogFilter("Script (*.VGP)|*.VGP"), L"Script (*.VGP)\0*.VGP\0\0"s);
  EXPECT_EQ(DialogFilter("Пакет|*.vgp|Все|*.*|"), L"Пакет\0*.vgp\0Все\0*.*\0\0"s);
  EXPECT_EQ(DialogFilter(""), L"\0\0"s);
}

}  // namespace
}  // namespace velgaro::win32
