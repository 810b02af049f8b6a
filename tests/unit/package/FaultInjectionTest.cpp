// Saving a package with each of its file operations failing in turn.
#include <gtest/gtest.h>

#include "PackageTestSupport.h"
#include "lang/Language.h"
#include "package/SavePackage.h"
#include "unit/common/FaultWalk.h"

namespace velgaro::test {
namespace {

const std::string kTarget = "C:\\Packages\\Установка.VGP";

class PackageFaults : public ::testing::Test {
 protected:
  // Stop pressed after three recorded actions; true when the package was written.
  bool StopRecording() {
    RecordActions(w.pkg, 3);
    SaveRecordingContext ctx(w.pkg, language, dialogs, w.fs, w.vars);
    ctx.installerPath = "C:\\Program Files\\App\\setup.exe";
    ctx.packageName = "Установка";
    ctx.packageFolder = "C:\\Packages";
    return SaveRecording(ctx);   // a failed write is answered "no other place"
  }

  PackageWorld w;
  Language language;
  SimDialogs dialogs;
};

TEST_F(PackageFaults, ARecordingIsSavedWholeOrReportedUnsaved) {
  for (const bool older : {false, true}) {
    SCOPED_TRACE(older ? "over an older package" : "a new package");
    if (older) w.fs.AddFile(kTarget, "an older package of the same name");
    EXPECT_EQ(WalkEveryFault(w.fs, [this] { return StopRecording(); }), 3u);   // write, flush, rename
  }
}

}  // namespace
}  // namespace velgaro::test
