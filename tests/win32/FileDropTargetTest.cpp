// The drop target of the lists: file lists are taken with the copy effect, anything else refused.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DraggedData.h"
#include "platform/win32/FileDropTarget.h"

namespace velgaro::win32 {
namespace {


TEST(FileDropTargetTest, FileListsAreCopiedAndHandedOverInOrder) {
  std::vector<std::string> dropped;
  FileDropTarget target([&](const std::vector<std::string>& paths) { dropped = paths; });
  DraggedData data({L"C:\\Программы\\setup.msi", L"C:\\b.txt"});
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  EXPECT_EQ(target.DragEnter(&data, 0, POINTL{}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  effect = DROPEFFECT_MOVE;
  target.DragOver(0, POINTL{}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  target.Drop(&data, 0, POINTL{}, &effect);
  EXPECT_EQ(dropped, (std::vector<std::string>{"C:\\Программы\\setup.msi", "C:\\b.txt"}));
}

TEST(FileDropTargetTest, OtherDataIsNoDrop) {
  bool called = false;
  FileDropTarget target([&](const std::vector<std::string>&) { called = true; });
  DraggedData text({}, true);
  DWORD effect = DROPEFFECT_COPY;
  target.DragEnter(&text, 0, POINTL{}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  target.DragOver(0, POINTL{}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  target.Drop(&text, 0, POINTL{}, &effect);
  EXPECT_FALSE(called);
}

}  // namespace
}  // namespace velgaro::win32
