#include "engine/Recorder.h"

#include <cstdlib>

#include "app/ProductName.h"
#include "app/SettingKeys.h"
#include "engine/InstallerCommand.h"
#include "engine/PlayerTexts.h"
#include "package/SavePackage.h"

namespace velgaro {
namespace {

constexpr int kBlinkInterval = 500;
const char kCrLf[] = "\r\n";
constexpr const char* kNoHookText = "Alert!!! No rights to sets system hook.";

}  // namespace

Recorder::Recorder(RecorderDeps deps, const NewPackageRequest& request, bool unattendedInstall, RecorderHooks hooks,
                   WindowHandle controlWindow)
    : d_(deps),
      package_(deps.packageText),
      request_(request),
      unattended_(unattendedInstall),
      hooks_(std::move(hooks)),
      control_(controlWindow),
      matcher_(deps.windows, controlWindow),
      injector_(deps.windows, deps.input, deps.pump, matcher_, ScreenSize{}) {
  timer1_ = d_.timers.CreateTimer([this] { OnBlinkTick(); });
  timer1_->SetInterval(kBlinkInterval);
}

Recorder::~Recorder() {
  timer1_.reset();
  // Every way out of the window removes the hook.
  if (recording_ && hooks_.removeHook) hooks_.removeHook();
}

std::string Recorder::Text(int key) const {
  return d_.language.LangText(StelsDefault(static_cast<StelsKey>(key)), kStelsSection, key);
}

void Recorder::ViewChanged() {
  if (hooks_.viewChanged) hooks_.viewChanged();
}

void Recorder::Load() {
  if (hooks_.setTopMost) hooks_.setTopMost(true);
  Record();
  StartApp();
  somethingRecorded_ = false;
  ViewChanged();
}

void Recorder::Record() {
  view_.lblCaption = Text(kTextRecording);
  view_.lblCaptionVisible = true;
  view_.imgPauseVisible = true;
  view_.imgPlayVisible = false;
  view_.panelShown = false;
  timer1_->SetEnabled(true);
  PackageImage& package = package_;
  package.options = request_.options;
  package.NewPackageImage(d_.sys.ScreenWidth(), d_.sys.ScreenHeight(), request_.installerPath, request_.description);
  path_.clear();
  steps_.clear();
  recording_ = true;
  bool installed = hooks_.installHook && hooks_.installHook();
  if (!installed && hooks_.enablePrivilege) {
    hooks_.enablePrivilege();
    installed = hooks_.installHook && hooks_.installHook();
  }
  if (!installed) {
    recording_ = false;   // the window stays; nothing will be recorded
    d_.dialogs.MessageBox(control_, kNoHookText, kProductName, kMbOk);
  }
}

bool Recorder::StartApp() {
  const std::string& installer = request_.installerPath;
  if (!FileExists(d_.fs, installer)) return false;
  const std::optional<std::string> command = InstallerCommandLine(installer, request_.commandLine, d_.registry);
  if (!command) return false;
  return d_.processes.Start(*command).has_value();
}

void Recorder::OnMouseEvent(const CapturedMouseEvent& e) {
  if (!recording_ || stopped_) return;
  switch (e.kind) {
    case CapturedMouseEvent::Kind::Press:
      buttonHeld_ = true;
      pressPoint_ = e.point;
      // A press on the control window, or on nothing that could be found again, is left out with its
      // moves and release; the previous action stays as it was.
      if (e.onControlWindow || e.path.empty()) {
        ignorePress_ = true;
        return;
      }
      ignorePress_ = false;
      path_ = e.path;
      lastWindow_ = e.window;
      currentButton_ = e.button;
      steps_.assign(1, MouseStep{e.button, kStepPress, e.client.x, e.client.y});
      return;
    case CapturedMouseEvent::Kind::Move:
      if (!ignorePress_ && buttonHeld_) {
        steps_.push_back(MouseStep{currentButton_, kStepMove, e.point.x - pressPoint_.x, e.point.y - pressPoint_.y});
      }
      return;
    case CapturedMouseEvent::Kind::Release:
      // A release without its press (held since before the recording or the pause) is no action.
      if (ignorePress_ || !buttonHeld_) return;
      buttonHeld_ = false;
      currentButton_ = e.button;
      steps_.push_back(MouseStep{e.button, kStepRelease, e.point.x - pressPoint_.x, e.point.y - pressPoint_.y});
      AppendAction();
      return;
    case CapturedMouseEvent::Kind::Other:
      return;
  }
}

void Recorder::AppendAction() {
  somethingRecorded_ = true;
  PackageImage& package = package_;
  package.action.windowPath = path_;
  package.action.steps = steps_;
  const bool withText = textChanged_ && !actionText_.empty();
  package.action.actionText = withText ? actionText_ : std::string();
  package.AppendAction();
  if (withText) actionText_.clear();
}

void Recorder::PauseRecord() {
  timer1_->SetEnabled(false);
  view_.lblCaption = Text(kTextPause);
  view_.lblCaptionVisible = true;
  if (somethingRecorded_) view_.panelShown = true;
  if (recording_ && hooks_.removeHook) hooks_.removeHook();
  recording_ = false;
}

void Recorder::Pause() {
  if (stopped_ || view_.imgPlayVisible) return;
  view_.imgPauseVisible = false;
  view_.imgPlayVisible = true;
  PauseRecord();
  SetText1(lastWindow_ != 0 ? injector_.FetchWindowText(lastWindow_) : std::string());
  if (LastWindowIsEdit()) {
    view_.filterEnabled = false;
  } else {
    view_.filterEnabled = true;
    view_.filterChecked = true;
    if (somethingRecorded_) {
      view_.lblAct = Text(kTextNotTextField) + kCrLf + Text(kTextClearFilter);
      view_.lblStatus = Text(kTextFieldNotRecognised);
      ViewChanged();
      const long pauseTip = std::strtol(d_.settings.Get(settings::kView, settings::kPauseTip, "0").c_str(), nullptr, 10);
      if (pauseTip != 1 && hooks_.showPauseTip) hooks_.showPauseTip();
    }
  }
  ViewChanged();
}

void Recorder::SetText1(const std::string& text) {
  if (text == view_.text1) return;
  view_.text1 = text;
  OnText1Changed(text);
}

void Recorder::TextChanged(const std::string& text) {
  if (stopped_) return;
  view_.text1 = text;
  OnText1Changed(text);
  ViewChanged();
}

void Recorder::OnText1Changed(const std::string& text) {
  textChanged_ = true;
  actionText_ = text;
  view_.lblStatus = Text(kTextChangesMade);
  view_.replaceEnabled = HasPathVariableValue(text);
}

bool Recorder::HasPathVariableValue(const std::string& text) const {
  for (const PathVariable& variable : d_.paths.Table()) {
    if (!variable.value.empty() && FindNoCase(text, variable.value) != std::string::npos) return true;
  }
  for (const std::string& root : d_.paths.CdRomRoots()) {
    if (!root.empty() && FindNoCase(text, root) != std::string::npos) return true;
  }
  return false;
}

void Recorder::FilterClicked(bool checked) {
  view_.filterChecked = checked;
  if (!checked) {
    view_.lblStatus = Text(kTextContinueChanged);
  } else if (!LastWindowIsEdit()) {
    view_.lblStatus = Text(kTextNotTextField);
  }
  ViewChanged();
}

void Recorder::ReplaceClicked(bool checked) {
  view_.replaceChecked = checked;
  ViewChanged();
}

bool Recorder::LastWindowIsEdit() const { return lastWindow_ != 0 && matcher_.IsEditWindow(lastWindow_); }

void Recorder::Resume() {
  if (stopped_ || !view_.imgPlayVisible) return;
  view_.lblAct.clear();
  RecordAfterPause();
  view_.imgPlayVisible = false;
  view_.imgPauseVisible = true;
  ViewChanged();
}

void Recorder::CancelText() {
  if (stopped_ || !view_.imgPlayVisible) return;
  textChanged_ = false;
  actionText_.clear();
  view_.lblAct.clear();
  RecordAfterPause();
  view_.imgPlayVisible = false;
  view_.imgPauseVisible = true;
  ViewChanged();
}

void Recorder::RecordAfterPause() {
  // The hook is back before a text goes out: an installer may answer the text with a box at once, and
  // the press that answers it belongs in the package.
  recording_ = true;
  if (hooks_.installHook && !hooks_.installHook()) recording_ = false;
  if (!textChanged_) {
    if (lastWindow_ != 0) d_.windows.SetForegroundWindow(lastWindow_);
  } else {
    if (!(view_.filterChecked && !LastWindowIsEdit())) {
      const std::string& box = view_.text1;
      actionText_ = d_.paths.ExpandPathVariables(box, d_.fs);
      if (!box.empty() && lastWindow_ != 0) injector_.PutWindowText(lastWindow_, actionText_);
      const std::string collapsed = d_.paths.CollapsePathVariables(box);
      actionText_ = view_.filterChecked ? (view_.replaceChecked ? collapsed : box) : collapsed;
      // The action repeats the last press, so playback presses the field again and then sets its text;
      // without a press there is no field to give it to.
      if (!path_.empty()) AppendAction();
    }
    actionText_.clear();
    textChanged_ = false;
  }
  view_.lblCaption = Text(kTextRecording);
  view_.lblCaptionVisible = true;
  timer1_->SetEnabled(true);
  view_.panelShown = false;
}

void Recorder::Stop() {
  if (stopped_) return;
  stopped_ = true;
  timer1_->SetEnabled(false);
  if (recording_ && hooks_.removeHook) hooks_.removeHook();
  recording_ = false;
  // A press still held is half an action: it is not saved.
  buttonHeld_ = false;
  steps_.clear();

  SaveRecordingContext ctx(package_, d_.language, d_.dialogs, d_.fs, d_.paths);
  ctx.now = d_.clock.Now();
  ctx.installerPath = request_.installerPath;
  ctx.commandLine = request_.commandLine;
  ctx.packageName = request_.packageName;
  ctx.packageFolder = request_.packageFolder;
  ctx.owner = control_;
  ctx.unattendedInstall = unattended_;
  ctx.setStatusText = [this](const std::string& text) {
    view_.lblAct = text;
    ViewChanged();
  };
  ctx.showMainWindowAndRefresh = hooks_.showMainWindowAndRefresh;
  ctx.unloadControlWindow = hooks_.unloadControlWindow;
  SaveRecording(ctx);
}

void Recorder::OnBlinkTick() {
  if (!timer1_->Enabled()) return;
  view_.lblCaptionVisible = !view_.lblCaptionVisible;
  ViewChanged();
}

std::string Recorder::HoverText(RecorderControl control, const std::string& tooltip) const {
  const bool editOrNoFilter = LastWindowIsEdit() || !view_.filterChecked;
  switch (control) {
    case RecorderControl::Filter:
      return view_.filterChecked && !LastWindowIsEdit() ? Text(kTextNotTextField) : std::string();
    case RecorderControl::Play:
      return editOrNoFilter ? Text(kTextContinueWithChanges) : Text(kTextContinueUnchanged);
    case RecorderControl::Text1:
      return editOrNoFilter ? Text(kTextContinueWithChanges) : Text(kTextClearFilter);
    default:
      return tooltip;
  }
}

}  // namespace velgaro
