#pragma once

#include "platform/jet/JetFormat.h"

// The two tables of the catalogue and their columns, as the catalogue file
// holds them. The program's queries and field reads, the catalogue tool, the
// benchmarks and the tests all name tables and columns through these.
namespace veloxcd {

// The catalogue file's database password.
inline constexpr char cataloguePassword[] = "##kazmo##";

inline constexpr char ProgramsTable[] = "VeloxFalconCD";
inline constexpr char AuthorsTable[] = "User";

namespace column {

// The programs table.
inline constexpr char Index[] = "Index";
inline constexpr char Programmname[] = "Programmname";
inline constexpr char Kategorie[] = "Kategorie";
inline constexpr char machines[] = "machines";
inline constexpr char AuthorID[] = "AuthorID";
inline constexpr char Version[] = "Version";
inline constexpr char Majorversion[] = "Majorversion";
inline constexpr char Minorversion[] = "Minorversion";
inline constexpr char BeschreibungDeutsch[] = "BeschreibungDeutsch";
inline constexpr char BeschreibungEnglisch[] = "BeschreibungEnglisch";
inline constexpr char languages[] = "languages";
inline constexpr char Verzeichnis[] = "Verzeichnis";
inline constexpr char Reg[] = "Reg";
inline constexpr char cost[] = "cost";
inline constexpr char Author[] = "Author";

// The authors table.
inline constexpr char ID[] = "ID";
inline constexpr char Firma[] = "Firma";
inline constexpr char Nachname[] = "Nachname";
inline constexpr char Vorname[] = "Vorname";
inline constexpr char AuthorEmail[] = "AuthorEmail";
inline constexpr char AuthorHomepage[] = "AuthorHomepage";

} // namespace column

// A column with its type; the length counts characters and matters for Text
// columns only.
struct CatalogueColumn {
    const char* name;
    velox::jet::format::ColumnType type;
    int textLength = 255;
};

// The columns of each table in the file's order.
inline constexpr CatalogueColumn ProgramColumns[] = {
    {column::Index, velox::jet::format::ColumnType::Long},
    {column::Programmname, velox::jet::format::ColumnType::Text, 255},
    {column::Kategorie, velox::jet::format::ColumnType::Integer},
    {column::machines, velox::jet::format::ColumnType::Integer},
    {column::AuthorID, velox::jet::format::ColumnType::Integer},
    {column::Version, velox::jet::format::ColumnType::Text, 50},
    {column::Majorversion, velox::jet::format::ColumnType::Text, 50},
    {column::Minorversion, velox::jet::format::ColumnType::Text, 50},
    {column::BeschreibungDeutsch, velox::jet::format::ColumnType::Memo},
    {column::BeschreibungEnglisch, velox::jet::format::ColumnType::Memo},
    {column::languages, velox::jet::format::ColumnType::Integer},
    {column::Verzeichnis, velox::jet::format::ColumnType::Text, 255},
    {column::Reg, velox::jet::format::ColumnType::Text, 255},
    {column::cost, velox::jet::format::ColumnType::Text, 255},
    {column::Author, velox::jet::format::ColumnType::Text, 255},
};

inline constexpr CatalogueColumn AuthorColumns[] = {
    {column::ID, velox::jet::format::ColumnType::Long},
    {column::Firma, velox::jet::format::ColumnType::Text, 255},
    {column::Nachname, velox::jet::format::ColumnType::Text, 255},
    {column::Vorname, velox::jet::format::ColumnType::Text, 255},
    {column::AuthorEmail, velox::jet::format::ColumnType::Text, 255},
    {column::AuthorHomepage, velox::jet::format::ColumnType::Text, 255},
};

} // namespace veloxcd
