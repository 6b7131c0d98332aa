#include "platform/registry/RegistryStore.h"

#include "platform/registry/Prefix.h"
#include "platform/registry/RegFile.h"

#include <QDir>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velox::registry {

namespace {

QString storePath() {
    return platform::prefixPath(QStringLiteral("registry.reg"));
}

// An exclusive flock on the lock file beside the store, for one change.
class FileLock {
public:
    explicit FileLock(const QString& path) {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) {
            return;
        }
        int rc = 0;
        do {
            rc = ::flock(fd_, LOCK_EX);
        } while (rc != 0 && errno == EINTR);
        locked_ = rc == 0;
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock() {
        if (fd_ >= 0) {
            ::close(fd_); // releases the lock
        }
    }
    [[nodiscard]] bool locked() const { return locked_; }

private:
    int fd_ = -1;
    bool locked_ = false;
};

} // namespace

RegistryStore& RegistryStore::instance() {
    static RegistryStore store;
    return store;
}

LONG RegistryStore::fail(LONG code, const QString& message) {
    lastError_ = message;
    qWarning("registry: %s", qPrintable(message));
    return code;
}

LONG RegistryStore::refresh(const QString& path) {
    const QByteArray nativePath = QFile::encodeName(path);
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            cached_ = Identity{};
            return fail(ERROR_CANTREAD, QStringLiteral("cannot read %1: %2")
                                            .arg(path, QString::fromLocal8Bit(strerror(errno))));
        }
        // No file yet: an empty registry.
        const Identity missing{path, -1, -1, -2, -1};
        if (!(cached_ == missing)) {
            root_ = RegistryKey();
            cached_ = missing;
        }
        return ERROR_SUCCESS;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        cached_ = Identity{};
        return fail(ERROR_CANTREAD, QStringLiteral("cannot read %1").arg(path));
    }
    const Identity identity{path, static_cast<qint64>(info.st_dev),
                            static_cast<qint64>(info.st_ino), static_cast<qint64>(info.st_size),
                            static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 +
                                info.st_mtim.tv_nsec};
    if (identity == cached_) {
        ::close(fd);
        return ERROR_SUCCESS;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        cached_ = Identity{};
        return fail(ERROR_CANTREAD, QStringLiteral("cannot read %1").arg(path));
    }
    const QByteArray text = file.readAll();
    file.close();
    QString problem;
    auto parsed = parseRegFile(text, &problem);
    if (!parsed) {
        cached_ = Identity{};
        root_ = RegistryKey();
        return fail(ERROR_BADDB,
                    QStringLiteral("%1 is corrupt and is left as it is: %2").arg(path, problem));
    }
    root_ = std::move(*parsed);
    cached_ = identity;
    return ERROR_SUCCESS;
}

LONG RegistryStore::read(const std::function<LONG(const RegistryKey& root)>& reader) {
    const std::lock_guard guard(mutex_);
    const LONG loaded = refresh(storePath());
    if (loaded != ERROR_SUCCESS) {
        return loaded;
    }
    return reader(root_);
}

LONG RegistryStore::update(const std::function<LONG(RegistryKey& root, bool& changed)>& writer) {
    const std::lock_guard guard(mutex_);
    const QString path = storePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const FileLock lock(path + QStringLiteral(".lock"));
    if (!lock.locked()) {
        return fail(ERROR_CANTWRITE, QStringLiteral("cannot lock %1.lock").arg(path));
    }
    const LONG loaded = refresh(path);
    if (loaded != ERROR_SUCCESS) {
        return loaded;
    }
    bool changed = false;
    const LONG result = writer(root_, changed);
    if (result != ERROR_SUCCESS || !changed) {
        return result;
    }
    // From here the cache is ahead of the file until the file is written.
    cached_ = Identity{};
    QSaveFile file(path);
    const QByteArray text = writeRegFile(root_);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        return fail(ERROR_CANTWRITE,
                    QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    }
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        cached_ =
            Identity{path, static_cast<qint64>(info.st_dev), static_cast<qint64>(info.st_ino),
                     static_cast<qint64>(info.st_size),
                     static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    }
    return ERROR_SUCCESS;
}

QString RegistryStore::lastError() const {
    const std::lock_guard guard(mutex_);
    return lastError_;
}

} // namespace velox::registry
