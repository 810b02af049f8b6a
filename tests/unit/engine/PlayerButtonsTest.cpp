// The control window's buttons in play mode, pressed in each state of a package.
#include <algorithm>
#include <cctype>

#include "PlayerFixture.h"

namespace velgaro {
namespace {

enum class State { Stepping, Waiting, Paused, PausedWhileWaiting, Closed };

const char* Name(State s) {
  switch (s) {
    case State::Stepping: return "stepping";
    case State::Waiting: return "waiting for the installer";
    case State::Paused: return "paused";
    case State::PausedWhileWaiting: return "paused while waiting";
    case State::Closed: return "closed, next package not yet started";
  }
  return "";
}

class PlayerButtonsTest : public PlayerTest {
 protected:
  // Two packages; the first is brought into the given state at t = 300.
  void RunInto(State state) {
    Installer({{"First", {}}, {"Second", {}}});
    TestPackage first{kSetup, "", {ClickNext("First")}};
    if (state == State::Stepping || state == State::Paused) first.actions.push_back(ClickNext("Missing"));
    first.needWait = state == State::Waiting || state == State::PausedWhileWaiting;
    Queue({WritePackage("First", first), WritePackage("Second", TestPackage{"-", "", {}})});
    Start();
    Run(state == State::Closed ? 200 : 300);
    if (state == State::Paused || state == State::PausedWhileWaiting) player->PausePlay();
    installerId = processes.Started().at(0).id;
  }
  std::int32_t installerId = 0;
};

class PlayerButtonsInStateTest : public PlayerButtonsTest, public ::testing::WithParamInterface<State> {};

TEST_P(PlayerButtonsInStateTest, SkipClosesThePackageAsInterruptedAndGoesOn) {
  RunInto(GetParam());
  player->SkipPackage();
  EXPECT_EQ(Row(0).status, kInterrupted);
  EXPECT_EQ(Row(0).details, "Инсталляция прервана пользователем");
  EXPECT_EQ(player->View().lblAct, "Запуск следующей инсталяции");
  EXPECT_TRUE(player->View().imgPauseVisible);
  EXPECT_FALSE(player->View().imgPlayVisible);
  EXPECT_FALSE(player->DoTimer().Enabled());
  EXPECT_FALSE(player->WaitTimer().Enabled());
  EXPECT_EQ(processes.OpenHandles(), 0u);
  EXPECT_TRUE(processes.Running(installerId));   // the installer itself keeps running
  Run(100);
  EXPECT_EQ(currentPath, runList[2]);
  Run(1000);
  EXPECT_TRUE(Unloaded());
  EXPECT_EQ(stats.Rows().size(), 2u);
  EXPECT_EQ(player->ExitCode(), 1602);
}

TEST_P(PlayerButtonsInStateTest, StopEndsTheRun) {
  RunInto(GetParam());
  player->StopRun();
  EXPECT_EQ(calls, (std::vector<std::string>{"hide", "stats", "unload"}));
  EXPECT_EQ(Row(0).status, kInterrupted);
  EXPECT_EQ(Row(0).details, "Нажата кнопка Стоп");
  EXPECT_EQ(processes.OpenHandles(), 0u);
  Run(2000);
  EXPECT_EQ(stats.Rows().size(), 1u);   // the rest of the run is not played
  EXPECT_EQ(processes.Started().size(), 1u);
  EXPECT_EQ(player->ExitCode(), 1602);
}

INSTANTIATE_TEST_SUITE_P(States, PlayerButtonsInStateTest,
                         ::testing::Values(State::Stepping, State::Waiting, State::Paused, State::PausedWhileWaiting),
                         [](const ::testing::TestParamInfo<State>& info) {
                           std::string name = Name(info.param);
                           name.erase(std::remove_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }),
                                      name.end());
                           return name;
                         });

TEST_F(PlayerButtonsTest, SkipAfterThePackageClosedKeepsItsOutcome) {
  RunInto(State::Closed);
  ASSERT_TRUE(Row(0).closed);
  player->SkipPackage();
  EXPECT_EQ(Row(0).status, kInstalled);
  Run(1000);
  EXPECT_EQ(player->ExitCode(), 0);
  EXPECT_EQ(stats.Rows().size(), 2u);
}

TEST_F(PlayerButtonsTest, StopBetweenPackagesStartsNoFurtherPackage) {
  RunInto(State::Closed);
  player->StopRun();
  EXPECT_EQ(Row(0).status, kInstalled);
  Run(1000);
  EXPECT_EQ(stats.Rows().size(), 1u);
  EXPECT_EQ(player->ExitCode(), 1602);   // the second package was never played
}

TEST_F(PlayerButtonsTest, StopShowsTheMainWindowOnlyInteractivelyAndStatisticsOnlyWhenWanted) {
  unattended = false;
  noStatistics = true;
  RunInto(State::Stepping);
  player->StopRun();
  EXPECT_EQ(calls, (std::vector<std::string>{"hide", "main", "unload"}));
  player->StopRun();
  player->SkipPackage();
  EXPECT_EQ(calls.size(), 3u);
}

TEST_F(PlayerButtonsTest, PauseHoldsTheSteppingAndPlayResumesIt) {
  RunInto(State::Paused);
  const PlayerView& view = player->View();
  EXPECT_FALSE(player->DoTimer().Enabled());
  EXPECT_EQ(view.lblCaption, "Пауза");
  EXPECT_TRUE(view.lblCaptionVisible);
  EXPECT_EQ(view.lblAct, "Теперь можете делать свои действия");
  EXPECT_TRUE(view.imgPlayVisible);
  EXPECT_FALSE(view.imgPauseVisible);
  Run(5000);
  EXPECT_FALSE(Row(0).closed);
  const WindowHandle page = desktop.Create(SimWindowSpec{"#32770", "Missing", 0, 0, SimInstaller::kPageRect, true, false});
  desktop.Create(SimWindowSpec{"Button", "Next >", page, 0, Rect{400, 350, 480, 375}, true, false});
  player->PlayAfterPause();
  EXPECT_TRUE(player->DoTimer().Enabled());
  EXPECT_EQ(view.lblCaption, "First");
  EXPECT_EQ(view.lblKolvoProg, "1/2");
  EXPECT_FALSE(view.imgPlayVisible);
  Run(100);
  EXPECT_EQ(Row(0).status, kInstalled);
}

TEST_F(PlayerButtonsTest, WaitGoesOnDuringAPauseAndPlayDoesNotRepeatTheLastAction) {
  RunInto(State::PausedWhileWaiting);
  EXPECT_TRUE(player->WaitTimer().Enabled());
  processes.End(installerId);
  Run(500);
  EXPECT_EQ(Row(0).status, kInstalled);
  const std::size_t inputs = desktop.InputLog().size();
  player->PlayAfterPause();
  EXPECT_FALSE(player->DoTimer().Enabled());
  Run(1000);
  EXPECT_EQ(desktop.InputLog().size(), inputs);
  EXPECT_EQ(stats.Rows().size(), 2u);
  EXPECT_EQ(processes.OpenHandles(), 0u);
}

TEST_F(PlayerButtonsTest, ViewChangesAreAnnounced) {
  RunInto(State::Stepping);
  const int before = viewChanges;
  player->PausePlay();
  EXPECT_GT(viewChanges, before);
}

}  // namespace
}  // namespace velgaro
