// DeploymentLog for a program of the GUI subsystem: it has no console of its own, so the line goes to
// the standard error handle only when the caller gave one (an agent that captures the output), and
// always to the Application event log under the program's event source.
#pragma once

#include <string>

#include "platform/Ports.h"

namespace velgaro::win32 {

inline constexpr const wchar_t* kEventSource = L"Velgaro Replaysetup";

class Win32DeploymentLog final : public DeploymentLog {
 public:
  void Error(const std::string& line) override;
};

}  // namespace velgaro::win32
