#include "wizard/win32/WizardListView.h"

#include "widgets/win32/CheckListCells.h"
#include "wizard/WizardTexts.h"

namespace velgaro::wizard {

void WizardListView::Attach(HWND list, const Language& language) {
  list_ = list;
  // Columns 2 and 4 are the "+"/"-" marks of the installer and of the folder: no header.
  const widgets::ListColumn columns[] = {{80, WizardText(language, kWizardColumnPackage)},
                                         {18, ""},
                                         {140, WizardText(language, kWizardColumnInstaller)},
                                         {18, ""},
                                         {120, WizardText(language, kWizardColumnFolder)},
                                         {60, WizardText(language, kWizardColumnSize)}};
  widgets::SetUpCheckList(list_, columns, 6);
}

void WizardListView::Show(const std::vector<WizardRow>& rows) {
  showing_ = true;
  const int count = static_cast<int>(rows.size());
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  widgets::SetRowCount(list_, count);
  for (int i = 0; i < count; ++i) {
    const WizardRow& row = rows[static_cast<std::size_t>(i)];
    const std::string* cells[] = {&row.name,       &row.installerMark, &row.installer,
                                  &row.folderMark, &row.folder,        &row.sizeText};
    for (int c = 0; c < 6; ++c) widgets::SetCell(list_, i, c, *cells[c]);
    widgets::SetTicked(list_, i, row.ticked);
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, FALSE);
  showing_ = false;
}

bool WizardListView::TickChanged(const NMLISTVIEW& change, std::size_t& row, bool& ticked) const {
  return !showing_ && widgets::TickChange(change, row, ticked);
}

}  // namespace velgaro::wizard
