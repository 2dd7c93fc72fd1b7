#include "platform/workers.h"

#include <algorithm>

#include "platform/thread_priority.h"

namespace quenlit::platform {

Workers::Workers(unsigned count) {
  for (unsigned i = 0; i < count; ++i) threads_.emplace_back([this] { Work(); });
}

Workers::~Workers() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    jobs_.clear();
  }
  wake_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

unsigned Workers::PerCore() {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
  return 0;  // a browser page built without threads
#else
  return std::max(std::thread::hardware_concurrency(), 1u);
#endif
}

std::future<void> Workers::Queue(std::function<void()> job) {
  if (threads_.empty()) return std::async(std::launch::deferred, std::move(job));
  std::packaged_task<void()> task(std::move(job));
  std::future<void> done = task.get_future();
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(task));
  }
  wake_.notify_one();
  return done;
}

void Workers::Work() {
  // The jobs are work done ahead; the thread that waits for them, and draws the loading bar
  // meanwhile, comes first.
  LowerThisThreadsPriority();
  while (true) {
    std::packaged_task<void()> task;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      if (stopping_) return;
      task = std::move(jobs_.front());
      jobs_.pop_front();
    }
    task();
  }
}

}  // namespace quenlit::platform
