#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace quenlit::platform {

// Threads that run jobs in the order they were queued: the loading sequence has its pictures
// decoded ahead on every core while it goes through its steps in order. Without threads a job
// runs when its end is first waited for.
class Workers {
 public:
  explicit Workers(unsigned count);
  // Jobs not started yet are dropped; running ones are finished.
  ~Workers();
  Workers(const Workers&) = delete;
  Workers& operator=(const Workers&) = delete;

  std::future<void> Queue(std::function<void()> job);

  // One worker per core the machine has; none where the program has no threads.
  static unsigned PerCore();

 private:
  void Work();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::packaged_task<void()>> jobs_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace quenlit::platform
