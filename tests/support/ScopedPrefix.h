#pragma once

#include "support/QtPrinters.h"

#include <QString>
#include <QTemporaryDir>

namespace velox::test {

// A fresh Windows-environment prefix for the lifetime of the object: sets
// VELOX_PREFIX to a new temporary folder and restores the old value after.
class ScopedPrefix {
public:
    ScopedPrefix();
    ~ScopedPrefix();
    ScopedPrefix(const ScopedPrefix&) = delete;
    ScopedPrefix& operator=(const ScopedPrefix&) = delete;

    [[nodiscard]] QString path() const { return dir_.path(); }
    // Writes the prefix's drive table: one "D: cdrom /path" line per entry.
    void writeDrives(const QString& text) const;

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_ = false;
};

// Writes a file (and its folders) below a root; returns its full path.
QString writeFile(const QString& root, const QString& relative, const QByteArray& contents);

// A file's bytes, or "<missing>" when it cannot be read.
QByteArray fileContents(const QString& path);

} // namespace velox::test
