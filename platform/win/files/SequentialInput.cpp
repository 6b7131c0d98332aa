#include "platform/win/files/SequentialInput.h"

namespace velox::win {

QStringList readInputFields(const QByteArray& text, int count) {
    QStringList fields;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    while (fields.size() < count && pos < size) {
        while (pos < size && (text[pos] == ' ' || text[pos] == '\t')) {
            ++pos;
        }
        QByteArray field;
        if (pos < size && text[pos] == '"') {
            ++pos;
            while (pos < size && text[pos] != '"') {
                field += text[pos++];
            }
            ++pos; // the closing quote
            while (pos < size && text[pos] != ',' && text[pos] != '\n') {
                ++pos;
            }
        } else {
            while (pos < size && text[pos] != ',' && text[pos] != '\n') {
                field += text[pos++];
            }
            if (field.endsWith('\r')) {
                field.chop(1);
            }
        }
        if (pos < size) {
            ++pos; // the comma or line end
        }
        fields << QString::fromLatin1(field);
    }
    return fields;
}

} // namespace velox::win
