#include "editor/win32/EditorListView.h"

#include <commctrl.h>

#include "editor/EditorTexts.h"
#include "platform/win32/WideText.h"

namespace velgaro::editor {
namespace {

constexpr int kColumnWidths[] = {150, 300, 300};

bool IsTicked(HWND list, int item) {
  const auto state = SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_STATEIMAGEMASK);
  return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

std::wstring Cell(HWND list, int item, int column) {
  wchar_t buffer[1024] = {};
  LVITEMW it{};
  it.iSubItem = column;
  it.pszText = buffer;
  it.cchTextMax = 1024;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
  return buffer;
}

void SetCell(HWND list, int item, int column, const std::string& text) {
  std::wstring wide = win32::ToWide(text);
  if (Cell(list, item, column) == wide) return;
  LVITEMW it{};
  it.iSubItem = column;
  it.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
}

}  // namespace

EditorListView::~EditorListView() {
  if (bold_ != nullptr) DeleteObject(bold_);
}

void EditorListView::Attach(HWND list, const Language& language) {
  list_ = list;
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  for (int c = 0; c < 3; ++c) {
    std::wstring header = win32::ToWide(EditorText(language, static_cast<EditorKey>(kEditorColumnName + c)));
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.cx = kColumnWidths[c];
    col.pszText = header.data();
    col.iSubItem = c;
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
  }
  LOGFONTW font{};
  auto shown = reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0));
  if (GetObjectW(shown != nullptr ? shown : GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font) != 0) {
    font.lfWeight = FW_BOLD;
    bold_ = CreateFontIndirectW(&font);
  }
}

void EditorListView::Show(const std::vector<EditorRow>& rows) {
  rows_ = &rows;
  showing_ = true;
  const int count = static_cast<int>(rows.size());
  int shown = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
  // Under Wine a list that redraws after every change takes minutes to fill 10,000 rows.
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  while (shown > count) SendMessageW(list_, LVM_DELETEITEM, static_cast<WPARAM>(--shown), 0);
  for (; shown < count; ++shown) {
    LVITEMW it{};
    it.mask = LVIF_TEXT;
    it.iItem = shown;
    it.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&it));
  }
  for (int i = 0; i < count; ++i) {
    const EditorRow& row = rows[static_cast<std::size_t>(i)];
    SetCell(list_, i, 0, row.name);
    SetCell(list_, i, 1, row.path);
    SetCell(list_, i, 2, row.newPath);
    if (IsTicked(list_, i) != row.ticked) {
      LVITEMW it{};
      it.stateMask = LVIS_STATEIMAGEMASK;
      it.state = INDEXTOSTATEIMAGEMASK(row.ticked ? 2 : 1);
      SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&it));
    }
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  showing_ = false;
  // Boldness is not a text: rows whose texts stayed still may have to be drawn again.
  InvalidateRect(list_, nullptr, FALSE);
}

bool EditorListView::TickChanged(const NMLISTVIEW& change, std::size_t& row, bool& ticked) const {
  if (showing_ || change.iItem < 0 || (change.uChanged & LVIF_STATE) == 0) return false;
  const UINT before = (change.uOldState & LVIS_STATEIMAGEMASK) >> 12;
  const UINT after = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
  // State image 0 is the moment an item is inserted, before it has a check box.
  if (before == after || before == 0 || after == 0) return false;
  row = static_cast<std::size_t>(change.iItem);
  ticked = after == 2;
  return true;
}

LRESULT EditorListView::CustomDraw(NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const std::size_t item = draw.nmcd.dwItemSpec;
      // The list may paint while a load is still changing the rows.
      if (rows_ == nullptr || bold_ == nullptr || item >= rows_->size() || !(*rows_)[item].bold) {
        return CDRF_DODEFAULT;
      }
      SelectObject(draw.nmcd.hdc, bold_);
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

}  // namespace velgaro::editor
