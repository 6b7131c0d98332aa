#include "simulator/WorkQueue.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <thread>

namespace velox::simulator {
namespace {

// The worker holds its module until its very last instruction, also when the
// queue is destroyed by one of its own jobs (an engine released by the copy
// it was running) and the worker goes on alone.
TEST(WorkQueueTest, TheWorkerHoldsItsModuleUntilItEnds) {
    com::ServerLock module;
    std::promise<void> queueGone;
    std::promise<void> letGo;
    std::shared_future<void> released = letGo.get_future().share();
    std::promise<void> posted;
    std::shared_future<void> postReturned = posted.get_future().share();
    auto* queue = new WorkQueue(&module);
    EXPECT_EQ(module.count(), 1);
    queue->post([queue, &queueGone, released, postReturned] {
        postReturned.wait();
        delete queue; // the worker now runs on without its owner
        queueGone.set_value();
        released.wait();
    });
    posted.set_value();
    queueGone.get_future().wait();
    EXPECT_EQ(module.count(), 1); // still running in the module
    EXPECT_EQ(module.canUnloadNow(), com::S_FALSE);
    letGo.set_value();
    for (int i = 0; i < 5000 && module.count() != 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(module.count(), 0);
}

TEST(WorkQueueTest, AFailingJobEndsAloneAndTheNextOneRuns) {
    std::promise<int> next;
    {
        WorkQueue queue;
        queue.post([] { throw std::runtime_error("a job that fails"); });
        queue.post([&next] { next.set_value(42); });
        EXPECT_EQ(next.get_future().get(), 42);
    }
}

} // namespace
} // namespace velox::simulator
