#include "simulator/EngineCore.h"

#include "platform/com/Ansi.h"
#include "simulator/EngineSupport.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineRecords.h"

#include <QDateTime>
#include <QFileInfo>

// What the request groups share. Each group has its own file: the link
// (EngineLink.cpp), drives, files, folders, machines, programs and the
// configuration.

namespace velox::simulator {

using namespace tanlink;

namespace {

// 100-nanosecond intervals from 1601-01-01 to 1970-01-01.
constexpr qint64 kFileTimeEpochOffsetMs = 11644473600000LL;

} // namespace

EngineCore::EngineCore(QString handheldRoot) : root_(std::move(handheldRoot)), stateFile_(root_) {}

bool EngineCore::updateState(const std::function<bool(HandheldState&)>& change) {
    return stateFile_.update(change);
}

LONG EngineCore::changeState(const std::function<void(HandheldState&)>& change) {
    return updateState([&](HandheldState& s) {
        change(s);
        return true;
    })
               ? kOk
               : kErrorWriteFault;
}

quint32 EngineCore::attributesOf(const Location& location, const HandheldState* state) const {
    const QFileInfo info(location.host);
    const quint32 fallback = info.isDir() ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if (location.onHandheld()) {
        const quint32 stored =
            state != nullptr ? state->attributes.value(location.key(), fallback) : fallback;
        return info.isDir() ? (stored | FILE_ATTRIBUTE_DIRECTORY)
                            : (stored & ~FILE_ATTRIBUTE_DIRECTORY);
    }
    quint32 attributes = fallback;
    if (!info.isWritable()) {
        attributes |= FILE_ATTRIBUTE_READONLY;
    }
    if (info.isHidden()) {
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    }
    return attributes;
}

FileEntry EngineCore::entryFor(const QString& hostPath, quint32 attributes) const {
    const QFileInfo info(hostPath);
    FileEntry entry;
    entry.record.attributes = attributes;
    const qint64 ms = info.lastModified().toMSecsSinceEpoch();
    const quint64 fileTime = static_cast<quint64>(ms + kFileTimeEpochOffsetMs) * 10000u;
    entry.record.modifiedLow = static_cast<com::DWORD>(fileTime & 0xFFFFFFFFu);
    entry.record.modifiedHigh = static_cast<com::DWORD>(fileTime >> 32);
    entry.record.size = info.isDir() ? 0 : static_cast<com::DWORD>(info.size() & 0xFFFFFFFF);
    entry.name = com::ansiFromUnicode(info.fileName()).left(kPathFieldSize - 1);
    return entry;
}

} // namespace velox::simulator
