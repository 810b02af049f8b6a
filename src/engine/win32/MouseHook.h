// The system-wide low-level mouse hook of a recording. The callback captures each event (for a press:
// the window under the pointer and its description, taken at once) into a queue and posts one message
// to the control window; the recorder works through the queue from there. The callback never waits.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "engine/MouseCapture.h"

namespace velgaro::stels {

class MouseHook {
 public:
  // Time one callback took, for the hook's cost figures.
  struct Timing {
    CapturedMouseEvent::Kind kind;
    double microseconds;
  };

  MouseHook(const WindowSystem& windows, const WindowMatcher& matcher, HWND notify, UINT notifyMessage)
      : windows_(windows), matcher_(matcher), notify_(notify), notifyMessage_(notifyMessage) {}
  ~MouseHook() { Remove(); }
  MouseHook(const MouseHook&) = delete;
  MouseHook& operator=(const MouseHook&) = delete;

  // SetWindowsHookEx(WH_MOUSE_LL) on this thread; one hook of the process at a time.
  bool Install();
  void Remove();
  bool Installed() const { return hook_ != nullptr; }

  // The events captured since the last call, oldest first.
  std::vector<CapturedMouseEvent> TakeQueued();

  void KeepTimings(bool keep) { keepTimings_ = keep; }
  const std::vector<Timing>& Timings() const { return timings_; }

 private:
  static LRESULT CALLBACK Procedure(int code, WPARAM message, LPARAM data);
  void Capture(std::uint32_t message, POINT at);

  const WindowSystem& windows_;
  const WindowMatcher& matcher_;
  HWND notify_;
  UINT notifyMessage_;
  HHOOK hook_ = nullptr;
  std::vector<CapturedMouseEvent> queue_;
  bool keepTimings_ = false;
  std::vector<Timing> timings_;
};

// AdjustTokenPrivileges for one privilege of this process; true when it was granted.
bool EnablePrivilege(const wchar_t* name);

}  // namespace velgaro::stels
