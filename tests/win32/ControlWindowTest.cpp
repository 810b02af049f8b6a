// The control window in play mode: its shape and place, its pictures as buttons, and its refusals.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "engine/win32/ControlBarLayout.h"
#include "engine/win32/FrmStels.h"

namespace velgaro::stels {
namespace {

TEST(ControlBarLayoutTest, RegionJoinsBarAndPanelLeavingTheGap) {
  const auto pts = RegionPoints();
  std::vector<POINT> win;
  for (const Point& p : pts) win.push_back(POINT{p.x, p.y});
  HRGN rgn = CreatePolygonRgn(win.data(), static_cast<int>(win.size()), WINDING);
  ASSERT_NE(rgn, nullptr);
  EXPECT_TRUE(PtInRegion(rgn, 5, 5));        // bar
  EXPECT_TRUE(PtInRegion(rgn, 470, 40));
  EXPECT_FALSE(PtInRegion(rgn, 200, 45));    // the 5-pixel gap
  EXPECT_TRUE(PtInRegion(rgn, 200, 100));    // panel
  EXPECT_FALSE(PtInRegion(rgn, 200, 205));   // below the panel
  DeleteObject(rgn);
}

TEST(ControlBarLayoutTest, CentredAndThirteenPixelsFromTheTop) {
  EXPECT_EQ(WindowPosition(1024), (Point{271, 13}));
  EXPECT_EQ(WindowPosition(1920), (Point{719, 13}));
  EXPECT_EQ(WindowPosition(800), (Point{159, 13}));
}

TEST(ControlBarLayoutTest, PicturesAnswerOnlyWhereShown) {
  PlayerView view;  // playing: pause shown, play hidden
  EXPECT_EQ(PictureAt(Point{380, 15}, view), Picture::Pause);
  EXPECT_EQ(PictureAt(Point{412, 15}, view), Picture::Stop);
  EXPECT_EQ(PictureAt(Point{445, 15}, view), Picture::PlayNext);
  EXPECT_EQ(PictureAt(Point{200, 20}, view), std::nullopt);   // labels drag the window
  view.imgPauseVisible = false;
  view.imgPlayVisible = true;
  EXPECT_EQ(PictureAt(Point{380, 15}, view), Picture::Play);
  view.imgPlayVisible = false;
  EXPECT_EQ(PictureAt(Point{380, 15}, view), std::nullopt);
}

class FrmStelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ControlWindowEvents events;
    events.pause = [this] { calls.push_back("pause"); };
    events.play = [this] { calls.push_back("play"); };
    events.playNext = [this] { calls.push_back("next"); };
    events.stop = [this] { calls.push_back("stop"); };
    window = std::make_unique<FrmStels>(events, ControlWindowTips{"p", "z", "n", "s"});
    ASSERT_TRUE(window->Create());
  }
  // A press and a release at a point of the window, as the mouse gives them.
  void ClickAt(int x, int y) {
    SendMessageW(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }

  std::vector<std::string> calls;
  std::unique_ptr<FrmStels> window;
};

TEST_F(FrmStelsTest, WindowIsTheTopMostBarCentredNearTheTop) {
  window->ShowTopMost();
  HWND h = window->Handle();
  RECT r{};
  GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 481);
  EXPECT_EQ(r.bottom - r.top, 43);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 481) / 2);
  EXPECT_EQ(r.top, 13);
  EXPECT_TRUE(IsWindowVisible(h));
  EXPECT_TRUE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(h, rgn), ERROR);
  EXPECT_TRUE(PtInRegion(rgn, 400, 20));
  DeleteObject(rgn);
}

TEST_F(FrmStelsTest, ClicksOnVisiblePicturesReachThePlayer) {
  ClickAt(412, 20);
  ClickAt(445, 20);
  ClickAt(380, 20);   // pause is shown while playing
  PlayerView paused;
  paused.imgPauseVisible = false;
  paused.imgPlayVisible = true;
  window->SetView(paused);
  ClickAt(380, 20);
  EXPECT_EQ(calls, (std::vector<std::string>{"stop", "next", "pause", "play"}));
}

TEST_F(FrmStelsTest, PressOnOnePictureReleasedElsewhereDoesNothing) {
  SendMessageW(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(412, 20));
  SendMessageW(window->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(445, 20));
  EXPECT_TRUE(calls.empty());
}

TEST_F(FrmStelsTest, RefusesShutdownAndTreatsCloseAsStop) {
  EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
  SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window->Handle()));
  EXPECT_EQ(calls, (std::vector<std::string>{"stop"}));
}

TEST_F(FrmStelsTest, UnloadRunsAfterTheCurrentMessageAndMayDestroyTheWindow) {
  ControlWindowEvents events;
  bool unloaded = false;
  std::unique_ptr<FrmStels> own;
  events.unload = [&] {
    unloaded = true;
    own.reset();
  };
  own = std::make_unique<FrmStels>(events, ControlWindowTips{});
  ASSERT_TRUE(own->Create());
  HWND h = own->Handle();
  own->RequestUnload();
  EXPECT_FALSE(unloaded);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_TRUE(unloaded);
  EXPECT_FALSE(IsWindow(h));
}

}  // namespace
}  // namespace velgaro::stels
