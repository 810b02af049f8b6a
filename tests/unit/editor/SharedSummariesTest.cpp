// The batch editor and the main window read the same folder: what one has read, the other does not open
// again, and a package the editor wrote is read again by both.
#include <gtest/gtest.h>

#include "editor/BatchEditor.h"
#include "unit/library/LibraryFixture.h"

namespace velgaro::test {
namespace {

using SharedSummariesTest = LibraryFixture;

TEST_F(SharedSummariesTest, TheBatchEditorAndTheMainWindowShareWhatWasRead) {
  AddPackage("a", kSetup);
  AddPackage("b", "C:\\Old\\b.exe");
  Open();
  EditorHooks none;
  BatchEditorModel editor(EditorDepsOf(app), none);
  editor.Load();
  editor.LoadFromSetting();
  EXPECT_EQ(app.summaries.Reads(), 2u);
  ASSERT_EQ(editor.Rows().size(), 2u);
  EXPECT_EQ(editor.Rows()[1].path, "C:\\Old\\b.exe");

  editor.SetFindText("Old");
  editor.SetReplaceText("New");
  ASSERT_EQ(editor.RunReplace(), 1);
  const std::size_t before = app.summaries.Reads();
  EXPECT_EQ(editor.Save().saved.size(), 1u);
  // The editor's own reload and then the main window's read open the written file, and only it.
  EXPECT_EQ(editor.Rows()[1].path, "C:\\New\\b.exe");
  model->RefreshList();
  EXPECT_EQ(Cell(1, 3), "C:\\New\\b.exe");
  EXPECT_EQ(app.summaries.Reads(), before + 1);
}

}  // namespace
}  // namespace velgaro::test
