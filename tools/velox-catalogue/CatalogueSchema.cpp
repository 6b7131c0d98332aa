#include "tools/velox-catalogue/CatalogueSchema.h"

namespace veloxcd::tools {

using velox::jet::ColumnSpec;
using velox::jet::format::ColumnType;

std::vector<ColumnSpec> programColumns() {
    return {
        {QStringLiteral("Index"), ColumnType::Long},
        {QStringLiteral("Programmname"), ColumnType::Text, 255},
        {QStringLiteral("Kategorie"), ColumnType::Integer},
        {QStringLiteral("machines"), ColumnType::Integer},
        {QStringLiteral("AuthorID"), ColumnType::Integer},
        {QStringLiteral("Version"), ColumnType::Text, 50},
        {QStringLiteral("Majorversion"), ColumnType::Text, 50},
        {QStringLiteral("Minorversion"), ColumnType::Text, 50},
        {QStringLiteral("BeschreibungDeutsch"), ColumnType::Memo},
        {QStringLiteral("BeschreibungEnglisch"), ColumnType::Memo},
        {QStringLiteral("languages"), ColumnType::Integer},
        {QStringLiteral("Verzeichnis"), ColumnType::Text, 255},
        {QStringLiteral("Reg"), ColumnType::Text, 255},
        {QStringLiteral("cost"), ColumnType::Text, 255},
        {QStringLiteral("Author"), ColumnType::Text, 255},
    };
}

std::vector<ColumnSpec> authorColumns() {
    return {
        {QStringLiteral("ID"), ColumnType::Long},
        {QStringLiteral("Firma"), ColumnType::Text, 255},
        {QStringLiteral("Nachname"), ColumnType::Text, 255},
        {QStringLiteral("Vorname"), ColumnType::Text, 255},
        {QStringLiteral("AuthorEmail"), ColumnType::Text, 255},
        {QStringLiteral("AuthorHomepage"), ColumnType::Text, 255},
    };
}

} // namespace veloxcd::tools
