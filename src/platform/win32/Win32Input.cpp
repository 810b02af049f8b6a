#include "platform/win32/Win32Input.h"

#include <windows.h>

namespace velgaro::win32 {

void Win32Input::SetCursorPos(std::int32_t x, std::int32_t y) { ::SetCursorPos(x, y); }

void Win32Input::MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy) {
  // Relative moves carry signed distances in the DWORD arguments, as mouse_event expects.
  mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), 0, 0);
}

}  // namespace velgaro::win32
