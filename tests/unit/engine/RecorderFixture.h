// A recorder on the simulated desktop: the hook's events captured as the real hook captures them and
// worked through afterwards, and the saved package read back.
#pragma once

#include "PlayerFixture.h"

#include "engine/Recorder.h"

namespace velgaro {

class RecorderTest : public PlayerTest {
 protected:
  RecorderTest() {
    request.installerPath = kSetup;
    request.packageName = "Recorded";
    request.description = "записанный пакет";
    request.packageFolder = "C:\\Packages";
    request.options.needWait = false;
  }

  void MakeRecorder() {
    RecorderHooks hooks;
    hooks.installHook = [this] {
      calls.push_back("hook");
      return hookWorks;
    };
    hooks.removeHook = [this] { calls.push_back("unhook"); };
    hooks.enablePrivilege = [this] {
      calls.push_back("privilege");
      return true;
    };
    hooks.showPauseTip = [this] { calls.push_back("pause tip"); };
    hooks.showMainWindowAndRefresh = [this] { calls.push_back("main"); };
    hooks.unloadControlWindow = [this] { calls.push_back("unload"); };
    recorder = std::make_unique<Recorder>(
        RecorderDeps{{desktop, desktop, processes, fs, registry, settings, clock, timers, pump, language, paths,
                      packageText, sys},
                     dialogs},
        request, false, hooks, control);
  }
  void StartRecording() {
    MakeRecorder();
    recorder->Load();
  }

  // A recording of a one-page installer, its button clicked, then paused; pauseTip: the stored setting
  // ("1": the user declined the tip).
  void PauseAfterAButton(const std::string& pauseTip) {
    Installer({{"Page", {}}});
    settings.Set("View", "PauseTip", pauseTip);
    StartRecording();
    UserClick(NextButton());
    recorder->Pause();
  }

  // The hook sees an event before the window under the pointer does; the recorder works through it
  // afterwards, from its queue.
  void Hook(std::uint32_t message, Point at) { queue.push_back(CaptureMouseEvent(desktop, recorder->Matcher(), message, at)); }
  void Drain() {
    for (const CapturedMouseEvent& e : queue) recorder->OnMouseEvent(e);
    queue.clear();
  }
  // A left click of the user at a screen point.
  void UserClick(Point at, std::uint32_t down = kWmLButtonDown, std::uint32_t up = kWmLButtonUp) {
    desktop.SetCursorPos(at.x, at.y);
    Hook(down, at);
    desktop.MouseEvent(down == kWmLButtonDown ? kMouseLeftDown : kMouseRightDown, 0, 0);
    Hook(up, at);
    desktop.MouseEvent(up == kWmLButtonUp ? kMouseLeftUp : kMouseRightUp, 0, 0);
    Drain();
  }
  Point NextButton() const {
    return Point{SimInstaller::kPageRect.left + SimInstaller::kButtonClient.left + 5,
                 SimInstaller::kPageRect.top + SimInstaller::kButtonClient.top + 5};
  }
  Point Field(int i) const {
    return Point{SimInstaller::kPageRect.left + SimInstaller::kFieldLeft + 3,
                 SimInstaller::kPageRect.top + SimInstaller::kFieldTop + i * SimInstaller::kFieldPitch + 3};
  }
  // Loads the saved package and returns its actions.
  std::vector<PackageAction> SavedActions(const std::string& path = "C:\\Packages\\Recorded.VGP") {
    std::optional<PackageImage> saved = test::ReadTestPackage(fs, codepage, path);
    EXPECT_TRUE(saved) << path;
    std::vector<PackageAction> actions;
    while (saved && saved->ReadNextAction()) actions.push_back(saved->action);
    return actions;
  }

  // The hook is in place: installed (and working) more recently than removed.
  bool HookInstalled() const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
      if (*it == "hook") return hookWorks;
      if (*it == "unhook") return false;
    }
    return false;
  }

  NewPackageRequest request;
  bool hookWorks = true;
  std::unique_ptr<Recorder> recorder;
  std::vector<CapturedMouseEvent> queue;
};

}  // namespace velgaro
