#include "catalogue/start/CatalogueQueries.h"

#include "catalogue/start/Catalogue.h"
#include "catalogue/start/CatalogueColumns.h"

#include <QStringList>

namespace veloxcd {

namespace {

QLatin1String name(const char* tableOrColumn) {
    return QLatin1String(tableOrColumn);
}

} // namespace

QString categoryQuery(qint16 machine, int category) {
    return QStringLiteral("SELECT * FROM %1 WHERE %2 IN %3 AND %4=%5 ORDER BY %6")
        .arg(name(ProgramsTable), name(column::machines), machineCodeList(machine),
             name(column::Kategorie), QString::number(category), name(column::Programmname));
}

QString programQuery(qint32 index) {
    return QStringLiteral("SELECT * FROM %1 WHERE %2 =%3;")
        .arg(name(ProgramsTable), name(column::Index), QString::number(index));
}

QString authorQuery(qint32 authorId) {
    return QStringLiteral("SELECT * FROM %1 WHERE %2 =%3;")
        .arg(name(AuthorsTable), name(column::ID), QString::number(authorId));
}

QString searchQuery(const QString& typed) {
    // Only blanks are dropped, as Trim drops them.
    qsizetype start = 0;
    qsizetype end = typed.size();
    while (start < end && typed.at(start) == QLatin1Char(' ')) {
        ++start;
    }
    while (end > start && typed.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    const QString like =
        QStringLiteral(" LIKE '*") + typed.mid(start, end - start) + QStringLiteral("*'");
    QStringList terms;
    for (const char* searched : {column::Programmname, column::Author, column::BeschreibungEnglisch,
                                 column::BeschreibungDeutsch}) {
        terms << name(searched) + like;
    }
    return QStringLiteral("SELECT * FROM %1 WHERE (").arg(name(ProgramsTable)) +
           terms.join(QStringLiteral(" OR ")) + QStringLiteral(");");
}

} // namespace veloxcd
