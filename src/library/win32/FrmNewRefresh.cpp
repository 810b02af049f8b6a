// frmNew's controls following NewPackageForm's state: texts, checks, the shown tab, the page colour and
// the red captions of empty boxes, and the focus the form asks for.
#include "library/win32/FrmNew.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "library/win32/NewPackageResources.h"
#include "platform/win32/WindowText.h"
#include "widgets/win32/Controls.h"

namespace velgaro::library {
namespace {

constexpr COLORREF kEmptyBoxColour = RGB(192, 0, 0);

const int kMainPage[] = {IDC_NEW_FILENAME, IDC_NEW_PATH,     IDC_NEW_BROWSE,   IDC_NEW_NAMELABEL,
                         IDC_NEW_NAME,     IDC_NEW_DESCLABEL, IDC_NEW_DESCRIPTION, IDC_NEW_LEFT,
                         IDC_NEW_CMDLABEL, IDC_NEW_COMMANDLINE, IDC_NEW_AUTOREPLACE};
const int kOptionsPage[] = {IDC_NEW_NEEDREBOOT, IDC_NEW_CREATEREBOOT, IDC_NEW_SPEEDLABEL,
                            IDC_NEW_SPEED,      IDC_NEW_DEFSELECT,    IDC_NEW_NEEDWAIT};

template <std::size_t N>
bool Holds(const int (&ids)[N], int id) {
  return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

}  // namespace

const FrmNew::Check FrmNew::kChecks[6] = {
    {IDC_NEW_FILENAME, &NewPackageState::fileName, &NewPackageForm::SetFileName},
    {IDC_NEW_AUTOREPLACE, &NewPackageState::autoReplace, &NewPackageForm::SetAutoReplace},
    {IDC_NEW_NEEDREBOOT, &NewPackageState::needReboot, &NewPackageForm::SetNeedReboot},
    {IDC_NEW_CREATEREBOOT, &NewPackageState::createReboot, &NewPackageForm::SetCreateReboot},
    {IDC_NEW_DEFSELECT, &NewPackageState::defSelect, &NewPackageForm::SetDefSelect},
    {IDC_NEW_NEEDWAIT, &NewPackageState::needWait, &NewPackageForm::SetNeedWait}};

void FrmNew::Refresh() {
  refreshing_ = true;
  const NewPackageState& s = model_.State();
  win32::SetWindowTextIfChanged(Handle(), s.caption);
  widgets::ShowTexts(Handle(), {{IDC_NEW_PATH, s.path},
                                {IDC_NEW_NAME, s.name},
                                {IDC_NEW_DESCRIPTION, s.description},
                                {IDC_NEW_COMMANDLINE, s.commandLine},
                                {IDC_NEW_LEFT, std::to_string(s.charactersLeft)},
                                {IDC_NEW_CREATEDATE, s.createDate}});
  ShowChecks(s);
  EnableWindow(Item(IDC_NEW_PATH), s.pathEnabled);
  EnableWindow(Item(IDC_NEW_BROWSE), s.pathEnabled);
  EnableWindow(Item(IDC_NEW_NEEDWAIT), s.needWaitEnabled);
  EnableWindow(Item(IDC_NEW_CREATEREBOOT), s.createRebootEnabled);
  widgets::SelectComboItem(Item(IDC_NEW_SPEED), s.localSpeed);
  ShowRedCaptions(s);
  ShowTab(s.tab);
  refreshing_ = false;
}

void FrmNew::ShowChecks(const NewPackageState& s) {
  for (const Check& check : kChecks) widgets::SetChecked(Item(check.id), s.*check.shown);
}

void FrmNew::ShowRedCaptions(const NewPackageState& s) {
  if (s.fileNameRed != fileNameRed_) {
    fileNameRed_ = s.fileNameRed;
    InvalidateRect(Item(IDC_NEW_FILENAME), nullptr, TRUE);
  }
  if (s.nameLabelRed != nameLabelRed_) {
    nameLabelRed_ = s.nameLabelRed;
    InvalidateRect(Item(IDC_NEW_NAMELABEL), nullptr, TRUE);
  }
}

HBRUSH FrmNew::OnColour(UINT kind, HDC dc, HWND control) {
  // The labels and boxes on a page take the page's colour; the two captions of empty boxes turn red.
  if (kind == WM_CTLCOLOREDIT) return nullptr;
  const int id = GetDlgCtrlID(control);
  if (!(Holds(kMainPage, id) || Holds(kOptionsPage, id)) || pageBrush_ == nullptr) return nullptr;
  const NewPackageState& s = model_.State();
  const bool red = (id == IDC_NEW_FILENAME && s.fileNameRed) || (id == IDC_NEW_NAMELABEL && s.nameLabelRed);
  SetTextColor(dc, red ? kEmptyBoxColour : GetSysColor(IsWindowEnabled(control) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  SetBkColor(dc, pageColour_);
  return pageBrush_;
}

void FrmNew::ShowTab(int tab) {
  if (tab == shownTab_) return;
  shownTab_ = tab;
  TabCtrl_SetCurSel(Item(IDC_NEW_TABS), tab);
  for (int id : kMainPage) ShowWindow(Item(id), tab == 0 ? SW_SHOW : SW_HIDE);
  for (int id : kOptionsPage) ShowWindow(Item(id), tab == 1 ? SW_SHOW : SW_HIDE);
  // Keys must not go on to a control that is no longer seen.
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(Handle(), focus) && !IsWindowVisible(focus)) SetFocus(Item(IDC_NEW_TABS));
}

void FrmNew::ApplyFocus(NewPackageFocus focus) {
  int id = 0;
  bool selectAll = false;
  switch (focus) {
    case NewPackageFocus::None: return;
    case NewPackageFocus::PathBox: id = IDC_NEW_PATH; break;
    case NewPackageFocus::PathBoxSelected: id = IDC_NEW_PATH; selectAll = true; break;
    case NewPackageFocus::NameBox: id = IDC_NEW_NAME; break;
    case NewPackageFocus::NameBoxSelected: id = IDC_NEW_NAME; selectAll = true; break;
    case NewPackageFocus::Browse: id = IDC_NEW_BROWSE; break;
    case NewPackageFocus::FileNameCheck: id = IDC_NEW_FILENAME; break;
  }
  // Every box the checks name is on the first tab.
  model_.SelectTab(0);
  Refresh();
  HWND control = Item(id);
  widgets::FocusDialogControl(Handle(), control);
  if (id != IDC_NEW_PATH && id != IDC_NEW_NAME) return;
  if (selectAll) {
    widgets::SelectAllText(control);
  } else {
    widgets::PlaceCaret(control, GetWindowTextLengthW(control));
  }
}

}  // namespace velgaro::library
