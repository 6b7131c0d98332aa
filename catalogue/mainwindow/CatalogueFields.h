#pragma once

#include "platform/jet/Recordset.h"
#include "platform/jet/Value.h"

#include <QString>

namespace veloxcd {

// Reading the result of the last catalogue query the way the handlers read it.
// Failures are run-time errors, so that a handler's error regime meets them.

// The open result of the last query. Raises 91 (object variable not set) when
// there is none, as after a query the catalogue could not open.
velox::jet::Recordset& openResult();

// A field of the current record, by name without regard to case. Jet's
// failures become run-time errors with Jet's numbers (3021 no current record,
// 3265 no such field).
const velox::jet::Value& fieldValue(const QString& name);
// The same for a column named in catalogue/start/CatalogueColumns.h.
const velox::jet::Value& fieldValue(const char* column);

// The value as text where a Null contributes nothing, as text concatenation
// treats it.
QString textOrEmpty(const velox::jet::Value& value);

// The value as text where a Null cannot stand: raises 94 (invalid use of Null).
QString requiredText(const velox::jet::Value& value);

// The value as a whole number: raises 94 for Null, 13 (type mismatch) for
// something that is no number, and 6 (overflow) beyond `limit` either way.
qint64 wholeNumber(const velox::jet::Value& value, qint64 limit = 2147483647);

// Closes whatever query is still open and empties both handles; does nothing
// when nothing is open. A handler ends with it whichever way it ends, so that
// no query stays open between events.
void closeCatalogueIfOpen();

} // namespace veloxcd
