// Cells and check boxes of a report list view with check boxes, as the windows that fill one from
// their model's rows item by item (the disk wizard's) need them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

#include "widgets/win32/CheckListView.h"

namespace velgaro::widgets {

using ListColumn = CheckListColumn;

// Check boxes, full-row selection, double buffering, and the columns in order.
void SetUpCheckList(HWND list, const ListColumn* columns, int count);
// The rows the list holds made count: empty rows appended or the last ones deleted.
void SetRowCount(HWND list, int count);
// A cell's text (up to 1023 characters).
std::string CellText(HWND list, int item, int column);
// A cell's text, set only when it differs (a list that repaints for nothing flickers under Wine).
void SetCell(HWND list, int item, int column, const std::string& text);
bool IsTicked(HWND list, int item);
void SetTicked(HWND list, int item, bool ticked);
// A tick the user changed in an LVN_ITEMCHANGED: the row and its new state; false for any other change.
bool TickChange(const NMLISTVIEW& change, std::size_t& row, bool& ticked);

}  // namespace velgaro::widgets
