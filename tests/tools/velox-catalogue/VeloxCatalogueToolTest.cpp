// velox-catalogue: build, dump and query from the command line.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

Result tool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VELOX_CATALOGUE_TOOL), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const char* const Source = R"({
  "password": "geheim",
  "VeloxFalconCD": [
    {"Index": 7, "Programmname": "Straßenkarte", "Kategorie": 5, "machines": 6, "AuthorID": 1,
     "Version": "2", "Majorversion": "0", "Minorversion": "1",
     "BeschreibungDeutsch": "Größer als 1024 Zeichen? Nein.", "BeschreibungEnglisch": "",
     "languages": 3, "Verzeichnis": "\\Programs\\Map", "Reg": null, "cost": "free", "Author": "Jörg"},
    {"Index": 8, "Programmname": "Zweites", "Kategorie": 1, "machines": 64}
  ],
  "User": [ {"ID": 1, "Firma": " ", "Nachname": "Muster", "Vorname": "Jörg",
             "AuthorEmail": "n/a", "AuthorHomepage": null} ]
})";

class VeloxCatalogueTool : public ::testing::Test {
protected:
    void SetUp() override { write(QStringLiteral("in.json"), Source); }
    QString file(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

// The source with every column present (absent ones as null).
QJsonObject complete(const QJsonObject& source, const QJsonObject& dumped) {
    QJsonObject out;
    out.insert(QStringLiteral("password"), source.value(QStringLiteral("password")));
    for (const QString& table : {QStringLiteral("VeloxFalconCD"), QStringLiteral("User")}) {
        QJsonArray rows;
        const QJsonArray src = source.value(table).toArray();
        const QJsonArray dump = dumped.value(table).toArray();
        for (qsizetype i = 0; i < src.size(); ++i) {
            QJsonObject row = src.at(i).toObject();
            for (const QString& key : dump.at(i).toObject().keys())
                if (!row.contains(key))
                    row.insert(key, QJsonValue::Null);
            rows.append(row);
        }
        out.insert(table, rows);
    }
    return out;
}

TEST_F(VeloxCatalogueTool, BuildThenDumpGivesTheSourceBack) {
    ASSERT_EQ(tool({QStringLiteral("build"), file("in.json"), QStringLiteral("-o"), file("out.db")})
                  .exitCode,
              0);
    const Result dump = tool({QStringLiteral("dump"), file("out.db"), QStringLiteral("--password"),
                              QStringLiteral("geheim")});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    const QJsonObject dumped = QJsonDocument::fromJson(dump.out.toUtf8()).object();
    const QJsonObject source = QJsonDocument::fromJson(Source).object();
    EXPECT_EQ(dumped, complete(source, dumped));
    EXPECT_EQ(dumped.value(QStringLiteral("VeloxFalconCD")).toArray().size(), 2);

    // The dump builds the same catalogue again.
    write(QStringLiteral("again.json"), dump.out.toUtf8());
    ASSERT_EQ(
        tool({QStringLiteral("build"), file("again.json"), QStringLiteral("-o"), file("again.db")})
            .exitCode,
        0);
    const Result second = tool({QStringLiteral("dump"), file("again.db"),
                                QStringLiteral("--password"), QStringLiteral("geheim")});
    EXPECT_EQ(second.out, dump.out);
}

TEST_F(VeloxCatalogueTool, DefaultPasswordAndQueryTable) {
    write(QStringLiteral("nopwd.json"),
          QByteArray(Source).replace("\"password\": \"geheim\",", ""));
    ASSERT_EQ(
        tool({QStringLiteral("build"), file("nopwd.json"), QStringLiteral("-o"), file("k.db")})
            .exitCode,
        0);
    const Result q =
        tool({QStringLiteral("query"), file("k.db"),
              QStringLiteral(
                  "SELECT Index, Programmname FROM VeloxFalconCD ORDER BY Programmname DESC")});
    ASSERT_EQ(q.exitCode, 0) << q.err.toStdString();
    const QStringList lines = q.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("Index | Programmname"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("8     | Zweites")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("7     | Straßenkarte")));
    EXPECT_EQ(lines[4], QStringLiteral("(2 rows)"));
    const Result nulls = tool(
        {QStringLiteral("query"), file("k.db"), QStringLiteral("SELECT Reg FROM VeloxFalconCD")});
    EXPECT_TRUE(nulls.out.contains(QStringLiteral("Null")));
}

struct BadCase {
    const char* name;
    QByteArray json;
    const char* message;
};

TEST_F(VeloxCatalogueTool, BadSourcesAreRefusedWithAClearErrorAndNoFile) {
    const std::vector<BadCase> cases = {
        {"not JSON", "{ nope", "not valid JSON"},
        {"unknown column", R"({"VeloxFalconCD": [{"Index": 1, "Colour": "red"}]})",
         "unknown column \"Colour\""},
        {"text for a number", R"({"VeloxFalconCD": [{"Index": "one"}]})",
         "Index must be a whole number"},
        {"fraction", R"({"User": [{"ID": 1.5}]})", "ID must be a whole number"},
        {"number for a text", R"({"User": [{"ID": 1, "Nachname": 5}]})", "Nachname must be a text"},
        {"unknown table", R"({"Programs": []})", "unknown key"},
        {"too long",
         QByteArray(R"({"User": [{"ID": 1, "Vorname": ")") + QByteArray(300, 'x') + "\"}]}",
         "longer than"},
        {"out of range", R"({"VeloxFalconCD": [{"Index": 1, "machines": 70000}]})", "does not fit"},
        {"beyond 64 bits", R"({"VeloxFalconCD": [{"Index": 1e300}]})", "Index is too large"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        write(QStringLiteral("bad.json"), c.json);
        const Result r =
            tool({QStringLiteral("build"), file("bad.json"), QStringLiteral("-o"), file("bad.db")});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(QLatin1String(c.message))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(file("bad.db")));
    }
}

TEST_F(VeloxCatalogueTool, ErrorsOfTheDatabaseCarryTheirNumbers) {
    ASSERT_EQ(tool({QStringLiteral("build"), file("in.json"), QStringLiteral("-o"), file("out.db")})
                  .exitCode,
              0);
    const Result wrong = tool({QStringLiteral("dump"), file("out.db")});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("error 3031")));
    const Result missing =
        tool({QStringLiteral("query"), file("none.db"), QStringLiteral("SELECT * FROM User")});
    EXPECT_TRUE(missing.err.contains(QStringLiteral("error 3024")));
    const Result syntax = tool({QStringLiteral("query"), file("out.db"),
                                QStringLiteral("SELECT * FROM User WHERE ID = 'x"),
                                QStringLiteral("--password"), QStringLiteral("geheim")});
    EXPECT_TRUE(syntax.err.contains(QStringLiteral("error 3075")));
    EXPECT_EQ(tool({QStringLiteral("frobnicate"), file("out.db")}).exitCode, 2);
}

} // namespace
