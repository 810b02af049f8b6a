// A setting written into the INI file with each of its file operations failing in turn. The simulated
// profile file writes through the file system's safe write, as the native one does; on Windows the
// system's own profile functions write the file.
#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/PortableSettings.h"
#include "unit/common/FaultWalk.h"

namespace velgaro {
namespace {

using test::WalkEveryFault;

class IniFaults : public AppFixture {};

TEST_F(IniFaults, ASettingIsWrittenWholeOrReportedUnwritten) {
  fs.AddFolder(sys.exeFolder);
  for (const bool existing : {false, true}) {
    SCOPED_TRACE(existing ? "into the file there is" : "the first setting");
    if (existing) WriteIni("[General]\r\nPortableMode=1\r\nLanguage=English\r\n");
    EXPECT_EQ(WalkEveryFault(fs, [this] { return WriteIniSetting(app, "Language", "Deutsch"); }), 3u);
  }
}

}  // namespace
}  // namespace velgaro
