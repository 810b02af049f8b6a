#include "widgets/win32/CheckListCells.h"

#include "platform/win32/WideText.h"

namespace velgaro::widgets {

std::string CellText(HWND list, int item, int column) {
  wchar_t buffer[1024] = {};
  ListView_GetItemText(list, item, column, buffer, 1024);
  return win32::ToUtf8(buffer);
}

void SetUpCheckList(HWND list, const ListColumn* columns, int count) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  AddListColumns(list, columns, static_cast<std::size_t>(count));
}

void SetRowCount(HWND list, int count) {
  int shown = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  while (shown > count) SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(--shown), 0);
  for (; shown < count; ++shown) {
    LVITEMW it{};
    it.mask = LVIF_TEXT;
    it.iItem = shown;
    it.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&it));
  }
}

void SetCell(HWND list, int item, int column, const std::string& text) {
  if (CellText(list, item, column) == text) return;
  std::wstring wide = win32::ToWide(text);
  LVITEMW it{};
  it.iSubItem = column;
  it.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
}

bool IsTicked(HWND list, int item) {
  const auto state = SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_STATEIMAGEMASK);
  return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void SetTicked(HWND list, int item, bool ticked) {
  if (IsTicked(list, item) == ticked) return;
  LVITEMW it{};
  it.stateMask = LVIS_STATEIMAGEMASK;
  it.state = INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1);
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
}

bool TickChange(const NMLISTVIEW& change, std::size_t& row, bool& ticked) {
  if (change.iItem < 0 || (change.uChanged & LVIF_STATE) == 0) return false;
  const UINT before = (change.uOldState & LVIS_STATEIMAGEMASK) >> 12;
  const UINT after = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
  // State image 0 is the moment an item is inserted, before it has a check box.
  if (before == after || before == 0 || after == 0) return false;
  row = static_cast<std::size_t>(change.iItem);
  ticked = after == 2;
  return true;
}

}  // namespace velgaro::widgets
