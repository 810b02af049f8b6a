// A profile file whose last line ends in a CR without its LF (a file cut between the two, or written
// with CR line ends): a value written into it must read back, and the values already there must stay.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/IniText.h"

namespace velgaro {
namespace {

constexpr std::size_t kBig = 2048;

// Each case: the file, the value written, the whole text after the write, and every value read back.
TEST(IniWriteAfterLoneCr, TheWrittenValueAndTheValuesBeforeItReadBack) {
  struct Read {
    const char* section;
    const char* key;
    const char* value;
  };
  struct Case {
    const char* what;
    const char* file;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
    std::vector<Read> reads;
  };
  const Case cases[] = {
      {"a key added to the section", "[General]\rPortableMode=1\r", "General", "SpeedInstall", "1",
       "[General]\rPortableMode=1\r\nSpeedInstall=1\r\n", {{"General", "SpeedInstall", "1"}}},
      {"the section's last value keeps its text", "[G]\r\nA=1\r", "G", "B", "2", "[G]\r\nA=1\r\nB=2\r\n",
       {{"G", "A", "1"}, {"G", "B", "2"}}},
      {"a new section leaves the last value as it was", "[G]\r\nA=1\r", "H", "B", "2",
       "[G]\r\nA=1\r\n[H]\r\nB=2\r\n", {{"G", "A", "1"}, {"H", "B", "2"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<std::string> out = IniWriteValue(c.file, c.section, c.key, c.value);
    ASSERT_TRUE(out);
    EXPECT_EQ(*out, c.after);
    for (const Read& r : c.reads) EXPECT_EQ(IniReadValue(*out, r.section, r.key, "DEF", kBig), r.value) << r.key;
  }
}

}  // namespace
}  // namespace velgaro
