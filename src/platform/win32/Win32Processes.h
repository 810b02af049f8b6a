// Starting installers and waiting for them to end.
#pragma once

#include "platform/Ports.h"
#include "platform/win32/Handles.h"

namespace velgaro::win32 {

class Win32Processes final : public Processes {
 public:
  std::optional<std::int32_t> Start(const std::string& commandLine) override;
  ProcessHandle OpenForWait(std::int32_t processId) override;
  std::int32_t WaitZero(ProcessHandle handle) override;
  void Close(ProcessHandle handle) override;
  void EndTree(std::int32_t processId) override;
  std::vector<std::int32_t> ProcessTree(std::int32_t processId) const override;

 private:
  // The last started process stays open, so that its id cannot be given to another process
  // before OpenForWait asks for it.
  UniqueHandle lastStarted_;
};

}  // namespace velgaro::win32
