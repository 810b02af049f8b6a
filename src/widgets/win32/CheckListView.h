// A report list with check boxes that holds no copy of its rows (an owner-data list view): it asks its
// owner for the text of a cell and the box of a row when it draws them, so that showing ten thousand
// rows is one call, and a change of the rows is one redraw. The list stores only its highlight and
// focus. A box is ticked by its owner: the list tells where a click landed (RowAt) and which row has
// the focus, and the owner changes its row and redraws.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace velgaro::widgets {

struct CheckListColumn {
  int width;
  std::string header;
};

// What the list reads of its owner's rows (0-based) while it draws.
struct CheckListRows {
  std::function<std::string(int row, int column)> text;
  std::function<bool(int row)> checked;
};

class CheckListView {
 public:
  // Makes the control inside parent: report view, check boxes, full-row selection, double buffering.
  bool Create(HWND parent, int id, DWORD extraStyle, DWORD extraExStyle);
  // Takes a dialog template's control, which must have been made with LVS_OWNERDATA.
  void Attach(HWND list);
  HWND Handle() const { return list_; }

  void AddColumns(const std::vector<CheckListColumn>& columns);
  std::string Header(int column) const;
  void SetHeader(int column, const std::string& text);
  void SetRows(CheckListRows rows) { rows_ = std::move(rows); }

  // The number of rows (one message, sent only when it changed), then the visible rows drawn again.
  void Show(int count);
  int Count() const { return count_; }

  // The row at a point of the list's client area, -1 over none; onCheckBox when the point is on its box.
  int RowAt(POINT client, bool* onCheckBox = nullptr) const;
  int FocusedRow() const;      // -1 none
  int SelectionMark() const;   // -1 none
  std::vector<int> Highlighted() const;
  // Highlights exactly the given rows; each in turn gets the focus and the selection mark and is scrolled
  // into view.
  void Highlight(const std::vector<int>& rows);

  // LVN_GETDISPINFO of this list answered from the rows; false for any other notification.
  bool AnswerDisplayInfo(NMHDR* header) const;

 private:
  HWND list_ = nullptr;
  CheckListRows rows_;
  int count_ = -1;
};

// Report-view columns appended to a list view, in order.
void AddListColumns(HWND list, const CheckListColumn* columns, std::size_t count);
// A text copied into a list's buffer, cut to its capacity.
void CopyToBuffer(const std::string& text, wchar_t* buffer, int capacity);

}  // namespace velgaro::widgets
