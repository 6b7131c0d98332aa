#include "simulator/WorkQueue.h"

namespace velox::simulator {

WorkQueue::WorkQueue(com::ServerLock* moduleLock) : shared_(std::make_shared<Shared>()) {
    if (moduleLock != nullptr) {
        moduleLock->lock();
    }
    thread_ = std::thread(&WorkQueue::work, shared_, moduleLock);
}

void WorkQueue::work(std::shared_ptr<Shared> shared, com::ServerLock* moduleLock) {
    run(shared);
    // The queue's state (the last reference may be this one) goes while the
    // module is still held; letting go of the module is the worker's last act.
    shared.reset();
    if (moduleLock != nullptr) {
        moduleLock->unlock();
    }
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
    // The job may end this queue's owner before post returns: past the push
    // nothing of the queue itself is touched.
    const std::shared_ptr<Shared> shared = shared_;
    {
        std::lock_guard lock(shared->mutex);
        shared->jobs.push_back(std::move(job));
    }
    shared->wake.notify_one();
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
        // A job that fails ends alone: the worker goes on with the next one
        // (no exception may leave the thread, which would end the program).
        try {
            job();
        } catch (...) {
            job = nullptr;
            continue;
        }
        // The job's captures go here, on the worker, possibly taking its
        // owner with them.
        job = nullptr;
    }
}

} // namespace velox::simulator
