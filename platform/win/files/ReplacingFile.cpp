#include "platform/win/files/ReplacingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace velox::win {
namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

// A name beside the target that no file has yet.
QString besideName(const QString& target) {
    return target + QStringLiteral(".%1~").arg(QRandomGenerator::global()->generate(), 8, 16,
                                               QLatin1Char('0'));
}

QFileDevice::FileError kindOf(int number, QFileDevice::FileError otherwise) {
    return number == EACCES || number == EPERM || number == EROFS ? QFileDevice::PermissionsError
                                                                  : otherwise;
}

} // namespace

ReplacingFile::ReplacingFile(QString target) : target_(std::move(target)) {}

ReplacingFile::~ReplacingFile() {
    discard();
}

bool ReplacingFile::fail(QFileDevice::FileError kind, int number) {
    error_ = kindOf(number, kind);
    discard();
    return false;
}

void ReplacingFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(encoded(temporary_).constData());
        temporary_.clear();
    }
}

bool ReplacingFile::open() {
    discard();
    error_ = QFileDevice::NoError;
    const QByteArray folder = encoded(QFileInfo(target_).absolutePath());
    // An unnamed file in the target's folder leaves nothing behind if the
    // program ends before the commit; a named one is the way where the file
    // system has no unnamed files.
    fd_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    unnamed_ = fd_ >= 0;
    if (fd_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        return fail(QFileDevice::OpenError, errno);
    }
    for (int tries = 0; fd_ < 0 && tries < 16; ++tries) {
        temporary_ = besideName(target_);
        fd_ =
            ::open(encoded(temporary_).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            const int number = errno;
            temporary_.clear();
            if (number != EEXIST) {
                return fail(QFileDevice::OpenError, number);
            }
        }
    }
    if (fd_ < 0) {
        return fail(QFileDevice::OpenError, EEXIST);
    }
    struct stat existing {};
    if (::stat(encoded(target_).constData(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(fd_, existing.st_mode & 07777);
    }
    return true;
}

bool ReplacingFile::write(QByteArrayView bytes) {
    if (fd_ < 0) {
        error_ = QFileDevice::WriteError;
        return false;
    }
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return fail(QFileDevice::WriteError, written < 0 ? errno : ENOSPC);
        }
        data += written;
        left -= written;
    }
    return true;
}

bool ReplacingFile::commit() {
    if (fd_ < 0) {
        error_ = QFileDevice::WriteError;
        return false;
    }
    if (unnamed_) {
        // The unnamed file gets a name beside the target, then the target's.
        const QByteArray self = QByteArray("/proc/self/fd/") + QByteArray::number(fd_);
        for (int tries = 0; temporary_.isEmpty() && tries < 16; ++tries) {
            const QString name = besideName(target_);
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, encoded(name).constData(),
                         AT_SYMLINK_FOLLOW) == 0) {
                temporary_ = name;
            } else if (errno != EEXIST) {
                return fail(QFileDevice::RenameError, errno);
            }
        }
        if (temporary_.isEmpty()) {
            return fail(QFileDevice::RenameError, EEXIST);
        }
    }
    if (::close(fd_) != 0) {
        fd_ = -1;
        return fail(QFileDevice::WriteError, errno);
    }
    fd_ = -1;
    if (::rename(encoded(temporary_).constData(), encoded(target_).constData()) != 0) {
        return fail(QFileDevice::RenameError, errno);
    }
    temporary_.clear();
    return true;
}

} // namespace velox::win
