#include "platform/win32/ReadAheadQueue.h"

namespace velgaro::win32 {
namespace {

// Holds the lock for as long as it lives.
class Locked {
 public:
  explicit Locked(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
  ~Locked() { ReleaseSRWLockExclusive(&lock_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SRWLOCK& lock_;
};

// Fewer files than this are read on the taker's own thread: threads would cost more than they save.
constexpr std::size_t kFewest = 16;

}  // namespace

ReadAheadQueue::ReadAheadQueue(const FileSystem& fs, std::vector<std::string> paths)
    : fs_(fs), paths_(std::move(paths)), contents_(paths_.size()), ready_(paths_.size(), 0) {
  if (paths_.size() < kFewest) return;
  for (int i = 0; i < kReaders; ++i) {
    HANDLE reader = CreateThread(nullptr, 0, &ReadAheadQueue::ReaderMain, this, 0, nullptr);
    if (reader != nullptr) readers_.push_back(reader);
  }
}

ReadAheadQueue::~ReadAheadQueue() {
  {
    Locked locked(lock_);
    stop_ = true;
  }
  WakeAllConditionVariable(&takenChanged_);
  if (!readers_.empty()) WaitForMultipleObjects(static_cast<DWORD>(readers_.size()), readers_.data(), TRUE, INFINITE);
  for (HANDLE reader : readers_) CloseHandle(reader);
}

DWORD WINAPI ReadAheadQueue::ReaderMain(void* self) {
  static_cast<ReadAheadQueue*>(self)->Read();
  return 0;
}

void ReadAheadQueue::Read() {
  for (;;) {
    std::size_t index = 0;
    {
      Locked locked(lock_);
      while (!stop_ && claimed_ < paths_.size() && claimed_ >= taken_ + kAhead) {
        SleepConditionVariableSRW(&takenChanged_, &lock_, INFINITE, 0);
      }
      if (stop_ || claimed_ >= paths_.size()) return;
      index = claimed_++;
    }
    // No exception may leave a thread: a file that cannot be held is a file that could not be read.
    std::optional<Bytes> content;
    try {
      content = fs_.ReadAll(paths_[index]);
    } catch (...) {
      content.reset();
    }
    {
      Locked locked(lock_);
      contents_[index] = std::move(content);
      ready_[index] = 1;
    }
    WakeAllConditionVariable(&readyChanged_);
  }
}

std::optional<Bytes> ReadAheadQueue::Next() {
  if (taken_ >= paths_.size()) return std::nullopt;
  if (readers_.empty()) return fs_.ReadAll(paths_[taken_++]);
  std::optional<Bytes> content;
  {
    Locked locked(lock_);
    while (!ready_[taken_]) SleepConditionVariableSRW(&readyChanged_, &lock_, INFINITE, 0);
    content = std::move(contents_[taken_]);
    contents_[taken_].reset();
    ++taken_;
  }
  WakeAllConditionVariable(&takenChanged_);
  return content;
}

}  // namespace velgaro::win32
