#include "library/win32/PackageListView.h"

#include <algorithm>

#include "library/LibraryTexts.h"
#include "platform/win32/WideText.h"

namespace velgaro::library {
namespace {

constexpr int kColumnCount = 4;
constexpr int kColumnWidths[kColumnCount] = {150, 80, 280, 320};

void CopyText(const std::string& text, wchar_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  const std::wstring wide = win32::ToWide(text);
  const std::size_t n = std::min<std::size_t>(wide.size(), static_cast<std::size_t>(capacity - 1));
  std::copy_n(wide.begin(), n, buffer);
  buffer[n] = L'\0';
}

}  // namespace

bool PackageListView::Create(HWND parent, int id, const std::vector<LibraryRow>& rows) {
  rows_ = &rows;
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                          0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (list_ == nullptr) return false;
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER);
  // The check boxes are the rows' own state: the list asks for them as it asks for the texts.
  SendMessageW(list_, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
  for (int c = 0; c < kColumnCount; ++c) {
    std::wstring header = win32::ToWide(MainDefault(static_cast<MainKey>(kMainColumnPackage + c)));
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.cx = kColumnWidths[c];
    col.pszText = header.data();
    col.iSubItem = c;
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
  }
  return true;
}

void PackageListView::ApplyCaptions(const Language& language) {
  for (int c = 0; c < kColumnCount; ++c) {
    wchar_t current[128] = {};
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT;
    col.pszText = current;
    col.cchTextMax = 127;
    SendMessageW(list_, LVM_GETCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
    std::wstring text = win32::ToWide(language.LangText(win32::ToUtf8(current), "main", kMainColumnPackage + c));
    col.pszText = text.data();
    SendMessageW(list_, LVM_SETCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
  }
}

void PackageListView::Refresh() {
  const int count = static_cast<int>(rows_->size());
  if (count != shownCount_) {
    SendMessageW(list_, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOSCROLL);
    shownCount_ = count;
  }
  // The highlight follows the rows; the list keeps its own copy of it.
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  for (int i = 0; i < count; ++i) {
    if (!(*rows_)[static_cast<std::size_t>(i)].selected) continue;
    LVITEMW selected{};
    selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&selected));
    SendMessageW(list_, LVM_SETSELECTIONMARK, 0, i);
    SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(i), FALSE);
  }
  InvalidateRect(list_, nullptr, FALSE);
}

std::vector<int> PackageListView::Highlighted() const {
  std::vector<int> rows;
  int i = -1;
  while ((i = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED))) >= 0) {
    rows.push_back(i + 1);
  }
  return rows;
}

int PackageListView::RowAt(POINT client, bool* onCheckBox) const {
  LVHITTESTINFO hit{};
  hit.pt = client;
  const int index = static_cast<int>(SendMessageW(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (onCheckBox != nullptr) *onCheckBox = index >= 0 && (hit.flags & LVHT_ONITEMSTATEICON) != 0;
  return index >= 0 && index < static_cast<int>(rows_->size()) ? index + 1 : 0;
}

int PackageListView::FocusedRow() const {
  return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)) + 1;
}

int PackageListView::SelectionMark() const { return static_cast<int>(SendMessageW(list_, LVM_GETSELECTIONMARK, 0, 0)) + 1; }

bool PackageListView::Answer(NMHDR* header, const std::function<std::string(int row)>& tipOf) {
  if (header->hwndFrom != list_) return false;
  if (header->code == LVN_GETDISPINFOW) {
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
    if (item.iItem < 0 || item.iItem >= static_cast<int>(rows_->size())) return true;
    const LibraryRow& row = (*rows_)[static_cast<std::size_t>(item.iItem)];
    if (item.mask & LVIF_TEXT) {
      const std::string* text = &row.text;
      if (item.iSubItem == 1) text = &row.presence;
      if (item.iSubItem == 2) text = &row.description;
      if (item.iSubItem == 3) text = &row.path;
      CopyText(*text, item.pszText, item.cchTextMax);
    }
    if (item.mask & LVIF_STATE) {
      item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(row.checked ? 2 : 1);
      item.stateMask |= LVIS_STATEIMAGEMASK;
    }
    return true;
  }
  if (header->code == LVN_GETINFOTIPW) {
    auto* tip = reinterpret_cast<NMLVGETINFOTIPW*>(header);
    CopyText(tipOf ? tipOf(tip->iItem + 1) : std::string(), tip->pszText, tip->cchTextMax);
    return true;
  }
  return false;
}

}  // namespace velgaro::library
