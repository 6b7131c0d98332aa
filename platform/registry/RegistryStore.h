#pragma once

// The file behind HKEY_CLASSES_ROOT: registry.reg in the prefix, REGEDIT4
// text. Reading reloads the file when it changed since the last look.
// Changing takes an exclusive lock (flock on registry.reg.lock beside it),
// reloads, applies the change and writes a temporary file that is renamed
// over the old one, so two processes changing the registry at once both
// land and a reader never sees half a file.
//
// A corrupt or truncated file makes every call fail with ERROR_BADDB and
// is never written over; lastError() says what is wrong with it.

#include "platform/registry/Registry.h"
#include "platform/registry/RegistryKey.h"

#include <QString>
#include <functional>
#include <mutex>

namespace velox::registry {

class RegistryStore {
public:
    static RegistryStore& instance();

    // Runs `reader` on the current tree; returns its code, or the store's
    // error (ERROR_BADDB, ERROR_CANTREAD).
    LONG read(const std::function<LONG(const RegistryKey& root)>& reader);
    // Runs `writer` on the current tree under the file lock; when it
    // succeeds and reports a change, the file is written. Returns the
    // writer's code or the store's error (ERROR_BADDB, ERROR_CANTREAD,
    // ERROR_CANTWRITE).
    LONG update(const std::function<LONG(RegistryKey& root, bool& changed)>& writer);

    // What went wrong with the file at the last failing call.
    [[nodiscard]] QString lastError() const;

private:
    RegistryStore() = default;

    struct Identity {
        QString path;
        qint64 device = -1;
        qint64 inode = -1;
        qint64 size = -1;
        qint64 modifiedNs = -1;
        friend bool operator==(const Identity&, const Identity&) = default;
    };

    // Loads the file into the cache unless the cache already holds it.
    LONG refresh(const QString& path);
    LONG fail(LONG code, const QString& message);

    mutable std::mutex mutex_;
    RegistryKey root_;
    Identity cached_;
    QString lastError_;
};

} // namespace velox::registry
