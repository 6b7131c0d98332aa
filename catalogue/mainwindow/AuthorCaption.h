#pragma once

#include "platform/jet/Value.h"

#include <QString>

namespace veloxcd {

// The author line of the details panel from the author's row:
// - the company alone when two of company, first name and surname are equal;
// - "company - first surname" when the company is a real one (not "", " " or
//   "n/a");
// - "first surname" otherwise.
// A comparison with a Null field is never true. A Null company that would have
// to stand alone raises 94 (invalid use of Null); a Null name elsewhere
// contributes nothing.
QString authorCaption(const velox::jet::Value& firma, const velox::jet::Value& vorname,
                      const velox::jet::Value& nachname);

// Whether an address field names an address: not Null, not "" and not "n/a".
bool isAddress(const velox::jet::Value& value);

} // namespace veloxcd
