#pragma once

#include <QFile>
#include <QString>

namespace velox::simulator {

// A file written beside its target and put in the target's place by one
// rename once complete: a reader sees the old file or the whole new one,
// never a part, and a cancelled or failed write leaves the old file as it was.
// Unlike QSaveFile it does not force the data onto the disk before the
// rename: the handheld's storage is a folder of the host, and a copy to it
// need not wait on the disk longer than the host's own copy does.
class ReplacingFile {
public:
    explicit ReplacingFile(QString target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the new file beside the target; false when it cannot.
    bool open();
    // Whether all of `data` was written.
    bool write(const QByteArray& data);
    // Drops what was written; the target stays as it was.
    void cancelWriting();
    // Puts the new file in the target's place; false (target unchanged)
    // when that fails.
    bool commit();

private:
    QString target_;
    QFile file_;
    bool failed_ = false;
};

} // namespace velox::simulator
