#include "platform/win32/RunAside.h"

#include <windows.h>

namespace velgaro::win32 {
namespace {

constexpr DWORD kMeanwhileEveryMs = 20;

DWORD WINAPI RunWork(void* work) {
  // No exception may leave a thread; the work's own results tell what went wrong.
  try {
    (*static_cast<const std::function<void()>*>(work))();
  } catch (...) {
  }
  return 0;
}

}  // namespace

void RunAside(const std::function<void()>& work, const std::function<void()>& meanwhile) {
  HANDLE thread = meanwhile ? CreateThread(nullptr, 0, &RunWork, const_cast<std::function<void()>*>(&work), 0, nullptr)
                            : nullptr;
  if (thread == nullptr) {
    work();
    return;
  }
  while (WaitForSingleObject(thread, kMeanwhileEveryMs) == WAIT_TIMEOUT) meanwhile();
  CloseHandle(thread);
}

}  // namespace velgaro::win32
