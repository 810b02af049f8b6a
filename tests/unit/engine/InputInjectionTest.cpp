#include <gtest/gtest.h>

#include "engine/InputInjection.h"
#include "platform/sim/SimDesktop.h"

namespace velgaro {
namespace {

using Ev = InputEvent;

Ev Cursor(std::int32_t x, std::int32_t y) { return Ev{Ev::kCursor, 0, x, y}; }
Ev Mouse(std::uint32_t flags, std::int32_t x = 0, std::int32_t y = 0) { return Ev{Ev::kMouse, flags, x, y}; }

class InputInjectionTest : public ::testing::Test {
 protected:
  InputInjectionTest() {
    dialog = desktop.Create(SimWindowSpec{"#32770", "Setup", 0, 0, Rect{200, 100, 600, 400}, true, false});
    button = desktop.Create(SimWindowSpec{"Button", "Next", dialog, 0, Rect{500, 350, 580, 380}, true, false});
  }
  InputInjector Injector(WindowHandle control = 0, ScreenSize screen = ScreenSize{1024, 768}) {
    matcher.SetControlWindow(control);
    return InputInjector(desktop, desktop, pump, matcher, screen);
  }

  SimDesktop desktop;
  SimMessagePump pump;
  WindowMatcher matcher{desktop, 0};
  WindowHandle dialog = 0;
  WindowHandle button = 0;
};

TEST_F(InputInjectionTest, PressAndReleaseWithoutMovesAtTheSamePoint) {
  InputInjector injector = Injector();
  ASSERT_TRUE(injector.PlayMouseSteps(button, {{kButtonLeft, kStepPress, 10, 5}, {kButtonLeft, kStepRelease, 0, 0}}));
  const std::vector<Ev> expected{Cursor(510, 355), Mouse(kMouseLeftDown), Cursor(510, 355), Mouse(kMouseLeftUp)};
  EXPECT_EQ(desktop.InputLog(), expected);
  EXPECT_EQ(injector.LastWindow(), button);
  // Once after the press, twice around the release and once after every step.
  EXPECT_EQ(pump.runs, 1 + 2 + 2);
}

TEST_F(InputInjectionTest, ReleaseOffsetFollowsTheWindowWhereverItIsNow) {
  desktop.MoveBy(dialog, -150, 40);
  InputInjector injector = Injector();
  ASSERT_TRUE(injector.PlayMouseSteps(button, {{kButtonRight, kStepPress, 4, 4}, {kButtonRight, kStepRelease, 30, 0}}));
  const std::vector<Ev> expected{Cursor(354, 394), Mouse(kMouseRightDown), Cursor(384, 394), Mouse(kMouseRightUp)};
  EXPECT_EQ(desktop.InputLog(), expected);
}

TEST_F(InputInjectionTest, MovesAreAbsoluteAndScaled) {
  InputInjector injector = Injector(0, ScreenSize{1920, 1080});
  ASSERT_TRUE(injector.PlayMouseSteps(button, {{kButtonMiddle, kStepPress, 0, 0},
                                               {kButtonMiddle, kStepMove, 5, -2},
                                               {kButtonMiddle, kStepRelease, 6, -3}}));
  const std::vector<Ev> expected{Cursor(500, 350), Mouse(kMouseMiddleDown), Mouse(0x8001, 505 * 34, 348 * 61),
                                 Cursor(506, 347), Mouse(kMouseMiddleUp)};
  EXPECT_EQ(desktop.InputLog(), expected);
}

TEST_F(InputInjectionTest, ScaleFactorsRoundHalfToEven) {
  struct Case {
    int width, height;
    std::int32_t x, y;
  } cases[] = {{1920, 1080, 34, 61}, {1024, 768, 64, 85}, {2, 6, 32768, 10922},
               {131070, 43690, 0, 2}, {0, -1, 0, 0}};
  for (const Case& c : cases) {
    const AbsScale s = ComputeAbsScale(c.width, c.height);
    EXPECT_EQ(s.AbsScaleX, c.x) << c.width;
    EXPECT_EQ(s.AbsScaleY, c.y) << c.height;
  }
}

TEST_F(InputInjectionTest, CoveredPressPointSendsNothing) {
  const WindowHandle other = desktop.Create(SimWindowSpec{"Notepad", "", 0, 0, Rect{480, 340, 700, 500}, true, false});
  const WindowHandle control = desktop.Create(SimWindowSpec{"Bar", "", 0, 0, Rect{0, 0, 100, 20}, true, true});
  InputInjector injector = Injector(control);
  EXPECT_FALSE(injector.PlayMouseSteps(button, {{kButtonLeft, kStepPress, 10, 5}, {kButtonLeft, kStepRelease, 0, 0}}));
  EXPECT_TRUE(desktop.InputLog().empty());
  EXPECT_EQ(injector.LastWindow(), 0u);
  EXPECT_TRUE(desktop.IsTopMost(control));   // somebody else's window: our bar stays where it is
  (void)other;
}

TEST_F(InputInjectionTest, ControlWindowCoveringThePressPointLeavesTheTopMostBand) {
  const WindowHandle control = desktop.Create(SimWindowSpec{"Bar", "", 0, 0, Rect{450, 340, 700, 400}, true, true});
  InputInjector injector = Injector(control);
  EXPECT_FALSE(injector.PlayMouseSteps(button, {{kButtonLeft, kStepPress, 10, 5}, {kButtonLeft, kStepRelease, 0, 0}}));
  EXPECT_TRUE(desktop.InputLog().empty());
  EXPECT_FALSE(desktop.IsTopMost(control));
  // Out of the band the bar no longer hides the installer once that comes to the front.
  desktop.SetForegroundWindow(dialog);
  EXPECT_TRUE(injector.PlayMouseSteps(button, {{kButtonLeft, kStepPress, 10, 5}, {kButtonLeft, kStepRelease, 0, 0}}));
}

TEST_F(InputInjectionTest, PressPointOffTheScreenCountsAsCoveredAndSendsNothing) {
  // The pointer cannot reach it: a press there would land on whatever lies at the screen's edge.
  desktop.MoveBy(dialog, 500, 0);   // the button now spans x 1000..1080 of a 1024-pixel screen
  InputInjector injector = Injector();
  EXPECT_FALSE(injector.PlayMouseSteps(button, {{kButtonLeft, kStepPress, 30, 5}, {kButtonLeft, kStepRelease, 0, 0}}));
  EXPECT_TRUE(desktop.InputLog().empty());
  EXPECT_TRUE(injector.PlayMouseSteps(button, {{kButtonLeft, kStepPress, 10, 5}, {kButtonLeft, kStepRelease, 0, 0}}));
  desktop.Minimize(dialog);
  desktop.ClearInputLog();
  EXPECT_FALSE(injector.PlayMouseSteps(button, {{kButtonLeft, kStepPress, 10, 5}, {kButtonLeft, kStepRelease, 0, 0}}));
  EXPECT_TRUE(desktop.InputLog().empty());
}

TEST_F(InputInjectionTest, FirstPressPointIsTheClientPointOfTheFirstPress) {
  EXPECT_EQ(FirstPressPoint({{kButtonLeft, kStepMove, 1, 1}, {kButtonRight, kStepPress, 7, 9},
                             {kButtonLeft, kStepPress, 3, 3}}),
            (Point{7, 9}));
  EXPECT_EQ(FirstPressPoint({{kButtonLeft, kStepRelease, 1, 1}}), std::nullopt);
}

TEST_F(InputInjectionTest, FewerThanTwoStepsCountAsDone) {
  InputInjector injector = Injector();
  EXPECT_TRUE(injector.PlayMouseSteps(button, {}));
  EXPECT_TRUE(injector.PlayMouseSteps(button, {{kButtonLeft, kStepPress, 1, 1}}));
  EXPECT_TRUE(desktop.InputLog().empty());
}

TEST_F(InputInjectionTest, UntrustedCoordinatesAreClampedNotOverflowed) {
  InputInjector injector = Injector();
  ASSERT_TRUE(injector.PlayMouseSteps(button, {{kButtonLeft, kStepPress, 0, 0},
                                               {kButtonLeft, kStepMove, 2147483647, -2147483647},
                                               {kButtonLeft, kStepRelease, 2147483647, 0}}));
  const std::vector<Ev>& log = desktop.InputLog();
  ASSERT_EQ(log.size(), 5u);
  EXPECT_EQ(log[2], Mouse(0x8001, 2147483647, -2147483647 - 1));
  EXPECT_EQ(log[3], Cursor(2147483647, 350));
}

TEST_F(InputInjectionTest, StepsWithoutAPressUseTheOriginAndUnknownKindsSendNothing) {
  InputInjector injector = Injector();
  EXPECT_FALSE(injector.PlayMouseSteps(button, {{kButtonLeft, 7, 0, 0}, {kButtonLeft, kStepRelease, 3, 4}}));
  const std::vector<Ev> expected{Cursor(3, 4), Mouse(kMouseLeftUp)};
  EXPECT_EQ(desktop.InputLog(), expected);
}

TEST_F(InputInjectionTest, PutWindowTextAsksForTheForegroundAndReplacesTheText) {
  const WindowHandle edit = desktop.Create(SimWindowSpec{"Edit", "old", dialog, 0, Rect{220, 120, 400, 140}, true, false});
  InputInjector injector = Injector();
  injector.PutWindowText(edit, "C:\\Program Files\\Новая");
  EXPECT_EQ(desktop.GetWindowText(edit), "C:\\Program Files\\Новая");
  ASSERT_EQ(desktop.ForegroundCalls().size(), 1u);
  EXPECT_EQ(desktop.ForegroundCalls()[0], edit);   // refused for a child; the text goes in all the same
  EXPECT_EQ(injector.FetchWindowText(edit), "C:\\Program Files\\Новая");
}

TEST_F(InputInjectionTest, FetchWindowTextReturnsWhatFitsTheBuffer) {
  const WindowHandle edit = desktop.Create(SimWindowSpec{"Edit", std::string(300, 'x'), dialog, 0, Rect{}, true, false});
  EXPECT_EQ(Injector().FetchWindowText(edit), std::string(254, 'x'));
}

}  // namespace
}  // namespace velgaro
