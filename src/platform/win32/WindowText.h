// A window's or control's text, whole, as the program keeps text (UTF-8).
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {

inline std::wstring WideWindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

inline std::string WindowTextUtf8(HWND window) { return ToUtf8(WideWindowText(window)); }

// Sets only a text that differs: the caret of a box being typed in stays where it is, and nothing
// repaints for nothing.
inline void SetWindowTextIfChanged(HWND window, const std::string& text) {
  if (window != nullptr && WindowTextUtf8(window) != text) SetWindowTextW(window, ToWide(text).c_str());
}

}  // namespace velgaro::win32
