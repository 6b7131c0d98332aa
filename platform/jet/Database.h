#pragma once

#include "platform/jet/Recordset.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace velox::jet {

class JetFile;
class Catalogue;

// A Jet database opened as DAO opens one: by path, with the exclusive and
// read-only flags and a connect string such as "MS Access;PWD=secret;".
class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Raises JetError: 3024 file not found, 3051 cannot be opened, 3343
    // not a database, 3031 the password of the connect string is wrong.
    static std::unique_ptr<Database> open(const QString& name, bool exclusive = false,
                                          bool readOnly = false, const QString& connect = {});

    // Runs a SELECT statement and returns its result; raises Jet's numbered
    // errors for a statement it rejects (3075, 3078, 3061, 3464, ...).
    std::unique_ptr<Recordset> openRecordset(const QString& statement);
    [[nodiscard]] QStringList tableNames();
    void close();
    [[nodiscard]] bool isOpen() const { return file_ != nullptr; }
    [[nodiscard]] const QString& name() const { return name_; }

    // The password a connect string carries ("PWD=...;"), empty without one.
    static QString passwordOf(const QString& connect);

private:
    Database() = default;
    const Catalogue& catalogue();
    QString name_;
    std::shared_ptr<const JetFile> file_;
    std::unique_ptr<Catalogue> catalogue_;
};

} // namespace velox::jet
