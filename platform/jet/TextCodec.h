#pragma once

#include "platform/jet/JetFormat.h"

#include <QByteArray>
#include <QString>
#include <string>

namespace velox::jet {

// Text as Jet stores it: Windows-1252 in Jet 3; UCS-2 in Jet 4, optionally
// in the compressed form that starts with FF FE and toggles between one byte
// and two bytes per character at each 00 byte.
class TextCodec {
public:
    static QString decode(format::Version version, const char* data, int length);
    // Jet 4: compressed when every character fits one byte (and is not NUL)
    // and the text is at most 1024 characters; plain UCS-2 otherwise.
    static QByteArray encodeJet4(const QString& text, bool allowCompression);
    static QByteArray encodeUcs2(const QString& text);

    // The characters of a compressed Jet 4 text (starting with FF FE) into
    // `out`, which is resized to hold them.
    static void expand(const char* data, int length, std::u16string& out);
};

} // namespace velox::jet
