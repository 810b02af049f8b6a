#include "library/win32/FrmNew.h"

#include <commctrl.h>

#include "library/NewPackageTexts.h"
#include "library/win32/FrmFuture.h"
#include "library/win32/NewPackageResources.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"
#include "widgets/win32/ControlColours.h"
#include "widgets/win32/Controls.h"
#include "widgets/win32/DialogTips.h"
#include "widgets/win32/TemplateCaption.h"

namespace velgaro::library {
namespace {

constexpr UINT kDroppedMessage = WM_APP + 20;   // files were dropped on the path box
constexpr int kTipWidth = 320;

const widgets::CaptionKey kCaptions[] = {{IDCANCEL, "New", 3},           {IDOK, "New", 4},
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

}  // namespace

FrmNew::FrmNew(NewPackageDeps deps, NewPackageSetup setup, HINSTANCE resources, const PropertiesDeps* properties)
    : ModalDialog(resources, IDD_NEW),
      language_(deps.language),
      settings_(deps.settings),
      model_(deps, setup),
      properties_(properties && setup.mode == NewPackageMode::Properties
                      ? std::make_unique<PackageProperties>(*properties, model_, setup.packageFolder, setup.name)
                      : nullptr),
      dropTarget_([this](const std::vector<std::string>& paths) {
        // The drag source waits for the drop to return: the work is done once it has.
        dropped_ = paths;
        PostMessageW(Handle(), kDroppedMessage, 0, 0);
      }) {}

FrmNew::~FrmNew() {
  dropTarget_.Revoke();
  Destroy();
  if (pageBrush_ != nullptr) DeleteObject(pageBrush_);
}

std::optional<NewPackageRequest> FrmNew::ShowModal(HWND owner) {
  result_.reset();
  if (!ModalDialog::ShowModal(owner)) return std::nullopt;
  return result_;
}

bool FrmNew::PreTranslate(MSG& message) {
  if (Handle() == nullptr) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 &&
      (message.hwnd == Handle() || IsChild(Handle(), message.hwnd))) {
    model_.NextTab();
    Refresh();
    return true;
  }
  return ModalDialog::PreTranslate(message);
}

INT_PTR FrmNew::OnNotify(NMHDR& header) {
  if (header.idFrom == IDC_NEW_TABS && header.code == TCN_SELCHANGE) {
    model_.SelectTab(TabCtrl_GetCurSel(header.hwndFrom));
    Refresh();
  }
  return FALSE;
}

INT_PTR FrmNew::OnMessage(UINT msg, WPARAM, LPARAM) {
  if (msg != kDroppedMessage) return FALSE;
  const std::vector<std::string> paths = std::move(dropped_);
  dropped_.clear();
  if (model_.DropOnPath(paths)) Refresh();
  return TRUE;
}

bool FrmNew::OnInit() {
  model_.SetOwner(reinterpret_cast<WindowHandle>(Handle()));
  model_.Load();
  if (properties_) properties_->SetOwner(reinterpret_cast<WindowHandle>(Handle()));
  widgets::ApplyTemplateCaptions(Handle(), language_, kCaptions);
  AddTabs();
  widgets::AddComboItems(Item(IDC_NEW_SPEED), model_.State().speedItems);
  widgets::LimitText(Item(IDC_NEW_DESCRIPTION), NewPackageForm::kMaxDescription);
  widgets::DrawWithoutTheme(Item(IDC_NEW_FILENAME));
  TakePageColour();
  CreateTooltips();
  dropTarget_.Register(Item(IDC_NEW_PATH));   // without OLE (some tests) there is just no drop
  if (properties_) properties_->GetProperty();
  Refresh();
  SetFocus(Item(model_.ActivationFocus() == NewPackageFocus::FileNameCheck ? IDC_NEW_FILENAME : IDC_NEW_BROWSE));
  return false;   // the focus is set
}

void FrmNew::AddTabs() {
  const NewKey tabKeys[] = {kNewMainTab, kNewOptionsTab};
  for (int i = 0; i < NewPackageForm::kTabCount; ++i) {
    std::wstring text = win32::ToWide(NewText(language_, tabKeys[i]));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    TabCtrl_InsertItem(Item(IDC_NEW_TABS), i, &item);
  }
}

void FrmNew::TakePageColour() {
  pageColour_ = widgets::PageColourOf(Item(IDC_NEW_TABS));
  if (pageBrush_ != nullptr) DeleteObject(pageBrush_);
  pageBrush_ = CreateSolidBrush(pageColour_);
}

void FrmNew::CreateTooltips() {
  std::vector<std::pair<int, std::string>> tips;
  for (const Tip& tip : kTips) tips.emplace_back(tip.id, NewText(language_, tip.key));
  widgets::CreateDialogTips(Handle(), tips, kTipWidth);
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
      model_.SetLocalSpeed(widgets::ComboSelection(Item(IDC_NEW_SPEED)));
      break;
    default:
      if (code != BN_CLICKED) return;
      OnChecked(id);
      return;
  }
  Refresh();
}

void FrmNew::OnChecked(UINT id) {
  for (const Check& check : kChecks) {
    if (check.id != static_cast<int>(id)) continue;
    (model_.*check.set)(widgets::IsChecked(Item(check.id)));
    Refresh();
    return;
  }
}

void FrmNew::TakeBoxTexts() {
  // A multi-line box set by WM_SETTEXT tells nobody: every box is read whenever one is needed.
  model_.SetPath(win32::WindowTextUtf8(Item(IDC_NEW_PATH)));
  model_.SetName(win32::WindowTextUtf8(Item(IDC_NEW_NAME)));
  model_.SetDescription(win32::WindowTextUtf8(Item(IDC_NEW_DESCRIPTION)));
  model_.SetCommandLine(win32::WindowTextUtf8(Item(IDC_NEW_COMMANDLINE)));
}

void FrmNew::OnOk() {
  // The modal loop ends and destroys the dialog on Close(); a modeless one stays for its test to read.
  TakeBoxTexts();
  if (properties_) {
    const PropertiesOkResult done = properties_->Ok();
    Refresh();
    return done.close ? Close() : ApplyFocus(done.focus);
  }
  const NewPackageOkResult result = model_.Ok();
  Refresh();
  if (result.outcome == NewPackageOutcome::Accepted) {
    if (model_.ShowRecordingTip()) FrmFuture(language_, settings_, Resources()).ShowModal(Handle());
    result_ = model_.Request();
    Close();
    return;
  }
  ApplyFocus(result.focus);
}

}  // namespace velgaro::library
