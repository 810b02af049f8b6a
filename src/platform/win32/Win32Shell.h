// The shell through ShellExecute and CreateProcess.
#pragma once

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32Shell final : public Shell {
 public:
  bool Open(const std::string& target) override;
  bool RunMinimized(const std::string& commandLine) override;
};

}  // namespace velgaro::win32
