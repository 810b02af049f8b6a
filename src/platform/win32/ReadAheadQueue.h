// Files read ahead of their taker on two threads of their own. Under Wine opening, reading and closing a
// small file are three round trips to the Wine server, and the time goes to waiting for them, not to
// work: while one file waits, the other thread's can. The taker sees the files in the order asked for,
// on its own thread, and nothing else of the threads.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/Ports.h"

namespace velgaro::win32 {

class ReadAheadQueue final : public FileQueue {
 public:
  // Reads with fs.ReadAll, which must be callable from any thread.
  ReadAheadQueue(const FileSystem& fs, std::vector<std::string> paths);
  // Stops the readers and waits for them; files not yet taken are dropped.
  ~ReadAheadQueue() override;
  ReadAheadQueue(const ReadAheadQueue&) = delete;
  ReadAheadQueue& operator=(const ReadAheadQueue&) = delete;

  std::optional<Bytes> Next() override;

  static constexpr int kReaders = 2;
  // How far the readers may run ahead of the taker: the memory held is this many files.
  static constexpr std::size_t kAhead = 64;

 private:
  static DWORD WINAPI ReaderMain(void* self);
  void Read();

  const FileSystem& fs_;
  std::vector<std::string> paths_;
  std::vector<std::optional<Bytes>> contents_;
  std::vector<char> ready_;
  std::size_t taken_ = 0;     // files handed out
  std::size_t claimed_ = 0;   // files a reader has begun
  bool stop_ = false;
  SRWLOCK lock_ = SRWLOCK_INIT;
  CONDITION_VARIABLE readyChanged_ = CONDITION_VARIABLE_INIT;
  CONDITION_VARIABLE takenChanged_ = CONDITION_VARIABLE_INIT;
  std::vector<HANDLE> readers_;
};

}  // namespace velgaro::win32
