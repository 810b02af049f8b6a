#include "platform/sim/SimRuntime.h"

#include <algorithm>

namespace velgaro {
namespace {

constexpr std::int32_t kWaitObject0 = 0;
constexpr std::int32_t kWaitTimeout = 258;
constexpr std::int32_t kWaitFailed = -1;

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeap(year)) return 29;
  return kDays[(month - 1 + 12) % 12];
}

class SimTimer : public Timer {
 public:
  SimTimer(std::shared_ptr<SimTimers::Shared> shared, std::shared_ptr<SimTimers::TimerState> state)
      : shared_(std::move(shared)), state_(std::move(state)) {}
  ~SimTimer() override { state_->enabled = false; }

  void SetEnabled(bool enabled) override {
    if (enabled && !state_->enabled) state_->due = shared_->now + state_->interval;
    state_->enabled = enabled;
  }
  bool Enabled() const override { return state_->enabled; }
  void SetInterval(int milliseconds) override {
    state_->interval = milliseconds;
    if (state_->enabled) state_->due = shared_->now + milliseconds;   // a new interval restarts the timer
  }
  int Interval() const override { return state_->interval; }

 private:
  std::shared_ptr<SimTimers::Shared> shared_;
  std::shared_ptr<SimTimers::TimerState> state_;
};

}  // namespace

std::optional<std::int32_t> SimProcesses::Start(const std::string& commandLine) {
  if (failStarts) return std::nullopt;
  const std::int32_t id = nextId++;
  started_.push_back(Process{id, commandLine, true});
  if (onStart) onStart(id, commandLine);
  return id;
}

ProcessHandle SimProcesses::OpenForWait(std::int32_t processId) {
  const bool known = std::any_of(started_.begin(), started_.end(), [&](const Process& p) { return p.id == processId; });
  if (!known) return 0;
  const ProcessHandle handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = processId;
  return handle;
}

std::int32_t SimProcesses::WaitZero(ProcessHandle handle) {
  auto it = handles_.find(handle);
  if (it == handles_.end()) return kWaitFailed;
  return Running(it->second) ? kWaitTimeout : kWaitObject0;
}

void SimProcesses::Close(ProcessHandle handle) {
  if (handles_.erase(handle) == 0) ++badCloses_;
}

std::int32_t SimProcesses::StartChild(std::int32_t parent, const std::string& commandLine) {
  const std::int32_t id = nextId++;
  started_.push_back(Process{id, commandLine, true, parent});
  return id;
}

void SimProcesses::EndTree(std::int32_t processId) {
  std::vector<std::int32_t> ending{processId};
  for (std::size_t i = 0; i < ending.size(); ++i) {
    End(ending[i]);
    for (const Process& p : started_) {
      if (p.parent == ending[i] && p.running) ending.push_back(p.id);
    }
  }
}

std::vector<std::int32_t> SimProcesses::ProcessTree(std::int32_t processId) const {
  if (processId < 1) return {};
  std::vector<std::int32_t> tree{processId};
  for (std::size_t i = 0; i < tree.size(); ++i) {
    for (const Process& p : started_) {
      if (p.parent == tree[i] && p.running) tree.push_back(p.id);
    }
  }
  return tree;
}

void SimProcesses::End(std::int32_t processId) {
  for (Process& p : started_) {
    if (p.id == processId) p.running = false;
  }
}

bool SimProcesses::Running(std::int32_t processId) const {
  return std::any_of(started_.begin(), started_.end(),
                     [&](const Process& p) { return p.id == processId && p.running; });
}

void SimClock::AdvanceSeconds(std::int64_t seconds) {
  std::int64_t total = now.hour * 3600LL + now.minute * 60LL + now.second + seconds;
  std::int64_t days = total / 86400;
  total %= 86400;
  if (total < 0) {
    total += 86400;
    --days;
  }
  now.hour = static_cast<int>(total / 3600);
  now.minute = static_cast<int>(total / 60 % 60);
  now.second = static_cast<int>(total % 60);
  for (; days > 0; --days) {
    if (++now.day > DaysInMonth(now.year, now.month)) {
      now.day = 1;
      if (++now.month > 12) {
        now.month = 1;
        ++now.year;
      }
    }
  }
}

SimTimers::SimTimers() : shared_(std::make_shared<Shared>()) {}

std::unique_ptr<Timer> SimTimers::CreateTimer(std::function<void()> onTick) {
  auto state = std::make_shared<TimerState>();
  state->onTick = std::move(onTick);
  state->order = shared_->created++;
  shared_->timers.push_back(state);
  return std::make_unique<SimTimer>(shared_, state);
}

void SimTimers::Advance(std::int64_t milliseconds) {
  const std::int64_t target = shared_->now + milliseconds;
  for (;;) {
    std::shared_ptr<TimerState> next;
    for (const std::weak_ptr<TimerState>& weak : shared_->timers) {
      std::shared_ptr<TimerState> t = weak.lock();
      if (!t || !t->enabled || t->interval <= 0 || t->due > target) continue;
      if (!next || t->due < next->due || (t->due == next->due && t->order < next->order)) next = t;
    }
    if (!next) break;
    shared_->now = std::max(shared_->now, next->due);
    next->due = shared_->now + next->interval;
    const std::function<void()> onTick = next->onTick;   // the handler may destroy its timer
    onTick();
  }
  shared_->now = std::max(shared_->now, target);
  auto& timers = shared_->timers;
  timers.erase(std::remove_if(timers.begin(), timers.end(), [](const auto& w) { return w.expired(); }), timers.end());
}

std::size_t SimTimers::LiveTimers() const {
  return static_cast<std::size_t>(std::count_if(shared_->timers.begin(), shared_->timers.end(),
                                                [](const auto& w) { return !w.expired(); }));
}

void SimMessagePump::RunOnce() {
  ++runs;
  if (onRunOnce) {
    const std::function<void()> callback = onRunOnce;
    callback();
  }
}

}  // namespace velgaro
