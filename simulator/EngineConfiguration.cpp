#include "simulator/EngineCore.h"
#include "simulator/EngineSupport.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineIds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// The handheld's configuration, read into a PC file and written back.

namespace velox::simulator {

using namespace tanlink;

LONG EngineCore::readConfig(SHORT fromMachine, const PathArgument& to) {
    LONG code = kOk;
    const std::optional<HandheldState> state = reach(fromMachine, &code);
    if (code != kOk) {
        return code;
    }
    if (fromMachine != kMachineHandheld) {
        return kErrorInvalidParameter;
    }
    OpenedPath target;
    if ((code = open(to, &target)) != kOk) {
        return code;
    }
    if (!QFileInfo(target.host).dir().exists()) {
        return kErrorPathNotFound;
    }
    if (QFileInfo(target.host).isDir()) {
        return kErrorAccessDenied;
    }
    if (holdsOpenFile(target, target.state)) {
        return kErrorSharingViolation;
    }
    QSaveFile out(target.host);
    if (!out.open(QIODevice::WriteOnly) || out.write(state->config) != state->config.size() ||
        !out.commit()) {
        return kErrorWriteFault;
    }
    return kOk;
}

LONG EngineCore::writeConfig(const PathArgument& from, SHORT toMachine) {
    LONG code = kOk;
    reach(toMachine, &code);
    if (code != kOk) {
        return code;
    }
    if (toMachine != kMachineHandheld) {
        return kErrorInvalidParameter;
    }
    OpenedPath source;
    if ((code = open(from, &source)) != kOk) {
        return code;
    }
    QFile in(source.host);
    if (!QFileInfo(source.host).isFile() || !in.open(QIODevice::ReadOnly)) {
        return kErrorFileNotFound;
    }
    const QByteArray config = in.readAll();
    return changeState([&](HandheldState& s) { s.config = config; });
}

} // namespace velox::simulator
