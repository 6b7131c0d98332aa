#include "simulator/korainst/Installer.h"

#include "platform/registry/Prefix.h"
#include "platform/win/files/FileOps.h"
#include "platform/win/files/WinPath.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace velox::simulator {
namespace {

void log(const QString& line) {
    QDir().mkpath(handheldFolder());
    QFile file(QDir(handheldFolder()).filePath(QStringLiteral("installer.log")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        QTextStream(&file) << QDateTime::currentDateTime().toString(Qt::ISODate) << ' ' << line
                           << '\n';
    }
}

} // namespace

QString handheldFolder() {
    return platform::prefixPath(QStringLiteral("handheld"));
}

int runInstaller(const QStringList& arguments) {
    const QString given = QStringLiteral("korainst.exe ") + arguments.join(QLatin1Char(' '));
    if (arguments.size() != 1) {
        log(given + QStringLiteral(" -> refused: one package expected"));
        return 2;
    }
    const QString& package = arguments.first();
    const QString folder = QDir(handheldFolder()).filePath(QStringLiteral("C/Install"));
    try {
        const QString source = win::existingFile(package);
        QDir().mkpath(folder);
        const QString target = QDir(folder).filePath(QFileInfo(source).fileName());
        win::FileCopy(source, target);
        log(given + QStringLiteral(" -> installed C:\\Install\\") + QFileInfo(source).fileName());
        return 0;
    } catch (const win::RuntimeError& error) {
        log(given + QStringLiteral(" -> failed: ") + QString::fromStdString(error.what()));
        return 1;
    }
}

} // namespace velox::simulator
