// The play mode of the control window: plays RunList package by package on three timers
// (tmrDo one attempt per tick, tmrWait the wait for the installer, tmrExit the move to the next package).
// The core decides everything; the control window's view shows PlayerView and forwards button clicks.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/ControlPorts.h"
#include "engine/InputInjection.h"
#include "engine/Statistics.h"
#include "engine/WindowMatching.h"
#include "lang/Language.h"
#include "package/PackageImage.h"
#include "package/paths/PathVariables.h"
#include "platform/Ports.h"

namespace velgaro {

// Speed index to step interval: 0 -> 100 ms, 1 -> 250 ms, 2 -> 500 ms, other -> 0.
int SpeedInterval(int speedIndex);

// What the control window shows in play mode.
struct PlayerView {
  std::string lblAct;
  std::string lblCaption;
  std::string lblKolvoProg;
  bool lblCaptionVisible = true;
  bool imgPlayVisible = false;
  bool imgPauseVisible = true;
};

// What the player asks of the windows around it. Empty functions do nothing.
struct PlayerHooks {
  std::function<void()> viewChanged;          // PlayerView changed: repaint
  std::function<void(bool)> setTopMost;       // the control window in or out of the top-most band
  std::function<void()> hideControlWindow;
  // The main window back: after a stop its list is read again, at the end of a run it keeps its rows.
  std::function<void(bool refreshList)> showMainWindow;
  std::function<void()> showStatistics;       // modal; returns when the statistics window closes
  std::function<void()> unloadControlWindow;  // the run is over
};

struct PlayerDeps : ControlPorts {
  Statistics& stats;
};

// The process-wide run state that the player reads and updates (lives in App).
struct RunState {
  std::vector<std::string>& RunList;   // entry 0 empty
  std::string& CurrentPackagePath;
  std::string& CurrentCommandLine;
  bool UnattendedInstall;
  bool NoStatistics;
  // The id of the last installer launched in the process, for a package without installer that waits;
  // null: the player keeps it for its own run only.
  std::int32_t* InstallerProcessId = nullptr;
  // /TIMEOUT: seconds an action's window or the installer may keep the run waiting; 0 waits for ever.
  int DeadlineSeconds = 0;
  // /REPORT: where the run's statistics go as JSON at its end; empty for none.
  std::string ReportPath;
  // Where a report that cannot be written is told; null: nowhere.
  DeploymentLog* Log = nullptr;
};

class Player {
 public:
  Player(PlayerDeps deps, RunState run, PlayerHooks hooks, WindowHandle controlWindow);
  ~Player();

  // Loading the control window in play mode: reads the global speed, then Play.
  void Load();
  void Play();
  void StartPackageFile(const std::string& path);
  bool LaunchInstaller(const std::string& installerPath, const std::string& commandLine);
  void NextDo();
  void SetLocalSpeed();

  void OnDoTick();
  void OnWaitTick();
  void OnExitTick();

  // Buttons.
  void PausePlay();        // imgPause
  void PlayAfterPause();   // imgPlay
  void SkipPackage();      // imgPlayNext
  void StopRun();          // imgStop

  const PlayerView& View() const { return view_; }
  // The exit code of an unattended run, in Windows Installer's codes: 0 installed, 3010 installed and a
  // restart is asked for, 1602 interrupted, 1603 not installed (the worst package of the run decides).
  int ExitCode() const;

  // State visible to tests.
  int StepInterval() const { return stepInterval_; }
  int MinInterval() const { return minInterval_; }
  bool FastPolling() const { return fastPolling_; }
  int MissCount() const { return missCount_; }
  Timer& DoTimer() { return *tmrDo_; }
  Timer& WaitTimer() { return *tmrWait_; }
  Timer& ExitTimer() { return *tmrExit_; }
  std::int32_t InstallerProcessId() const { return installerProcessId_; }

 private:
  void ReadGlobalSpeed();
  void ClosePackage(std::uint8_t status, const std::string& details);   // the statistics row and the exit code
  void FailPackage(const std::string& details);                         // closed as not installed
  // The captions an action's window was found by, kept for the package's statistics row.
  void NoteCaptionsTaken(const std::vector<CaptionTaken>& taken);
  // The closing message, with the captions taken for recorded ones named when there were any.
  std::string WithCaptionsTaken(std::uint8_t status, const std::string& details) const;
  // The deadline passed: the installer and what it started are ended, the package is not installed.
  void GiveUpPackage(const std::string& details);
  void WriteReport();
  void EndRun();
  void Unload();
  void FinishTick();
  void SetControlTopMost(bool topMost);
  // The text given by the last action is still on its way to a window of the same top-level window.
  bool TextStillArriving(WindowHandle window);
  void CloseInstallerProcess();
  void ViewChanged();
  std::string Text(int key) const;

  struct Impl;
  std::unique_ptr<Impl> impl_;
  PlayerView view_;
  int stepInterval_ = 0;
  int minInterval_ = 0;
  bool fastPolling_ = false;
  int missCount_ = 0;
  std::unique_ptr<Timer> tmrDo_, tmrWait_, tmrExit_;
  std::int32_t installerProcessId_ = 0;
};

}  // namespace velgaro
