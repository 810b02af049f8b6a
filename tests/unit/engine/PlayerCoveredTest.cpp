// A found window whose press point is covered: the rhythm of the attempts, and what each attempt does to
// the installer's top-level window (covered by another program, by a top-most window, by our own bar,
// minimised, dragged partly off the screen), and that a window that is not covered is left alone.
#include "PlayerFixture.h"

namespace velgaro {
namespace {

class PlayerCoveredTest : public PlayerTest {
 protected:
  static constexpr Rect kDialogRect{300, 300, 700, 600};
  static constexpr Rect kButtonRect{600, 560, 680, 585};   // pressed at its client point (5, 5)

  // An installer dialog made by hand: it outlives its clicks, so what a click left behind can be checked.
  PlayerCoveredTest() {
    dialog = desktop.Create(SimWindowSpec{"#32770", "Setup", 0, 0, kDialogRect, true, false});
    button = desktop.Create(SimWindowSpec{"Button", "Next >", dialog, 0, kButtonRect, true, false});
    desktop.OnClick(button, [this] {
      ++clicks;
      topMostAtClick.push_back(desktop.IsTopMost(dialog));
    });
  }

  // Plays a package of n clicks on the dialog's button; returns once the first tick has run.
  void PlayClicks(int n) {
    Queue({WritePackage("App", TestPackage{"-", "", std::vector<TestAction>(static_cast<std::size_t>(n),
                                                                            ClickNext("Setup"))})});
    Start();
    Run(200);
  }

  // Step ticks until the button has had `total` clicks; -1 when that takes more than `limit` ticks.
  int TicksUntilClicks(int total, int limit = 60) {
    for (int tick = 1; tick <= limit; ++tick) {
      Run(100);
      if (clicks >= total) return tick;
    }
    return -1;
  }

  // Whether each of the next n step ticks made an attempt (asked for the foreground).
  std::vector<int> AttemptPattern(int ticks) {
    std::vector<int> pattern;
    for (int i = 0; i < ticks; ++i) {
      const std::size_t before = desktop.ForegroundCalls().size();
      Run(100);
      pattern.push_back(static_cast<int>(desktop.ForegroundCalls().size() - before));
    }
    return pattern;
  }
  static std::vector<int> Rhythm(int quietFirst) {
    std::vector<int> p(static_cast<std::size_t>(quietFirst), 0);
    for (int i = 0; i < 3; ++i) p.push_back(1);
    for (int i = 0; i < 14; ++i) p.push_back(0);
    for (int i = 0; i < 3; ++i) p.push_back(1);
    return p;
  }

  // A window of the installer's own lying over the button: no attempt can free the press point.
  WindowHandle CoverFromInside() {
    const WindowHandle cover = desktop.Create(SimWindowSpec{"Static", "", dialog, 0, kButtonRect, true, false});
    desktop.SetZOrder(cover, WindowSystem::ZPlace::Top);
    return cover;
  }
  WindowHandle OtherProgram(bool topMost) {
    return desktop.Create(SimWindowSpec{"Notepad", "Untitled - Notepad", 0, 0, Rect{250, 250, 750, 650}, true, topMost});
  }

  WindowHandle dialog = 0;
  WindowHandle button = 0;
  int clicks = 0;
  std::vector<bool> topMostAtClick;
};

TEST_F(PlayerCoveredTest, AfterAnActionTheAttemptsComeInTheirRhythmAndTargetTheTopLevelWindow) {
  PlayClicks(2);
  ASSERT_EQ(clicks, 1);
  CoverFromInside();
  EXPECT_EQ(AttemptPattern(23), Rhythm(3));
  EXPECT_EQ(player->View().lblAct, "Нужное окно закрыто другим приложением");
  EXPECT_EQ(clicks, 1);
  for (WindowHandle w : desktop.ForegroundCalls()) EXPECT_EQ(w, dialog);   // never the button: that fails
}

TEST_F(PlayerCoveredTest, BeforeTheFirstActionTheAttemptsBeginAtOnce) {
  const WindowHandle cover = CoverFromInside();
  Queue({WritePackage("App", TestPackage{"-", "", {ClickNext("Setup")}})});
  Start();
  Run(100);
  EXPECT_EQ(AttemptPattern(20), Rhythm(0));
  desktop.Destroy(cover);
  Run(100);
  EXPECT_EQ(clicks, 1);
}

TEST_F(PlayerCoveredTest, AnotherProgramsWindowIsOvercomeByRaisingTheInstaller) {
  PlayClicks(2);
  const WindowHandle notepad = OtherProgram(false);
  desktop.SetForegroundWindow(notepad);
  // Three quiet ticks after the action, the attempt, then the press.
  EXPECT_EQ(TicksUntilClicks(2), 5);
  EXPECT_EQ(desktop.Foreground(), dialog);
  EXPECT_EQ(desktop.TopLevelZOrder()[1], dialog);   // in front of Notepad, below our top-most bar
  EXPECT_EQ(*desktop.GetWindowRect(dialog), kDialogRect);
  EXPECT_FALSE(desktop.IsTopMost(dialog));
}

TEST_F(PlayerCoveredTest, ATopMostWindowIsOutrankedForThePressOnly) {
  const WindowHandle pinned = OtherProgram(true);
  PlayClicks(2);   // covered from the start: the first attempt at once, the press on the next tick
  EXPECT_EQ(clicks, 0);
  Run(100);
  EXPECT_EQ(clicks, 1);
  // Still top-most right after the press: the installer may not have taken the click from its queue yet.
  EXPECT_TRUE(desktop.IsTopMost(dialog));
  EXPECT_EQ(TicksUntilClicks(2), 5);
  EXPECT_EQ(topMostAtClick, (std::vector<bool>{true, true}));
  Run(100);
  EXPECT_FALSE(desktop.IsTopMost(dialog));   // its own state again on the tick after the press
  EXPECT_TRUE(desktop.IsTopMost(pinned));
  EXPECT_EQ(*desktop.GetWindowRect(dialog), kDialogRect);
}

TEST_F(PlayerCoveredTest, ALentTopMostStateIsGivenBackWhenThePackageIsSkippedBeforeThePress) {
  OtherProgram(true);
  Queue({WritePackage("App", TestPackage{"-", "", {ClickNext("Setup")}})});
  Start();
  Run(200);   // the first step tick finds the point covered and makes its attempt
  ASSERT_TRUE(desktop.IsTopMost(dialog));
  ASSERT_EQ(clicks, 0);
  player->SkipPackage();
  Run(100);
  EXPECT_FALSE(desktop.IsTopMost(dialog));
}

TEST_F(PlayerCoveredTest, ALentTopMostStateIsGivenBackAtOnceWhenTheRunIsStopped) {
  OtherProgram(true);
  Queue({WritePackage("App", TestPackage{"-", "", {ClickNext("Setup")}})});
  Start();
  Run(200);
  ASSERT_TRUE(desktop.IsTopMost(dialog));
  player->StopRun();
  EXPECT_FALSE(desktop.IsTopMost(dialog));
}

TEST_F(PlayerCoveredTest, ALentTopMostStateOutlastsTheLastPressUntilTheNextTick) {
  const WindowHandle pinned = OtherProgram(true);
  Queue({WritePackage("App", TestPackage{"-", "", {ClickNext("Setup")}})});   // closes with its press
  Start();
  Run(300);
  ASSERT_EQ(clicks, 1);
  EXPECT_TRUE(desktop.IsTopMost(dialog));
  Run(100);   // the tick that ends the run
  EXPECT_FALSE(desktop.IsTopMost(dialog));
  EXPECT_TRUE(desktop.IsTopMost(pinned));
  EXPECT_TRUE(Unloaded());
}

TEST_F(PlayerCoveredTest, AMinimisedInstallerIsRestoredWhereItWas) {
  PlayClicks(2);
  desktop.Minimize(dialog);
  EXPECT_EQ(TicksUntilClicks(2), 5);
  EXPECT_FALSE(desktop.IsMinimized(dialog));
  EXPECT_EQ(*desktop.GetWindowRect(dialog), kDialogRect);
  EXPECT_EQ(desktop.Cursor(), (Point{605, 565}));
}

TEST_F(PlayerCoveredTest, AnInstallerDraggedPartlyOffTheScreenMovesJustEnough) {
  struct Case {
    std::int32_t dx, dy;
    Point press;   // where the press lands once the window has moved
  } cases[] = {{500, 0, {1023, 565}}, {-650, -580, {0, 0}}, {0, 210, {605, 767}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.dx) + "," + std::to_string(c.dy));
    desktop.MoveWindowTo(dialog, Point{kDialogRect.left, kDialogRect.top});
    clicks = 0;
    desktop.ClearInputLog();
    PlayClicks(2);
    ASSERT_EQ(clicks, 1);
    desktop.MoveBy(dialog, c.dx, c.dy);
    EXPECT_EQ(TicksUntilClicks(2), 5);
    EXPECT_EQ(desktop.Cursor(), c.press);
    const Rect r = *desktop.GetWindowRect(dialog);
    EXPECT_EQ((Point{r.left + 305, r.top + 265}), c.press);   // the button's own press point, moved with it
  }
}

TEST_F(PlayerCoveredTest, OurOwnBarStepsAsideAndIsTopMostAgainForTheNextPackage) {
  const std::string a = WritePackage("A", TestPackage{"-", "", {ClickNext("Setup")}});
  const std::string b = WritePackage("B", TestPackage{"-", "", {}});
  Queue({a, b});
  desktop.MoveBy(control, 0, 540);   // the bar now lies over the button
  Start();
  Run(200);
  EXPECT_FALSE(desktop.IsTopMost(control));
  EXPECT_FALSE(desktop.IsTopMost(dialog));   // our bar is never outranked, it leaves the band instead
  ASSERT_EQ(desktop.ForegroundCalls(), std::vector<WindowHandle>{dialog});
  Run(100);
  EXPECT_EQ(clicks, 1);
  Run(100);
  EXPECT_EQ(currentPath, b);
  EXPECT_TRUE(desktop.IsTopMost(control));
}

TEST_F(PlayerCoveredTest, AWindowThatIsNotCoveredIsNeverMovedOrRaised) {
  const WindowHandle elsewhere = OtherProgram(false);
  desktop.MoveWindowTo(elsewhere, Point{0, 500});   // beside the button, not over it
  PlayClicks(3);
  const std::vector<WindowHandle> zOrder = desktop.TopLevelZOrder();   // our bar top-most since its load
  Run(300);
  EXPECT_EQ(clicks, 3);
  EXPECT_TRUE(desktop.ForegroundCalls().empty());
  EXPECT_EQ(desktop.TopLevelZOrder(), zOrder);
  EXPECT_EQ(*desktop.GetWindowRect(dialog), kDialogRect);
  EXPECT_FALSE(desktop.IsTopMost(dialog));
}

}  // namespace
}  // namespace velgaro
