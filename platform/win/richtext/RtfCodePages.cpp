#include "platform/win/richtext/RtfCodePages.h"

#include "platform/com/Ansi.h"

#include <QStringDecoder>

namespace velox::win::rtf {

int codePageOfCharset(int charset) {
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0; // ANSI, default and symbol charsets: the document's code page
    }
}

QString decode(const QByteArray& bytes, int codePage) {
    if (codePage == defaultCodePage || bytes.isEmpty()) {
        return velox::com::unicodeFromAnsi(bytes);
    }
    for (const QByteArray& name :
         {"windows-" + QByteArray::number(codePage), "cp" + QByteArray::number(codePage),
          "ibm-" + QByteArray::number(codePage)}) {
        QStringDecoder decoder(name.constData());
        if (decoder.isValid()) {
            return decoder.decode(bytes);
        }
    }
    return velox::com::unicodeFromAnsi(bytes);
}

} // namespace velox::win::rtf
