#include "tools/democd/DemoPrograms.h"

#include "catalogue/start/CatalogueColumns.h"
#include "tools/democd/ImageFiles.h"
#include "tools/democd/Palette.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <map>
#include <stdexcept>

// The demo data is compiled into the tool's static library: register it once
// before the first use (outside any namespace, as the resource compiler names
// its function).
static void registerDemoData() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(demodata);
        return true;
    }();
    (void)registered;
}

namespace velox::democd {
namespace {

namespace column = veloxcd::column;

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

QByteArray resource(const QString& name) {
    registerDemoData();
    QFile file(QStringLiteral(":/demo/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("the demo data %1 is missing from the tool").arg(name));
    }
    return file.readAll();
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        fail(QStringLiteral("cannot write %1").arg(path));
    }
}

// Windows-1252 for the readme files; the demo texts stay within Latin-1.
QByteArray ansi(const QString& text) {
    return text.toLatin1();
}

// A package name of up to eight capitals from the program's name.
QString packageName(const QString& programName, int number) {
    QString name;
    for (const QChar c : programName) {
        if (c.isLetter() && c.unicode() < 128 && name.size() < 8) {
            name += c.toUpper();
        }
    }
    return number == 0 ? name + QStringLiteral(".KIT")
                       : name.left(7) + QString::number(number + 1) + QStringLiteral(".KIT");
}

// A package of a plausible size: a small header, then data that does not
// compress, the same on every run.
QByteArray package(const QString& programName, int index) {
    const qsizetype size = (12 + (index * 7919) % 280) * 1024 + (index * 37) % 1024;
    QByteArray bytes = "KIT1 " + programName.toLatin1() + '\0';
    QRandomGenerator random(static_cast<quint32>(index));
    while (bytes.size() < size) {
        bytes.append(static_cast<char>(random.bounded(256)));
    }
    return bytes;
}

QString rtfEscaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}')) {
            out += QLatin1Char('\\') + c;
        } else if (c.unicode() > 127 && c.unicode() < 256) {
            out += QStringLiteral("\\'%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else if (c.unicode() >= 256) {
            out += QStringLiteral("\\u%1?").arg(static_cast<short>(c.unicode()));
        } else {
            out += c;
        }
    }
    return out;
}

// A screenshot of the program on the handheld's display: its name in the title
// bar, a few rows of content and a soft-key row.
QImage screenshot(const QString& programName, int width, int height, int index) {
    QImage image = canvas(width, height, palette::displayGreen);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int bar = height / 8;
    painter.fillRect(QRect(0, 0, width, bar), palette::lcdInk);
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(bar * 2 / 3);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(palette::displayGreen);
    painter.drawText(QRect(8, 0, width - 16, bar), Qt::AlignVCenter | Qt::AlignLeft, programName);

    QFont body(QStringLiteral("DejaVu Sans"));
    body.setPixelSize(bar / 2);
    painter.setFont(body);
    painter.setPen(palette::lcdInk);
    QRandomGenerator random(static_cast<quint32>(index * 31));
    const int rows = 5;
    const int rowHeight = (height - 2 * bar) / (rows + 1);
    for (int row = 0; row < rows; ++row) {
        const int y = bar + rowHeight / 2 + row * rowHeight;
        painter.setBrush(palette::lcdShade);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(10, y + 2, rowHeight - 4, rowHeight - 4), 2, 2);
        const int length = width / 3 + random.bounded(width / 3);
        painter.fillRect(QRect(10 + rowHeight + 4, y + rowHeight / 3, length, rowHeight / 4),
                         palette::lcdInk);
    }
    painter.setPen(palette::lcdInk);
    const int keys = 4;
    for (int key = 0; key < keys; ++key) {
        const QRect soft(key * width / keys + 4, height - bar + 2, width / keys - 8, bar - 4);
        painter.drawRoundedRect(soft, 3, 3);
    }
    painter.end();
    return image;
}

struct ProgramExtras {
    int packages = 1;
    QString readme = QStringLiteral("txt");
    QString screenshots = QStringLiteral("both");
};

std::map<qint64, ProgramExtras> extrasByIndex() {
    std::map<qint64, ProgramExtras> extras;
    const QJsonArray programs =
        QJsonDocument::fromJson(demoCdJson()).object().value(QStringLiteral("programs")).toArray();
    for (const QJsonValueConstRef value : programs) {
        const QJsonObject object = value.toObject();
        ProgramExtras entry;
        entry.packages = object.value(QStringLiteral("packages")).toInt(1);
        entry.readme = object.value(QStringLiteral("readme")).toString(entry.readme);
        entry.screenshots = object.value(QStringLiteral("screenshots")).toString(entry.screenshots);
        extras[object.value(QStringLiteral("Index")).toInteger()] = entry;
    }
    return extras;
}

QString text(const QJsonObject& row, const char* column) {
    return row.value(QLatin1String(column)).toString();
}

void writeReadmes(const QDir& folder, const ProgramExtras& extras, const QString& title,
                  const QString& english, const QString& german) {
    if (extras.readme == QLatin1String("txt")) {
        writeFileAtomically(folder.filePath(QStringLiteral("Readme.txt")),
                            plainReadme(title, english, german));
    } else if (extras.readme == QLatin1String("me")) {
        writeFileAtomically(folder.filePath(QStringLiteral("Read.me")),
                            plainReadme(title, english, german));
    } else if (extras.readme == QLatin1String("both")) {
        writeFileAtomically(folder.filePath(QStringLiteral("README.TXT")),
                            plainReadme(title, english, german));
        writeFileAtomically(folder.filePath(QStringLiteral("Notes.me")),
                            richReadme(title + QStringLiteral(" - notes"), english, german));
    } else if (extras.readme == QLatin1String("rtf")) {
        writeFileAtomically(folder.filePath(QStringLiteral("Readme.txt")),
                            richReadme(title, english, german));
    }
}

} // namespace

QByteArray demoCatalogueJson() {
    return resource(QStringLiteral("demo-catalogue.json"));
}

QByteArray demoCdJson() {
    return resource(QStringLiteral("demo-cd.json"));
}

QByteArray plainReadme(const QString& title, const QString& english, const QString& german) {
    QStringList lines{title, QString(title.size(), QLatin1Char('=')), QString()};
    if (!english.isEmpty()) {
        lines << english << QString();
    }
    if (!german.isEmpty()) {
        lines << german << QString();
    }
    lines << QStringLiteral("Installation: select the program in the catalogue and press the copy "
                            "button; the installer copies it to your Velox.")
          << QStringLiteral("Installation: Programm im Katalog wählen und die Kopiertaste drücken.")
          << QString();
    return ansi(lines.join(QStringLiteral("\r\n")));
}

QByteArray richReadme(const QString& title, const QString& english, const QString& german) {
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0"
                                 "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
                                 "{\\colortbl;\\red18\\green58\\blue112;\\red0\\green0\\blue0;}"
                                 "{\\*\\generator democd;}\\f0\\fs20 ");
    rtf += QStringLiteral("{\\b\\cf1\\fs28 ") + rtfEscaped(title) + QStringLiteral("}\\par\\par ");
    if (!english.isEmpty()) {
        rtf += QStringLiteral("{\\b English}\\par ") + rtfEscaped(english) +
               QStringLiteral("\\par\\par ");
    }
    if (!german.isEmpty()) {
        rtf += QStringLiteral("{\\b Deutsch}\\par ") + rtfEscaped(german) +
               QStringLiteral("\\par\\par ");
    }
    rtf += QStringLiteral("{\\i Installation:}\\tab select the program and press the copy button."
                          "\\line {\\i Installation:}\\tab ") +
           rtfEscaped(QStringLiteral("Programm wählen und die Kopiertaste drücken.")) +
           QStringLiteral("\\par }");
    return rtf.toLatin1();
}

void writePrograms(const QString& cdRoot) {
    const QJsonDocument catalogue = QJsonDocument::fromJson(demoCatalogueJson());
    const std::map<qint64, ProgramExtras> extras = extrasByIndex();
    const QJsonArray rows =
        catalogue.object().value(QLatin1String(veloxcd::ProgramsTable)).toArray();
    if (rows.isEmpty()) {
        fail(QStringLiteral("the demo catalogue holds no programs"));
    }
    for (const QJsonValueConstRef value : rows) {
        const QJsonObject row = value.toObject();
        const qint64 index = row.value(QLatin1String(column::Index)).toInteger();
        const QString name = text(row, column::Programmname);
        // A program without a folder of its own lives in "\Programs\<Index>\".
        QString folderName = text(row, column::Verzeichnis);
        if (row.value(QLatin1String(column::Verzeichnis)).isNull()) {
            folderName = QStringLiteral("\\Programs\\%1\\").arg(index);
        }
        folderName.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QString path = QDir(cdRoot).filePath(folderName.mid(1));
        if (!QDir().mkpath(path)) {
            fail(QStringLiteral("cannot create the folder %1").arg(path));
        }
        const QDir folder(path);
        const auto found = extras.find(index);
        const ProgramExtras program = found != extras.end() ? found->second : ProgramExtras{};

        for (int number = 0; number < program.packages; ++number) {
            writeFileAtomically(folder.filePath(packageName(name, number)),
                                package(name, static_cast<int>(index) + number));
        }
        const QString title = name + QLatin1Char(' ') + text(row, column::Version) +
                              QLatin1Char('.') + text(row, column::Majorversion) +
                              text(row, column::Minorversion);
        writeReadmes(folder, program, title, text(row, column::BeschreibungEnglisch),
                     text(row, column::BeschreibungDeutsch));
        if (program.screenshots == QLatin1String("both") ||
            program.screenshots == QLatin1String("falcon")) {
            saveGif(screenshot(name, 640, 240, static_cast<int>(index)),
                    folder.filePath(QStringLiteral("Screen.gif")));
        }
        if (program.screenshots == QLatin1String("both") ||
            program.screenshots == QLatin1String("wren")) {
            saveGif(screenshot(name, 480, 160, static_cast<int>(index)),
                    folder.filePath(QStringLiteral("Screen1.gif")));
        }
    }
}

} // namespace velox::democd
