#pragma once

#include "platform/jet/JetFile.h"

#include <QByteArray>

namespace velox::jet {

// Reads a long value (memo) from its 12-byte field header: in the row,
// on one long-value row, or along a chain of them. Every link is checked
// and a chain may visit each page once (3343 otherwise).
class LongValueReader {
public:
    static QByteArray read(const JetFile& file, const char* field, int size);
    // The same bytes without copying when they lie in one place; a chain is
    // gathered into scratch.
    static QByteArrayView view(const JetFile& file, const char* field, int size,
                               QByteArray& scratch);
};

} // namespace velox::jet
