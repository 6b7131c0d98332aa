#pragma once

// One file or folder as the engine describes it: its information record and
// its name.

#include "tanlink/InfoRecords.h"

#include <QByteArray>

namespace velox::simulator {

struct FileEntry {
    tanlink::FileInfoRecord record{};
    QByteArray name; // ANSI, at most 259 characters
};

} // namespace velox::simulator
