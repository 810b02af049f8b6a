// A profile file whose last line ends in a CR without its LF (a file cut between the two, or written
// with CR line ends): a value written into it must read back, and the values already there must stay.
#include <gtest/gtest.h>

#include "platform/IniText.h"

namespace velgaro {
namespace {

constexpr std::size_t kBig = 2048;

TEST(IniWriteAfterLoneCr, KeyAddedToTheSectionReadsBack) {
  const std::optional<std::string> out = IniWriteValue("[General]\rPortableMode=1\r", "General", "SpeedInstall", "1");
  ASSERT_TRUE(out);
  EXPECT_EQ(*out, "[General]\rPortableMode=1\r\nSpeedInstall=1\r\n");
  EXPECT_EQ(IniReadValue(*out, "General", "SpeedInstall", "DEF", kBig), "1");
}

TEST(IniWriteAfterLoneCr, LastValueOfTheSectionKeepsItsText) {
  const std::optional<std::string> out = IniWriteValue("[G]\r\nA=1\r", "G", "B", "2");
  ASSERT_TRUE(out);
  EXPECT_EQ(*out, "[G]\r\nA=1\r\nB=2\r\n");
  EXPECT_EQ(IniReadValue(*out, "G", "A", "DEF", kBig), "1");
  EXPECT_EQ(IniReadValue(*out, "G", "B", "DEF", kBig), "2");
}

TEST(IniWriteAfterLoneCr, NewSectionLeavesTheLastValueAsItWas) {
  const std::optional<std::string> out = IniWriteValue("[G]\r\nA=1\r", "H", "B", "2");
  ASSERT_TRUE(out);
  EXPECT_EQ(*out, "[G]\r\nA=1\r\n[H]\r\nB=2\r\n");
  EXPECT_EQ(IniReadValue(*out, "G", "A", "DEF", kBig), "1");
  EXPECT_EQ(IniReadValue(*out, "H", "B", "DEF", kBig), "2");
}

}  // namespace
}  // namespace velgaro
