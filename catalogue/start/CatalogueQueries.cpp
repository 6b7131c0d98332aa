#include "catalogue/start/CatalogueQueries.h"

#include "catalogue/start/Catalogue.h"

namespace veloxcd {

QString categoryQuery(qint16 machine, int category) {
    return QStringLiteral("SELECT * FROM VeloxFalconCD WHERE machines IN ") +
           machineCodeList(machine) + QStringLiteral(" AND Kategorie=") +
           QString::number(category) + QStringLiteral(" ORDER BY Programmname");
}

QString programQuery(qint32 index) {
    return QStringLiteral("SELECT * FROM VeloxFalconCD WHERE Index =") + QString::number(index) +
           QLatin1Char(';');
}

QString authorQuery(qint32 authorId) {
    return QStringLiteral("SELECT * FROM User WHERE ID =") + QString::number(authorId) +
           QLatin1Char(';');
}

QString searchQuery(const QString& typed) {
    // Only blanks are dropped, as Trim drops them.
    qsizetype start = 0;
    qsizetype end = typed.size();
    while (start < end && typed.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && typed.at(end - 1) == QLatin1Char(' '))
        --end;
    const QString t = typed.mid(start, end - start);
    return QStringLiteral("SELECT * FROM VeloxFalconCD WHERE ") +
           QStringLiteral("(Programmname LIKE '*") + t + QStringLiteral("*' OR ") +
           QStringLiteral("Author LIKE '*") + t + QStringLiteral("*' OR ") +
           QStringLiteral("BeschreibungEnglisch LIKE '*") + t + QStringLiteral("*' OR ") +
           QStringLiteral("BeschreibungDeutsch LIKE '*") + t + QStringLiteral("*');");
}

} // namespace veloxcd
