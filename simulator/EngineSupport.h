#pragma once

// What the engine core's request groups share: the file attribute bits and
// extra codes they answer with, and the host file operations behind them.

#include "platform/com/Types.h"
#include "simulator/EngineCore.h"
#include "simulator/HandheldState.h"
#include "simulator/Location.h"

#include <QString>
#include <cstddef>
#include <optional>

namespace velox::simulator {

inline constexpr quint32 FILE_ATTRIBUTE_READONLY = 0x01;
inline constexpr quint32 FILE_ATTRIBUTE_HIDDEN = 0x02;
inline constexpr quint32 FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr quint32 FILE_ATTRIBUTE_ARCHIVE = 0x20;

inline constexpr com::LONG kErrorReadFault = 30;
inline constexpr com::LONG kErrorDirectory = 267; // the name is not a folder

// Writes `text` as ANSI into a record's NUL-terminated field, cut to fit.
void putText(char* field, std::size_t capacity, const QString& text);

// The bytes the files below `folder` take.
quint64 folderUsage(const QString& folder);

// Whether `inner` is `outer` or lies below it.
bool isInside(const QString& inner, const QString& outer);

// Whether a handheld application holds a file inside `location` (the
// location itself or below it).
bool holdsOpenFile(const Location& location, const std::optional<HandheldState>& state);

// Renames within one file system, replacing an existing file; false when
// the two lie on different file systems (or the rename fails otherwise).
bool renameInPlace(const QString& from, const QString& to);

// Copies one host file atomically, keeping its modification time, with
// progress in steps of ten percent (100 once everything is written).
com::LONG copyFileContents(const QString& source, const QString& target,
                           const PercentProgress& progress);

// Removes the entries of `table` whose keys start with `prefix`.
template <typename Table> void removeKeysUnder(Table& table, const QString& prefix) {
    for (auto it = table.begin(); it != table.end();) {
        it = it.key().startsWith(prefix) ? table.erase(it) : std::next(it);
    }
}

} // namespace velox::simulator
