#include "engine/Player.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "engine/CoveredWindow.h"
#include "engine/InstallerCommand.h"
#include "engine/InstallerTree.h"
#include "engine/LooseCaption.h"
#include "engine/PackageFault.h"
#include "engine/PlayerTexts.h"
#include "engine/RunDeadline.h"
#include "engine/RunExitCode.h"
#include "engine/RunReport.h"

namespace velgaro {
namespace {

constexpr int kSlowSearchInterval = 500;
constexpr int kWaitInterval = 500;
constexpr int kExitInterval = 100;
constexpr int kMissesBeforeSlowSearch = 10;
constexpr int kForegroundAttempts = 3;
constexpr int kPauseAfterAction = 3;
constexpr int kPauseAfterAttempts = 13;
constexpr int kDefaultSpeedIndex = 2;
// A window that has not taken its text in this time is taken as hung: the presses after it go on.
constexpr std::int64_t kTextSettleLimitMs = 10000;
const char kCrLf[] = "\r\n";

// A number at the start of the text, as the settings store keeps it; nullopt when there is none.
std::optional<long> LeadingNumber(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const long value = std::strtol(begin, &end, 10);
  if (end == begin) return std::nullopt;
  return value;
}

}  // namespace

int SpeedInterval(int speedIndex) {
  switch (speedIndex) {
    case 0: return 100;
    case 1: return 250;
    case 2: return 500;
    default: return 0;
  }
}

// Where the current package is: which timer drives it and which buttons may act on it.
enum class Stage { Idle, Stepping, Waiting, Closed, Over };

struct Player::Impl {
  Impl(PlayerDeps d, RunState r, PlayerHooks h, WindowHandle control)
      : deps(d), run(r), hooks(std::move(h)), package(d.packageText), matcher(d.windows, control), controlWindow(control) {}

  PlayerDeps deps;
  RunState run;
  PlayerHooks hooks;
  PackageImage package;   // the package being played, with its own read position
  WindowMatcher matcher;
  WindowHandle controlWindow;
  std::unique_ptr<InputInjector> injector;
  std::unique_ptr<CoveredWindowRemedy> remedy;
  RunDeadline deadline{run.DeadlineSeconds};
  // The installer this player started itself: only that one (and what it started) may be ended at a
  // deadline. An id kept from an earlier run may by now belong to an unrelated program.
  std::int32_t launchedInstaller = 0;
  // The installer of the current package (0: it started none): its windows are the ones to press.
  std::int32_t packageInstaller = 0;
  // When the current action's window began to be sought: a caption that differs only in its numbers
  // is accepted after a while, not at once.
  std::int64_t soughtSince = 0;
  // Captions the current package took for recorded ones, and the numbers they showed replaced.
  std::vector<CaptionTaken> captionsTaken;
  NumberSubstitutions learnedNumbers;

  // The text the last action gave its window, while that window's handler has not returned. A press
  // in the same top-level window waits for it (the press could overtake the text); a press anywhere
  // else goes on at once: it may be the very box that the handler shows and waits on.
  std::shared_ptr<const TextDelivery> textUnderWay;
  WindowHandle textRoot = 0;
  std::int64_t textSentAt = 0;

  Stage stage = Stage::Idle;
  ProcessHandle installerProcess = 0;
  int foregroundTries = 0;
  int foregroundPause = 0;
  bool busy = false;           // a step tick is replaying an action
  bool pressedSinceLastTick = false;  // a lent top-most state is due back on the next step tick
  bool paused = false;
  bool pendingUnload = false;  // the run ended inside a step tick: unload once it has returned
  unsigned packageSerial = 0;  // changes whenever the current package is closed or replaced
  std::size_t runPosition = 0; // entry of RunList being played; 0 before the first
  int exitCode = kExitInstalled;
};

Player::Player(PlayerDeps deps, RunState run, PlayerHooks hooks, WindowHandle controlWindow)
    : impl_(std::make_unique<Impl>(deps, run, std::move(hooks), controlWindow)) {
  impl_->injector = std::make_unique<InputInjector>(deps.windows, deps.input, deps.pump, impl_->matcher, ScreenSize{});
  impl_->remedy = std::make_unique<CoveredWindowRemedy>(deps.windows, impl_->matcher, ScreenSize{});
  tmrDo_ = deps.timers.CreateTimer([this] { OnDoTick(); });
  tmrWait_ = deps.timers.CreateTimer([this] { OnWaitTick(); });
  tmrExit_ = deps.timers.CreateTimer([this] { OnExitTick(); });
  tmrWait_->SetInterval(kWaitInterval);
  tmrExit_->SetInterval(kExitInterval);
  if (run.InstallerProcessId) installerProcessId_ = *run.InstallerProcessId;
}

Player::~Player() {
  // The timers go first (they are declared after impl_), so no tick can arrive while the handle closes.
  tmrDo_.reset();
  tmrWait_.reset();
  tmrExit_.reset();
  CloseInstallerProcess();
}

void Player::Load() {
  SetControlTopMost(true);
  fastPolling_ = false;
  impl_->deps.stats.ResetStats();
  const ScreenSize screen{impl_->deps.sys.ScreenWidth(), impl_->deps.sys.ScreenHeight()};
  impl_->injector = std::make_unique<InputInjector>(impl_->deps.windows, impl_->deps.input, impl_->deps.pump,
                                                    impl_->matcher, screen);
  impl_->remedy = std::make_unique<CoveredWindowRemedy>(impl_->deps.windows, impl_->matcher, screen);
  ReadGlobalSpeed();
  Play();
}

void Player::ReadGlobalSpeed() {
  const std::optional<long> speed = LeadingNumber(impl_->deps.settings.Get("Install", "Speed", "2"));
  if (speed && *speed >= 0 && *speed <= 2) {
    stepInterval_ = SpeedInterval(static_cast<int>(*speed));
    minInterval_ = stepInterval_;
  } else {
    minInterval_ = stepInterval_;
  }
}

void Player::Play() {
  RunState& run = impl_->run;
  const std::size_t last = run.RunList.empty() ? 0 : run.RunList.size() - 1;
  view_.imgPlayVisible = false;
  view_.imgPauseVisible = true;
  view_.lblCaptionVisible = true;
  view_.lblCaption = FileTitle(run.CurrentPackagePath);
  view_.lblKolvoProg = "1/" + std::to_string(last);
  view_.lblAct = Text(kTextReadingFile) + kCrLf + run.CurrentPackagePath;
  run.CurrentPackagePath.clear();
  impl_->runPosition = 0;
  tmrExit_->SetEnabled(true);
  ViewChanged();
}

void Player::OnExitTick() {
  if (impl_->stage == Stage::Over) return;
  tmrExit_->SetEnabled(false);
  impl_->remedy->ReturnTopMost();
  RunState& run = impl_->run;
  const std::vector<std::string>& list = run.RunList;
  // The run goes by position, not by looking the current path up: a path listed twice would otherwise
  // end the run early or play the same stretch of the list forever.
  const std::size_t last = list.empty() ? 0 : list.size() - 1;
  if (impl_->runPosition >= last) {
    EndRun();
    return;
  }
  SetControlTopMost(true);
  const std::size_t i = ++impl_->runPosition;
  run.CurrentPackagePath = list[i];
  view_.lblKolvoProg = std::to_string(i) + "/" + std::to_string(last);
  const std::string title = FileTitle(run.CurrentPackagePath);
  impl_->deps.stats.BeginStat(title, impl_->deps.clock.Now());
  view_.lblAct = Text(kTextReadingFile) + kCrLf + run.CurrentPackagePath;
  view_.lblCaption = title;
  impl_->paused = false;
  StartPackageFile(run.CurrentPackagePath);
  SetLocalSpeed();
  ViewChanged();
}

void Player::StartPackageFile(const std::string& path) {
  PlayerDeps& d = impl_->deps;
  PackageImage& package = impl_->package;
  ++impl_->packageSerial;
  impl_->stage = Stage::Idle;
  // A text left over from a skipped package must not be typed into the next package's windows, nor
  // hold up their presses.
  package.action.actionText.clear();
  impl_->textUnderWay.reset();
  impl_->packageInstaller = 0;
  impl_->captionsTaken.clear();
  impl_->learnedNumbers.Clear();
  if (const std::optional<std::string> fault = PackageFault(d.fs, package, d.language, path)) {
    FailPackage(*fault);
    return;
  }
  const std::string installer = d.paths.ExpandPathVariables(package.ReadExePath(), d.fs);
  if (!FileExists(d.fs, installer)) {
    FailPackage(Text(kTextInstallerMissing) + " " + installer);
    return;
  }
  impl_->run.CurrentCommandLine = package.ReadCommandLine();
  const bool started = LaunchInstaller(installer, impl_->run.CurrentCommandLine);
  if (installer != "-" && !started) {
    FailPackage(Text(kTextCannotStart) + " " + installer);
    return;
  }
  package.RewindActions();
  impl_->stage = Stage::Stepping;
  NextDo();
}

bool Player::LaunchInstaller(const std::string& installerPath, const std::string& commandLine) {
  if (installerPath.empty()) return false;
  const std::optional<std::string> command = InstallerCommandLine(installerPath, commandLine, impl_->deps.registry);
  if (!command) return false;
  const std::optional<std::int32_t> id = impl_->deps.processes.Start(*command);
  if (!id) return false;
  installerProcessId_ = *id;
  impl_->launchedInstaller = *id;
  impl_->packageInstaller = *id;
  if (impl_->run.InstallerProcessId) *impl_->run.InstallerProcessId = *id;
  return *id >= 1;
}

void Player::NextDo() {
  PackageImage& package = impl_->package;
  if (package.ReadNextAction()) {
    impl_->stage = Stage::Stepping;
    impl_->deadline.Restart(impl_->deps.timers.ElapsedMs());
    impl_->soughtSince = impl_->deps.timers.ElapsedMs();
    // A pause pressed while the previous action was replayed stays in force.
    if (!impl_->paused) tmrDo_->SetEnabled(true);
    return;
  }
  tmrDo_->SetEnabled(false);
  if (package.Damaged()) {
    const std::string& path = impl_->run.CurrentPackagePath;
    FailPackage(impl_->deps.language.LangTextParam(StelsDefault(kTextPackageDamaged) + path, kStelsSection,
                                                   kTextPackageDamaged, path));
    return;
  }
  if (!package.options.needWait) {
    tmrExit_->SetEnabled(true);
    ClosePackage(kInstalled, Text(kTextDone));
    return;
  }
  CloseInstallerProcess();
  impl_->installerProcess = impl_->deps.processes.OpenForWait(installerProcessId_);
  impl_->stage = Stage::Waiting;
  impl_->deadline.Restart(impl_->deps.timers.ElapsedMs());
  tmrWait_->SetEnabled(true);
}

void Player::SetLocalSpeed() {
  const int local = SpeedInterval(impl_->package.options.localSpeed);
  stepInterval_ = local < minInterval_ ? minInterval_ : local;
  // With neither a usable speed setting nor a package speed the step timer would never fire.
  if (stepInterval_ <= 0) stepInterval_ = SpeedInterval(kDefaultSpeedIndex);
  tmrDo_->SetInterval(stepInterval_);
}

void Player::OnDoTick() {
  Impl& m = *impl_;
  // Messages run while an action is replayed; a tick arriving then must not start the action again.
  if (m.busy || m.stage != Stage::Stepping) return;
  m.busy = true;
  // A top-most state lent for a press is given back a tick later, not at once: the installer takes the
  // injected input from its queue in its own time, and input it finds under another window goes there.
  if (m.pressedSinceLastTick) m.remedy->ReturnTopMost();
  m.pressedSinceLastTick = false;
  PackageImage& package = m.package;
  if (m.deadline.Passed(m.deps.timers.ElapsedMs())) {
    GiveUpPackage(WindowTimeoutDetails(m.deps.language, m.deadline.Seconds(), package.action.windowPath,
                                       VisibleTopLevelWindows(m.deps.windows, m.controlWindow)));
    FinishTick();
    return;
  }
  const InstallerTree installer(m.deps.windows, m.deps.processes, m.packageInstaller);
  MatchContext context;
  context.installer = &installer;
  context.looseCaptions = m.deps.timers.ElapsedMs() - m.soughtSince >= LooseCaptionDelayMs(m.run.DeadlineSeconds);
  context.learned = &m.learnedNumbers;
  const MatchResult match = m.matcher.FindRecordedWindow(package.action.windowPath, context);
  const WindowHandle window = match.window;
  if (window == 0) {
    if (fastPolling_ && ++missCount_ >= kMissesBeforeSlowSearch) {
      tmrDo_->SetInterval(kSlowSearchInterval);
      fastPolling_ = false;
    }
    view_.lblAct = Text(kTextSearchingWindow);
    FinishTick();
    return;
  }
  if (!fastPolling_) {
    fastPolling_ = true;
    tmrDo_->SetInterval(stepInterval_);
  }
  missCount_ = 0;
  if (TextStillArriving(window)) {
    view_.lblAct = Text(kTextWaitingInstall);
    FinishTick();
    return;
  }

  // A copy: a button or timer handled during the replay may load another action into the package.
  const std::vector<MouseStep> steps = package.action.steps;
  const unsigned serial = m.packageSerial;
  const bool delivered = m.injector->PlayMouseSteps(window, steps);
  if (serial != m.packageSerial || m.stage != Stage::Stepping) {
    FinishTick();   // skipped or stopped meanwhile: this action belongs to a closed package
    return;
  }
  if (delivered) {
    m.pressedSinceLastTick = true;
    NoteCaptionsTaken(match.captionsTaken);
    std::string& text = package.action.actionText;
    if (!text.empty() && text != std::string(1, '\0')) {
      m.textUnderWay = m.injector->PutWindowText(window, text);
      m.textRoot = m.deps.windows.GetRootWindow(window);
      m.textSentAt = m.deps.timers.ElapsedMs();
      text.clear();
    }
    tmrDo_->SetEnabled(false);
    NextDo();
    m.foregroundPause = kPauseAfterAction;
    m.foregroundTries = 0;
    view_.lblAct = Text(kTextWaitingInstall);
  } else {
    view_.lblAct = Text(kTextWindowCovered);
    if (m.foregroundPause == 0 && m.foregroundTries < kForegroundAttempts) {
      ++m.foregroundTries;
      m.remedy->Attempt(window, FirstPressPoint(steps));
    } else if (m.foregroundPause <= 0) {
      m.foregroundPause = kPauseAfterAttempts;
      m.foregroundTries = 0;
    } else {
      --m.foregroundPause;
    }
  }
  FinishTick();
}

bool Player::TextStillArriving(WindowHandle window) {
  Impl& m = *impl_;
  if (!m.textUnderWay) return false;
  if (m.textUnderWay->Returned() || m.deps.timers.ElapsedMs() - m.textSentAt >= kTextSettleLimitMs) {
    m.textUnderWay.reset();
    return false;
  }
  return m.deps.windows.GetRootWindow(window) == m.textRoot;
}

void Player::OnWaitTick() {
  Impl& m = *impl_;
  if (m.stage != Stage::Waiting) return;
  m.remedy->ReturnTopMost();
  view_.lblAct = Text(kTextWaitingProgram);
  if (m.deps.processes.WaitZero(m.installerProcess) < 1) {
    tmrWait_->SetEnabled(false);
    tmrDo_->SetEnabled(false);
    CloseInstallerProcess();
    tmrExit_->SetEnabled(true);
    ClosePackage(kInstalled, Text(kTextDone));
  } else if (m.deadline.Passed(m.deps.timers.ElapsedMs())) {
    GiveUpPackage(InstallerTimeoutDetails(m.deps.language, m.deadline.Seconds()));
  }
  ViewChanged();
}

void Player::PausePlay() {
  if (impl_->stage == Stage::Over) return;
  tmrDo_->SetEnabled(false);
  impl_->paused = true;
  view_.lblCaption = Text(kTextPause);
  view_.lblCaptionVisible = true;
  view_.lblAct = Text(kTextActYourself);
  view_.imgPauseVisible = false;
  view_.imgPlayVisible = true;
  ViewChanged();
}

void Player::PlayAfterPause() {
  if (impl_->stage == Stage::Over) return;
  impl_->paused = false;
  impl_->deadline.Restart(impl_->deps.timers.ElapsedMs());   // the time paused does not count
  impl_->soughtSince = impl_->deps.timers.ElapsedMs();
  // Only an armed action resumes: while waiting or between packages there is nothing to replay.
  if (impl_->stage == Stage::Stepping) tmrDo_->SetEnabled(true);
  const RunState& run = impl_->run;
  view_.lblCaption = FileTitle(run.CurrentPackagePath);
  const std::size_t last = run.RunList.empty() ? 0 : run.RunList.size() - 1;
  const std::size_t i = impl_->runPosition;
  if (i >= 1 && i < last) view_.lblKolvoProg = std::to_string(i) + "/" + std::to_string(last);
  view_.imgPlayVisible = false;
  view_.imgPauseVisible = true;
  ViewChanged();
}

void Player::SkipPackage() {
  if (impl_->stage == Stage::Over) return;
  view_.lblAct = Text(kTextNextInstall);
  view_.imgPlayVisible = false;
  view_.imgPauseVisible = true;
  impl_->paused = false;
  tmrDo_->SetEnabled(false);
  tmrWait_->SetEnabled(false);
  CloseInstallerProcess();   // the installer keeps running; only our handle goes
  tmrExit_->SetEnabled(true);
  ClosePackage(kInterrupted, Text(kTextInterrupted));
  ViewChanged();
}

void Player::StopRun() {
  Impl& m = *impl_;
  if (m.stage == Stage::Over) return;
  tmrDo_->SetEnabled(false);
  tmrWait_->SetEnabled(false);
  tmrExit_->SetEnabled(false);   // no next package may start after stop
  CloseInstallerProcess();
  m.remedy->ReturnTopMost();
  if (m.hooks.hideControlWindow) m.hooks.hideControlWindow();
  const bool closedNow = m.deps.stats.EndStat(kInterrupted, WithCaptionsTaken(kInterrupted, Text(kTextStopPressed)),
                                               m.deps.clock.Now(), m.captionsTaken);
  const bool packagesLeft = m.runPosition + 1 < m.run.RunList.size();
  if (closedNow || packagesLeft) m.exitCode = WorseExitCode(m.exitCode, kExitInterrupted);
  ++m.packageSerial;
  m.stage = Stage::Over;
  WriteReport();
  if (!m.run.NoStatistics && m.hooks.showStatistics) m.hooks.showStatistics();
  if (!m.run.UnattendedInstall && m.hooks.showMainWindow) m.hooks.showMainWindow(true);
  Unload();
}

int Player::ExitCode() const { return impl_->exitCode; }

void Player::ClosePackage(std::uint8_t status, const std::string& details) {
  Impl& m = *impl_;
  if (m.deps.stats.EndStat(status, WithCaptionsTaken(status, details), m.deps.clock.Now(), m.captionsTaken)) {
    m.exitCode = WorseExitCode(m.exitCode, PackageExitCode(status, m.package.options.createReboot));
  }
  ++m.packageSerial;
  m.stage = Stage::Closed;
}

void Player::NoteCaptionsTaken(const std::vector<CaptionTaken>& taken) {
  Impl& m = *impl_;
  for (const CaptionTaken& pair : taken) {
    if (std::find(m.captionsTaken.begin(), m.captionsTaken.end(), pair) == m.captionsTaken.end()) {
      m.captionsTaken.push_back(pair);
    }
    m.learnedNumbers.Learn(pair);
  }
}

std::string Player::WithCaptionsTaken(std::uint8_t status, const std::string& details) const {
  const std::vector<CaptionTaken>& taken = impl_->captionsTaken;
  if (taken.empty()) return details;
  std::string list;
  for (const CaptionTaken& pair : taken) {
    if (!list.empty()) list += "; ";
    list += "\"" + pair.taken + "\" " + Text(kTextTakenFor) + " \"" + pair.recorded + "\"";
  }
  const std::string remark = impl_->deps.language.LangTextParam(StelsDefault(kTextCaptionsTaken) + list, kStelsSection,
                                                                kTextCaptionsTaken, list);
  // An installed package needs no other word: the remark says what an administrator should look at.
  if (status == kInstalled) return remark;
  return details + ". " + remark;
}

void Player::FailPackage(const std::string& details) {
  tmrDo_->SetEnabled(false);
  tmrExit_->SetEnabled(true);
  ClosePackage(kNotInstalled, details);
}

void Player::GiveUpPackage(const std::string& details) {
  Impl& m = *impl_;
  tmrDo_->SetEnabled(false);
  tmrWait_->SetEnabled(false);
  CloseInstallerProcess();
  if (installerProcessId_ > 0 && installerProcessId_ == m.launchedInstaller) {
    m.deps.processes.EndTree(installerProcessId_);
  }
  m.remedy->ReturnTopMost();
  tmrExit_->SetEnabled(true);
  ClosePackage(kNotInstalled, details);
}

void Player::WriteReport() {
  const Impl& m = *impl_;
  if (m.run.ReportPath.empty()) return;
  // A report that cannot be written is told to the deployment log; the exit code stays the run's.
  DeliverRunReport(m.deps.fs, m.run.Log, m.run.ReportPath, m.deps.stats.Rows(), m.exitCode);
}

void Player::EndRun() {
  Impl& m = *impl_;
  m.stage = Stage::Over;
  ++m.packageSerial;
  tmrDo_->SetEnabled(false);
  tmrWait_->SetEnabled(false);
  tmrExit_->SetEnabled(false);
  CloseInstallerProcess();
  WriteReport();
  if (!m.run.UnattendedInstall && m.hooks.showMainWindow) m.hooks.showMainWindow(false);
  if (m.hooks.hideControlWindow) m.hooks.hideControlWindow();
  if (!m.run.NoStatistics && m.hooks.showStatistics) m.hooks.showStatistics();
  Unload();
}

void Player::Unload() {
  if (impl_->busy) {
    impl_->pendingUnload = true;
    return;
  }
  // The hook may destroy this player (its own copy is called): nothing may touch it afterwards.
  const std::function<void()> unload = impl_->hooks.unloadControlWindow;
  if (unload) unload();
}

void Player::FinishTick() {
  impl_->busy = false;
  ViewChanged();
  if (impl_->pendingUnload) {
    impl_->pendingUnload = false;
    Unload();
  }
}

void Player::SetControlTopMost(bool topMost) {
  if (impl_->hooks.setTopMost) {
    impl_->hooks.setTopMost(topMost);
  } else if (impl_->controlWindow != 0) {
    impl_->deps.windows.SetTopMost(impl_->controlWindow, topMost);
  }
}

void Player::CloseInstallerProcess() {
  if (impl_->installerProcess != 0) {
    impl_->deps.processes.Close(impl_->installerProcess);
    impl_->installerProcess = 0;
  }
}

void Player::ViewChanged() {
  if (impl_->hooks.viewChanged) impl_->hooks.viewChanged();
}

std::string Player::Text(int key) const {
  const auto k = static_cast<StelsKey>(key);
  return impl_->deps.language.LangText(StelsDefault(k), kStelsSection, key);
}

}  // namespace velgaro
