#include "platform/com/Ansi.h"
#include "simulator/EngineCore.h"
#include "tanlink/EngineCodes.h"

#include <QFileInfo>

// Programs on the handheld: closing those of a drive, starting and stopping.

namespace velox::simulator {

using namespace tanlink;

LONG EngineCore::closePrograms(const PathArgument& drive, const CloseProgress& progress) {
    OpenedPath location;
    if (const LONG code = open(drive, &location); code != kOk) {
        return code;
    }
    if (!location.onHandheld()) {
        return kErrorInvalidParameter;
    }
    const QString prefix = QString(location.drive).toLower() + QLatin1Char(':');
    std::vector<OpenFile> closed;
    const LONG code = changeState([&](HandheldState& s) {
        closed.clear();
        std::vector<OpenFile> kept;
        for (const OpenFile& f : s.openFiles) {
            (f.path.toLower().startsWith(prefix) ? closed : kept).push_back(f);
        }
        s.openFiles = kept;
        s.runningPrograms.removeIf(
            [&](const QString& p) { return p.toLower().startsWith(prefix); });
    });
    if (code != kOk) {
        return code;
    }
    if (progress) {
        for (const OpenFile& f : closed) {
            progress(com::ansiFromUnicode(f.application), com::ansiFromUnicode(f.path));
        }
    }
    return kOk;
}

LONG EngineCore::startProgram(const PathArgument& file) {
    OpenedPath location;
    if (const LONG code = open(file, &location); code != kOk) {
        return code;
    }
    if (!location.onHandheld()) {
        return kErrorInvalidParameter;
    }
    if (!QFileInfo(location.host).isFile()) {
        return kErrorFileNotFound;
    }
    const QString program = location.windows;
    return changeState([&](HandheldState& s) {
        if (!s.runningPrograms.contains(program, Qt::CaseInsensitive)) {
            s.runningPrograms.append(program);
        }
    });
}

LONG EngineCore::stopProgram(const PathArgument& file) {
    OpenedPath location;
    if (const LONG code = open(file, &location); code != kOk) {
        return code;
    }
    if (!location.onHandheld()) {
        return kErrorInvalidParameter;
    }
    const QString program = location.windows;
    const QString application = QFileInfo(location.host).completeBaseName();
    return changeState([&](HandheldState& s) {
        s.runningPrograms.removeIf(
            [&](const QString& p) { return p.compare(program, Qt::CaseInsensitive) == 0; });
        std::erase_if(s.openFiles, [&](const OpenFile& f) {
            return f.application.compare(application, Qt::CaseInsensitive) == 0;
        });
    });
}

} // namespace velox::simulator
