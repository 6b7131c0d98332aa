#include "platform/win/runtime/Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace velox::win {

QFunctionPointer moduleEntry(const char* file, const char* builtPath, const char* symbol,
                             QString* error) {
    QStringList places;
    if (QCoreApplication::instance() != nullptr) {
        places << QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(file));
    }
    places << QString::fromUtf8(builtPath);
    QStringList reasons;
    for (const QString& place : places) {
        if (!QFileInfo::exists(place)) {
            reasons << place + QStringLiteral(": not found");
            continue;
        }
        QLibrary module(place);
        if (const QFunctionPointer entry = module.resolve(symbol)) {
            return entry;
        }
        reasons << module.errorString();
    }
    if (error != nullptr) {
        *error = QStringLiteral("no module %1: ").arg(QLatin1String(file)) +
                 reasons.join(QStringLiteral("; "));
    }
    return nullptr;
}

} // namespace velox::win
