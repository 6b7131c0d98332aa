#pragma once

#include <QByteArray>
#include <QString>

namespace velox::democd {

// The demo catalogue's source, in the JSON form velox-catalogue builds from
// (tools/democd/demo-catalogue.json, compiled into the tool).
QByteArray demoCatalogueJson();

// What the CD holds for each program besides its catalogue row: how many
// packages, which readme files and which screenshots
// (tools/democd/demo-cd.json, compiled into the tool).
QByteArray demoCdJson();

// Writes the "Programs" folder of the demo CD below `cdRoot`: for every program
// of the demo catalogue its folder with packages, readme files (plain and rich
// text, ".txt" and ".me") and screenshots for both families ("Screen.gif",
// "Screen1.gif"), some deliberately missing. Throws std::runtime_error.
void writePrograms(const QString& cdRoot);

// The readme texts, for tests: plain Windows-1252 text with CR LF line ends,
// and rich text with the German umlauts as \'hh escapes.
QByteArray plainReadme(const QString& title, const QString& english, const QString& german);
QByteArray richReadme(const QString& title, const QString& english, const QString& german);

} // namespace velox::democd
