// Whole runs: packages checked, installers launched, actions played, rows closed, the run ended.
#include "PlayerFixture.h"

namespace velgaro {
namespace {

class PlayerRunTest : public PlayerTest {
 protected:
  // A package that starts no program and waits for the one an earlier run started; returns its path.
  std::string WriteDashPackage() {
    TestPackage dash;
    dash.installer = "-";
    dash.needWait = true;
    return WritePackage("Dash", dash);
  }

  // Unscrambles the file, lets the test change the bytes, scrambles it again.
  template <typename Change>
  void Patch(const std::string& path, Change change) {
    std::optional<Bytes> bytes = fs.ReadAll(path);
    ASSERT_TRUE(bytes);
    for (auto& b : *bytes) b = static_cast<std::uint8_t>(b ^ 157 ^ 219);
    change(*bytes);
    for (auto& b : *bytes) b = static_cast<std::uint8_t>(b ^ 157 ^ 219);
    ASSERT_TRUE(fs.WriteAllReplacing(path, *bytes));
  }

  static std::int32_t Le32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24);
  }
  // Offset of the second action: the first one's head, levels, steps and text skipped.
  static std::size_t SecondAction(const Bytes& b) {
    std::size_t at = 239;
    const std::int32_t levels = Le32(b, at), steps = Le32(b, at + 4), text = Le32(b, at + 8);
    at += 12;
    for (std::int32_t i = 0; i < levels; ++i) at += 12 + static_cast<std::size_t>(Le32(b, at) + Le32(b, at + 4));
    return at + static_cast<std::size_t>(steps) * 12 + static_cast<std::size_t>(text);
  }
};

TEST_F(PlayerRunTest, WholePackageInstallsThroughTheScriptedInstaller) {
  SimInstaller& setup = Installer({{"Welcome", {}}, {"Folder", {"", ""}}, {"Finish", {}, "Next >", 700}});
  const std::string pkg = WritePackage("App", TestPackage{kSetup, "/lang=%TEMP%\\ru",
                                                          {ClickNext("Welcome"), TypeInto("Folder", 2, "%PROGRAMFILES%\\App"),
                                                           ClickNext("Folder"), ClickNext("Finish")},
                                                          true});
  Queue({pkg});
  Start();
  EXPECT_EQ(player->View().lblKolvoProg, "1/1");
  EXPECT_EQ(player->View().lblCaption, "App");
  EXPECT_EQ(player->View().lblAct, "Чтение файла\r\nC:\\Packages\\App.vgp");
  EXPECT_TRUE(desktop.IsTopMost(control));

  Run(10000);
  EXPECT_TRUE(setup.Finished());
  ASSERT_EQ(setup.Entered().size(), 3u);
  EXPECT_EQ(setup.Entered()[1], (std::vector<std::string>{"", "C:\\Program Files\\App"}));
  ASSERT_EQ(processes.Started().size(), 1u);
  EXPECT_EQ(processes.Started()[0].commandLine, "C:\\Setup\\setup.exe /lang=C:\\TEMP\\ru");
  EXPECT_EQ(currentCommandLine, "/lang=C:\\TEMP\\ru");
  EXPECT_EQ(processWideId, processes.Started()[0].id);

  ASSERT_EQ(stats.Rows().size(), 1u);
  EXPECT_EQ(Row(0).packageName, "App");
  EXPECT_EQ(Row(0).status, kInstalled);
  EXPECT_EQ(Row(0).details, "Выполнено без замечаний");
  EXPECT_EQ(calls, (std::vector<std::string>{"hide", "stats", "unload"}));
  EXPECT_EQ(player->ExitCode(), 0);
  EXPECT_EQ(processes.OpenHandles(), 0u);
  EXPECT_EQ(processes.BadCloses(), 0u);
  EXPECT_FALSE(player->DoTimer().Enabled() || player->WaitTimer().Enabled() || player->ExitTimer().Enabled());
}

TEST_F(PlayerRunTest, RunOfSeveralPackagesEndsWithTheMainWindowAndStatistics) {
  unattended = false;
  const std::string a = WritePackage("A", TestPackage{});
  const std::string b = WritePackage("B", TestPackage{});
  Queue({a, b});
  Start();
  EXPECT_EQ(player->View().lblKolvoProg, "1/2");
  Run(100);
  EXPECT_EQ(player->View().lblKolvoProg, "1/2");
  EXPECT_EQ(currentPath, a);
  Run(100);
  EXPECT_EQ(player->View().lblKolvoProg, "2/2");
  EXPECT_EQ(player->View().lblCaption, "B");
  Run(100);
  EXPECT_EQ(calls, (std::vector<std::string>{"main", "hide", "stats", "unload"}));
  ASSERT_EQ(stats.Rows().size(), 2u);
  EXPECT_EQ(processes.Started().size(), 2u);
}

TEST_F(PlayerRunTest, PackageWithoutActionsAndWaitClosesRightAfterTheLaunch) {
  Queue({WritePackage("Quick", TestPackage{})});
  Start();
  Run(100);
  ASSERT_EQ(stats.Rows().size(), 1u);
  EXPECT_TRUE(Row(0).closed);
  EXPECT_EQ(Row(0).status, kInstalled);
  EXPECT_TRUE(processes.Running(processes.Started()[0].id));   // nobody waits for it
}

TEST_F(PlayerRunTest, PackagesThatCannotBePlayedCloseAsNotInstalled) {
  fs.AddFile("C:\\Setup\\readme.txt", "text");
  fs.AddFile("C:\\Packages\\Short.vgp", Bytes{1, 2, 3});
  fs.AddFolder("C:\\Packages\\Folder.vgp");   // there, but no file to read
  struct Case {
    const char* name;
    std::function<std::string()> make;
    std::string details;
  } cases[] = {
      {"missing file", [] { return std::string("C:\\Packages\\Nope.vgp"); }, "Отсутстует vgp-файл - C:\\Packages\\Nope.vgp"},
      {"newer version", [this] { TestPackage p; p.versionMajor = 2; return WritePackage("New", p); },
       "vgp-файл создан более новой версией программы"},
      {"installer missing", [this] { TestPackage p; p.installer = "%TEMP%\\gone.exe"; return WritePackage("Gone", p); },
       "Не найден исполняемый файл C:\\TEMP\\gone.exe"},
      {"unknown installer type", [this] { TestPackage p; p.installer = "C:\\Setup\\readme.txt"; return WritePackage("Txt", p); },
       "Невозможно запустить исполняемый файл C:\\Setup\\readme.txt"},
      {"damaged file", [] { return std::string("C:\\Packages\\Short.vgp"); }, "Повреждённый vgp-файл - C:\\Packages\\Short.vgp"},
      {"unreadable file", [] { return std::string("C:\\Packages\\Folder.vgp"); },
       "Не удаётся прочитать vgp-файл - C:\\Packages\\Folder.vgp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    calls.clear();
    stats.ResetStats();
    Queue({c.make()});
    Start();
    Run(100);
    ASSERT_EQ(stats.Rows().size(), 1u);
    EXPECT_EQ(Row(0).status, kNotInstalled);
    EXPECT_EQ(Row(0).details, c.details);
    EXPECT_FALSE(player->DoTimer().Enabled());
    Run(100);
    EXPECT_TRUE(Unloaded());
    EXPECT_EQ(player->ExitCode(), 1603);
  }
  EXPECT_TRUE(processes.Started().empty());
}

TEST_F(PlayerRunTest, InstallerThatFailsToStartClosesAsNotInstalled) {
  processes.failStarts = true;
  Queue({WritePackage("App", TestPackage{})});
  Start();
  Run(100);
  EXPECT_EQ(Row(0).details, "Невозможно запустить исполняемый файл C:\\Setup\\setup.exe");
}

TEST_F(PlayerRunTest, DamagedActionMidRunClosesTheRunAsNotInstalledInsteadOfFinished) {
  SimInstaller& setup = Installer({{"First", {}}, {"Second", {}}});
  const std::string pkg = WritePackage("Broken", TestPackage{kSetup, "", {ClickNext("First"), ClickNext("Second")}});
  Patch(pkg, [](Bytes& b) { b[SecondAction(b)] = 0x7F; });   // a level count far past the end
  Queue({pkg});
  Start();
  Run(1000);
  EXPECT_EQ(setup.PageIndex(), 1);   // the first action was played
  ASSERT_EQ(stats.Rows().size(), 1u);
  EXPECT_EQ(Row(0).status, kNotInstalled);
  EXPECT_EQ(Row(0).details, "Повреждённый vgp-файл - " + pkg);
  EXPECT_TRUE(Unloaded());
  EXPECT_EQ(player->ExitCode(), 1603);
}

TEST_F(PlayerRunTest, NeedWaitKeepsThePackageOpenUntilTheInstallerEnds) {
  Queue({WritePackage("Wait", TestPackage{kSetup, "", {}, true})});
  Start();
  Run(100);
  EXPECT_TRUE(player->WaitTimer().Enabled());
  EXPECT_EQ(processes.OpenHandles(), 1u);
  Run(5000);
  EXPECT_EQ(player->View().lblAct, "Ожидание завершения программы");
  EXPECT_FALSE(Row(0).closed);
  processes.End(processes.Started()[0].id);
  Run(500);
  EXPECT_TRUE(Row(0).closed);
  EXPECT_EQ(Row(0).status, kInstalled);
  EXPECT_EQ(processes.OpenHandles(), 0u);
  EXPECT_FALSE(player->WaitTimer().Enabled());
}

TEST_F(PlayerRunTest, PackageWithoutInstallerWaitsForTheLastInstallerLaunchedInTheRun) {
  const std::string first = WritePackage("First", TestPackage{});
  const std::string second = WriteDashPackage();
  Queue({first, second});
  Start();
  Run(200);
  ASSERT_EQ(processes.Started().size(), 1u);   // "-" starts nothing
  const std::int32_t id = processes.Started()[0].id;
  Run(2000);
  ASSERT_EQ(stats.Rows().size(), 2u);
  EXPECT_FALSE(Row(1).closed);
  processes.End(id);
  Run(500);
  EXPECT_EQ(Row(1).status, kInstalled);
}

TEST_F(PlayerRunTest, PackageWithoutInstallerUsesTheProcessWideIdOfAnEarlierRun) {
  processWideId = *processes.Start("C:\\Other\\setup.exe ");
  Queue({WriteDashPackage()});
  Start();
  Run(2000);
  EXPECT_FALSE(Row(0).closed);
  processes.End(processWideId);
  Run(500);
  EXPECT_TRUE(Row(0).closed);
}

TEST_F(PlayerRunTest, PackageWithoutInstallerAndNoEarlierLaunchEndsItsWaitAtOnce) {
  Queue({WriteDashPackage()});
  Start();
  Run(100);
  EXPECT_FALSE(Row(0).closed);
  Run(500);
  EXPECT_EQ(Row(0).status, kInstalled);
  EXPECT_EQ(processes.BadCloses(), 0u);
}

TEST_F(PlayerRunTest, SamePathTwiceIsPlayedTwiceAndTheRunEnds) {
  const std::string a = WritePackage("A", TestPackage{});
  const std::string b = WritePackage("B", TestPackage{});
  const std::string c = WritePackage("C", TestPackage{});
  Queue({a, b, a, c});
  Start();
  Run(1000);
  ASSERT_EQ(stats.Rows().size(), 4u);
  EXPECT_EQ(Row(0).packageName, "A");
  EXPECT_EQ(Row(1).packageName, "B");
  EXPECT_EQ(Row(2).packageName, "A");
  EXPECT_EQ(Row(3).packageName, "C");
  EXPECT_TRUE(Unloaded());
}

TEST_F(PlayerRunTest, EmptyRunEndsAtOnceWithExitCodeZero) {
  Queue({});
  Start();
  Run(100);
  EXPECT_TRUE(Unloaded());
  EXPECT_TRUE(stats.Rows().empty());
  EXPECT_EQ(player->ExitCode(), 0);
}

TEST_F(PlayerRunTest, ExitCodeIsThatOfTheWorstPackage) {
  TestPackage reboot;
  reboot.createReboot = true;
  struct Case {
    const char* name;
    std::vector<std::string> packages;
    int code;
  } cases[] = {
      {"installed", {WritePackage("A", TestPackage{})}, 0},
      {"restart asked", {WritePackage("A", TestPackage{}), WritePackage("R", reboot)}, 3010},
      {"one missing", {WritePackage("R", reboot), "C:\\Packages\\Nope.vgp", WritePackage("A", TestPackage{})}, 1603},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Queue(c.packages);
    Start();
    Run(1000);
    EXPECT_TRUE(Unloaded());
    EXPECT_EQ(player->ExitCode(), c.code);
  }
}

TEST_F(PlayerRunTest, DurationAcrossMidnight) {
  clock.now = LocalTime{2024, 12, 31, 23, 59, 50};
  Queue({WritePackage("Wait", TestPackage{kSetup, "", {}, true})});
  Start();
  Run(100);
  clock.AdvanceSeconds(30);
  processes.End(processes.Started()[0].id);
  Run(500);
  EXPECT_EQ(Row(0).duration, "0:00:30");
  EXPECT_EQ(Row(0).finished.year, 2025);
  EXPECT_EQ(stats.TotalDuration(), "0:00:30");
}

TEST_F(PlayerRunTest, StepIntervalFromTheSpeedSettingAndThePackageSpeed) {
  struct Case {
    const char* setting;
    std::int32_t localSpeed;
    int interval;
  } cases[] = {{"0", 2, 500}, {"2", 0, 500}, {"1", -1, 250}, {"0", 1, 250}, {"x", 1, 250},
               {"9", -1, 500},   // neither gives a speed: the default, not a timer that never fires
               {"", 0, 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.setting) + " " + std::to_string(c.localSpeed));
    settings.Set("Install", "Speed", c.setting);
    TestPackage p{kSetup, "", {ClickNext("Never")}};
    p.localSpeed = c.localSpeed;
    Queue({WritePackage("S", p)});
    Start();
    Run(100);
    EXPECT_EQ(player->StepInterval(), c.interval);
    EXPECT_EQ(player->DoTimer().Interval(), c.interval);
    EXPECT_TRUE(player->DoTimer().Enabled());
  }
}

TEST_F(PlayerRunTest, AbsoluteMoveFactorsComeFromTheScreenAtLoad) {
  sys.screenWidth = 1920;
  sys.screenHeight = 1080;
  Installer({{"Drag", {}}});
  TestAction drag = ClickNext("Drag");
  drag.steps = {{kButtonLeft, kStepPress, 5, 5}, {kButtonLeft, kStepMove, 1, 1}, {kButtonLeft, kStepRelease, 1, 1}};
  Queue({WritePackage("Drag", TestPackage{kSetup, "", {drag}})});
  Start();
  Run(300);
  // The button sits at (400, 350) on the screen; the move goes one pixel past the press point.
  EXPECT_NE(std::find(desktop.InputLog().begin(), desktop.InputLog().end(),
                      InputEvent{InputEvent::kMouse, 0x8001, 406 * 34, 356 * 61}),
            desktop.InputLog().end());
}

}  // namespace
}  // namespace velgaro
