#include "editor/win32/EditorListView.h"

#include <commctrl.h>

#include "editor/EditorTexts.h"
#include "library/win32/CheckListCells.h"

namespace velgaro::editor {
namespace {

constexpr int kColumnWidths[] = {150, 300, 300};

}  // namespace

EditorListView::~EditorListView() {
  if (bold_ != nullptr) DeleteObject(bold_);
}

void EditorListView::Attach(HWND list, const Language& language) {
  list_ = list;
  library::ListColumn columns[3];
  for (int c = 0; c < 3; ++c) {
    columns[c] = {kColumnWidths[c], EditorText(language, static_cast<EditorKey>(kEditorColumnName + c))};
  }
  library::SetUpCheckList(list_, columns, 3);
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
  // Under Wine a list that redraws after every change takes minutes to fill 10,000 rows.
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  library::SetRowCount(list_, count);
  for (int i = 0; i < count; ++i) {
    const EditorRow& row = rows[static_cast<std::size_t>(i)];
    library::SetCell(list_, i, 0, row.name);
    library::SetCell(list_, i, 1, row.path);
    library::SetCell(list_, i, 2, row.newPath);
    library::SetTicked(list_, i, row.ticked);
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  showing_ = false;
  // Boldness is not a text: rows whose texts stayed still may have to be drawn again.
  InvalidateRect(list_, nullptr, FALSE);
}

bool EditorListView::TickChanged(const NMLISTVIEW& change, std::size_t& row, bool& ticked) const {
  return !showing_ && library::TickChange(change, row, ticked);
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
