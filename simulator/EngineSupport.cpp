#include "simulator/EngineSupport.h"

#include "platform/com/Ansi.h"
#include "platform/win/files/ReplacingFile.h"
#include "tanlink/EngineCodes.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <filesystem>

namespace velox::simulator {

using namespace tanlink;

namespace {

constexpr qint64 kChunk = qint64{64} * 1024;

} // namespace

void putText(char* field, std::size_t capacity, const QString& text) {
    QByteArray ansi = com::ansiFromUnicode(text);
    ansi.truncate(static_cast<qsizetype>(capacity - 1));
    std::memset(field, 0, capacity);
    std::memcpy(field, ansi.constData(), static_cast<std::size_t>(ansi.size()));
}

quint64 folderUsage(const QString& folder) {
    quint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += static_cast<quint64>(it.fileInfo().size());
    }
    return total;
}

bool isInside(const QString& inner, const QString& outer) {
    const QString a = QDir::cleanPath(QFileInfo(inner).absoluteFilePath());
    const QString b = QDir::cleanPath(QFileInfo(outer).absoluteFilePath());
    return a == b || a.startsWith(b + QLatin1Char('/'));
}

bool holdsOpenFile(const Location& location, const std::optional<HandheldState>& state) {
    if (!location.onHandheld() || !state) {
        return false;
    }
    const QString prefix = location.windows.toLower();
    for (const OpenFile& f : state->openFiles) {
        const QString path = f.path.toLower();
        if (path == prefix ||
            path.startsWith(prefix.endsWith(QLatin1Char('\\')) ? prefix
                                                               : prefix + QLatin1Char('\\'))) {
            return true;
        }
    }
    return false;
}

bool renameInPlace(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdString()),
                            std::filesystem::path(to.toStdString()), error);
    return !error;
}

com::LONG copyFileContents(const QString& source, const QString& target,
                           const PercentProgress& progress) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return QFileInfo::exists(source) ? kErrorAccessDenied : kErrorFileNotFound;
    }
    const QDateTime modified = QFileInfo(source).lastModified();
    // Replaced by one rename, without waiting for the disk (as Windows'
    // copy does): every way out before the commit leaves the target as it was.
    win::ReplacingFile out(target);
    if (!out.open()) {
        return kErrorAccessDenied;
    }
    const auto stop = [](com::LONG code) { return code; };
    const qint64 size = in.size();
    int reported = 0;
    if (progress && progress(0)) {
        return stop(kErrorCancelled);
    }
    qint64 done = 0;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && !in.atEnd()) {
            return stop(kErrorReadFault);
        }
        if (!out.write(chunk)) {
            return stop(kErrorWriteFault);
        }
        done += chunk.size();
        const int percent = size > 0 ? static_cast<int>(done * 10 / size) * 10 : 100;
        if (percent > reported && percent < 100) {
            reported = percent;
            if (progress && progress(percent)) {
                return stop(kErrorCancelled);
            }
        }
    }
    if (progress && progress(100)) {
        return stop(kErrorCancelled);
    }
    if (!out.commit()) {
        return kErrorWriteFault;
    }
    QFile written(target);
    if (written.open(QIODevice::ReadWrite)) {
        written.setFileTime(modified, QFileDevice::FileModificationTime);
    }
    return kOk;
}

} // namespace velox::simulator
