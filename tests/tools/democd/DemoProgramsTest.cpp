#include "tools/democd/DemoPrograms.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velox::democd;

namespace {

QJsonArray programs() {
    return QJsonDocument::fromJson(demoCatalogueJson()).object().value("VeloxFalconCD").toArray();
}

QString folderOf(const QJsonObject& row) {
    QString folder = row.value("Verzeichnis").toString();
    if (row.value("Verzeichnis").isNull()) {
        folder = QString("\\Programs\\%1\\").arg(row.value("Index").toInteger());
    }
    return folder.replace('\\', '/').mid(1);
}

} // namespace

TEST(DemoCatalogue, EveryCategoryOfEveryModelListsAProgram) {
    for (int machine : {1, 2, 4, 8}) {
        for (int category = 1; category <= 7; ++category) {
            int listed = 0;
            for (const QJsonValue& value : programs()) {
                const QJsonObject row = value.toObject();
                const int machines = row.value("machines").toInt();
                if (row.value("Kategorie").toInt() == category && machines >= 1 && machines <= 63 &&
                    (machines & machine) == machine) {
                    ++listed;
                }
            }
            EXPECT_GE(listed, 1) << "machine " << machine << " category " << category;
        }
    }
}

TEST(DemoCatalogue, ShowsTheCasesTheCatalogueKnows) {
    int oneSided = 0;
    int nullFolders = 0;
    int ospreyOnly = 0;
    int beyondTheList = 0;
    for (const QJsonValue& value : programs()) {
        const QJsonObject row = value.toObject();
        oneSided += row.value("BeschreibungDeutsch").isNull() ? 1 : 0;
        nullFolders += row.value("Verzeichnis").isNull() ? 1 : 0;
        ospreyOnly += row.value("machines").toInt() == 8 ? 1 : 0;
        beyondTheList += row.value("machines").toInt() >= 64 ? 1 : 0;
    }
    EXPECT_GE(programs().size(), 40);
    EXPECT_GE(oneSided, 3);
    EXPECT_GE(nullFolders, 1);
    EXPECT_GE(ospreyOnly, 3);
    EXPECT_GE(beyondTheList, 1);
}

TEST(DemoPrograms, EachFolderHoldsWhatTheCdDescriptionSays) {
    QTemporaryDir cd;
    writePrograms(cd.path());
    const QJsonArray extras =
        QJsonDocument::fromJson(demoCdJson()).object().value("programs").toArray();
    int withoutWrenScreenshot = 0;
    int rich = 0;
    for (const QJsonValue& value : programs()) {
        const QJsonObject row = value.toObject();
        const QDir folder(cd.filePath(folderOf(row)));
        ASSERT_TRUE(folder.exists()) << folderOf(row).toStdString();
        QJsonObject extra;
        for (const QJsonValue& e : extras) {
            if (e.toObject().value("Index") == row.value("Index")) {
                extra = e.toObject();
            }
        }
        EXPECT_EQ(folder.entryList({"*.KIT"}, QDir::Files).size(),
                  extra.value("packages").toInt(1));
        const QStringList readmes = folder.entryList({"*.txt", "*.me"}, QDir::Files);
        EXPECT_EQ(readmes.isEmpty(), extra.value("readme").toString() == "none");
        for (const QString& readme : readmes) {
            QFile file(folder.filePath(readme));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray text = file.readAll();
            if (text.startsWith("{\\rtf")) {
                ++rich;
                EXPECT_TRUE(text.endsWith("}")) << readme.toStdString();
            } else {
                EXPECT_TRUE(text.contains("\r\n"));
                EXPECT_FALSE(text.contains("\n\n")); // every line ends in CR LF
            }
        }
        const bool wren = folder.exists("Screen1.gif");
        withoutWrenScreenshot += wren ? 0 : 1;
        if (wren) {
            EXPECT_EQ(QImage(folder.filePath("Screen1.gif")).size(), QSize(480, 160));
        }
        if (folder.exists("Screen.gif")) {
            EXPECT_EQ(QImage(folder.filePath("Screen.gif")).size(), QSize(640, 240));
        }
    }
    EXPECT_GE(withoutWrenScreenshot, 2);
    EXPECT_GE(rich, 3);
}

TEST(DemoPrograms, RichReadmesEscapeWhatIsNotAscii) {
    const QByteArray rtf = richReadme("Grüße", "Plain {braces}", QString::fromUtf8("Größe"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.contains("Gr\\'fc\\'dfe"));
    EXPECT_TRUE(rtf.contains("Plain \\{braces\\}"));
    EXPECT_TRUE(rtf.contains("Gr\\'f6\\'dfe"));
    const QByteArray plain = plainReadme("Tool 1.0", "English", QString::fromUtf8("Größe"));
    EXPECT_TRUE(plain.contains("Gr\xf6\xdf"
                               "e"));
    EXPECT_TRUE(plain.startsWith("Tool 1.0\r\n========\r\n"));
}
