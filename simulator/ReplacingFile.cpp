#include "simulator/ReplacingFile.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>
#include <cstdio>

namespace velox::simulator {

ReplacingFile::ReplacingFile(QString target) : target_(std::move(target)) {}

ReplacingFile::~ReplacingFile() {
    cancelWriting();
}

bool ReplacingFile::open() {
    const QFileInfo target(target_);
    file_.setFileName(target.dir().filePath(
        QStringLiteral(".%1.%2.part")
            .arg(target.fileName(), QUuid::createUuid().toString(QUuid::WithoutBraces))));
    if (!file_.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    // The permissions the target has, or the usual ones of a new file.
    const QFileDevice::Permissions usual = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadUser | QFileDevice::WriteUser |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther;
    file_.setPermissions(target.exists() ? QFile::permissions(target_) : usual);
    return true;
}

bool ReplacingFile::write(const QByteArray& data) {
    if (!file_.isOpen() || file_.write(data) != data.size()) {
        failed_ = true;
    }
    return !failed_;
}

void ReplacingFile::cancelWriting() {
    if (file_.isOpen()) {
        file_.close();
        file_.remove();
    }
}

bool ReplacingFile::commit() {
    if (!file_.isOpen()) {
        return false;
    }
    if (failed_ || !file_.flush()) {
        cancelWriting();
        return false;
    }
    file_.close();
    if (file_.error() != QFileDevice::NoError ||
        std::rename(QFile::encodeName(file_.fileName()).constData(),
                    QFile::encodeName(target_).constData()) != 0) {
        file_.remove();
        return false;
    }
    return true;
}

} // namespace velox::simulator
