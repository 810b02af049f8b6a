// A player on the simulated desktop: packages written with PackageImage into the simulated file system,
// an installer scripted as dialog pages, time moved by the test, and the windows layer's hooks logged.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/SimApp.h"
#include "common/TestPackage.h"
#include "engine/Player.h"
#include "platform/sim/SimDeploymentLog.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimInstaller.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro {

struct TestAction {
  WindowPath path;
  std::vector<MouseStep> steps;
  std::string text;
};

struct TestPackage {
  std::string installer = "C:\\Setup\\setup.exe";
  std::string commandLine;
  std::vector<TestAction> actions;
  bool needWait = false;
  bool createReboot = false;
  std::int32_t localSpeed = 0;
  std::int16_t versionMajor = kProgramVersionMajor;
};

// A left click at a point of the window's client area, released where it was pressed.
inline std::vector<MouseStep> ClickAt(std::int32_t x, std::int32_t y) {
  return {{kButtonLeft, kStepPress, x, y}, {kButtonLeft, kStepRelease, 0, 0}};
}

// The next button of an installer page.
inline TestAction ClickNext(const std::string& pageCaption) {
  return TestAction{{{"#32770", pageCaption, 1}, {"Button", "Next >", 1}}, ClickAt(5, 5), ""};
}

// A click into the n-th empty edit field of a page, followed by its text.
inline TestAction TypeInto(const std::string& pageCaption, std::int32_t n, const std::string& text) {
  return TestAction{{{"#32770", pageCaption, 1}, {"Edit", "", n}}, ClickAt(3, 3), text};
}

// The simulated machine's ports come from SimApp (its App serves the tests of the deployment start).
class PlayerTest : public ::testing::Test, public test::SimApp {
 protected:
  static constexpr const char* kFolder = "C:\\Packages\\";
  static constexpr Rect kControlRect{271, 13, 752, 56};

  PlayerTest() {
    fs.AddFolder("C:\\Packages");
    fs.AddFile(kSetup, "MZ");
    settings.Set("Install", "Speed", "0");
    control = desktop.Create(SimWindowSpec{"ThunderRT6FormDC", "Velgaro", 0, 0, kControlRect, true, false});
    test::SetKnownPathVariables(paths);
  }

  // Writes a package file as the recorder would; returns its path.
  std::string WritePackage(const std::string& name, const TestPackage& spec) {
    test::TestPackageSpec file;
    file.installer = spec.installer;
    file.commandLine = spec.commandLine;
    for (const TestAction& a : spec.actions) file.actions.push_back(PackageAction{a.path, a.steps, a.text});
    file.options.needWait = spec.needWait;
    file.options.createReboot = spec.createReboot;
    file.options.localSpeed = spec.localSpeed;
    file.created = clock.now;
    file.versionMajor = spec.versionMajor;
    const std::string path = std::string(kFolder) + name + ".vgp";
    EXPECT_TRUE(test::WriteTestPackage(fs, codepage, path, file));
    return path;
  }

  // The installer at kSetup: its pages appear when a command line naming it is started.
  SimInstaller& Installer(std::vector<SimInstallerPage> pages) {
    installer = std::make_unique<SimInstaller>(desktop, processes, timers, std::move(pages));
    installer->AttachTo("setup.exe");
    return *installer;
  }

  void Queue(const std::vector<std::string>& packages) {
    runList = {""};
    runList.insert(runList.end(), packages.begin(), packages.end());
    currentPath = packages.empty() ? std::string() : packages.front();
  }

  void MakePlayer() {
    PlayerHooks hooks;
    hooks.viewChanged = [this] { ++viewChanges; };
    hooks.hideControlWindow = [this] { calls.push_back("hide"); };
    hooks.showMainWindow = [this](bool) { calls.push_back("main"); };
    hooks.showStatistics = [this] { calls.push_back("stats"); };
    hooks.unloadControlWindow = [this] {
      calls.push_back("unload");
      if (destroyOnUnload) player.reset();
    };
    player = std::make_unique<Player>(
        PlayerDeps{{desktop, desktop, processes, fs, registry, settings, clock, timers, pump, language, paths, packageText,
                    sys},
                   stats},
        RunState{runList, currentPath, currentCommandLine, unattended, noStatistics, &processWideId, deadlineSeconds,
                 reportPath, &deploymentLog},
        hooks, control);
  }

  // Loads the control window in play mode: the run starts with the first tmrExit tick.
  void Start() {
    MakePlayer();
    player->Load();
  }

  void Run(std::int64_t ms) { timers.Advance(ms); }

  bool Unloaded() const { return !calls.empty() && calls.back() == "unload"; }

  const InstallStat& Row(std::size_t i) const { return stats.Rows().at(i); }

  SimDesktop desktop;
  SimProcesses processes;
  SimClock clock;
  SimTimers timers;
  SimMessagePump pump;
  Language language;
  PathVariables paths;
  PackageTextContext packageText{codepage, [this](const std::string& t) { return paths.ExpandPathVariables(t, fs); }};
  Statistics stats;

  std::vector<std::string> runList{""};
  std::string currentPath;
  std::string currentCommandLine;
  bool unattended = true;
  bool noStatistics = false;
  std::int32_t processWideId = 0;
  int deadlineSeconds = 0;
  std::string reportPath;
  SimDeploymentLog deploymentLog;

  WindowHandle control = 0;
  std::unique_ptr<SimInstaller> installer;
  std::unique_ptr<Player> player;
  bool destroyOnUnload = false;
  std::vector<std::string> calls;
  int viewChanges = 0;
};

}  // namespace velgaro
