// The step timer: searching, the slow search, texts, and ticks that arrive during a replay.
#include "PlayerFixture.h"

namespace velgaro {
namespace {

class PlayerSteppingTest : public PlayerTest {
 protected:
  std::size_t Presses() const {
    return static_cast<std::size_t>(std::count_if(desktop.InputLog().begin(), desktop.InputLog().end(),
                                                  [](const InputEvent& e) { return e.flags == kMouseLeftDown; }));
  }
};

TEST_F(PlayerSteppingTest, TenMissesFallBackToSlowSearchAndAFindComesBack) {
  Installer({{"First", {}}, {"Second", {}}});
  Queue({WritePackage("App", TestPackage{kSetup, "", {ClickNext("First"), ClickNext("Missing")}})});
  Start();
  EXPECT_FALSE(player->FastPolling());
  Run(200);
  EXPECT_TRUE(player->FastPolling());
  for (int miss = 1; miss <= 9; ++miss) {
    Run(100);
    EXPECT_EQ(player->MissCount(), miss);
    EXPECT_EQ(player->DoTimer().Interval(), 100);
  }
  EXPECT_EQ(player->View().lblAct, "Поиск окна");
  Run(100);
  EXPECT_FALSE(player->FastPolling());
  EXPECT_EQ(player->DoTimer().Interval(), 500);
  Run(400);
  EXPECT_EQ(player->MissCount(), 10);   // slow ticks are not counted
  const WindowHandle page = desktop.Create(SimWindowSpec{"#32770", "Missing", 0, 0, SimInstaller::kPageRect, true, false});
  desktop.Create(SimWindowSpec{"Button", "Next >", page, 0, Rect{400, 350, 480, 375}, true, false});
  Run(99);
  EXPECT_EQ(Presses(), 1u);
  Run(1);
  EXPECT_EQ(Presses(), 2u);
  EXPECT_TRUE(player->FastPolling());
  EXPECT_EQ(player->MissCount(), 0);
  EXPECT_EQ(Row(0).status, kInstalled);
}

TEST_F(PlayerSteppingTest, TextIsPutAfterTheClickAndUsedOnce) {
  SimInstaller& setup = Installer({{"Name", {"old", ""}}});
  TestAction type = TypeInto("Name", 1, "%USERNAME%\\Docs");
  type.path[1].caption = "old";
  TestAction again = TypeInto("Name", 2, "");   // a later action without text types nothing
  Queue({WritePackage("App", TestPackage{kSetup, "", {type, again, ClickNext("Name")}})});
  Start();
  Run(1000);
  ASSERT_TRUE(setup.Finished());
  EXPECT_EQ(setup.Entered()[0], (std::vector<std::string>{"User\\Docs", ""}));
}

TEST_F(PlayerSteppingTest, TextOfASkippedPackageIsNotTypedIntoTheNextOne) {
  SimInstaller& setup = Installer({{"Name", {"", ""}}});
  TestAction typeIntoMissing{{{"#32770", "Missing", 1}, {"Edit", "", 1}}, ClickAt(1, 1), "secret"};
  const std::string a = WritePackage("A", TestPackage{"-", "", {typeIntoMissing}});
  const std::string b = WritePackage("B", TestPackage{kSetup, "", {TypeInto("Name", 1, ""), ClickNext("Name")}});
  Queue({a, b});
  Start();
  Run(300);
  player->SkipPackage();
  Run(1000);
  ASSERT_TRUE(setup.Finished());
  EXPECT_EQ(setup.Entered().back(), (std::vector<std::string>{"", ""}));
}

// What "let the message loop run" may do in the middle of an action.
class PlayerReentryTest : public PlayerSteppingTest {
 protected:
  void Prepare() {
    setup = &Installer({{"First", {}}, {"Second", {}}});
    Queue({WritePackage("A", TestPackage{kSetup, "", {ClickNext("First"), ClickNext("Second")}}),
           WritePackage("B", TestPackage{"-", "", {}})});
    Start();
    Run(100);
  }
  // Runs the action once, the first time the message loop runs during a replay.
  void OnFirstMessage(std::function<void()> action) {
    pump.onRunOnce = [this, action, done = false]() mutable {
      if (!done && player) {
        done = true;
        action();
      }
    };
  }
  SimInstaller* setup = nullptr;
};

TEST_F(PlayerReentryTest, StepTickDuringAReplayDoesNotStartTheActionAgain) {
  Prepare();
  pump.onRunOnce = [this] {
    if (player) player->OnDoTick();
  };
  Run(1000);
  EXPECT_TRUE(setup->Finished());
  EXPECT_EQ(Presses(), 2u);
  EXPECT_EQ(Row(0).status, kInstalled);
}

TEST_F(PlayerReentryTest, TimeThatPassesDuringAReplayDoesNotStartTheActionAgain) {
  Prepare();
  pump.onRunOnce = [this] { timers.Advance(150); };
  Run(1000);
  pump.onRunOnce = nullptr;
  Run(1000);   // the replays moved the clock past the first target
  EXPECT_TRUE(setup->Finished());
  EXPECT_EQ(Presses(), 2u);
  EXPECT_EQ(stats.Rows().size(), 2u);
}

TEST_F(PlayerReentryTest, SkipDuringAReplayClosesThePackageAndTheReplayDoesNotGoOn) {
  Prepare();
  OnFirstMessage([this] { player->SkipPackage(); });
  Run(100);
  EXPECT_EQ(Row(0).status, kInterrupted);
  EXPECT_FALSE(player->DoTimer().Enabled());
  EXPECT_TRUE(player->ExitTimer().Enabled());
  Run(1000);
  EXPECT_EQ(Presses(), 1u);   // the second action of the skipped package is never tried
  EXPECT_EQ(setup->PageIndex(), 1);
  ASSERT_EQ(stats.Rows().size(), 2u);
  EXPECT_EQ(Row(1).status, kInstalled);
}

TEST_F(PlayerReentryTest, StopDuringAReplayUnloadsOnlyOnceTheTickHasReturned) {
  Prepare();
  destroyOnUnload = true;
  OnFirstMessage([this] {
    player->StopRun();
    EXPECT_FALSE(Unloaded());   // still inside the tick
  });
  Run(100);
  EXPECT_TRUE(Unloaded());
  EXPECT_EQ(player, nullptr);
  EXPECT_EQ(Row(0).details, "Нажата кнопка Стоп");
  Run(1000);
  EXPECT_EQ(stats.Rows().size(), 1u);
}

TEST_F(PlayerReentryTest, PauseDuringAReplayHoldsTheNextAction) {
  Prepare();
  OnFirstMessage([this] { player->PausePlay(); });
  Run(1000);
  EXPECT_EQ(setup->PageIndex(), 1);   // the action under way was finished
  EXPECT_FALSE(player->DoTimer().Enabled());
  player->PlayAfterPause();
  Run(1000);
  EXPECT_TRUE(setup->Finished());
}

}  // namespace
}  // namespace velgaro
