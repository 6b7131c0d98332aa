#include "support/ScopedPrefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace velox::test {

ScopedPrefix::ScopedPrefix() {
    if (!dir_.isValid()) {
        throw std::runtime_error("cannot make a temporary prefix");
    }
    hadPrevious_ = qEnvironmentVariableIsSet("VELOX_PREFIX");
    previous_ = qgetenv("VELOX_PREFIX");
    qputenv("VELOX_PREFIX", dir_.path().toLocal8Bit());
}

ScopedPrefix::~ScopedPrefix() {
    if (hadPrevious_) {
        qputenv("VELOX_PREFIX", previous_);
    } else {
        qunsetenv("VELOX_PREFIX");
    }
}

void ScopedPrefix::writeDrives(const QString& text) const {
    writeFile(dir_.path(), QStringLiteral("drives"), text.toLocal8Bit());
}

QString writeFile(const QString& root, const QString& relative, const QByteArray& contents) {
    const QString full = QDir(root).filePath(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(contents) != contents.size()) {
        throw std::runtime_error("cannot write test file " + full.toStdString());
    }
    return full;
}

QByteArray fileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace velox::test
