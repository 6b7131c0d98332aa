#pragma once

#include "catalogue/start/CatalogueColumns.h"
#include "platform/jet/Database.h"
#include "platform/jet/Recordset.h"

#include <QString>
#include <functional>
#include <memory>

namespace veloxcd {

// The database handles: the open working copy and the result of the last
// query. Both are empty when nothing is open.
inline std::unique_ptr<velox::jet::Database> catalogueDb;
inline std::unique_ptr<velox::jet::Recordset> catalogueRs;

// The working copy every query opens, and how it is opened.
inline constexpr char catalogueCopyName[] = "aengdeu.dll";
inline QString catalogueConnect() {
    return QStringLiteral("MS Access;PWD=%1;").arg(QLatin1String(cataloguePassword));
}

// Opens the working copy afresh, runs the query and stores both in the
// handles. A missing database engine shows "Error OSDBE Number: '1' Object
// can't be created"; every other failure is passed over, leaving the handles
// as they were before the failing step.
void openCatalogue(const QString& sql);

// Closes and empties catalogueRs, then catalogueDb. With nothing open it
// raises run-time error 91 to its caller.
void closeCatalogue();

// "(n,m,...)": every machines value from 1 to 64 that holds all bits of the
// code; empty for 0 or less.
QString machineCodeList(qint16 k);

// ", English, Deutsch" without its first character; empty for 0 or less and
// for a value without any of the six language bits.
QString languageNames(qint16 v);

// Makes the working copy of the catalogue an ordinary writable file (a copy
// taken from a CD is read-only).
void prepareCatalogueCopy(const QString& path);

// The database engine: opens a database by host path with the exclusive and
// read-only flags and a connect string. Tests replace it (an engine that
// raises error 429 stands for one that is not installed); an empty function
// restores the real one.
using DatabaseEngine = std::function<std::unique_ptr<velox::jet::Database>(
    const QString& path, bool exclusive, bool readOnly, const QString& connect)>;
void setDatabaseEngine(DatabaseEngine engine);

} // namespace veloxcd
