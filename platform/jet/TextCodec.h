#pragma once

#include "platform/jet/JetFormat.h"

#include <QByteArray>
#include <QString>
#include <string_view>

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

    // The character as case folding leaves it (what a search without
    // regard to case compares).
    static char16_t fold(char16_t c);
    // Whether the stored Jet 4 text holds the (already folded) needle,
    // letters compared without regard to case, without decoding it first.
    static bool containsFolded(const char* data, int length, std::u16string_view foldedNeedle);
};

} // namespace velox::jet
