#pragma once

// One worker thread with a queue of jobs, run in order. post() never waits
// for the worker. The destructor stops the worker after the job it is
// running (queued jobs are dropped) and joins it; when the destructor runs
// on the worker itself (a job released the last reference to its owner),
// the thread is detached and ends on its own.

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace velox::simulator {

class WorkQueue {
public:
    WorkQueue();
    ~WorkQueue();
    WorkQueue(const WorkQueue&) = delete;
    WorkQueue& operator=(const WorkQueue&) = delete;

    void post(std::function<void()> job);
    [[nodiscard]] bool onWorkerThread() const;

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable wake;
        std::deque<std::function<void()>> jobs;
        bool stop = false;
    };
    static void run(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

} // namespace velox::simulator
