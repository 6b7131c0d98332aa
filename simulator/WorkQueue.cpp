#include "simulator/WorkQueue.h"

namespace velox::simulator {

WorkQueue::WorkQueue() : shared_(std::make_shared<Shared>()) {
    thread_ = std::thread([shared = shared_] { run(shared); });
}

WorkQueue::~WorkQueue() {
    std::deque<std::function<void()>> dropped;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stop = true;
        dropped.swap(shared_->jobs);
    }
    shared_->wake.notify_all();
    if (onWorkerThread()) {
        thread_.detach();
    } else {
        thread_.join();
    }
    // Dropped jobs release what they hold here, outside the lock.
}

void WorkQueue::post(std::function<void()> job) {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->jobs.push_back(std::move(job));
    }
    shared_->wake.notify_one();
}

bool WorkQueue::onWorkerThread() const {
    return std::this_thread::get_id() == thread_.get_id();
}

void WorkQueue::run(const std::shared_ptr<Shared>& shared) {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(shared->mutex);
            shared->wake.wait(lock, [&] { return shared->stop || !shared->jobs.empty(); });
            if (shared->stop) {
                return;
            }
            job = std::move(shared->jobs.front());
            shared->jobs.pop_front();
        }
        job();
        // The job's captures go here, on the worker, possibly taking its
        // owner with them.
        job = nullptr;
    }
}

} // namespace velox::simulator
