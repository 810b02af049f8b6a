// Lets the thread's waiting messages be handled, as between the steps of a long operation.
#pragma once

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32MessagePump final : public MessagePump {
 public:
  void RunOnce() override;
};

}  // namespace velgaro::win32
