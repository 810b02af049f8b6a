#include "wizard/win32/FrmWizard.h"

#include <commctrl.h>

#include "platform/win32/WindowText.h"
#include "widgets/win32/Controls.h"
#include "widgets/win32/DialogTips.h"
#include "wizard/win32/WizardCaptions.h"
#include "wizard/win32/WizardResources.h"

namespace velgaro::wizard {
namespace {

COLORREF ColourOf(WizardColor colour) {
  switch (colour) {
    case WizardColor::Olive: return RGB(128, 128, 0);
    case WizardColor::Green: return RGB(0, 128, 0);
    case WizardColor::Red: return RGB(192, 0, 0);
    case WizardColor::Normal: break;
  }
  return GetSysColor(COLOR_BTNTEXT);
}

int PageOf(int id) {
  const int offset = id - IDC_WZ_PAGE0;
  if (offset < 0 || offset >= IDC_WZ_PAGE_SIZE * IDC_WZ_PAGE_COUNT) return -1;
  return offset / IDC_WZ_PAGE_SIZE;
}

}  // namespace

FrmWizard::FrmWizard(WizardDeps deps, HINSTANCE resources)
    : ModalDialog(resources, IDD_WIZARD),
      language_(deps.language),
      model_(deps,
             WizardHooks{[this](bool visible) { ShowProgress(visible); },
                         [this](int pos, int max) { progress_.Move(pos, max); }, [this] { CopyMoved(); }}) {}

bool FrmWizard::OnInit() {
  model_.SetOwner(reinterpret_cast<WindowHandle>(Handle()));
  model_.Load();
  ApplyWizardCaptions(Handle(), language_);
  list_.Attach(Item(IDC_WZ_LIST), language_);
  progress_.Attach(Item(IDC_WZ_PROGRESS));
  widgets::AddComboItems(Item(IDC_WZ_SPEED), model_.State().speedItems);
  AddTips();
  widgets::SetChecked(Item(IDC_WZ_KEEPFOLDER), true);
  Refresh(false);
  SetFocus(Item(IsWindowEnabled(Item(IDC_WZ_NEXT)) ? IDC_WZ_NEXT : IDC_WZ_TARGETBROWSE));
  return false;   // the focus is placed
}

void FrmWizard::AddTips() {
  widgets::CreateDialogTips(Handle(), {{IDC_WZ_CHECKALL, WizardText(language_, kWizardSelectAllTip)},
                                    {IDC_WZ_UNCHECKALL, WizardText(language_, kWizardClearAllTip)},
                                    {IDC_WZ_COMPUTE, ComputeTip(language_)}});
}

void FrmWizard::OnCommand(UINT id, UINT code) {
  if (refreshing_ || checkingName_) return;
  switch (id) {
    case IDCANCEL: OnClose(); return;
    case IDC_WZ_SOFTFOLDER:
      if (!OnSoftFolder(code)) return;
      break;
    case IDC_WZ_SPEED:
      if (code != CBN_SELCHANGE) return;
      model_.SetSpeed(widgets::ComboSelection(Item(id)));
      break;
    default:
      if (code != BN_CLICKED || !OnClicked(id)) return;
      break;
  }
  Refresh();
}

bool FrmWizard::OnSoftFolder(UINT code) {
  if (code == EN_CHANGE) {
    model_.SoftFolderChanged(win32::WindowTextUtf8(Item(IDC_WZ_SOFTFOLDER)));
    return true;
  }
  if (code != EN_KILLFOCUS || shownPage_ != 1) return false;
  checkingName_ = true;   // the message box takes the focus too
  model_.SoftFolderLostFocus();
  checkingName_ = false;
  return true;
}

bool FrmWizard::OnClicked(UINT id) {
  switch (id) {
    case IDC_WZ_NEXT: Next(); return false;   // refreshed as its page's work went
    case IDC_WZ_BACK: model_.Back(); return true;
    case IDC_WZ_TARGETBROWSE: model_.ChooseTargetFolder(); return true;
    case IDC_WZ_PACKAGEBROWSE: model_.ChoosePackageFolder(); return true;
    case IDC_WZ_COMPUTE: model_.Compute(); return true;
    case IDC_WZ_CHECKALL: model_.SelectAll(); return true;
    case IDC_WZ_UNCHECKALL: model_.ClearAll(); return true;
    case IDC_WZ_REPLACEYES:
    case IDC_WZ_REPLACENO: model_.SetReplacePaths(id == IDC_WZ_REPLACEYES); return true;
    case IDC_WZ_KEEPFOLDER:
    case IDC_WZ_DISKFOLDER: model_.SetUseDiskFolder(id == IDC_WZ_DISKFOLDER); return true;
    default: return false;
  }
}

void FrmWizard::Next() {
  // Nothing is pressed twice while a page's work runs and lets the window repaint.
  EnableWindow(Item(IDC_WZ_NEXT), FALSE);
  EnableWindow(Item(IDC_WZ_BACK), FALSE);
  model_.Next();
  Refresh();
}

INT_PTR FrmWizard::OnNotify(NMHDR& header) {
  if (header.idFrom != IDC_WZ_LIST || refreshing_) return FALSE;
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      std::size_t row = 0;
      bool ticked = false;
      if (!list_.TickChanged(reinterpret_cast<NMLISTVIEW&>(header), row, ticked)) return FALSE;
      model_.SetTicked(row, ticked);
      Refresh();
      return FALSE;
    }
    case NM_DBLCLK: {
      const int item = reinterpret_cast<NMITEMACTIVATE&>(header).iItem;
      if (item < 0) return FALSE;   // a double click beside the rows
      model_.EditItemFolder(static_cast<std::size_t>(item));
      Refresh();
      return FALSE;
    }
    default:
      return FALSE;
  }
}

HBRUSH FrmWizard::OnColour(UINT kind, HDC dc, HWND control) {
  if (kind == WM_CTLCOLORBTN) return nullptr;
  const auto found = colours_.find(GetDlgCtrlID(control));
  if (found == colours_.end()) return nullptr;
  SetTextColor(dc, ColourOf(found->second));
  const int background = kind == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE;
  SetBkColor(dc, GetSysColor(background));
  return GetSysColorBrush(background);
}

bool FrmWizard::OnClose() {
  if (model_.QueryClose()) Close();
  return true;
}

void FrmWizard::ShowPage(int page) {
  if (page == shownPage_) return;
  shownPage_ = page;
  for (HWND child = GetWindow(Handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const int owner = PageOf(GetDlgCtrlID(child));
    if (owner < 0 || child == Item(IDC_WZ_MEASURING)) continue;   // lblStat shows only while measuring
    ShowWindow(child, owner == page ? SW_SHOWNA : SW_HIDE);
  }
}

void FrmWizard::Refresh(bool applyFocus) {
  if (Handle() == nullptr) return;
  refreshing_ = true;
  const WizardState& s = model_.State();
  win32::SetWindowTextIfChanged(Handle(), s.caption);
  ShowPage(s.copying ? 5 : s.step);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_NEXT), s.nextCaption);
  EnableWindow(Item(IDC_WZ_NEXT), s.nextEnabled && !s.copying);
  EnableWindow(Item(IDC_WZ_BACK), s.backEnabled && !s.copying);

  widgets::ShowTexts(Handle(), {{IDC_WZ_TARGET, s.targetLabel.text},
                                {IDC_WZ_PACKAGEFOLDER, s.packageFolderLabel.text},
                                {IDC_WZ_FILECOUNT, s.fileCount},
                                {IDC_WZ_DIAGNOSIS, s.diagnosis.text},
                                {IDC_WZ_SOFTFOLDER, s.softFolderName}});
  if (s.softFolderSelectAll) widgets::SelectAllText(Item(IDC_WZ_SOFTFOLDER));
  widgets::SelectComboItem(Item(IDC_WZ_SPEED), s.speed);

  widgets::ShowTexts(Handle(), {{IDC_WZ_DEST, s.summaryTarget},
                                {IDC_WZ_SOURCE, s.summaryPackages},
                                {IDC_WZ_PROGRAM, s.summaryProgram},
                                {IDC_WZ_LOG, s.copyLog},
                                {IDC_WZ_REPORTSTATUS, s.reportStatus}});

  list_.Show(model_.Rows());
  EnableWindow(Item(IDC_WZ_COMPUTE), s.computeEnabled);
  widgets::ShowTexts(Handle(), {{IDC_WZ_TOTALSIZE, s.totalSize.text},
                                {IDC_WZ_TOTALFREE, s.totalFree.text},
                                {IDC_WZ_TIPSTATUS, s.tipStatus.text},
                                {IDC_WZ_MEASURING, s.measuring}});
  ShowWindow(Item(IDC_WZ_MEASURING), s.measuring.empty() || shownPage_ != 4 ? SW_HIDE : SW_SHOWNA);

  widgets::ShowTexts(Handle(), {{IDC_WZ_COPYSOURCE, s.copySource},
                                {IDC_WZ_COPYDEST, s.copyDest},
                                {IDC_WZ_COPIED, std::to_string(s.copiedFolders)}});
  widgets::SetProgress(Item(IDC_WZ_COPYBAR), s.copyValue, s.copyMax);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_PERCENT), s.percent);
  if (win32::WindowTextUtf8(Item(IDC_WZ_COPYSTAT)) != s.copyStat) {
    win32::SetWindowTextIfChanged(Item(IDC_WZ_COPYSTAT), s.copyStat);
    widgets::ScrollCaretToEnd(Item(IDC_WZ_COPYSTAT));
  }
  widgets::SetChecked(Item(IDC_WZ_REPLACEYES), s.replacePaths);
  widgets::SetChecked(Item(IDC_WZ_REPLACENO), !s.replacePaths);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_KEEPFOLDER), s.keepFolderOption);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_DISKFOLDER), s.diskFolderOption);
  widgets::SetChecked(Item(IDC_WZ_KEEPFOLDER), !s.useDiskFolder);
  widgets::SetChecked(Item(IDC_WZ_DISKFOLDER), s.useDiskFolder);
  ShowColours();
  refreshing_ = false;
  if (applyFocus) ApplyFocus(s.focus);
  if (s.closeRequested) Close();
}

void FrmWizard::ShowColours() {
  const WizardState& s = model_.State();
  const std::map<int, WizardColor> colours{{IDC_WZ_TARGET, s.targetLabel.color},
                                           {IDC_WZ_PACKAGEFOLDER, s.packageFolderLabel.color},
                                           {IDC_WZ_DIAGNOSIS, s.diagnosis.color},
                                           {IDC_WZ_SOFTFOLDER, s.softFolderColor},
                                           {IDC_WZ_SPEED, s.speedOlive ? WizardColor::Olive : WizardColor::Normal},
                                           {IDC_WZ_TOTALSIZE, s.totalSize.color},
                                           {IDC_WZ_TOTALFREE, s.totalFree.color},
                                           {IDC_WZ_TIPSTATUS, s.tipStatus.color}};
  if (colours == colours_) return;
  for (const auto& [id, colour] : colours) {
    const auto old = colours_.find(id);
    if (old == colours_.end() || old->second != colour) InvalidateRect(Item(id), nullptr, TRUE);
  }
  colours_ = colours;
}

void FrmWizard::ApplyFocus(WizardFocus focus) {
  int id = 0;
  switch (focus) {
    case WizardFocus::Next: id = IDC_WZ_NEXT; break;
    case WizardFocus::TargetBrowse: id = IDC_WZ_TARGETBROWSE; break;
    case WizardFocus::PackageBrowse: id = IDC_WZ_PACKAGEBROWSE; break;
    case WizardFocus::SoftFolderBox: id = IDC_WZ_SOFTFOLDER; break;
    case WizardFocus::Compute: id = IDC_WZ_COMPUTE; break;
    case WizardFocus::None: return;
  }
  widgets::FocusDialogControl(Handle(), Item(id));
}

void FrmWizard::ShowProgress(bool visible) {
  if (Handle() == nullptr) return;
  // lblStat tells what is being measured while the bar moves.
  win32::SetWindowTextIfChanged(Item(IDC_WZ_MEASURING), model_.State().measuring);
  ShowWindow(Item(IDC_WZ_MEASURING), visible && !model_.State().measuring.empty() ? SW_SHOWNA : SW_HIDE);
  progress_.Show(visible);
}

void FrmWizard::CopyMoved() {
  Refresh(false);
  UpdateWindow(Handle());
  pump_.RunOnce();
}

}  // namespace velgaro::wizard
