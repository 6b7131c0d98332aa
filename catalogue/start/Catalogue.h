#pragma once

#include <QString>

namespace veloxcd {

// Makes the working copy of the catalogue an ordinary writable file (a copy
// taken from a CD is read-only).
void prepareCatalogueCopy(const QString& path);

} // namespace veloxcd
