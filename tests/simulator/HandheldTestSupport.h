#pragma once

// Test helpers for the engine stand-in: a fresh prefix with a handheld in
// it, records for requests, and callbacks that record what the engines
// report (with the thread each report came from) and let a test wait for it.

#include "simulator/HandheldState.h"
#include "support/ScopedPrefix.h"
#include "tanlink/EngineRecords.h"
#include "tanlink/TandemCallback.h"
#include "tanlink/TandemCallbackS.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace velox::test {

// A private prefix with the default handheld set up (connected unless told
// otherwise) and a PC folder for files to copy.
class HandheldPrefix {
public:
    explicit HandheldPrefix(bool connected = true);

    [[nodiscard]] QString handheld() const;
    // A file on the handheld; `handheldPath` like "C:\System\Alarms\A.wve".
    QString putOnHandheld(const QString& handheldPath, const QByteArray& contents) const;
    [[nodiscard]] QString hostOf(const QString& handheldPath) const;
    // A file in the PC folder; returns its path (a host path the engine takes as a PC path).
    QString putOnPc(const QString& name, const QByteArray& contents) const;
    [[nodiscard]] QString pcPath(const QString& name) const;
    void changeState(const std::function<void(simulator::HandheldState&)>& change) const;

private:
    ScopedPrefix prefix_;
};

tanlink::MachinePathRecord record(com::SHORT machine, const QString& path);

// One report of an engine: the callback method's name, its code (or
// percent), its text, and the thread it came from.
struct Report {
    std::string method;
    com::LONG value = 0;
    QByteArray text;
    std::thread::id thread;
};

// Shared by both recording callbacks.
class ReportLog {
public:
    void add(Report report);
    // Waits until a report of `method` arrives (at most 10 s) and returns it;
    // an empty method name when none came.
    Report waitFor(const std::string& method, int occurrence = 1);
    std::vector<Report> all() const;
    std::vector<Report> of(const std::string& method) const;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Report> reports_;
};

// Records every callback of the asynchronous engine. Progress callbacks
// answer with `cancelAt` (cancel when the percentage reaches it; -1 never).
class RecordingCallback final : public tanlink::ITandemCallback {
public:
    ReportLog log;
    std::atomic<int> cancelAt{-1};
    std::atomic<long> refs{1};

    com::HRESULT QueryInterface(com::REFIID riid, void** object) override;
    com::ULONG AddRef() override { return static_cast<com::ULONG>(++refs); }
    com::ULONG Release() override { return static_cast<com::ULONG>(--refs); }

    com::LONG OnInit(com::LONG e) override { return note("OnInit", e); }
    com::LONG OnConnect(com::LONG e) override { return note("OnConnect", e); }
    com::LONG OnDisconnect(com::LONG e) override { return note("OnDisconnect", e); }
    com::LONG OnGetFileInfo(com::LONG e) override { return note("OnGetFileInfo", e); }
    com::LONG OnCopyFile(com::LONG e) override { return note("OnCopyFile", e); }
    com::LONG OnCopyProgress(com::SHORT p, com::BOOL* cancel) override {
        return progress("OnCopyProgress", p, cancel);
    }
    com::LONG OnDeleteFile(com::LONG e) override { return note("OnDeleteFile", e); }
    com::LONG OnMoveFile(com::LONG e) override { return note("OnMoveFile", e); }
    com::LONG OnRenameFile(com::LONG e) override { return note("OnRenameFile", e); }
    com::LONG OnSetAttributes(com::LONG e) override { return note("OnSetAttributes", e); }
    com::LONG OnGetDirectory(com::LONG e, com::USHORT files) override {
        return note("OnGetDirectory", e, QByteArray::number(files));
    }
    com::LONG OnDeleteDirectory(com::LONG e) override { return note("OnDeleteDirectory", e); }
    com::LONG OnCopyDirectory(com::LONG e) override { return note("OnCopyDirectory", e); }
    com::LONG OnCopyDirectoryProgress(const char* name) override {
        return note("OnCopyDirectoryProgress", 0, name);
    }
    com::LONG OnCreateDirectory(com::LONG e) override { return note("OnCreateDirectory", e); }
    com::LONG OnMoveDirectory(com::LONG e) override { return note("OnMoveDirectory", e); }
    com::LONG OnRenameDirectory(com::LONG e) override { return note("OnRenameDirectory", e); }
    com::LONG OnGetDrives(com::LONG e, const char* drives) override;
    com::LONG OnGetDriveInfo(com::LONG e) override { return note("OnGetDriveInfo", e); }
    com::LONG OnLabelDrive(com::LONG e) override { return note("OnLabelDrive", e); }
    com::LONG OnGetMachineInfo(com::LONG e, const char* owner, com::SHORT type) override {
        return note("OnGetMachineInfo", e, QByteArray(owner) + "|" + QByteArray::number(type));
    }
    com::LONG OnGetExtraMachineInfo(com::LONG e) override {
        return note("OnGetExtraMachineInfo", e);
    }
    com::LONG OnMachineSyncTime(com::LONG e) override { return note("OnMachineSyncTime", e); }
    com::LONG OnFormat(com::LONG e) override { return note("OnFormat", e); }
    com::LONG OnFormatProgress(com::SHORT p, com::BOOL* cancel) override {
        return progress("OnFormatProgress", p, cancel);
    }
    com::LONG OnClosePrograms(com::LONG e) override { return note("OnClosePrograms", e); }
    com::LONG OnCloseProgramProgress(const char* application, const char* file) override {
        return note("OnCloseProgramProgress", 0, QByteArray(application) + "|" + file);
    }
    com::LONG OnStartProgram(com::LONG e) override { return note("OnStartProgram", e); }
    com::LONG OnStopProgram(com::LONG e) override { return note("OnStopProgram", e); }
    com::LONG OnReadConfig(com::LONG e) override { return note("OnReadConfig", e); }
    com::LONG OnWriteConfig(com::LONG e) override { return note("OnWriteConfig", e); }

private:
    com::LONG note(const char* method, com::LONG value, QByteArray text = {});
    com::LONG progress(const char* method, com::SHORT percent, com::BOOL* cancel);
};

// Records the progress reports of the synchronous engine.
class RecordingCallbackS final : public tanlink::ITandemCallbackS {
public:
    ReportLog log;
    std::atomic<int> cancelAt{-1};
    std::atomic<long> refs{1};

    com::HRESULT QueryInterface(com::REFIID riid, void** object) override;
    com::ULONG AddRef() override { return static_cast<com::ULONG>(++refs); }
    com::ULONG Release() override { return static_cast<com::ULONG>(--refs); }

    com::LONG OnCopyProgress(com::SHORT p, com::BOOL* cancel) override;
    com::LONG OnCopyDirectoryProgress(const char* name) override;
    com::LONG OnFormatProgress(com::SHORT p, com::BOOL* cancel) override;
    com::LONG OnCloseProgramProgress(const char* application, const char* file) override;
};

} // namespace velox::test
