// Window timers (SetTimer) on a hidden message-only window of the user-interface thread.
#pragma once

#include <memory>

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32TimerFactory final : public TimerFactory {
 public:
  Win32TimerFactory();
  ~Win32TimerFactory() override;
  Win32TimerFactory(const Win32TimerFactory&) = delete;
  Win32TimerFactory& operator=(const Win32TimerFactory&) = delete;

  // False when the hidden window could not be created: the timers then never fire.
  bool Ready() const;
  std::unique_ptr<Timer> CreateTimer(std::function<void()> onTick) override;
  std::int64_t ElapsedMs() const override;

  struct Host;

 private:
  std::shared_ptr<Host> host_;  // shared with the timers, which may outlive the factory
};

}  // namespace velgaro::win32
