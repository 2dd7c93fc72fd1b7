// The loader's worker threads: every queued job runs once and reports its end.
#include <gtest/gtest.h>

#include <future>
#include <vector>

#include "platform/workers.h"

namespace quenlit::platform {
namespace {

TEST(Workers, EveryQueuedJobRunsOnceAndSaysWhenItIsDone) {
  for (const unsigned threads : {3u, 0u}) {  // none: each job runs when waited for
    std::vector<int> results(200, 0);
    Workers workers(threads);
    std::vector<std::future<void>> done;
    for (size_t i = 0; i < results.size(); ++i)
      done.push_back(workers.Queue([&results, i] { results[i] += static_cast<int>(i); }));
    for (std::future<void>& d : done) d.wait();
    for (size_t i = 0; i < results.size(); ++i)
      EXPECT_EQ(results[i], static_cast<int>(i)) << threads << " threads";
  }
}

}  // namespace
}  // namespace quenlit::platform
