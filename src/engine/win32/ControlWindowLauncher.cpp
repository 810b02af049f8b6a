#include "engine/win32/ControlWindowLauncher.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "engine/DeploymentStart.h"
#include "engine/Player.h"
#include "engine/RunExitCode.h"
#include "engine/Statistics.h"
#include "engine/win32/FrmStat.h"
#include "engine/win32/FrmStels.h"
#include "engine/win32/ControlSession.h"
#include "platform/win32/Win32DeploymentLog.h"

namespace velgaro {
namespace {

// One opening of the control window in play mode, alive until the run unloads the window.
class PlaySession final : public ControlSession {
 public:
  PlaySession(App& app, PlayRun run) : app_(app), run_(std::move(run)) {}

  bool Open() override;
  int ExitCode() const override { return player_ ? player_->ExitCode() : kExitNotInstalled; }
  bool Unattended() const override { return app_.UnattendedInstall; }

 private:
  stels::ControlWindowTips Tips() const;
  PlayerHooks Hooks();
  void ShowStatistics();

  App& app_;
  PlayRun run_;   // the player goes through it and keeps its current package there
  ControlAdapters adapters_;
  Statistics stats_;
  std::unique_ptr<stels::FrmStels> window_;
  std::unique_ptr<Player> player_;   // declared last: it goes first, while the window still exists
};

// The last installer launched in this process, across runs (a package without installer waits for it).
std::int32_t& LastInstallerProcessId() {
  static std::int32_t id = 0;
  return id;
}

DeploymentLog& TheDeploymentLog() {
  static win32::Win32DeploymentLog log;
  return log;
}

stels::ControlWindowTips PlaySession::Tips() const { return ControlTips(app_.language); }

PlayerHooks PlaySession::Hooks() {
  PlayerHooks hooks;
  hooks.viewChanged = [this] {
    if (player_) window_->SetView(player_->View());
  };
  hooks.setTopMost = [this](bool topMost) {
    if (topMost) {
      window_->ShowTopMost();
    } else {
      adapters_.windows.SetTopMost(reinterpret_cast<WindowHandle>(window_->Handle()), false);
    }
  };
  hooks.hideControlWindow = [this] { window_->Hide(); };
  hooks.showMainWindow = [this](bool refreshList) {
    if (app_.windows.showMainWindow) app_.windows.showMainWindow(refreshList);
  };
  hooks.showStatistics = [this] { ShowStatistics(); };
  hooks.unloadControlWindow = [this] {
    window_->Hide();
    window_->RequestUnload();
  };
  return hooks;
}

void PlaySession::ShowStatistics() {
  stat::FrmStat statWindow(app_.language, stats_, app_.UnattendedInstall,
                           [this] { PostQuitMessage(ExitCode()); });
  statWindow.ShowModal(window_->Handle());
}

bool PlaySession::Open() {
  stels::ControlWindowEvents events;
  events.pause = [this] { player_->PausePlay(); };
  events.play = [this] { player_->PlayAfterPause(); };
  events.playNext = [this] { player_->SkipPackage(); };
  events.stop = [this] { player_->StopRun(); };
  events.unload = &EndControlSession;
  window_ = std::make_unique<stels::FrmStels>(std::move(events), Tips());
  if (!window_->Create()) return false;

  const PlayerDeps deps{adapters_.PortsFor(app_), stats_};
  RunState run{run_.RunList,      run_.CurrentPackagePath,  app_.CurrentCommandLine, app_.UnattendedInstall,
               app_.NoStatistics, &LastInstallerProcessId(), app_.DeadlineSeconds,     app_.ReportPath,
               &TheDeploymentLog()};
  player_ = std::make_unique<Player>(deps, run, Hooks(), reinterpret_cast<WindowHandle>(window_->Handle()));
  window_->SetView(player_->View());
  player_->Load();
  return true;
}

}  // namespace

std::unique_ptr<ControlSession>& CurrentControlSession() {
  static std::unique_ptr<ControlSession> session;
  return session;
}

void EndControlSession() {
  std::unique_ptr<ControlSession>& session = CurrentControlSession();
  if (!session) return;
  const int exitCode = session->ExitCode();
  const bool unattended = session->Unattended();
  session.reset();
  if (unattended) PostQuitMessage(exitCode);
}

stels::ControlWindowTips ControlTips(const Language& lang) {
  stels::ControlWindowTips tips;
  tips.play = lang.LangText("Продолжить установку", "Stels", 11);
  tips.pause = lang.LangText("Режим Паузы", "Stels", 12);
  tips.playNext = lang.LangText("Перейти к установке следующего пакета", "Stels", 13);
  tips.stop = lang.LangText("Остановить Запись/Воспроизведение", "Stels", 14);
  return tips;
}

namespace {

// The session becomes the open one, unless one is open already.
void StartControlSession(App& app, std::unique_ptr<ControlSession> made) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  std::unique_ptr<ControlSession>& session = CurrentControlSession();
  if (session) return;  // one control window at a time
  session = std::move(made);
  if (!session->Open()) {
    // Without its window nothing can be played or recorded.
    const bool unattended = app.UnattendedInstall;
    session.reset();
    if (unattended) {
      PostQuitMessage(kExitNotInstalled);
    } else if (app.windows.showMainWindow) {
      app.windows.showMainWindow(false);
    }
  }
}

}  // namespace

void OpenControlWindow(App& app, const PlayRun& run) {
  if (CurrentControlSession()) return;
  // A deployment run whose package cannot be played ends here, before a window shows.
  if (const std::optional<int> refused = RefuseUnplayableDeployment(app, run, win32::Win32Clock(), &TheDeploymentLog())) {
    PostQuitMessage(*refused);
    return;
  }
  StartControlSession(app, std::make_unique<PlaySession>(app, run));
}

void OpenRecordWindow(App& app, const NewPackageRequest& request) {
  StartControlSession(app, MakeRecordSession(app, request));
}

}  // namespace velgaro
