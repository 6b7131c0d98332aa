#include "simulator/EngineCore.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineIds.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <algorithm>

// The link: connecting, and reaching a machine and its paths for a request.

namespace velox::simulator {

using namespace tanlink;

LONG EngineCore::connect(LONG timeOutMilliseconds, const CancelCheck& cancelled) {
    QDeadlineTimer deadline(std::max<LONG>(0, timeOutMilliseconds));
    for (;;) {
        const std::optional<HandheldState> state = stateFile_.load();
        if (state && state->connected) {
            connected_ = true;
            return kOk;
        }
        if (deadline.hasExpired() || (cancelled && cancelled())) {
            connected_ = false;
            return kErrorNotConnected;
        }
        QThread::msleep(static_cast<unsigned long>(
            std::min<qint64>(kConnectPollMs, std::max<qint64>(1, deadline.remainingTime()))));
    }
}

LONG EngineCore::disconnect() {
    connected_ = false;
    return kOk;
}

std::optional<HandheldState> EngineCore::reach(SHORT machine, LONG* code) {
    *code = kOk;
    if (machine == kMachinePc) {
        // PC work needs no link; the handheld's state is read when present
        // to know which files its applications hold.
        return stateFile_.load();
    }
    if (machine != kMachineHandheld) {
        *code = kErrorInvalidParameter;
        return std::nullopt;
    }
    std::optional<HandheldState> state = stateFile_.load();
    if (!connected_ || !state || !state->connected) {
        connected_ = connected_ && state && state->connected;
        *code = kErrorNotConnected;
        return std::nullopt;
    }
    return state;
}

LONG EngineCore::open(const PathArgument& argument, OpenedPath* opened) {
    LONG code = kOk;
    opened->state = reach(argument.machine, &code);
    if (code != kOk) {
        return code;
    }
    return resolveLocation(root_, argument, opened);
}

LONG EngineCore::openExisting(const PathArgument& argument, OpenedPath* opened) {
    if (const LONG code = open(argument, opened); code != kOk) {
        return code;
    }
    return QFileInfo::exists(opened->host) ? kOk : kErrorFileNotFound;
}

LONG EngineCore::openBoth(const PathArgument& from, const PathArgument& to, OpenedPath* source,
                          OpenedPath* target) {
    const LONG code = open(from, source);
    return code != kOk ? code : open(to, target);
}

} // namespace velox::simulator
