#include "editor/win32/EditorListView.h"

#include "editor/EditorTexts.h"

namespace velgaro::editor {
namespace {

constexpr int kColumnWidths[] = {150, 300, 300};

const std::string& Column(const EditorRow& row, int column) {
  return column == 0 ? row.name : column == 1 ? row.path : row.newPath;
}

}  // namespace

EditorListView::~EditorListView() {
  if (bold_ != nullptr) DeleteObject(bold_);
}

void EditorListView::Attach(HWND list, const Language& language) {
  list_.Attach(list);
  std::vector<widgets::CheckListColumn> columns;
  for (int c = 0; c < 3; ++c) {
    columns.push_back({kColumnWidths[c], EditorText(language, static_cast<EditorKey>(kEditorColumnName + c))});
  }
  list_.AddColumns(columns);
  // The list may paint while a load is still changing the rows, before it is told their new count.
  list_.SetRows(widgets::CheckListRows{[this](int row, int column) {
                                         const EditorRow* r = ModelRow(row);
                                         return r != nullptr ? Column(*r, column) : std::string();
                                       },
                                       [this](int row) {
                                         const EditorRow* r = ModelRow(row);
                                         return r != nullptr && r->ticked;
                                       }});
  LOGFONTW font{};
  auto shown = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
  if (GetObjectW(shown != nullptr ? shown : GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font) != 0) {
    font.lfWeight = FW_BOLD;
    bold_ = CreateFontIndirectW(&font);
  }
}

const EditorRow* EditorListView::ModelRow(int row) const {
  if (rows_ == nullptr || row < 0 || static_cast<std::size_t>(row) >= rows_->size()) return nullptr;
  return &(*rows_)[static_cast<std::size_t>(row)];
}

void EditorListView::Show(const std::vector<EditorRow>& rows) {
  rows_ = &rows;
  list_.Show(static_cast<int>(rows.size()));
}

bool EditorListView::TickRequest(const NMHDR& header, std::size_t& row) const {
  if (header.hwndFrom != list_.Handle() || rows_ == nullptr) return false;
  int at = -1;
  if (header.code == NM_CLICK) {
    bool onCheckBox = false;
    at = list_.RowAt(reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction, &onCheckBox);
    if (!onCheckBox) return false;
  } else if (header.code == LVN_KEYDOWN) {
    if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey != VK_SPACE) return false;
    at = list_.FocusedRow();
  }
  if (at < 0 || at >= static_cast<int>(rows_->size())) return false;
  row = static_cast<std::size_t>(at);
  return true;
}

LRESULT EditorListView::CustomDraw(NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const EditorRow* row = ModelRow(static_cast<int>(draw.nmcd.dwItemSpec));
      if (row == nullptr || bold_ == nullptr || !row->bold) return CDRF_DODEFAULT;
      SelectObject(draw.nmcd.hdc, bold_);
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

}  // namespace velgaro::editor
