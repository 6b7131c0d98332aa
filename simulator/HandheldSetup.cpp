#include "simulator/HandheldSetup.h"

#include "platform/com/Ansi.h"
#include "platform/registry/Prefix.h"
#include "simulator/Location.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineIds.h"

#include <QDir>

namespace velox::simulator {

QString defaultHandheldRoot() {
    return platform::prefixPath(QStringLiteral("handheld"));
}

bool setUpHandheld(const HandheldState& state, const QString& root, QString* error) {
    QDir dir(root);
    for (const QString& folder : {QStringLiteral("C/System/Alarms"), QStringLiteral("D")}) {
        if (!dir.mkpath(folder)) {
            if (error != nullptr) {
                *error = QStringLiteral("cannot create %1").arg(dir.filePath(folder));
            }
            return false;
        }
    }
    return HandheldStateFile(root).save(state, error);
}

bool setHandheldConnected(bool connected, const QString& root) {
    return HandheldStateFile(root).update([connected](HandheldState& s) {
        s.connected = connected;
        return true;
    });
}

bool holdFileOpen(const QString& application, const QString& handheldPath, const QString& root) {
    return HandheldStateFile(root).update([&](HandheldState& s) {
        if (!s.isHeldOpen(handheldPath)) {
            s.openFiles.push_back({application, handheldPath});
        }
        return true;
    });
}

bool releaseFile(const QString& handheldPath, const QString& root) {
    return HandheldStateFile(root).update([&](HandheldState& s) {
        std::erase_if(s.openFiles, [&](const OpenFile& f) {
            return f.path.compare(handheldPath, Qt::CaseInsensitive) == 0;
        });
        return true;
    });
}

QString handheldHostPath(const QString& handheldPath, const QString& root) {
    Location location;
    const PathArgument argument{tanlink::kMachineHandheld, com::ansiFromUnicode(handheldPath)};
    if (resolveLocation(root, argument, &location) != tanlink::kOk) {
        return QString();
    }
    return location.host;
}

} // namespace velox::simulator
