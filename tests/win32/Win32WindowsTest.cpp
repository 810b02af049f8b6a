// The window port over real windows of this process: FindWindowEx order and matching, texts in and
// out (Cyrillic included), coordinates and parents.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/win32/Win32Windows.h"

// The port's methods are called by name here, not through the A/W macros.
#undef FindWindowEx
#undef GetWindowText
#undef GetClassName

namespace velgaro::win32 {
namespace {

WindowHandle H(HWND w) { return reinterpret_cast<WindowHandle>(w); }

class Win32WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    top = CreateWindowExW(0, L"STATIC", L"Velgaro Тест Setup", WS_POPUP, 100, 120, 300, 200, nullptr, nullptr,
                          nullptr, nullptr);
    ASSERT_NE(top, nullptr);
    ShowWindow(top, SW_SHOWNOACTIVATE);  // an activated window takes Wine seconds to destroy
    first = Child(L"BUTTON", L"&Next >", 10);
    cancel = Child(L"BUTTON", L"Cancel", 40);
    second = Child(L"BUTTON", L"&Next >", 70);
    edit = Child(L"EDIT", L"C:\\Program Files\\Тест", 100);
  }
  void TearDown() override { DestroyWindow(top); }

  HWND Child(const wchar_t* cls, const wchar_t* text, int y) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE, 10, y, 200, 24, top, nullptr, nullptr, nullptr);
  }

  // Lets this thread's windows answer until the condition holds (at most five seconds).
  template <typename Condition>
  void PumpUntil(Condition done) {
    for (int i = 0; i < 500 && !done(); ++i) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      Sleep(10);
    }
  }

  Win32Windows ws;
  HWND top = nullptr, first = nullptr, cancel = nullptr, second = nullptr, edit = nullptr;
};

TEST_F(Win32WindowsTest, FindsChildrenInOrderWithoutRegardToCase) {
  const WindowHandle a = ws.FindWindowEx(H(top), 0, std::string("button"), std::string("&NEXT >"));
  EXPECT_EQ(a, H(first));
  EXPECT_EQ(ws.FindWindowEx(H(top), a, std::string("Button"), std::string("&Next >")), H(second));
  EXPECT_EQ(ws.FindWindowEx(H(top), H(second), std::string("Button"), std::string("&Next >")), 0u);
  // No caption: any caption matches.
  EXPECT_EQ(ws.FindWindowEx(H(top), a, std::string("Button"), std::nullopt), H(cancel));
}

TEST_F(Win32WindowsTest, FindsTopLevelWindowByCyrillicCaption) {
  EXPECT_EQ(ws.FindWindowEx(0, 0, std::nullopt, std::string("Velgaro Тест Setup")), H(top));
  EXPECT_EQ(ws.FindWindowEx(ws.GetDesktopWindow(), 0, std::nullopt, std::string("velgaro тест setup")), H(top));
}

TEST_F(Win32WindowsTest, ReadsTextsAndClassNames) {
  EXPECT_EQ(ws.GetWindowText(H(top)), "Velgaro Тест Setup");
  EXPECT_EQ(ws.GetClassName(H(edit)), "Edit");
  EXPECT_EQ(ws.GetParent(H(edit)), H(top));
  EXPECT_EQ(ws.GetParent(H(top)), 0u);
  EXPECT_EQ(ws.WindowProcessId(H(edit)), static_cast<std::int32_t>(GetCurrentProcessId()));
}

TEST_F(Win32WindowsTest, WindowTextIsCutTo255Characters) {
  SetWindowTextW(cancel, std::wstring(300, L'я').c_str());
  EXPECT_EQ(ws.GetWindowText(H(cancel)), [] {
    std::string s;
    for (int i = 0; i < 255; ++i) s += "я";
    return s;
  }());
}

TEST_F(Win32WindowsTest, SetTextReplacesContentAndGetTextByMessageReadsIt) {
  const std::shared_ptr<const TextDelivery> delivery = ws.BeginSetText(H(edit), "D:\\Установка\\App");
  PumpUntil([&] { return delivery->Returned(); });   // the field belongs to this thread: it answers as we pump
  ASSERT_TRUE(delivery->Returned());
  EXPECT_EQ(ws.GetTextByMessage(H(edit), 255), "D:\\Установка\\App");
  // The buffer holds maxChars characters with the terminator.
  EXPECT_EQ(ws.GetTextByMessage(H(edit), 4), "D:\\");
  EXPECT_EQ(ws.GetTextByMessage(H(edit), 0), "");
}

// A field on a thread of its own whose WM_SETTEXT handler waits, pumping, until it is released: as an
// installer's handler does while its message box is up. Its thread can also be made to stop pumping.
class SlowField {
 public:
  SlowField() {
    release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &SlowField::Run, this, 0, nullptr);
    WaitForSingleObject(ready_, 5000);
  }
  ~SlowField() {
    SetEvent(release_);
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    CloseHandle(ready_);
    CloseHandle(release_);
  }
  HWND Edit() const { return edit_; }
  HWND Host() const { return host_; }
  void Release() { SetEvent(release_); }
  // The field's thread stops pumping for the given time, as a hung installer.
  void Block(DWORD ms) { PostMessageW(edit_, WM_APP, ms, 0); }

 private:
  static DWORD WINAPI Run(void* self) { return static_cast<SlowField*>(self)->Loop(); }
  DWORD Loop() {
    threadId_ = GetCurrentThreadId();
    host_ = CreateWindowExW(0, L"STATIC", L"Slow", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    edit_ = CreateWindowExW(0, L"EDIT", L"before", WS_CHILD, 0, 0, 100, 20, host_, nullptr, nullptr, nullptr);
    SetWindowSubclass(edit_, &SlowField::Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    SetEvent(ready_);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(host_);
    return 0;
  }
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<SlowField*>(data);
    if (msg == WM_APP) {
      Sleep(static_cast<DWORD>(wParam));
      return 0;
    }
    const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
    if (msg == WM_SETTEXT) {
      // A modal loop of its own: messages go on, the sender waits.
      while (WaitForSingleObject(self->release_, 0) != WAIT_OBJECT_0) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        Sleep(5);
      }
    }
    return result;
  }

  HANDLE release_ = nullptr, ready_ = nullptr, thread_ = nullptr;
  DWORD threadId_ = 0;
  HWND host_ = nullptr, edit_ = nullptr;
};

TEST_F(Win32WindowsTest, ATextIsSentWithoutWaitingForAHandlerThatWaitsOnItsUser) {
  SlowField field;
  const DWORD start = GetTickCount();
  const std::shared_ptr<const TextDelivery> delivery = ws.BeginSetText(H(field.Edit()), "serial");
  EXPECT_LT(GetTickCount() - start, 1000u) << "the caller must not wait for the window's handler";
  PumpUntil([&] { return ws.GetTextByMessage(H(field.Edit()), 255) == "serial"; });
  EXPECT_EQ(ws.GetTextByMessage(H(field.Edit()), 255), "serial");   // it took the text and still waits
  EXPECT_FALSE(delivery->Returned());
  field.Release();
  PumpUntil([&] { return delivery->Returned(); });
  EXPECT_TRUE(delivery->Returned());
}

TEST_F(Win32WindowsTest, ABusyInstallersWindowIsMovedRaisedAndActivatedWithoutWaitingForIt) {
  SlowField field;
  ShowWindow(field.Host(), SW_SHOWNOACTIVATE);
  PumpUntil([&] { return IsWindowVisible(field.Host()) != FALSE; });
  field.Block(1500);
  Sleep(100);
  const DWORD start = GetTickCount();
  ws.MoveWindowTo(H(field.Host()), Point{40, 50});   // not done in time: it will be, once the thread pumps
  ws.SetZOrder(H(field.Host()), WindowSystem::ZPlace::TopMost);
  ws.SetZOrder(H(field.Host()), WindowSystem::ZPlace::NoTopMost);
  ws.SetForegroundWindow(H(field.Host()));
  EXPECT_LT(GetTickCount() - start, 1000u) << "nothing may wait for the busy window's thread";
  // Its own thread carries the move out once it pumps again.
  PumpUntil([&] {
    const std::optional<Rect> r = ws.GetWindowRect(H(field.Host()));
    return r && r->left == 40 && r->top == 50;
  });
  EXPECT_EQ(ws.GetWindowRect(H(field.Host()))->left, 40);
}

TEST_F(Win32WindowsTest, ABusyWindowIsNotWaitedForWhenItsTextIsAskedFor) {
  SlowField field;
  field.Block(2000);
  Sleep(100);
  const DWORD start = GetTickCount();
  EXPECT_EQ(ws.GetTextByMessage(H(field.Host()), 255), "Slow");   // as the window manager knows it
  EXPECT_LT(GetTickCount() - start, 1000u);
}

TEST_F(Win32WindowsTest, ClientToScreenAndWindowFromPoint) {
  const Point p = ws.ClientToScreen(H(cancel), Point{5, 5});
  RECT r{};
  GetWindowRect(cancel, &r);
  EXPECT_EQ(p, (Point{r.left + 5, r.top + 5}));
  ws.SetTopMost(H(top), true);
  EXPECT_TRUE(GetWindowLongPtrW(top, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(ws.WindowFromPoint(p), H(cancel));
  ws.SetTopMost(H(top), false);
  EXPECT_FALSE(GetWindowLongPtrW(top, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Win32WindowsTest, TopLevelWindowIsFoundRaisedMovedAndRestored) {
  EXPECT_EQ(ws.GetRootWindow(H(edit)), H(top));
  EXPECT_EQ(ws.GetRootWindow(H(top)), H(top));
  EXPECT_EQ(ws.GetWindowRect(H(top)), (Rect{100, 120, 400, 320}));
  EXPECT_TRUE(ws.MoveWindowTo(H(top), Point{150, 130}));
  EXPECT_EQ(ws.GetWindowRect(H(top)), (Rect{150, 130, 450, 330}));

  EXPECT_TRUE(ws.SetZOrder(H(top), WindowSystem::ZPlace::TopMost));
  EXPECT_TRUE(ws.IsTopMost(H(top)));
  EXPECT_TRUE(ws.SetZOrder(H(top), WindowSystem::ZPlace::NoTopMost));
  EXPECT_FALSE(ws.IsTopMost(H(top)));
  EXPECT_TRUE(ws.SetZOrder(H(top), WindowSystem::ZPlace::Top));

  ShowWindow(top, SW_MINIMIZE);
  EXPECT_TRUE(ws.IsMinimized(H(top)));
  EXPECT_TRUE(ws.RestoreWindow(H(top)));
  EXPECT_FALSE(ws.IsMinimized(H(top)));
  EXPECT_TRUE(IsWindowVisible(top));
  EXPECT_EQ(ws.GetWindowRect(H(top)), (Rect{150, 130, 450, 330}));   // back where it was
}

TEST_F(Win32WindowsTest, WindowOperationsReportFailureForNoWindow) {
  HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  EXPECT_EQ(ws.GetRootWindow(H(gone)), 0u);
  EXPECT_FALSE(ws.IsMinimized(H(gone)));
  EXPECT_FALSE(ws.RestoreWindow(H(gone)));
  EXPECT_FALSE(ws.SetZOrder(H(gone), WindowSystem::ZPlace::Top));
  EXPECT_FALSE(ws.SetTopMost(H(gone), true));
  EXPECT_EQ(ws.GetWindowRect(H(gone)), std::nullopt);
  EXPECT_FALSE(ws.MoveWindowTo(H(gone), Point{0, 0}));
  EXPECT_EQ(ws.WindowProcessId(H(gone)), 0);
  // A hidden window keeps hidden when its z-order changes.
  ShowWindow(top, SW_HIDE);
  EXPECT_TRUE(ws.SetZOrder(H(top), WindowSystem::ZPlace::TopMost));
  EXPECT_FALSE(IsWindowVisible(top));
  // A child cannot be the foreground window; its top-level window can.
  EXPECT_FALSE(ws.SetForegroundWindow(H(cancel)) && GetForegroundWindow() == cancel);
}

}  // namespace
}  // namespace velgaro::win32
