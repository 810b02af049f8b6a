#include "library/win32/PackageListView.h"

#include "library/LibraryTexts.h"

namespace velgaro::library {
namespace {

constexpr int kColumnCount = 4;
constexpr int kColumnWidths[kColumnCount] = {150, 80, 280, 320};

}  // namespace

bool PackageListView::Create(HWND parent, int id, const PackageLibrary& library) {
  library_ = &library;
  if (!list_.Create(parent, id, LVS_SHOWSELALWAYS, LVS_EX_INFOTIP)) return false;
  std::vector<widgets::CheckListColumn> columns;
  for (int c = 0; c < kColumnCount; ++c) {
    columns.push_back({kColumnWidths[c], MainDefault(static_cast<MainKey>(kMainColumnPackage + c))});
  }
  list_.AddColumns(columns);
  // The list may paint while a read is changing the rows, before it is told their new count.
  list_.SetRows(widgets::CheckListRows{[this](int row, int column) {
                                         const LibraryRow* r = ModelRow(row);
                                         return r != nullptr ? library_->CellText(*r, column) : std::string();
                                       },
                                       [this](int row) {
                                         const LibraryRow* r = ModelRow(row);
                                         return r != nullptr && r->checked;
                                       }});
  return true;
}

const LibraryRow* PackageListView::ModelRow(int row) const {
  const std::vector<LibraryRow>& rows = library_->Rows();
  return row >= 0 && static_cast<std::size_t>(row) < rows.size() ? &rows[static_cast<std::size_t>(row)] : nullptr;
}

void PackageListView::ApplyCaptions(const Language& language) {
  for (int c = 0; c < kColumnCount; ++c) {
    list_.SetHeader(c, language.LangText(list_.Header(c), "main", kMainColumnPackage + c));
  }
}

void PackageListView::Refresh() {
  const std::vector<LibraryRow>& rows = library_->Rows();
  list_.Show(static_cast<int>(rows.size()));
  // The highlight follows the rows; the list keeps its own copy of it.
  std::vector<int> highlighted;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].selected) highlighted.push_back(static_cast<int>(i));
  }
  list_.Highlight(highlighted);
}

std::vector<int> PackageListView::Highlighted() const {
  std::vector<int> rows = list_.Highlighted();
  for (int& row : rows) ++row;
  return rows;
}

int PackageListView::RowAt(POINT client, bool* onCheckBox) const { return list_.RowAt(client, onCheckBox) + 1; }

int PackageListView::FocusedRow() const { return list_.FocusedRow() + 1; }

int PackageListView::SelectionMark() const { return list_.SelectionMark() + 1; }

bool PackageListView::Answer(NMHDR* header, const std::function<std::string(int row)>& tipOf) {
  if (list_.AnswerDisplayInfo(header)) return true;
  if (header->hwndFrom != list_.Handle() || header->code != LVN_GETINFOTIPW) return false;
  auto* tip = reinterpret_cast<NMLVGETINFOTIPW*>(header);
  widgets::CopyToBuffer(tipOf ? tipOf(tip->iItem + 1) : std::string(), tip->pszText, tip->cchTextMax);
  return true;
}

}  // namespace velgaro::library
