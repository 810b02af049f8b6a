// The local time of day as the system keeps it.
#pragma once

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32Clock final : public Clock {
 public:
  LocalTime Now() const override;
};

}  // namespace velgaro::win32
