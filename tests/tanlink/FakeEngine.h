#pragma once

// Engines for the link controls' tests: each records every call it gets as
// one line of text ("CopyFile 1:C:\\a 2:D:\\b 3") and answers with the code
// the test set. A class object makes them under the engines' class ids in
// this process, so that the controls' Init finds them through activation.

#include "platform/com/interfaces/ClassFactory.h"
#include "tanlink/TandemEngine.h"
#include "tanlink/TandemEngineS.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <mutex>

namespace velox::test {

using com::BOOL;
using com::HRESULT;
using com::LONG;
using com::SHORT;
using com::ULONG;
using tanlink::ITandemCallback;
using tanlink::ITandemCallbackS;
using tanlink::ITandemDirectory;
using tanlink::ITandemDrive;
using tanlink::ITandemFile;
using tanlink::ITandemMachine;
using tanlink::MachinePathRecord;
using tanlink::ParseRecord;

// What every fake engine shares with the test that drives it.
struct EngineScript {
    LONG code = 0;             // what each call returns
    bool yieldObjects = false; // whether object requests get an object
    BOOL wildcardAnswer = com::FALSE;
    LONG configurationResult = 0;
    QByteArray drives; // what the synchronous GetDrives writes
    QByteArray owner;  // what the synchronous GetMachineInfo writes
    SHORT machineType = 0;
    SHORT directoryCount = 0;
    ParseRecord parsed{};
};

// Live engine objects of every kind, for leak checks.
std::atomic<int>& liveEngineObjects();

class FakeEngineBase {
public:
    [[nodiscard]] QStringList calls() const;
    void record(const QString& call);
    EngineScript script;

protected:
    static QString text(const MachinePathRecord* rec);
    static QString text(const char* ansi);

private:
    mutable std::mutex mutex_;
    QStringList calls_;
};

// What both fake engines do alike: reference counting, keeping the callback
// Init gives, and recording the slots the two interfaces share.
template <typename Interface, typename Callback>
class FakeEngineOf : public Interface, public FakeEngineBase {
public:
    FakeEngineOf(const FakeEngineOf&) = delete;
    FakeEngineOf& operator=(const FakeEngineOf&) = delete;

    HRESULT QueryInterface(com::REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    // The callback interface Init was given (the engine holds a reference).
    [[nodiscard]] Callback* callback() const { return callback_; }

    LONG SetConfiguration(LONG* result, LONG baud, LONG port) override;
    LONG GetConfiguration(LONG* result, LONG* baud, LONG* port) override;
    LONG Connect(LONG timeOut) override;
    LONG Disconnect() override;
    LONG GetDriveInfo(MachinePathRecord* drive, ITandemDrive** info) override;
    LONG LabelDrive(MachinePathRecord* drive, const char* label) override;
    LONG Format(MachinePathRecord* drive) override;
    LONG GetFileInfo(MachinePathRecord* file, ITandemFile** info) override;
    LONG CopyFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG DeleteFile(MachinePathRecord* file) override;
    LONG RenameFile(MachinePathRecord* file, const char* newName) override;
    LONG MoveFile(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG SetAttributes(MachinePathRecord* file, LONG attributes) override;
    LONG CreateDirectory(MachinePathRecord* directory) override;
    LONG DeleteDirectory(MachinePathRecord* directory) override;
    LONG CopyDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG MoveDirectory(MachinePathRecord* from, MachinePathRecord* to, SHORT flags) override;
    LONG RenameDirectory(MachinePathRecord* directory, const char* newName) override;
    LONG GetExtraMachineInfo(SHORT machine, ITandemMachine** info) override;
    LONG MachineSyncTime() override;
    LONG Reserved25() override;
    LONG ParseFile(const char* part1, const char* part2, const char* part3,
                   ParseRecord* parsed) override;
    LONG MatchWildcard(const char* name, const char* wildcard, BOOL ignoreCase,
                       BOOL* result) override;
    LONG CancelOperation(LONG* result) override;
    LONG ClosePrograms(MachinePathRecord* drive) override;
    LONG StartProgram(MachinePathRecord* file) override;
    LONG StopProgram(MachinePathRecord* file) override;
    LONG ReadConfig(SHORT fromMachine, MachinePathRecord* toFile) override;
    LONG WriteConfig(MachinePathRecord* fromFile, SHORT toMachine) override;

protected:
    FakeEngineOf() = default;
    virtual ~FakeEngineOf() = default;
    // Records Init and keeps a reference to its callback.
    void keepCallback(Callback* callback);
    // Gives that reference back (each engine does so first when it goes).
    void releaseCallback();

private:
    std::atomic<ULONG> refs_{1};
    Callback* callback_ = nullptr;
};

class FakeEngine final : public FakeEngineOf<tanlink::ITandemEngine, ITandemCallback> {
public:
    FakeEngine();

    LONG Init(ITandemCallback* callback) override;
    LONG GetDrives(MachinePathRecord* machine) override;
    LONG GetDirectory(MachinePathRecord* directory, ITandemDirectory** listing) override;
    LONG GetMachineInfo(SHORT machine) override;

    // The engine made last, and how many are alive.
    static FakeEngine* last();
    static int live();
    // What the next engine's Init returns (then 0 again).
    static void failNextInit(LONG code);

private:
    ~FakeEngine() override;
};

class FakeEngineS final : public FakeEngineOf<tanlink::ITandemEngineS, ITandemCallbackS> {
public:
    FakeEngineS();

    LONG Init(ITandemCallbackS* callback) override;
    LONG GetDrives(MachinePathRecord* machine, char* drives, LONG size) override;
    LONG GetDirectory(MachinePathRecord* directory, ITandemDirectory** listing,
                      SHORT* count) override;
    LONG GetMachineInfo(SHORT machine, char* owner, LONG size, SHORT* type) override;

    static FakeEngineS* last();

private:
    ~FakeEngineS() override;
};

// Makes the fake engines under both engine class ids in this process for
// its lifetime.
class FakeEngineClasses {
public:
    FakeEngineClasses();
    ~FakeEngineClasses();
    FakeEngineClasses(const FakeEngineClasses&) = delete;
    FakeEngineClasses& operator=(const FakeEngineClasses&) = delete;

private:
    com::DWORD asyncCookie_ = 0;
    com::DWORD syncCookie_ = 0;
};

} // namespace velox::test
