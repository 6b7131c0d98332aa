// velox-catalogue: builds a catalogue file from its JSON form, dumps one
// back to JSON, and runs a query against one.
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"
#include "tools/velox-catalogue/CatalogueJson.h"
#include "tools/velox-catalogue/CatalogueSchema.h"
#include "tools/velox-catalogue/ResultTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

using namespace veloxcd::tools;

namespace {

int usage() {
    std::fputs("usage: velox-catalogue build CATALOGUE.json -o FILE [--password P]\n"
               "       velox-catalogue dump FILE [-o OUT.json] [--password P]\n"
               "       velox-catalogue query FILE \"SELECT ...\" [--password P]\n",
               stderr);
    return 2;
}

int failure(const QString& message) {
    std::fprintf(stderr, "velox-catalogue: %s\n", qPrintable(message));
    return 1;
}

void writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        throw JsonError(
            QStringLiteral("cannot write %1: %2").arg(path, out.errorString()).toStdString());
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString output;
    QString password = QString::fromLatin1(veloxcd::cataloguePassword);
    bool passwordGiven = false;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o") && i + 1 < args.size()) {
            output = args[++i];
        } else if (args[i] == QLatin1String("--password") && i + 1 < args.size()) {
            password = args[++i];
            passwordGiven = true;
        } else {
            positional << args[i];
        }
    }
    if (positional.size() < 2) {
        return usage();
    }
    const QString command = positional[0];
    try {
        if (command == QLatin1String("build")) {
            if (positional.size() != 2 || output.isEmpty()) {
                return usage();
            }
            QFile source(positional[1]);
            if (!source.open(QIODevice::ReadOnly)) {
                return failure(
                    QStringLiteral("cannot read %1: %2").arg(positional[1], source.errorString()));
            }
            velox::jet::DatabaseSpec plan = catalogueFromJson(source.readAll());
            if (passwordGiven) {
                plan.password = password;
            }
            velox::jet::JetWriter::write(output, plan);
            return 0;
        }
        if (command == QLatin1String("dump")) {
            if (positional.size() != 2) {
                return usage();
            }
            const QByteArray json = catalogueToJson(positional[1], password);
            if (output.isEmpty()) {
                std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
            } else {
                writeAtomically(output, json);
            }
            return 0;
        }
        if (command == QLatin1String("query")) {
            if (positional.size() != 3) {
                return usage();
            }
            auto db = velox::jet::Database::open(positional[1], false, true,
                                                 QStringLiteral("MS Access;PWD=%1;").arg(password));
            auto rs = db->openRecordset(positional[2]);
            QTextStream(stdout) << formatResultTable(*rs);
            rs->close();
            db->close();
            return 0;
        }
    } catch (const velox::jet::JetError& e) {
        return failure(QStringLiteral("error %1: %2").arg(e.number()).arg(e.message()));
    } catch (const JsonError& e) {
        return failure(QString::fromStdString(e.what()));
    }
    return usage();
}
