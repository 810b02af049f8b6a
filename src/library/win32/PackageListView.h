// LV1: the report list of the packages with check boxes. It holds no copy of the rows: their cells are
// the library's, made when the list draws them, so filling it costs one call however many packages the
// folder holds.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "lang/Language.h"
#include "library/PackageLibrary.h"
#include "widgets/win32/CheckListView.h"

namespace velgaro::library {

class PackageListView {
 public:
  bool Create(HWND parent, int id, const PackageLibrary& library);
  HWND Handle() const { return list_.Handle(); }

  void ApplyCaptions(const Language& language);
  // The row count, the highlight from the rows, and a redraw.
  void Refresh();
  // The rows the list shows highlighted, 1-based.
  std::vector<int> Highlighted() const;
  // The row at a point of the list's client area, 1-based, 0 over no row; onCheckBox when the point
  // is on the row's check box.
  int RowAt(POINT client, bool* onCheckBox = nullptr) const;
  int FocusedRow() const;       // 1-based, 0 none
  int SelectionMark() const;    // 1-based, 0 none

  // LVN_GETDISPINFO and LVN_GETINFOTIP; true when the notification was the list's to answer.
  bool Answer(NMHDR* header, const std::function<std::string(int row)>& tipOf);

 private:
  const LibraryRow* ModelRow(int row) const;   // null when the library has no such row (any more)

  widgets::CheckListView list_;
  const PackageLibrary* library_ = nullptr;
};

}  // namespace velgaro::library
