#include "engine/win32/MouseHook.h"

namespace velgaro::stels {
namespace {

// The hook procedure has no argument for its owner: the one hook of the process is found here.
MouseHook*& Current() {
  static MouseHook* current = nullptr;
  return current;
}

double MicrosecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

bool MouseHook::Install() {
  if (hook_ != nullptr) return true;
  if (Current() != nullptr && Current() != this) return false;
  Current() = this;
  hook_ = SetWindowsHookExW(WH_MOUSE_LL, &MouseHook::Procedure, GetModuleHandleW(nullptr), 0);
  if (hook_ == nullptr) Current() = nullptr;
  return hook_ != nullptr;
}

void MouseHook::Remove() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
  if (Current() == this) Current() = nullptr;
}

std::vector<CapturedMouseEvent> MouseHook::TakeQueued() {
  std::vector<CapturedMouseEvent> taken;
  taken.swap(queue_);
  return taken;
}

void MouseHook::Capture(std::uint32_t message, POINT at) {
  LARGE_INTEGER start;
  if (keepTimings_) QueryPerformanceCounter(&start);
  CapturedMouseEvent event = CaptureMouseEvent(windows_, matcher_, message, Point{at.x, at.y});
  if (event.kind == CapturedMouseEvent::Kind::Other) return;
  const bool wasEmpty = queue_.empty();
  const CapturedMouseEvent::Kind kind = event.kind;
  queue_.push_back(std::move(event));
  // One message wakes the recorder for however many events arrive before it runs.
  if (wasEmpty) PostMessageW(notify_, notifyMessage_, 0, 0);
  if (keepTimings_) timings_.push_back(Timing{kind, MicrosecondsSince(start)});
}

LRESULT CALLBACK MouseHook::Procedure(int code, WPARAM message, LPARAM data) {
  MouseHook* self = Current();
  if (code == HC_ACTION && self != nullptr && data != 0) {
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
    try {
      self->Capture(static_cast<std::uint32_t>(message), info->pt);
    } catch (...) {
      // No exception crosses the system's callback; the event still goes on.
    }
  }
  // No event is ever swallowed.
  return CallNextHookEx(self != nullptr ? self->hook_ : nullptr, code, message, data);
}

bool EnablePrivilege(const wchar_t* name) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool granted = false;
  if (LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid)) {
    TOKEN_PRIVILEGES previous{};
    DWORD previousSize = sizeof(previous);
    SetLastError(0);
    granted = AdjustTokenPrivileges(token, FALSE, &privileges, sizeof(previous), &previous, &previousSize) &&
              GetLastError() == 0;
  }
  CloseHandle(token);
  return granted;
}

}  // namespace velgaro::stels
