// HttpGet over WinHTTP: the request runs on a worker thread of its own, and its ready states are
// posted to a window as message(wParam = the request's number, lParam = the ready state). On state 4
// the window takes the body with TakeBody. Reports of an earlier request (one given up or aborted)
// carry an old number: the window drops them.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32HttpGet final : public HttpGet {
 public:
  Win32HttpGet(HWND window, UINT message) : window_(window), message_(message) {}
  ~Win32HttpGet() override;
  Win32HttpGet(const Win32HttpGet&) = delete;
  Win32HttpGet& operator=(const Win32HttpGet&) = delete;

  bool Start(const std::string& url) override;
  void Abort() override;

  // The number the current request's reports carry.
  WPARAM Current() const { return number_; }
  // The body of the current request once it reported state 4; nullopt when it yielded no document.
  std::optional<std::string> TakeBody();

  struct Job;

 private:
  HWND window_;
  UINT message_;
  WPARAM number_ = 0;
  std::shared_ptr<Job> job_;
};

}  // namespace velgaro::win32
