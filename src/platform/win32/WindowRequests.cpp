#include "platform/win32/WindowRequests.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace velgaro::win32 {

struct WindowRequests::Queue {
  struct Job {
    std::function<bool()> request;
    std::shared_ptr<bool> result;   // written under the mutex once the request returned
    std::shared_ptr<bool> done;
  };
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<Job> jobs;
  bool working = false;

  void Serve() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
      changed.wait(lock, [this] { return !jobs.empty(); });
      Job job = std::move(jobs.front());
      jobs.pop_front();
      working = true;
      lock.unlock();
      const bool result = job.request();
      lock.lock();
      working = false;
      *job.result = result;
      *job.done = true;
      changed.notify_all();
    }
  }
};

WindowRequests::WindowRequests() : queue_(std::make_shared<Queue>()) {
  // Detached: at the end of the process it may still wait on a window that never answers.
  std::thread([queue = queue_] { queue->Serve(); }).detach();
}

bool WindowRequests::Run(std::function<bool()> request, unsigned boundMs) {
  auto result = std::make_shared<bool>(false);
  auto done = std::make_shared<bool>(false);
  std::unique_lock<std::mutex> lock(queue_->mutex);
  const bool backlog = queue_->working || !queue_->jobs.empty();
  queue_->jobs.push_back(Queue::Job{std::move(request), result, done});
  queue_->changed.notify_all();
  if (backlog) return false;   // a request before it is stuck: this one waits its turn, the caller does not
  queue_->changed.wait_for(lock, std::chrono::milliseconds(boundMs), [&done] { return *done; });
  return *done && *result;
}

WindowRequests& WindowRequests::Shared() {
  static WindowRequests* requests = new WindowRequests();   // never destroyed: its worker may outlive exit
  return *requests;
}

}  // namespace velgaro::win32
