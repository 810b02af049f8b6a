// Requests to another program's windows that its own thread must carry out (moving, raising, the
// top-most state). Under Wine such a request waits for that thread without a time limit, and posting it
// (SWP_ASYNCWINDOWPOS) does not reach another process; so the request runs on a worker of ours, and the
// caller waits for it only briefly. A busy installer then holds up the worker, never the caller.
#pragma once

#include <functional>
#include <memory>

namespace velgaro::win32 {

class WindowRequests {
 public:
  WindowRequests();

  // Runs request on the worker and waits for it at most boundMs. Its result, or false when it has not
  // returned in time or an earlier request still holds the worker (then it runs once its turn comes).
  bool Run(std::function<bool()> request, unsigned boundMs);

  // The worker of the process, shared by every window adapter.
  static WindowRequests& Shared();

 private:
  struct Queue;
  std::shared_ptr<Queue> queue_;   // shared with the worker, which may outlive a caller that stops waiting
};

}  // namespace velgaro::win32
