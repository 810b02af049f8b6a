#include "widgets/win32/CheckListView.h"

#include <algorithm>

#include "platform/win32/WideText.h"

namespace velgaro::widgets {

void CopyToBuffer(const std::string& text, wchar_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  const std::wstring wide = win32::ToWide(text);
  const std::size_t n = std::min<std::size_t>(wide.size(), static_cast<std::size_t>(capacity - 1));
  std::copy_n(wide.begin(), n, buffer);
  buffer[n] = L'\0';
}

bool CheckListView::Create(HWND parent, int id, DWORD extraStyle, DWORD extraExStyle) {
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | extraStyle, 0, 0, 0,
                              0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (list == nullptr) return false;
  Attach(list);
  if (extraExStyle != 0) SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, extraExStyle, extraExStyle);
  return true;
}

void CheckListView::Attach(HWND list) {
  list_ = list;
  count_ = -1;
  const DWORD exStyle = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, exStyle, exStyle);
  // The boxes are the rows' own state: the list asks for them as it asks for the texts.
  SendMessageW(list_, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
}

void CheckListView::AddColumns(const std::vector<CheckListColumn>& columns) {
  AddListColumns(list_, columns.data(), columns.size());
}

void AddListColumns(HWND list, const CheckListColumn* columns, std::size_t count) {
  for (std::size_t c = 0; c < count; ++c) {
    std::wstring header = win32::ToWide(columns[c].header);
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.cx = columns[c].width;
    col.pszText = header.data();
    col.iSubItem = static_cast<int>(c);
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
  }
}

std::string CheckListView::Header(int column) const {
  wchar_t text[256] = {};
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT;
  col.pszText = text;
  col.cchTextMax = 255;
  SendMessageW(list_, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
  return win32::ToUtf8(text);
}

void CheckListView::SetHeader(int column, const std::string& text) {
  std::wstring wide = win32::ToWide(text);
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT;
  col.pszText = wide.data();
  SendMessageW(list_, LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
}

void CheckListView::Show(int count) {
  if (count != count_) {
    SendMessageW(list_, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOSCROLL);
    count_ = count;
  }
  InvalidateRect(list_, nullptr, FALSE);
}

int CheckListView::RowAt(POINT client, bool* onCheckBox) const {
  LVHITTESTINFO hit{};
  hit.pt = client;
  const int index = static_cast<int>(SendMessageW(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  const bool row = index >= 0 && index < count_;
  if (onCheckBox != nullptr) *onCheckBox = row && (hit.flags & LVHT_ONITEMSTATEICON) != 0;
  return row ? index : -1;
}

int CheckListView::FocusedRow() const {
  return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

int CheckListView::SelectionMark() const { return static_cast<int>(SendMessageW(list_, LVM_GETSELECTIONMARK, 0, 0)); }

std::vector<int> CheckListView::Highlighted() const {
  std::vector<int> rows;
  int i = -1;
  while ((i = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED))) >= 0) {
    rows.push_back(i);
  }
  return rows;
}

void CheckListView::Highlight(const std::vector<int>& rows) {
  // Only the rows shown highlighted lose it: taking it from every row is a call per row in the list.
  for (int shown : Highlighted()) {
    if (std::find(rows.begin(), rows.end(), shown) != rows.end()) continue;
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(shown), reinterpret_cast<LPARAM>(&none));
  }
  for (int row : rows) {
    if (row < 0 || row >= count_) continue;
    LVITEMW selected{};
    selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&selected));
    SendMessageW(list_, LVM_SETSELECTIONMARK, 0, row);
    SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  }
}

bool CheckListView::AnswerDisplayInfo(NMHDR* header) const {
  if (header->hwndFrom != list_ || header->code != LVN_GETDISPINFOW) return false;
  LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
  if (item.iItem < 0 || item.iItem >= count_) return true;
  if ((item.mask & LVIF_TEXT) != 0) {
    CopyToBuffer(rows_.text ? rows_.text(item.iItem, item.iSubItem) : std::string(), item.pszText, item.cchTextMax);
  }
  if ((item.mask & LVIF_STATE) != 0) {
    const bool checked = rows_.checked && rows_.checked(item.iItem);
    item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    item.stateMask |= LVIS_STATEIMAGEMASK;
  }
  return true;
}

}  // namespace velgaro::widgets
