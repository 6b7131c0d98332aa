#include "catalogue/mainwindow/CatalogueFields.h"

#include "catalogue/start/Catalogue.h"
#include "platform/jet/JetError.h"
#include "platform/win/runtime/RuntimeError.h"

#include <cmath>

namespace veloxcd {

using velox::jet::Value;
using velox::win::raiseError;
namespace err = velox::win::err;

namespace {
constexpr int Overflow = 6;
} // namespace

velox::jet::Recordset& openResult() {
    if (!catalogueRs || !catalogueRs->isOpen()) {
        raiseError(err::ObjectVariableNotSet, QStringLiteral("catalogueRs"));
    }
    return *catalogueRs;
}

const Value& fieldValue(const QString& name) {
    velox::jet::Recordset& result = openResult();
    try {
        return result.field(name);
    } catch (const velox::jet::JetError& error) {
        raiseError(error.number(), error.message());
    }
}

const Value& fieldValue(const char* column) {
    return fieldValue(QLatin1String(column));
}

QString textOrEmpty(const Value& value) {
    return velox::jet::toText(value);
}

QString requiredText(const Value& value) {
    if (velox::jet::isNull(value)) {
        raiseError(err::InvalidUseOfNull);
    }
    return velox::jet::toText(value);
}

qint64 wholeNumber(const Value& value, qint64 limit) {
    if (velox::jet::isNull(value)) {
        raiseError(err::InvalidUseOfNull);
    }
    double number = 0;
    if (velox::jet::isNumeric(value)) {
        number = velox::jet::toDouble(value);
    } else {
        bool ok = false;
        number = velox::jet::toText(value).trimmed().toDouble(&ok);
        if (!ok) {
            raiseError(err::TypeMismatch);
        }
    }
    // A fraction is rounded to the nearest whole number, ties to even.
    const double whole = std::nearbyint(number);
    if (!std::isfinite(whole) || std::fabs(whole) > static_cast<double>(limit)) {
        raiseError(Overflow);
    }
    return static_cast<qint64>(whole);
}

void closeCatalogueIfOpen() {
    if (!catalogueRs && !catalogueDb) {
        return;
    }
    try {
        closeCatalogue();
    } catch (const velox::win::RuntimeError&) {
        // Only one of the two handles was set; the other is emptied below.
    } catch (const velox::jet::JetError&) {
    }
    catalogueRs.reset();
    catalogueDb.reset();
}

} // namespace veloxcd
