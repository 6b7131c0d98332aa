#include "catalogue/start/Catalogue.h"

#include "catalogue/start/ProgramState.h"
#include "platform/jet/JetError.h"
#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/files/FileOps.h"
#include "platform/win/files/WinPath.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QStringList>

namespace veloxcd {

namespace {

DatabaseEngine& engine() {
    static DatabaseEngine current;
    return current;
}

std::unique_ptr<velox::jet::Database> openDatabase(const QString& path, bool exclusive,
                                                   bool readOnly, const QString& connect) {
    if (engine()) {
        return engine()(path, exclusive, readOnly, connect);
    }
    return velox::jet::Database::open(path, exclusive, readOnly, connect);
}

} // namespace

void setDatabaseEngine(DatabaseEngine e) {
    engine() = std::move(e);
}

void openCatalogue(const QString& sql) {
    try {
        const QString path =
            velox::win::hostPath(systemDir + QLatin1Char('\\') + QLatin1String(catalogueCopyName));
        catalogueDb = openDatabase(path, false, false, catalogueConnect());
        catalogueRs = catalogueDb->openRecordset(sql);
    } catch (const velox::win::RuntimeError& e) {
        if (e.number() == velox::win::err::CannotCreateObject) {
            velox::win::MsgBox(QStringLiteral("Error OSDBE Number: '1' Object can't be created"),
                               velox::win::vbOKOnly, QStringLiteral("VeloxCD"));
        }
    } catch (const velox::jet::JetError&) {
        // A missing or damaged copy, a wrong password or a rejected query:
        // the caller finds catalogueRs as it was.
    }
}

void closeCatalogue() {
    using velox::win::raiseError;
    if (!catalogueRs) {
        raiseError(velox::win::err::ObjectVariableNotSet);
    }
    try {
        catalogueRs->close();
        catalogueRs.reset();
        if (!catalogueDb) {
            raiseError(velox::win::err::ObjectVariableNotSet);
        }
        catalogueDb->close();
        catalogueDb.reset();
    } catch (const velox::jet::JetError& e) {
        raiseError(e.number(), e.message());
    }
}

QString machineCodeList(qint16 k) {
    if (k <= 0) {
        return {};
    }
    QStringList taken;
    for (int n = 1; n <= 64; ++n) {
        if ((n & k) == k) {
            taken << QString::number(n);
        }
    }
    return QLatin1Char('(') + taken.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString languageNames(qint16 v) {
    if (v <= 0) {
        return {};
    }
    static const char* const names[] = {", English",  ", Deutsch",  ", Francais",
                                        ", Espaniol", ", Italiano", ", ..."};
    QString text;
    for (int bit = 0; bit < 6; ++bit) {
        if (v & (1 << bit)) {
            text += QLatin1String(names[bit]);
        }
    }
    return text.mid(1);
}

void prepareCatalogueCopy(const QString& path) {
    velox::win::setAttrNormal(path);
}

} // namespace veloxcd
