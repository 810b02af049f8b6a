// The batch editor's save with each of its file operations failing in turn.
#include "EditorFixture.h"
#include "unit/common/FaultWalk.h"

namespace velgaro::test {
namespace {

class EditorFaults : public EditorFixture {};

TEST_F(EditorFaults, EachTickedPackageIsSavedWholeOrReportedUnsaved) {
  AddPackage("a", "C:\\Old\\a.exe");
  AddPackage("b", "C:\\Old\\b.exe");
  AddPackage("c", "C:\\Other\\c.exe");   // nothing to replace: never written
  const std::size_t walked = WalkEveryFault(fs, [this] {
    Open();
    Replace("Old", "New");
    return model->Save().failed.empty();
  });
  EXPECT_EQ(walked, 6u);   // write, flush and rename of a, then of b
}

}  // namespace
}  // namespace velgaro::test
