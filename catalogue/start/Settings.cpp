#include "catalogue/start/Settings.h"

#include "catalogue/start/ProgramState.h"
#include "platform/win/files/DirSearch.h"
#include "platform/win/files/FileOps.h"
#include "platform/win/files/SequentialInput.h"
#include "platform/win/files/SystemFolders.h"
#include "platform/win/files/WinPath.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>

namespace veloxcd {
namespace {

QStringList readLines() {
    // The file is missing, unreadable or on a folder that vanished: no lines.
    try {
        if (velox::win::Dir(settingsPath()).isEmpty()) {
            return {};
        }
        QFile file(velox::win::hostPath(settingsPath()));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return velox::win::readInputFields(file.readAll(), 2);
    } catch (const velox::win::RuntimeError&) {
        return {};
    }
}

} // namespace

QString settingsPath() {
    return velox::win::appPath() + QStringLiteral("\\setting.txt");
}

namespace {

// What a numeric conversion skips before a number.
bool isAsciiBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r') || c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

} // namespace

std::optional<int> settingValue(const QString& line) {
    const QStringList pieces = line.split(QLatin1Char(':'));
    if (pieces.size() < 2) {
        return std::nullopt;
    }
    // The number at the start of the piece, as a numeric conversion reads it:
    // leading blanks skipped, an optional sign, digits and a fraction.
    const QString& piece = pieces[1];
    const auto isDigit = [&piece](qsizetype at) {
        return at < piece.size() && piece[at] >= QLatin1Char('0') && piece[at] <= QLatin1Char('9');
    };
    qsizetype at = 0;
    while (at < piece.size() && isAsciiBlank(piece[at])) {
        ++at;
    }
    const qsizetype start = at;
    if (at < piece.size() && (piece[at] == QLatin1Char('+') || piece[at] == QLatin1Char('-'))) {
        ++at;
    }
    qsizetype digits = 0;
    for (; isDigit(at); ++at) {
        ++digits;
    }
    if (at < piece.size() && piece[at] == QLatin1Char('.')) {
        ++at;
        for (; isDigit(at); ++at) {
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    const double value = std::trunc(piece.mid(start, at - start).toDouble());
    if (std::abs(value) > 1e9) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

void readSettings() {
    const QStringList lines = readLines();
    // No value reads as 0, which no setting takes.
    const int languageValue = lines.isEmpty() ? 0 : settingValue(lines[0]).value_or(0);
    const int machineValue = lines.size() > 1 ? settingValue(lines[1]).value_or(0) : 0;

    language = (languageValue == languageEnglish || languageValue == languageGerman)
                   ? static_cast<qint16>(languageValue)
                   : qint16{languageEnglish};
    machine = (machineValue == machineWren || machineValue == machineFalcon ||
               machineValue == machineOsprey)
                  ? static_cast<qint16>(machineValue)
                  : qint16{machineMerlin};
}

void writeSettings() {
    const QString path = velox::win::hostPath(settingsPath());
    const QByteArray text =
        QStringLiteral("Language: %1\r\nMachine: %2\r\n").arg(language).arg(machine).toLatin1();
    // A file that already says so is left as it is: nothing to replace (and
    // no wait for the disk at every start).
    if (QFile current(path); current.open(QIODevice::ReadOnly) && current.size() == text.size() &&
                             current.readAll() == text) {
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        velox::win::raiseError(velox::win::fileErrorNumber(file.error()), settingsPath());
    }
}

} // namespace veloxcd
