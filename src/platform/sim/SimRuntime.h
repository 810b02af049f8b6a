// Simulated processes, clock, timers and message pump for tests. Time moves only when the test says so.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Ports.h"

namespace velgaro {

class SimProcesses : public Processes {
 public:
  struct Process {
    std::int32_t id = 0;
    std::string commandLine;
    bool running = true;
    std::int32_t parent = 0;   // the process that started it; 0 for the program's own starts
  };

  std::optional<std::int32_t> Start(const std::string& commandLine) override;
  ProcessHandle OpenForWait(std::int32_t processId) override;
  std::int32_t WaitZero(ProcessHandle handle) override;
  void Close(ProcessHandle handle) override;
  void EndTree(std::int32_t processId) override;
  std::vector<std::int32_t> ProcessTree(std::int32_t processId) const override;

  // A process that parent started itself (an installer's own helper), running.
  std::int32_t StartChild(std::int32_t parent, const std::string& commandLine);
  void End(std::int32_t processId);
  bool Running(std::int32_t processId) const;
  const std::vector<Process>& Started() const { return started_; }
  std::size_t OpenHandles() const { return handles_.size(); }
  std::size_t BadCloses() const { return badCloses_; }   // closes of handles that were not open

  bool failStarts = false;
  std::int32_t nextId = 1000;
  // Called after each successful start, e.g. to show an installer's first page.
  std::function<void(std::int32_t id, const std::string& commandLine)> onStart;

 private:
  std::vector<Process> started_;
  std::map<ProcessHandle, std::int32_t> handles_;
  ProcessHandle nextHandle_ = 0x400;
  std::size_t badCloses_ = 0;
};

class SimClock : public Clock {
 public:
  LocalTime Now() const override { return now; }
  void AdvanceSeconds(std::int64_t seconds);   // across midnight, month and year ends

  LocalTime now{2024, 5, 17, 12, 0, 0};
};

// Timers on a simulated millisecond clock. Advance fires every due tick in time order (timers due at the
// same moment in creation order); a tick handler may advance time or fire ticks itself.
class SimTimers : public TimerFactory {
 public:
  SimTimers();
  std::unique_ptr<Timer> CreateTimer(std::function<void()> onTick) override;
  void Advance(std::int64_t milliseconds);
  std::int64_t Now() const { return shared_->now; }
  std::int64_t ElapsedMs() const override { return shared_->now; }
  std::size_t LiveTimers() const;

  struct TimerState {
    std::function<void()> onTick;
    bool enabled = false;
    int interval = 0;
    std::int64_t due = 0;
    std::uint64_t order = 0;
  };
  struct Shared {
    std::int64_t now = 0;
    std::uint64_t created = 0;
    std::vector<std::weak_ptr<TimerState>> timers;
  };

 private:
  std::shared_ptr<Shared> shared_;
};

class SimMessagePump : public MessagePump {
 public:
  void RunOnce() override;
  int runs = 0;
  std::function<void()> onRunOnce;   // what "waiting messages" means in a test
};

}  // namespace velgaro
