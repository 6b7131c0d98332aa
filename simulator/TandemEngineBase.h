#pragma once

// What the asynchronous and the synchronous engine share: the engine core
// and link configuration, the callback given by Init, cancellation, the
// calls that answer at once, and the request layer. A request method checks
// and copies its arguments here and hands the work to the engine's
// dispatch(): the asynchronous engine queues it, the synchronous one runs it
// in the caller's thread. A new engine method is one core function plus one
// short method in each engine.
//
// `Derived` provides `template <typename Fn> LONG dispatch(Fn work)`, which
// runs `work(Request&)` with the engine's core and callback (21 before Init).

#include "platform/com/ComPtr.h"
#include "simulator/EngineArguments.h"
#include "simulator/EngineCore.h"
#include "simulator/EngineModuleLock.h"
#include "simulator/EngineObjectBase.h"
#include "simulator/LinkConfiguration.h"
#include "simulator/PathParsing.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <utility>

namespace velox::simulator {

// One request at work: the core, the callback, whether it was cancelled, and
// the progress functions that report through the callback.
template <typename Callback> struct EngineRequest {
    EngineCore& core;
    Callback& callback;
    CancelCheck cancelled;

    // Reports percent through `report`; stops on the receiver's answer or a
    // cancellation.
    PercentProgress percent(LONG (Callback::*report)(SHORT, com::BOOL*)) {
        return [this, report](int value) {
            com::BOOL cancel = com::FALSE;
            (callback.*report)(static_cast<SHORT>(value), &cancel);
            return cancel != com::FALSE || cancelled();
        };
    }
    FileProgress folderProgress() {
        return
            [this](const QByteArray& name) { callback.OnCopyDirectoryProgress(name.constData()); };
    }
    CloseProgress closeProgress() {
        return [this](const QByteArray& application, const QByteArray& file) {
            callback.OnCloseProgramProgress(application.constData(), file.constData());
        };
    }
};

template <typename Derived, typename Interface, typename Callback>
class TandemEngineBase : public EngineObjectBase<Interface> {
public:
    using Request = EngineRequest<Callback>;

    LONG SetConfiguration(LONG* result, LONG baud, LONG port) override {
        if (result == nullptr) {
            return tanlink::kErrorInvalidParameter;
        }
        *result = configuration_.set(baud, port);
        return tanlink::kOk;
    }
    LONG GetConfiguration(LONG* result, LONG* baud, LONG* port) override {
        if (result == nullptr || baud == nullptr || port == nullptr) {
            return tanlink::kErrorInvalidParameter;
        }
        configuration_.get(baud, port);
        *result = tanlink::kOk;
        return tanlink::kOk;
    }
    LONG Reserved25() override { return tanlink::kErrorNotSupported; }
    LONG ParseFile(const char* part1, const char* part2, const char* part3,
                   tanlink::ParseRecord* parsed) override {
        return parsePath(part1, part2, part3, parsed);
    }
    LONG MatchWildcard(const char* name, const char* wildcard, com::BOOL ignoreCase,
                       com::BOOL* result) override {
        return matchWildcardCall(name, wildcard, ignoreCase, result);
    }
    // Cancels every request numbered so far: the running one and, for the
    // asynchronous engine, those still queued.
    LONG CancelOperation(LONG* result) override {
        cancelledUpTo_.store(sequence_.load());
        if (result != nullptr) {
            *result = tanlink::kOk;
        }
        return tanlink::kOk;
    }

protected:
    explicit TandemEngineBase(const QString& handheldRoot) : core_(handheldRoot) {
        engineModuleLock().lock();
    }
    ~TandemEngineBase() override { engineModuleLock().unlock(); }

    // Keeps the callback of Init; 87 for none.
    LONG setCallback(Callback* callback) {
        if (callback == nullptr) {
            return tanlink::kErrorInvalidParameter;
        }
        std::lock_guard lock(callbackMutex_);
        callback_ = com::ComPtr<Callback>(callback);
        return tanlink::kOk;
    }
    com::ComPtr<Callback> callback() {
        std::lock_guard lock(callbackMutex_);
        return callback_;
    }
    // Numbers a new request; the check says whether it has been cancelled.
    CancelCheck numberRequest() {
        const std::uint64_t number = ++sequence_;
        return [this, number] { return number <= cancelledUpTo_.load(); };
    }

    // The request layer: each copies the request's records (87 for a null
    // one) and dispatches `work(request, paths...)`.
    template <typename Fn> LONG onPath(const tanlink::MachinePathRecord* record, Fn work) {
        PathArgument a;
        if (const LONG code = argumentOf(record, &a); code != tanlink::kOk) {
            return code;
        }
        return derived().dispatch(
            [a, work = std::move(work)](Request& request) { return work(request, a); });
    }
    template <typename Fn>
    LONG onPaths(const tanlink::MachinePathRecord* from, const tanlink::MachinePathRecord* to,
                 Fn work) {
        PathArgument a;
        PathArgument b;
        if (const LONG code = argumentsOf(from, to, &a, &b); code != tanlink::kOk) {
            return code;
        }
        return derived().dispatch(
            [a, b, work = std::move(work)](Request& request) { return work(request, a, b); });
    }
    // Checks and clears an object out-argument; 87 for none.
    template <typename Object> static LONG clearOut(Object** out) {
        if (out == nullptr) {
            return tanlink::kErrorInvalidParameter;
        }
        *out = nullptr;
        return tanlink::kOk;
    }

    EngineCore core_;

private:
    Derived& derived() { return static_cast<Derived&>(*this); }

    LinkConfiguration configuration_;
    std::mutex callbackMutex_;
    com::ComPtr<Callback> callback_;
    std::atomic<std::uint64_t> sequence_{0};
    std::atomic<std::uint64_t> cancelledUpTo_{0};
};

} // namespace velox::simulator
