#include "catalogue/mainwindow/AuthorCaption.h"

#include "catalogue/mainwindow/CatalogueFields.h"

namespace veloxcd {

using velox::jet::isNull;
using velox::jet::Value;

namespace {

// Equality of two fields; with a Null on either side it is not true.
bool sameText(const Value& a, const Value& b) {
    return !isNull(a) && !isNull(b) && textOrEmpty(a) == textOrEmpty(b);
}

bool isOneOf(const Value& value, std::initializer_list<const char*> texts) {
    if (isNull(value)) {
        return false;
    }
    const QString text = textOrEmpty(value);
    for (const char* candidate : texts) {
        if (text == QLatin1String(candidate)) {
            return true;
        }
    }
    return false;
}

} // namespace

QString authorCaption(const Value& firma, const Value& vorname, const Value& nachname) {
    if (sameText(firma, nachname) || sameText(vorname, nachname) || sameText(firma, vorname)) {
        return requiredText(firma);
    }
    QString name = textOrEmpty(vorname) + QStringLiteral(" ") + textOrEmpty(nachname);
    if (!isNull(firma) && !isOneOf(firma, {"", " ", "n/a"})) {
        return textOrEmpty(firma) + QStringLiteral(" - ") + name;
    }
    return name;
}

bool isAddress(const Value& value) {
    return !isNull(value) && !isOneOf(value, {"", "n/a"});
}

} // namespace veloxcd
