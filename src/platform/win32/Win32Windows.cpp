#include "platform/win32/Win32Windows.h"

#include <windows.h>
// The port's method names, not the A/W macros of <windows.h>.
#undef FindWindowEx
#undef GetWindowText
#undef GetClassName

#include <atomic>
#include <memory>
#include <vector>

#include "platform/win32/WideText.h"
#include "platform/win32/WindowRequests.h"

namespace velgaro::win32 {
namespace {

HWND ToHwnd(WindowHandle w) { return reinterpret_cast<HWND>(w); }
WindowHandle FromHwnd(HWND w) { return reinterpret_cast<WindowHandle>(w); }

constexpr int kTextCapacity = 256;  // 255 characters and the terminator

bool OfThisThread(HWND w) { return GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId(); }

// SetWindowPos, carried out by the thread that owns the window: for a window of another thread it goes
// through the worker, so that a busy installer never holds this thread up for long.
bool SetPosition(HWND hwnd, HWND after, int x, int y, UINT flags) {
  if (OfThisThread(hwnd)) return SetWindowPos(hwnd, after, x, y, 0, 0, flags) != FALSE;
  return WindowRequests::Shared().Run(
      [hwnd, after, x, y, flags] { return SetWindowPos(hwnd, after, x, y, 0, 0, flags) != FALSE; },
      Win32Windows::kQueryTimeoutMs);
}

}  // namespace

WindowHandle Win32Windows::FindWindowEx(WindowHandle parent, WindowHandle after,
                                        const std::optional<std::string>& className,
                                        const std::optional<std::string>& caption) const {
  // An absent text is NULL (matches any); user32 compares both texts without regard to case.
  const std::wstring wideClass = className ? ToWide(*className) : std::wstring();
  const std::wstring wideCaption = caption ? ToWide(*caption) : std::wstring();
  return FromHwnd(FindWindowExW(ToHwnd(parent), ToHwnd(after), className ? wideClass.c_str() : nullptr,
                                caption ? wideCaption.c_str() : nullptr));
}

WindowHandle Win32Windows::WindowFromPoint(Point screen) const {
  return FromHwnd(::WindowFromPoint(POINT{screen.x, screen.y}));
}

Point Win32Windows::ClientToScreen(WindowHandle window, Point client) const {
  POINT p{client.x, client.y};
  if (!::ClientToScreen(ToHwnd(window), &p)) return client;
  return Point{p.x, p.y};
}

Point Win32Windows::ScreenToClient(WindowHandle window, Point screen) const {
  POINT p{screen.x, screen.y};
  if (!::ScreenToClient(ToHwnd(window), &p)) return screen;
  return Point{p.x, p.y};
}

WindowHandle Win32Windows::GetParent(WindowHandle window) const { return FromHwnd(::GetParent(ToHwnd(window))); }

std::string Win32Windows::GetWindowText(WindowHandle window) const {
  wchar_t buffer[kTextCapacity] = {};
  const int n = GetWindowTextW(ToHwnd(window), buffer, kTextCapacity);
  return n > 0 ? ToUtf8(std::wstring(buffer, static_cast<std::size_t>(n))) : std::string();
}

std::string Win32Windows::GetClassName(WindowHandle window) const {
  wchar_t buffer[kTextCapacity] = {};
  const int n = GetClassNameW(ToHwnd(window), buffer, kTextCapacity);
  return n > 0 ? ToUtf8(std::wstring(buffer, static_cast<std::size_t>(n))) : std::string();
}

WindowHandle Win32Windows::GetDesktopWindow() const { return FromHwnd(::GetDesktopWindow()); }

bool Win32Windows::SetForegroundWindow(WindowHandle window) { return ::SetForegroundWindow(ToHwnd(window)) != FALSE; }

bool Win32Windows::SetTopMost(WindowHandle window, bool topMost) {
  return SetPosition(ToHwnd(window), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

WindowHandle Win32Windows::GetRootWindow(WindowHandle window) const {
  return FromHwnd(GetAncestor(ToHwnd(window), GA_ROOT));
}

bool Win32Windows::IsMinimized(WindowHandle window) const { return IsIconic(ToHwnd(window)) != FALSE; }

bool Win32Windows::IsVisible(WindowHandle window) const { return IsWindowVisible(ToHwnd(window)) != FALSE; }

bool Win32Windows::RestoreWindow(WindowHandle window) {
  // ShowWindow, not SetWindowPlacement: under Wine the latter fails for another process's window.
  // Its return value tells the earlier visibility, so the result is read off the window afterwards.
  HWND hwnd = ToHwnd(window);
  if (!IsWindow(hwnd)) return false;
  if (OfThisThread(hwnd)) {
    ShowWindow(hwnd, SW_RESTORE);
  } else {
    ShowWindowAsync(hwnd, SW_RESTORE);   // done by its own thread; a later look tells whether it was
  }
  return IsIconic(hwnd) == FALSE;
}

bool Win32Windows::IsTopMost(WindowHandle window) const {
  return (GetWindowLongPtrW(ToHwnd(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool Win32Windows::SetZOrder(WindowHandle window, ZPlace place) {
  HWND after = HWND_TOP;
  if (place == ZPlace::TopMost) after = HWND_TOPMOST;
  if (place == ZPlace::NoTopMost) after = HWND_NOTOPMOST;
  return SetPosition(ToHwnd(window), after, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

std::optional<Rect> Win32Windows::GetWindowRect(WindowHandle window) const {
  RECT r{};
  if (!::GetWindowRect(ToHwnd(window), &r)) return std::nullopt;
  return Rect{r.left, r.top, r.right, r.bottom};
}

bool Win32Windows::MoveWindowTo(WindowHandle window, Point topLeft) {
  return SetPosition(ToHwnd(window), nullptr, topLeft.x, topLeft.y, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

class Win32TextDelivery final : public TextDelivery {
 public:
  bool Returned() const override { return returned_.load(); }
  void MarkReturned() { returned_.store(true); }

 private:
  std::atomic<bool> returned_{false};
};

// One WM_SETTEXT on a worker thread of its own: the installer's handler may show a box and wait for its
// user inside the send, and only this thread waits with it.
struct TextJob {
  HWND window;
  std::wstring text;
  std::shared_ptr<Win32TextDelivery> delivery;
};

DWORD WINAPI SendTextJob(void* parameter) {
  const std::unique_ptr<TextJob> job(static_cast<TextJob*>(parameter));
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(job->window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(job->text.c_str()),
                      SMTO_NORMAL | SMTO_ABORTIFHUNG, Win32Windows::kMessageTimeoutMs, &ignored);
  job->delivery->MarkReturned();
  return 0;
}

}  // namespace

std::shared_ptr<const TextDelivery> Win32Windows::BeginSetText(WindowHandle window, const std::string& text) {
  auto delivery = std::make_shared<Win32TextDelivery>();
  auto job = std::make_unique<TextJob>(TextJob{ToHwnd(window), ToWide(text), delivery});
  HANDLE thread = CreateThread(nullptr, 0, &SendTextJob, job.get(), 0, nullptr);
  if (thread == nullptr) {
    // No thread to spare: sent from here, but never waited on for longer than a query.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(ToHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(job->text.c_str()),
                        SMTO_NORMAL | SMTO_ABORTIFHUNG, kQueryTimeoutMs, &ignored);
    delivery->MarkReturned();
    return delivery;
  }
  job.release();   // the worker owns it now
  CloseHandle(thread);
  return delivery;
}

std::string Win32Windows::GetTextByMessage(WindowHandle window, std::size_t maxChars) const {
  if (maxChars == 0) return {};
  // The window copies at most maxChars - 1 characters and a terminator into the buffer.
  std::vector<wchar_t> buffer(maxChars + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(ToHwnd(window), WM_GETTEXT, static_cast<WPARAM>(maxChars),
                           reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                           kQueryTimeoutMs, &copied)) {
    // A busy window is not waited for: the text the window manager holds for it stands in (read without
    // a message, so that no window of this process is waited for either).
    const int n = InternalGetWindowText(ToHwnd(window), buffer.data(), static_cast<int>(maxChars));
    return n > 0 ? ToUtf8(std::wstring(buffer.data(), static_cast<std::size_t>(n))) : std::string();
  }
  const std::size_t n = copied < maxChars ? static_cast<std::size_t>(copied) : maxChars;
  return ToUtf8(std::wstring(buffer.data(), n));
}

std::int32_t Win32Windows::WindowProcessId(WindowHandle window) const {
  DWORD process = 0;
  if (GetWindowThreadProcessId(ToHwnd(window), &process) == 0) return 0;
  return static_cast<std::int32_t>(process);
}

}  // namespace velgaro::win32
