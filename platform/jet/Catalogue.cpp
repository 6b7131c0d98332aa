#include "platform/jet/Catalogue.h"

#include "platform/jet/JetError.h"
#include "platform/jet/TableDefReader.h"
#include "platform/jet/TableScanner.h"
#include "platform/jet/ValueDecoder.h"

namespace velox::jet {

using namespace format;

Catalogue::Catalogue(const JetFile& file) {
    const TableDef objects =
        TableDefReader::read(file, CatalogueTablePage, QStringLiteral("MSysObjects"));
    const int id = objects.columnIndex(QStringLiteral("Id"));
    const int name = objects.columnIndex(QStringLiteral("Name"));
    const int type = objects.columnIndex(QStringLiteral("Type"));
    const int flags = objects.columnIndex(QStringLiteral("Flags"));
    if (id < 0 || name < 0 || type < 0) {
        throw JetError(errors::UnrecognizedFormat,
                       QStringLiteral("The system catalogue is damaged."));
    }
    TableScanner scan(file, objects);
    while (scan.next()) {
        const auto field = [&scan](int column) {
            return scan.field(static_cast<std::size_t>(column));
        };
        const Value t = ValueDecoder::decode(file, objects.columns[static_cast<std::size_t>(type)],
                                             field(type));
        if (!std::holds_alternative<qint64>(t) || (std::get<qint64>(t) & 0x7f) != ObjectTable) {
            continue;
        }
        const Value n = ValueDecoder::decode(file, objects.columns[static_cast<std::size_t>(name)],
                                             field(name));
        const Value i =
            ValueDecoder::decode(file, objects.columns[static_cast<std::size_t>(id)], field(id));
        if (!isText(n) || !std::holds_alternative<qint64>(i)) {
            continue;
        }
        Entry e;
        e.name = std::get<QString>(n);
        e.page = static_cast<std::uint32_t>(std::get<qint64>(i)) & 0x00ffffff;
        if (flags >= 0) {
            const Value fl = ValueDecoder::decode(
                file, objects.columns[static_cast<std::size_t>(flags)], field(flags));
            if (const auto* v = std::get_if<qint64>(&fl)) {
                e.system = (static_cast<std::uint32_t>(*v) & SystemObjectFlags) != 0;
            }
        }
        tables_.push_back(e);
    }
}

std::optional<Catalogue::Entry> Catalogue::find(const QString& name) const {
    for (const Entry& e : tables_) {
        if (e.name.compare(name, Qt::CaseInsensitive) == 0) {
            return e;
        }
    }
    return std::nullopt;
}

QStringList Catalogue::tableNames() const {
    QStringList names;
    for (const Entry& e : tables_) {
        if (!e.system && !e.name.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive)) {
            names << e.name;
        }
    }
    return names;
}

} // namespace velox::jet
