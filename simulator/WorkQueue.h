#pragma once

// One worker thread with a queue of jobs, run in order. post() never waits
// for the worker. The destructor stops the worker after the job it is
// running (queued jobs are dropped) and joins it; when the destructor runs
// on the worker itself (a job released the last reference to its owner),
// the thread is detached and ends on its own.
//
// A queue made with its module's lock holds a reference on the module for
// as long as its worker runs, the last instructions of a detached worker
// included: the module is not unloaded under a thread that still runs in it.

#include "platform/com/ServerLock.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace velox::simulator {

class WorkQueue {
public:
    explicit WorkQueue(com::ServerLock* moduleLock = nullptr);
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
    static void work(std::shared_ptr<Shared> shared, com::ServerLock* moduleLock);

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

} // namespace velox::simulator
