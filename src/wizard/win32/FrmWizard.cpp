#include "wizard/win32/FrmWizard.h"

#include <commctrl.h>

#include "widgets/win32/DialogProc.h"
#include "widgets/win32/DialogTips.h"
#include "platform/win32/ModalLoop.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"
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

void SetChecked(HWND button, bool checked) {
  SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

FrmWizard::FrmWizard(App& app, Shell& shell, HINSTANCE resources)
    : language_(app.language),
      resources_(resources ? resources : GetModuleHandleW(nullptr)),
      model_(WizardDepsOf(app, xml_, &pump_, &shell),
             WizardHooks{[this](bool visible) { ShowProgress(visible); },
                         [this](int pos, int max) { progress_.Move(pos, max); }, [this] { CopyMoved(); }}) {}

FrmWizard::~FrmWizard() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
  }
}

void FrmWizard::ShowModal(HWND owner) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  closed_ = false;
  if (CreateDialogParamW(resources_, MAKEINTRESOURCEW(IDD_WIZARD), owner, &FrmWizard::DialogProc,
                         reinterpret_cast<LPARAM>(this)) == nullptr) {
    return;
  }
  win32::RunModalWindow(hwnd_, owner, closed_,
                        [this](MSG& message) { return IsDialogMessageW(hwnd_, &message) != FALSE; });
  SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
  DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

INT_PTR CALLBACK FrmWizard::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return widgets::ForwardToDialogObject(hwnd, msg, wParam, lParam, &FrmWizard::HandleMessage);
}

INT_PTR FrmWizard::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      hwnd_ = hwnd;
      OnInit();
      return FALSE;   // OnInit placed the focus
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
      return OnColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
    case WM_CTLCOLOREDIT:
      return OnColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), true);
    case WM_CLOSE:
      OnClose();
      return TRUE;
    default:
      return FALSE;
  }
}

void FrmWizard::OnInit() {
  model_.SetOwner(reinterpret_cast<WindowHandle>(hwnd_));
  model_.Load();
  ApplyWizardCaptions(hwnd_, language_);
  list_.Attach(Item(IDC_WZ_LIST), language_);
  progress_.Attach(Item(IDC_WZ_PROGRESS));
  for (const std::string& item : model_.State().speedItems) {
    SendMessageW(Item(IDC_WZ_SPEED), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::ToWide(item).c_str()));
  }
  AddTips();
  SetChecked(Item(IDC_WZ_KEEPFOLDER), true);
  Refresh(false);
  SetFocus(Item(IsWindowEnabled(Item(IDC_WZ_NEXT)) ? IDC_WZ_NEXT : IDC_WZ_TARGETBROWSE));
}

void FrmWizard::AddTips() {
  widgets::CreateDialogTips(hwnd_, {{IDC_WZ_CHECKALL, WizardText(language_, kWizardSelectAllTip)},
                                    {IDC_WZ_UNCHECKALL, WizardText(language_, kWizardClearAllTip)},
                                    {IDC_WZ_COMPUTE, ComputeTip(language_)}});
}

void FrmWizard::OnCommand(UINT id, UINT code) {
  if (refreshing_ || checkingName_) return;
  switch (id) {
    case IDCANCEL: OnClose(); return;
    case IDC_WZ_NEXT:
      if (code == BN_CLICKED) Next();
      return;
    case IDC_WZ_BACK:
      if (code != BN_CLICKED) return;
      model_.Back();
      break;
    case IDC_WZ_TARGETBROWSE:
      if (code != BN_CLICKED) return;
      model_.ChooseTargetFolder();
      break;
    case IDC_WZ_PACKAGEBROWSE:
      if (code != BN_CLICKED) return;
      model_.ChoosePackageFolder();
      break;
    case IDC_WZ_SOFTFOLDER:
      if (code == EN_CHANGE) {
        model_.SoftFolderChanged(win32::WindowTextUtf8(Item(id)));
      } else if (code == EN_KILLFOCUS && shownPage_ == 1) {
        checkingName_ = true;   // the message box takes the focus too
        model_.SoftFolderLostFocus();
        checkingName_ = false;
      } else {
        return;
      }
      break;
    case IDC_WZ_SPEED:
      if (code != CBN_SELCHANGE) return;
      model_.SetSpeed(static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)));
      break;
    case IDC_WZ_COMPUTE:
      if (code != BN_CLICKED) return;
      model_.Compute();
      break;
    case IDC_WZ_CHECKALL:
      if (code != BN_CLICKED) return;
      model_.SelectAll();
      break;
    case IDC_WZ_UNCHECKALL:
      if (code != BN_CLICKED) return;
      model_.ClearAll();
      break;
    case IDC_WZ_REPLACEYES:
    case IDC_WZ_REPLACENO:
      if (code != BN_CLICKED) return;
      model_.SetReplacePaths(id == IDC_WZ_REPLACEYES);
      break;
    case IDC_WZ_KEEPFOLDER:
    case IDC_WZ_DISKFOLDER:
      if (code != BN_CLICKED) return;
      model_.SetUseDiskFolder(id == IDC_WZ_DISKFOLDER);
      break;
    default:
      return;
  }
  Refresh();
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

INT_PTR FrmWizard::OnColor(HDC dc, HWND control, bool editBox) {
  const auto found = colours_.find(GetDlgCtrlID(control));
  if (found == colours_.end()) return FALSE;
  SetTextColor(dc, ColourOf(found->second));
  const int background = editBox ? COLOR_WINDOW : COLOR_BTNFACE;
  SetBkColor(dc, GetSysColor(background));
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(background));
}

void FrmWizard::OnClose() {
  if (model_.QueryClose()) closed_ = true;
}

void FrmWizard::ShowPage(int page) {
  if (page == shownPage_) return;
  shownPage_ = page;
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const int owner = PageOf(GetDlgCtrlID(child));
    if (owner < 0 || child == Item(IDC_WZ_MEASURING)) continue;   // lblStat shows only while measuring
    ShowWindow(child, owner == page ? SW_SHOWNA : SW_HIDE);
  }
}

void FrmWizard::Refresh(bool applyFocus) {
  if (hwnd_ == nullptr) return;
  refreshing_ = true;
  const WizardState& s = model_.State();
  win32::SetWindowTextIfChanged(hwnd_, s.caption);
  ShowPage(s.copying ? 5 : s.step);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_NEXT), s.nextCaption);
  EnableWindow(Item(IDC_WZ_NEXT), s.nextEnabled && !s.copying);
  EnableWindow(Item(IDC_WZ_BACK), s.backEnabled && !s.copying);

  win32::SetWindowTextIfChanged(Item(IDC_WZ_TARGET), s.targetLabel.text);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_PACKAGEFOLDER), s.packageFolderLabel.text);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_FILECOUNT), s.fileCount);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_DIAGNOSIS), s.diagnosis.text);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_SOFTFOLDER), s.softFolderName);
  if (s.softFolderSelectAll) SendMessageW(Item(IDC_WZ_SOFTFOLDER), EM_SETSEL, 0, -1);
  if (static_cast<int>(SendMessageW(Item(IDC_WZ_SPEED), CB_GETCURSEL, 0, 0)) != s.speed) {
    SendMessageW(Item(IDC_WZ_SPEED), CB_SETCURSEL, static_cast<WPARAM>(s.speed), 0);
  }

  win32::SetWindowTextIfChanged(Item(IDC_WZ_DEST), s.summaryTarget);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_SOURCE), s.summaryPackages);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_PROGRAM), s.summaryProgram);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_LOG), s.copyLog);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_REPORTSTATUS), s.reportStatus);

  list_.Show(model_.Rows());
  EnableWindow(Item(IDC_WZ_COMPUTE), s.computeEnabled);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_TOTALSIZE), s.totalSize.text);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_TOTALFREE), s.totalFree.text);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_TIPSTATUS), s.tipStatus.text);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_MEASURING), s.measuring);
  ShowWindow(Item(IDC_WZ_MEASURING), s.measuring.empty() || shownPage_ != 4 ? SW_HIDE : SW_SHOWNA);

  win32::SetWindowTextIfChanged(Item(IDC_WZ_COPYSOURCE), s.copySource);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_COPYDEST), s.copyDest);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_COPIED), std::to_string(s.copiedFolders));
  SendMessageW(Item(IDC_WZ_COPYBAR), PBM_SETRANGE32, 0, s.copyMax);
  SendMessageW(Item(IDC_WZ_COPYBAR), PBM_SETPOS, static_cast<WPARAM>(s.copyValue), 0);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_PERCENT), s.percent);
  if (win32::WindowTextUtf8(Item(IDC_WZ_COPYSTAT)) != s.copyStat) {
    win32::SetWindowTextIfChanged(Item(IDC_WZ_COPYSTAT), s.copyStat);
    SendMessageW(Item(IDC_WZ_COPYSTAT), EM_SETSEL, static_cast<WPARAM>(-1), -1);   // the caret to the end
    SendMessageW(Item(IDC_WZ_COPYSTAT), EM_SCROLLCARET, 0, 0);
  }
  SetChecked(Item(IDC_WZ_REPLACEYES), s.replacePaths);
  SetChecked(Item(IDC_WZ_REPLACENO), !s.replacePaths);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_KEEPFOLDER), s.keepFolderOption);
  win32::SetWindowTextIfChanged(Item(IDC_WZ_DISKFOLDER), s.diskFolderOption);
  SetChecked(Item(IDC_WZ_KEEPFOLDER), !s.useDiskFolder);
  SetChecked(Item(IDC_WZ_DISKFOLDER), s.useDiskFolder);
  ShowColours();
  refreshing_ = false;
  if (applyFocus) ApplyFocus(s.focus);
  if (s.closeRequested) closed_ = true;
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
  SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

void FrmWizard::ShowProgress(bool visible) {
  if (hwnd_ == nullptr) return;
  // lblStat tells what is being measured while the bar moves.
  win32::SetWindowTextIfChanged(Item(IDC_WZ_MEASURING), model_.State().measuring);
  ShowWindow(Item(IDC_WZ_MEASURING), visible && !model_.State().measuring.empty() ? SW_SHOWNA : SW_HIDE);
  progress_.Show(visible);
}

void FrmWizard::CopyMoved() {
  Refresh(false);
  UpdateWindow(hwnd_);
  pump_.RunOnce();
}

}  // namespace velgaro::wizard
