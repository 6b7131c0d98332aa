#pragma once

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

namespace velox::win {

// A file written beside its target and put in the target's place by one
// rename: whoever opens the target finds the old file or the whole new one,
// never a part, and a write that fails leaves the old file as it was. A new
// file gets the permissions of the file it replaces (the defaults when there
// is none).
//
// Unlike QSaveFile it does not wait for the disk before the rename. What is
// written this way are working copies (the catalogue's, a sound on its way to
// the handheld) that are made again when lost, and Windows' own file copy
// does not wait either; on this machine that wait was a millisecond at every
// start.
class ReplacingFile {
public:
    explicit ReplacingFile(QString target);
    ~ReplacingFile(); // discards what was written unless committed
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool open();
    bool write(QByteArrayView bytes);
    bool commit();

    // What went wrong in the last call that failed.
    [[nodiscard]] QFileDevice::FileError error() const { return error_; }

private:
    bool fail(QFileDevice::FileError kind, int number);
    void discard();

    QString target_;
    QString temporary_; // the name it has beside the target, once it has one
    int fd_ = -1;
    bool unnamed_ = false; // written without a name until the commit
    QFileDevice::FileError error_ = QFileDevice::NoError;
};

} // namespace velox::win
