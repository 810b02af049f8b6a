#include "update/win32/FrmUpdate.h"

#include "app/ProgramVersion.h"
#include "platform/win32/WindowText.h"
#include "update/UpdateTexts.h"
#include "update/win32/UpdateResources.h"
#include "widgets/win32/Controls.h"
#include "widgets/win32/DialogTips.h"
#include "widgets/win32/TemplateCaption.h"

namespace velgaro::update {
namespace {

constexpr UINT kReadyStateMessage = WM_APP + 60;
constexpr UINT_PTR kBackupTimer = 1;   // tmrTryUpdate
constexpr UINT kBackupDelayMs = 1000;

const widgets::CaptionKey kCaptions[] = {
    {IDC_UP_HEADING, kUpdateSection, kUpdateHeading},
    {IDC_UP_MINEFRAME, kUpdateSection, kUpdateYourVersion},
    {IDC_UP_MINELABEL, kUpdateSection, kUpdateVersionLabel},
    {IDC_UP_VERSIONLABEL, kUpdateSection, kUpdateVersionLabel},
    {IDC_UP_SITEFRAME, kUpdateSection, kUpdateSiteVersion},
    {IDC_UP_DESCLABEL, kUpdateSection, kUpdateDescLinkLabel},
    {IDC_UP_SIZELABEL, kUpdateSection, kUpdateSizeLabel},
    {IDC_UP_DESCRIPTIONLABEL, kUpdateSection, kUpdateDescriptionLabel},
    {IDC_UP_BETALABEL, kUpdateSection, kUpdateBetaLabel},
    {IDC_UP_DIRECTLABEL, kUpdateSection, kUpdateDirectLinkLabel},
};

// The three text boxes select their whole text when they get the focus.
bool SelectsAllOnFocus(UINT id) {
  return id == IDC_UP_DIRECTLINK || id == IDC_UP_DESCLINK || id == IDC_UP_DESCRIPTION;
}

COLORREF ColourOf(UpdateColor colour) {
  switch (colour) {
    case UpdateColor::Green: return RGB(0, 128, 0);
    case UpdateColor::Red: return RGB(192, 0, 0);
    case UpdateColor::Normal: break;
  }
  return GetSysColor(COLOR_BTNTEXT);
}

}  // namespace

FrmUpdate::FrmUpdate(const Language& language, const SettingsStore& settings, Shell& shell, HINSTANCE resources)
    : ModalDialog(resources, IDD_UPDATE), language_(language), settings_(settings), shell_(shell) {}

HBRUSH FrmUpdate::OnColour(UINT kind, HDC dc, HWND control) {
  if (kind != WM_CTLCOLORSTATIC || GetDlgCtrlID(control) != IDC_UP_STATUS) return nullptr;
  SetTextColor(dc, ColourOf(model_->State().statusColor));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

bool FrmUpdate::OnClose() {
  Close();
  return true;
}

INT_PTR FrmUpdate::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_TIMER:
      if (wParam != kBackupTimer) return FALSE;
      KillTimer(Handle(), kBackupTimer);
      backupTimerRunning_ = false;
      model_->BackupTimer();
      Refresh();
      return TRUE;
    case kReadyStateMessage:
      OnReadyState(wParam, lParam);
      return TRUE;
    default:
      return FALSE;
  }
}

bool FrmUpdate::OnInit() {
  widgets::ApplyTemplateCaption(Handle(), language_, kUpdateSection, kUpdateTitle);
  widgets::ApplyTemplateCaptions(Handle(), language_, kCaptions);
  widgets::CreateDialogTips(Handle(), {{IDC_UP_OPENDIRECT, UpdateText(language_, kUpdateDirectLinkTip)},
                                    {IDC_UP_OPENDESC, UpdateText(language_, kUpdateDescLinkTip)}});
  http_ = std::make_unique<win32::Win32HttpGet>(Handle(), kReadyStateMessage);
  model_ = std::make_unique<UpdateModel>(
      UpdateDeps{language_, xml_, shell_, *http_, UpdateServersOf(settings_),
                 VersionTriple{kVersionMajor, kVersionMinor, kVersionRevision}});
  model_->Load();
  Refresh();
  return true;
}

void FrmUpdate::OnReadyState(WPARAM request, LPARAM state) {
  if (request != http_->Current()) return;   // a request given up meanwhile
  const int readyState = static_cast<int>(state);
  if (readyState == 4) {
    model_->ReadyStateChanged(4, http_->TakeBody());
  } else {
    model_->ReadyStateChanged(readyState);
  }
  Refresh();
}

void FrmUpdate::OnCommand(UINT id, UINT code) {
  if (code == EN_SETFOCUS && SelectsAllOnFocus(id)) {
    // Posted: the click that gave the focus would place the caret over a selection made now.
    PostMessageW(Item(static_cast<int>(id)), EM_SETSEL, 0, -1);
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case IDCANCEL: model_->CancelPressed(); break;
    case IDC_UP_OPENDIRECT: model_->OpenDirectLink(); break;
    case IDC_UP_OPENDESC: model_->OpenDescriptionLink(); break;
    default: return;
  }
  Refresh();
}

void FrmUpdate::Refresh() {
  const UpdateState& s = model_->State();
  win32::SetWindowTextIfChanged(Handle(), s.caption);
  widgets::ShowTexts(Handle(), {{IDC_UP_MYVERSION, s.myVersion},
                                {IDC_UP_VERSION, s.versionLine},
                                {IDC_UP_BETA, s.isBeta},
                                {IDC_UP_SIZE, s.fileSize},
                                {IDC_UP_DIRECTLINK, s.directLink},
                                {IDC_UP_DESCLINK, s.descriptionLink},
                                {IDC_UP_DESCRIPTION, s.description},
                                {IDC_UP_STATUS, s.status},
                                {IDCANCEL, s.cancelCaption}});
  InvalidateRect(Item(IDC_UP_STATUS), nullptr, TRUE);   // its colour may have changed with the same text
  const bool linksShown = IsWindowVisible(Item(IDC_UP_OPENDIRECT)) != FALSE;
  if (s.linkButtons != linksShown) {
    ShowWindow(Item(IDC_UP_OPENDIRECT), s.linkButtons ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(IDC_UP_OPENDESC), s.linkButtons ? SW_SHOW : SW_HIDE);
    if (s.focusDirectLink) widgets::FocusDialogControl(Handle(), Item(IDC_UP_OPENDIRECT));
  }
  if (s.backupTimer && !backupTimerRunning_) backupTimerRunning_ = SetTimer(Handle(), kBackupTimer, kBackupDelayMs, nullptr) != 0;
  if (s.closeRequested) Close();
}

}  // namespace velgaro::update
