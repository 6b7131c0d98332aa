#pragma once

// The work of every engine request on the simulated handheld, done in the
// calling thread. Both engines use it: the asynchronous one on its worker
// thread, the synchronous one in its caller's thread. One core serves one
// engine object (it holds that engine's link session) and is used by one
// thread at a time.
//
// Codes: 0 success, 2 file not found, 3 path not found, 5 access denied,
// 33 file held open by a handheld application, 80 target exists, 87 bad
// argument, 123 bad name, 145 folder not empty, 183 already exists, 206
// path too long, 1121 handheld not connected, 1223 cancelled.
//
// Copy flags: bit 0 (1) allows replacing an existing target.

#include "simulator/FileEntry.h"
#include "simulator/HandheldState.h"
#include "simulator/Location.h"
#include "tanlink/InfoRecords.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace velox::simulator {

using com::LONG;
using com::SHORT;

inline constexpr SHORT kCopyReplaceExisting = 0x1;

// Progress in percent; returns true when the operation should stop.
using PercentProgress = std::function<bool(int percent)>;
// A request's path resolved on its machine, with the handheld's state as
// it was read for the request (none for the PC without a handheld state).
struct OpenedPath : Location {
    std::optional<HandheldState> state;

    [[nodiscard]] const HandheldState* knownState() const { return state ? &*state : nullptr; }
};

// Called before each file of a folder copy or move.
using FileProgress = std::function<void(const QByteArray& fileName)>;
// Whether the running operation was cancelled.
using CancelCheck = std::function<bool()>;
// One program closed on the handheld: its application and the file it held.
using CloseProgress = std::function<void(const QByteArray& application, const QByteArray& file)>;

class EngineCore {
public:
    // Polling interval while Connect waits for the handheld.
    static constexpr int kConnectPollMs = 20;

    explicit EngineCore(QString handheldRoot);

    [[nodiscard]] const QString& handheldRoot() const { return root_; }
    [[nodiscard]] bool connected() const { return connected_; }

    LONG connect(LONG timeOutMilliseconds, const CancelCheck& cancelled);
    LONG disconnect();

    // "C:\0D:\0\0": the machine's drives, each NUL-terminated, then an empty entry.
    LONG drives(SHORT machine, QByteArray* list);
    LONG driveInfo(const PathArgument& drive, tanlink::DriveInfoRecord* record);
    LONG labelDrive(const PathArgument& drive, const QByteArray& label);
    LONG format(const PathArgument& drive, const PercentProgress& progress);

    LONG fileInfo(const PathArgument& file, FileEntry* entry);
    LONG copyFile(const PathArgument& from, const PathArgument& to, SHORT flags,
                  const PercentProgress& progress);
    LONG moveFile(const PathArgument& from, const PathArgument& to, SHORT flags,
                  const PercentProgress& progress);
    LONG deleteFile(const PathArgument& file);
    LONG renameFile(const PathArgument& file, const QByteArray& newName);
    LONG setAttributes(const PathArgument& file, LONG attributes);

    LONG directory(const PathArgument& directory, std::vector<FileEntry>* entries);
    LONG createDirectory(const PathArgument& directory);
    LONG deleteDirectory(const PathArgument& directory);
    LONG copyDirectory(const PathArgument& from, const PathArgument& to, SHORT flags,
                       const FileProgress& progress, const CancelCheck& cancelled);
    LONG moveDirectory(const PathArgument& from, const PathArgument& to, SHORT flags,
                       const FileProgress& progress, const CancelCheck& cancelled);
    LONG renameDirectory(const PathArgument& directory, const QByteArray& newName);

    LONG machineInfo(SHORT machine, QByteArray* owner, SHORT* type);
    LONG extraMachineInfo(SHORT machine, tanlink::MachineInfoRecord* record);
    LONG syncTime();

    LONG closePrograms(const PathArgument& drive, const CloseProgress& progress);
    LONG startProgram(const PathArgument& file);
    LONG stopProgram(const PathArgument& file);

    LONG readConfig(SHORT fromMachine, const PathArgument& to);
    LONG writeConfig(const PathArgument& from, SHORT toMachine);

private:
    // The handheld's state when `machine` can be reached (always for the
    // PC); otherwise the code in `code`.
    std::optional<HandheldState> reach(SHORT machine, LONG* code);
    // Reaches the machine and resolves the path.
    LONG open(const PathArgument& argument, OpenedPath* opened);
    // The same for a path where something must be: 2 when nothing is there.
    LONG openExisting(const PathArgument& argument, OpenedPath* opened);
    // Both paths of a two-path request, the source first.
    LONG openBoth(const PathArgument& from, const PathArgument& to, OpenedPath* source,
                  OpenedPath* target);
    // Both ends of a file copy or move: the source an existing file, the
    // target in an existing folder (a folder as the target receives the
    // file under its own name).
    LONG openFileTransfer(const PathArgument& from, const PathArgument& to, OpenedPath* source,
                          OpenedPath* target);
    // Both ends of a folder copy or move: the source an existing folder,
    // the target not inside it.
    LONG openFolderTransfer(const PathArgument& from, const PathArgument& to, OpenedPath* source,
                            OpenedPath* target);
    // Whether an existing target may be replaced: 80 without the flag, 5
    // for a folder or a read-only file.
    [[nodiscard]] LONG replaceable(const OpenedPath& target, SHORT flags) const;
    quint32 attributesOf(const Location& location, const HandheldState* state) const;
    FileEntry entryFor(const QString& hostPath, quint32 attributes) const;
    bool updateState(const std::function<bool(HandheldState&)>& change);
    // updateState's outcome as a code: 0, or 29 when the state was not written.
    LONG changeState(const std::function<void(HandheldState&)>& change);
    LONG copyTree(const Location& from, const Location& to, SHORT flags,
                  const std::optional<HandheldState>& targetState, const FileProgress& progress,
                  const CancelCheck& cancelled);
    LONG targetFor(const PathArgument& source, const QByteArray& newName,
                   PathArgument* target) const;
    // A rename's source and the resolved new place on the same machine.
    LONG openRename(const PathArgument& argument, const QByteArray& newName, OpenedPath* source,
                    Location* destination);

    QString root_;
    HandheldStateFile stateFile_;
    bool connected_ = false;
};

} // namespace velox::simulator
