#pragma once

#include <QImage>
#include <QString>

namespace velox::democd::test {

// A demo CD's Pictures folder, written once for the whole test program.
const QString& demoCdRoot();

// One picture of the CD's Pictures folder, written on its own and read back
// through Qt as the catalogue reads it.
QImage cdPicture(const QString& fileName);

} // namespace velox::democd::test
