// Real pointer input: the system cursor and its input queue.
#pragma once

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32Input final : public Input {
 public:
  void SetCursorPos(std::int32_t x, std::int32_t y) override;
  void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy) override;
};

}  // namespace velgaro::win32
