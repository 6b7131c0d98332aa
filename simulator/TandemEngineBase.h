#pragma once

// What the asynchronous and the synchronous engine share: the engine core
// and link configuration, the callback given by Init, cancellation, the
// calls that answer at once, the requests whose outcome is the core's code
// alone, and the request layer. A request method checks and copies its
// arguments here and hands the work to the engine's dispatch(): the
// asynchronous engine queues it, the synchronous one runs it in the caller's
// thread. A new engine method whose outcome is a code is one core function
// and one method here; any other is a core function and one short method in
// each engine.
//
// `Derived` provides `template <typename Fn> LONG dispatch(Fn work)`, which
// runs `work(Request&)` with the engine's core and callback (21 before Init),
// and `template <Answer answer, typename Fn> static auto answered(Fn work)`,
// which turns work that returns the outcome code into the work its dispatch
// runs: the asynchronous engine hands the code to the callback method
// `answer`, the synchronous one returns it.

#include "platform/com/ComPtr.h"
#include "simulator/EngineArguments.h"
#include "simulator/EngineModuleLock.h"
#include "simulator/EngineObjectBase.h"
#include "simulator/EngineRequest.h"
#include "simulator/LinkConfiguration.h"
#include "simulator/PathParsing.h"
#include "tanlink/TandemCallback.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <utility>

namespace velox::simulator {

template <typename Derived, typename Interface, typename Callback>
class TandemEngineBase : public EngineObjectBase<Interface> {
public:
    using Request = EngineRequest<Callback>;
    // The asynchronous callback's method for a request's outcome code.
    using Answer = LONG (tanlink::ITandemCallback::*)(LONG);
    using MachinePathRecord = tanlink::MachinePathRecord;
    using ITandemCallback = tanlink::ITandemCallback;

    // A new engine with one reference, on the handheld in `handheldRoot`.
    static Derived* create(const QString& handheldRoot) { return new Derived(handheldRoot); }

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

    // The requests whose outcome is the core's code alone.
    LONG Connect(LONG timeOutMilliseconds) override {
        return request<&ITandemCallback::OnConnect>([timeOutMilliseconds](Request& r) {
            return r.core.connect(timeOutMilliseconds, r.cancelled);
        });
    }
    LONG Disconnect() override {
        return request<&ITandemCallback::OnDisconnect>(
            [](Request& r) { return r.core.disconnect(); });
    }
    LONG LabelDrive(MachinePathRecord* drive, const char* label) override {
        return request<&ITandemCallback::OnLabelDrive>(
            drive, [text = textOf(label)](Request& r, const PathArgument& a) {
                return r.core.labelDrive(a, text);
            });
    }
    LONG Format(MachinePathRecord* drive) override {
        return request<&ITandemCallback::OnFormat>(drive, [](Request& r, const PathArgument& a) {
            return r.core.format(a, r.percent(&Callback::OnFormatProgress));
        });
    }
    LONG CopyFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override {
        return request<&ITandemCallback::OnCopyFile>(
            from, to, [flags](Request& r, const PathArgument& a, const PathArgument& b) {
                return r.core.copyFile(a, b, flags, r.percent(&Callback::OnCopyProgress));
            });
    }
    LONG DeleteFile(MachinePathRecord* file) override {
        return request<&ITandemCallback::OnDeleteFile>(
            file, [](Request& r, const PathArgument& a) { return r.core.deleteFile(a); });
    }
    LONG RenameFile(MachinePathRecord* file, const char* newName) override {
        return request<&ITandemCallback::OnRenameFile>(
            file, [name = textOf(newName)](Request& r, const PathArgument& a) {
                return r.core.renameFile(a, name);
            });
    }
    LONG MoveFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override {
        return request<&ITandemCallback::OnMoveFile>(
            from, to, [flags](Request& r, const PathArgument& a, const PathArgument& b) {
                return r.core.moveFile(a, b, flags, r.percent(&Callback::OnCopyProgress));
            });
    }
    LONG SetAttributes(MachinePathRecord* file, LONG attributes) override {
        return request<&ITandemCallback::OnSetAttributes>(
            file, [attributes](Request& r, const PathArgument& a) {
                return r.core.setAttributes(a, attributes);
            });
    }
    LONG CreateDirectory(MachinePathRecord* directory) override {
        return request<&ITandemCallback::OnCreateDirectory>(
            directory, [](Request& r, const PathArgument& a) { return r.core.createDirectory(a); });
    }
    LONG DeleteDirectory(MachinePathRecord* directory) override {
        return request<&ITandemCallback::OnDeleteDirectory>(
            directory, [](Request& r, const PathArgument& a) { return r.core.deleteDirectory(a); });
    }
    LONG CopyDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override {
        return request<&ITandemCallback::OnCopyDirectory>(
            from, to, [flags](Request& r, const PathArgument& a, const PathArgument& b) {
                return r.core.copyDirectory(a, b, flags, r.folderProgress(), r.cancelled);
            });
    }
    LONG MoveDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override {
        return request<&ITandemCallback::OnMoveDirectory>(
            from, to, [flags](Request& r, const PathArgument& a, const PathArgument& b) {
                return r.core.moveDirectory(a, b, flags, r.folderProgress(), r.cancelled);
            });
    }
    LONG RenameDirectory(MachinePathRecord* directory, const char* newName) override {
        return request<&ITandemCallback::OnRenameDirectory>(
            directory, [name = textOf(newName)](Request& r, const PathArgument& a) {
                return r.core.renameDirectory(a, name);
            });
    }
    LONG MachineSyncTime() override {
        return request<&ITandemCallback::OnMachineSyncTime>(
            [](Request& r) { return r.core.syncTime(); });
    }
    LONG ClosePrograms(MachinePathRecord* drive) override {
        return request<&ITandemCallback::OnClosePrograms>(
            drive, [](Request& r, const PathArgument& a) {
                return r.core.closePrograms(a, r.closeProgress());
            });
    }
    LONG StartProgram(MachinePathRecord* file) override {
        return request<&ITandemCallback::OnStartProgram>(
            file, [](Request& r, const PathArgument& a) { return r.core.startProgram(a); });
    }
    LONG StopProgram(MachinePathRecord* file) override {
        return request<&ITandemCallback::OnStopProgram>(
            file, [](Request& r, const PathArgument& a) { return r.core.stopProgram(a); });
    }
    LONG ReadConfig(SHORT fromMachine, MachinePathRecord* toFile) override {
        return request<&ITandemCallback::OnReadConfig>(
            toFile, [fromMachine](Request& r, const PathArgument& a) {
                return r.core.readConfig(fromMachine, a);
            });
    }
    LONG WriteConfig(MachinePathRecord* fromFile, SHORT toMachine) override {
        return request<&ITandemCallback::OnWriteConfig>(
            fromFile, [toMachine](Request& r, const PathArgument& a) {
                return r.core.writeConfig(a, toMachine);
            });
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
    // A request whose outcome is `work`'s code, on no path, one path or two.
    template <Answer answer, typename Fn> LONG request(Fn work) {
        return derived().dispatch(Derived::template answered<answer>(std::move(work)));
    }
    template <Answer answer, typename Fn>
    LONG request(const tanlink::MachinePathRecord* record, Fn work) {
        return onPath(record, Derived::template answered<answer>(std::move(work)));
    }
    template <Answer answer, typename Fn>
    LONG request(const tanlink::MachinePathRecord* from, const tanlink::MachinePathRecord* to,
                 Fn work) {
        return onPaths(from, to, Derived::template answered<answer>(std::move(work)));
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
