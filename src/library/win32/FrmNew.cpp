#include "library/win32/FrmNew.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "library/NewPackageTexts.h"
#include "widgets/win32/ControlColours.h"
#include "widgets/win32/DialogProc.h"
#include "widgets/win32/DialogTips.h"
#include "library/win32/FrmFuture.h"
#include "library/win32/NewPackageResources.h"
#include "widgets/win32/TemplateCaption.h"
#include "platform/win32/ModalLoop.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"

namespace velgaro::library {
namespace {

constexpr UINT kDroppedMessage = WM_APP + 20;   // files were dropped on the path box
constexpr COLORREF kEmptyBoxColour = RGB(192, 0, 0);
constexpr int kTipWidth = 320;

const int kMainPage[] = {IDC_NEW_FILENAME, IDC_NEW_PATH,     IDC_NEW_BROWSE,   IDC_NEW_NAMELABEL,
                         IDC_NEW_NAME,     IDC_NEW_DESCLABEL, IDC_NEW_DESCRIPTION, IDC_NEW_LEFT,
                         IDC_NEW_CMDLABEL, IDC_NEW_COMMANDLINE, IDC_NEW_AUTOREPLACE};
const int kOptionsPage[] = {IDC_NEW_NEEDREBOOT, IDC_NEW_CREATEREBOOT, IDC_NEW_SPEEDLABEL,
                            IDC_NEW_SPEED,      IDC_NEW_DEFSELECT,    IDC_NEW_NEEDWAIT};

struct Caption {
  int id;
  const char* section;
  int key;
};
const Caption kCaptions[] = {{IDCANCEL, "New", 3},           {IDOK, "New", 4},
                             {IDC_NEW_CMDLABEL, "New", 8},   {IDC_NEW_DESCLABEL, "New", 9},
                             {IDC_NEW_FILENAME, "New", 10},  {IDC_NEW_NAMELABEL, "New", 11},
                             {IDC_NEW_AUTOREPLACE, "Stels", 1}, {IDC_NEW_NEEDREBOOT, "New", 36},
                             {IDC_NEW_DEFSELECT, "New", 39}, {IDC_NEW_CREATEREBOOT, "New", 41},
                             {IDC_NEW_NEEDWAIT, "New", 43},  {IDC_NEW_SPEEDLABEL, "New", 45}};

struct Tip {
  int id;
  NewKey key;
};
const Tip kTips[] = {{IDC_NEW_DESCRIPTION, kNewDescriptionTip}, {IDC_NEW_BROWSE, kNewBrowseTip},
                     {IDC_NEW_PATH, kNewPathTip},               {IDC_NEW_NAME, kNewNameTip},
                     {IDC_NEW_AUTOREPLACE, kNewAutoReplaceTip}, {IDC_NEW_LEFT, kNewCharactersLeftTip},
                     {IDC_NEW_NEEDREBOOT, kNewNeedRebootTip},   {IDC_NEW_SPEED, kNewSpeedTip},
                     {IDC_NEW_DEFSELECT, kNewDefSelectTip},     {IDC_NEW_CREATEREBOOT, kNewCreateRebootTip},
                     {IDC_NEW_NEEDWAIT, kNewNeedWaitTip}};

void SetCheck(HWND window, bool checked) {
  SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Checked(HWND window) { return SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

FrmNew::FrmNew(NewPackageDeps deps, NewPackageSetup setup, HINSTANCE resources, const PropertiesDeps* properties)
    : language_(deps.language),
      settings_(deps.settings),
      resources_(resources ? resources : GetModuleHandleW(nullptr)),
      model_(deps, setup),
      properties_(properties && setup.mode == NewPackageMode::Properties
                      ? std::make_unique<PackageProperties>(*properties, model_, setup.packageFolder, setup.name)
                      : nullptr),
      dropTarget_([this](const std::vector<std::string>& paths) {
        // The drag source waits for the drop to return: the work is done once it has.
        dropped_ = paths;
        PostMessageW(hwnd_, kDroppedMessage, 0, 0);
      }) {}

FrmNew::~FrmNew() {
  dropTarget_.Revoke();
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);   // and the tool tips it owns
  }
  if (pageBrush_ != nullptr) DeleteObject(pageBrush_);
}

void FrmNew::TakePageColour() {
  pageColour_ = widgets::PageColourOf(Item(IDC_NEW_TABS));
  if (pageBrush_ != nullptr) DeleteObject(pageBrush_);
  pageBrush_ = CreateSolidBrush(pageColour_);
}

bool FrmNew::Create(HWND owner) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  closed_ = false;
  result_.reset();
  return CreateDialogParamW(resources_, MAKEINTRESOURCEW(IDD_NEW), owner, &FrmNew::DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

std::optional<NewPackageRequest> FrmNew::ShowModal(HWND owner) {
  if (!Create(owner)) return std::nullopt;
  win32::RunModalWindow(hwnd_, owner, closed_, [this](MSG& message) { return PreTranslate(message); });
  dropTarget_.Revoke();
  SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
  DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  return result_;
}

bool FrmNew::PreTranslate(MSG& message) {
  if (hwnd_ == nullptr) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 &&
      (message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd))) {
    model_.NextTab();
    Refresh();
    return true;
  }
  return IsDialogMessageW(hwnd_, &message) != FALSE;
}

INT_PTR CALLBACK FrmNew::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return widgets::ForwardToDialogObject(hwnd, msg, wParam, lParam, &FrmNew::HandleMessage);
}

INT_PTR FrmNew::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      hwnd_ = hwnd;
      OnInit();
      return FALSE;   // the focus is set
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == IDC_NEW_TABS && header->code == TCN_SELCHANGE) {
        model_.SelectTab(static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
        Refresh();
      }
      return FALSE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case kDroppedMessage: {
      const std::vector<std::string> paths = std::move(dropped_);
      dropped_.clear();
      if (model_.DropOnPath(paths)) Refresh();
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void FrmNew::OnInit() {
  model_.SetOwner(reinterpret_cast<WindowHandle>(hwnd_));
  model_.Load();
  if (properties_) properties_->SetOwner(reinterpret_cast<WindowHandle>(hwnd_));
  ApplyCaptions();
  HWND tabs = Item(IDC_NEW_TABS);
  const NewKey tabKeys[] = {kNewMainTab, kNewOptionsTab};
  for (int i = 0; i < NewPackageForm::kTabCount; ++i) {
    std::wstring text = win32::ToWide(NewText(language_, tabKeys[i]));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  for (const std::string& entry : model_.State().speedItems) {
    SendDlgItemMessageW(hwnd_, IDC_NEW_SPEED, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(win32::ToWide(entry).c_str()));
  }
  SendDlgItemMessageW(hwnd_, IDC_NEW_DESCRIPTION, EM_SETLIMITTEXT, NewPackageForm::kMaxDescription, 0);
  widgets::DrawWithoutTheme(Item(IDC_NEW_FILENAME));
  TakePageColour();
  CreateTooltips();
  dropTarget_.Register(Item(IDC_NEW_PATH));   // without OLE (some tests) there is just no drop
  if (properties_) properties_->GetProperty();
  Refresh();
  SetFocus(Item(model_.ActivationFocus() == NewPackageFocus::FileNameCheck ? IDC_NEW_FILENAME : IDC_NEW_BROWSE));
}

void FrmNew::ApplyCaptions() {
  for (const Caption& c : kCaptions) widgets::ApplyTemplateCaption(Item(c.id), language_, c.section, c.key);
}

void FrmNew::CreateTooltips() {
  std::vector<std::pair<int, std::string>> tips;
  for (const Tip& tip : kTips) tips.emplace_back(tip.id, NewText(language_, tip.key));
  tooltip_ = widgets::CreateDialogTips(hwnd_, tips, kTipWidth);
}

void FrmNew::OnCommand(UINT id, UINT code) {
  if (refreshing_) return;
  switch (id) {
    case IDOK: OnOk(); return;
    case IDCANCEL: Close(); return;
    case IDC_NEW_BROWSE:
      if (code != BN_CLICKED) return;
      TakeBoxTexts();
      model_.Browse();
      break;
    case IDC_NEW_PATH:
    case IDC_NEW_NAME:
    case IDC_NEW_DESCRIPTION:
    case IDC_NEW_COMMANDLINE:
      if (code != EN_CHANGE) return;
      TakeBoxTexts();
      break;
    case IDC_NEW_SPEED:
      if (code != CBN_SELCHANGE) return;
      model_.SetLocalSpeed(static_cast<int>(SendDlgItemMessageW(hwnd_, IDC_NEW_SPEED, CB_GETCURSEL, 0, 0)));
      break;
    default: {
      if (code != BN_CLICKED) return;
      const bool checked = Checked(Item(static_cast<int>(id)));
      switch (id) {
        case IDC_NEW_FILENAME: model_.SetFileName(checked); break;
        case IDC_NEW_AUTOREPLACE: model_.SetAutoReplace(checked); break;
        case IDC_NEW_NEEDREBOOT: model_.SetNeedReboot(checked); break;
        case IDC_NEW_CREATEREBOOT: model_.SetCreateReboot(checked); break;
        case IDC_NEW_DEFSELECT: model_.SetDefSelect(checked); break;
        case IDC_NEW_NEEDWAIT: model_.SetNeedWait(checked); break;
        default: return;
      }
    }
  }
  Refresh();
}

void FrmNew::TakeBoxTexts() {
  // A multi-line box set by WM_SETTEXT tells nobody: every box is read whenever one is needed.
  model_.SetPath(win32::WindowTextUtf8(Item(IDC_NEW_PATH)));
  model_.SetName(win32::WindowTextUtf8(Item(IDC_NEW_NAME)));
  model_.SetDescription(win32::WindowTextUtf8(Item(IDC_NEW_DESCRIPTION)));
  model_.SetCommandLine(win32::WindowTextUtf8(Item(IDC_NEW_COMMANDLINE)));
}

void FrmNew::OnOk() {
  TakeBoxTexts();
  if (properties_) {
    const PropertiesOkResult done = properties_->Ok();
    Refresh();
    return done.close ? Close() : ApplyFocus(done.focus);
  }
  const NewPackageOkResult result = model_.Ok();
  Refresh();
  if (result.outcome == NewPackageOutcome::Accepted) {
    if (model_.ShowRecordingTip()) FrmFuture(language_, settings_, resources_).ShowModal(hwnd_);
    result_ = model_.Request();
    Close();
    return;
  }
  ApplyFocus(result.focus);
}

void FrmNew::Close() {
  // The modal loop ends and destroys the dialog; a modeless one stays for its test to read.
  closed_ = true;
}

INT_PTR FrmNew::OnColor(HDC dc, HWND control) {
  // The labels and boxes on a page take the page's colour; the two captions of empty boxes turn red.
  const int id = GetDlgCtrlID(control);
  const bool onPage = std::find(std::begin(kMainPage), std::end(kMainPage), id) != std::end(kMainPage) ||
                      std::find(std::begin(kOptionsPage), std::end(kOptionsPage), id) != std::end(kOptionsPage);
  if (!onPage || pageBrush_ == nullptr) return FALSE;
  const NewPackageState& s = model_.State();
  const bool red = (id == IDC_NEW_FILENAME && s.fileNameRed) || (id == IDC_NEW_NAMELABEL && s.nameLabelRed);
  SetTextColor(dc, red ? kEmptyBoxColour : GetSysColor(IsWindowEnabled(control) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  SetBkColor(dc, pageColour_);
  return reinterpret_cast<INT_PTR>(pageBrush_);
}

void FrmNew::Refresh() {
  refreshing_ = true;
  const NewPackageState& s = model_.State();
  win32::SetWindowTextIfChanged(hwnd_, s.caption);
  win32::SetWindowTextIfChanged(Item(IDC_NEW_PATH), s.path);
  win32::SetWindowTextIfChanged(Item(IDC_NEW_NAME), s.name);
  win32::SetWindowTextIfChanged(Item(IDC_NEW_DESCRIPTION), s.description);
  win32::SetWindowTextIfChanged(Item(IDC_NEW_COMMANDLINE), s.commandLine);
  win32::SetWindowTextIfChanged(Item(IDC_NEW_LEFT), std::to_string(s.charactersLeft));
  win32::SetWindowTextIfChanged(Item(IDC_NEW_CREATEDATE), s.createDate);
  SetCheck(Item(IDC_NEW_FILENAME), s.fileName);
  SetCheck(Item(IDC_NEW_AUTOREPLACE), s.autoReplace);
  SetCheck(Item(IDC_NEW_NEEDREBOOT), s.needReboot);
  SetCheck(Item(IDC_NEW_CREATEREBOOT), s.createReboot);
  SetCheck(Item(IDC_NEW_DEFSELECT), s.defSelect);
  SetCheck(Item(IDC_NEW_NEEDWAIT), s.needWait);
  EnableWindow(Item(IDC_NEW_PATH), s.pathEnabled);
  EnableWindow(Item(IDC_NEW_BROWSE), s.pathEnabled);
  EnableWindow(Item(IDC_NEW_NEEDWAIT), s.needWaitEnabled);
  EnableWindow(Item(IDC_NEW_CREATEREBOOT), s.createRebootEnabled);
  if (SendDlgItemMessageW(hwnd_, IDC_NEW_SPEED, CB_GETCURSEL, 0, 0) != s.localSpeed) {
    SendDlgItemMessageW(hwnd_, IDC_NEW_SPEED, CB_SETCURSEL, static_cast<WPARAM>(s.localSpeed), 0);
  }
  if (s.fileNameRed != fileNameRed_) {
    fileNameRed_ = s.fileNameRed;
    InvalidateRect(Item(IDC_NEW_FILENAME), nullptr, TRUE);
  }
  if (s.nameLabelRed != nameLabelRed_) {
    nameLabelRed_ = s.nameLabelRed;
    InvalidateRect(Item(IDC_NEW_NAMELABEL), nullptr, TRUE);
  }
  ShowTab(s.tab);
  refreshing_ = false;
}

void FrmNew::ShowTab(int tab) {
  if (tab == shownTab_) return;
  shownTab_ = tab;
  SendDlgItemMessageW(hwnd_, IDC_NEW_TABS, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
  for (int id : kMainPage) ShowWindow(Item(id), tab == 0 ? SW_SHOW : SW_HIDE);
  for (int id : kOptionsPage) ShowWindow(Item(id), tab == 1 ? SW_SHOW : SW_HIDE);
  // Keys must not go on to a control that is no longer seen.
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(hwnd_, focus) && !IsWindowVisible(focus)) SetFocus(Item(IDC_NEW_TABS));
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
  SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  if (id == IDC_NEW_PATH || id == IDC_NEW_NAME) {
    const LPARAM end = selectAll ? -1 : GetWindowTextLengthW(control);
    SendMessageW(control, EM_SETSEL, selectAll ? 0 : static_cast<WPARAM>(end), end);
  }
}

}  // namespace velgaro::library
