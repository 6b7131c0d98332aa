#include "BrowsingFixture.h"

#include "catalogue/start/ProgramState.h"
#include "platform/jet/JetWriter.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"
#include "tools/velox-catalogue/CatalogueSchema.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

namespace velox::test {

using jet::Value;

namespace {

jet::TableSpec table(const char* name, std::vector<jet::ColumnSpec> columns,
                     const std::vector<CatalogueRow>& rows) {
    jet::TableSpec plan{QLatin1String(name), std::move(columns), {}};
    for (const CatalogueRow& row : rows) {
        std::vector<Value> values;
        for (const jet::ColumnSpec& column : plan.columns) {
            const auto found = row.find(column.name);
            values.push_back(found == row.end() ? Value{jet::Null{}} : found->second);
        }
        plan.rows.push_back(std::move(values));
    }
    return plan;
}

} // namespace

void BrowsingFixture::SetUp() {
    WindowFixture::SetUp();
    writeCdPicture(QStringLiteral("Pictures/HauptschirmWren.gif"),
                   QStringLiteral("HauptschirmWren"));
}

CatalogueRow BrowsingFixture::program(qint32 index, const QString& name, int category,
                                      qint64 machines) {
    return {{QLatin1String(veloxcd::column::Index), qint64{index}},
            {QLatin1String(veloxcd::column::Programmname), name},
            {QLatin1String(veloxcd::column::Kategorie), qint64{category}},
            {QLatin1String(veloxcd::column::machines), machines}};
}

CatalogueRow BrowsingFixture::author(qint32 id, const Value& firma, const Value& vorname,
                                     const Value& nachname) {
    return {{QLatin1String(veloxcd::column::ID), qint64{id}},
            {QLatin1String(veloxcd::column::Firma), firma},
            {QLatin1String(veloxcd::column::Vorname), vorname},
            {QLatin1String(veloxcd::column::Nachname), nachname}};
}

void BrowsingFixture::writeCatalogue(const std::vector<CatalogueRow>& programs,
                                     const std::vector<CatalogueRow>& authors) const {
    jet::DatabaseSpec plan;
    plan.password = QLatin1String(veloxcd::cataloguePassword);
    plan.tables.push_back(
        table(veloxcd::ProgramsTable, veloxcd::tools::programColumns(), programs));
    plan.tables.push_back(table(veloxcd::AuthorsTable, veloxcd::tools::authorColumns(), authors));
    jet::JetWriter::write(veloxcd::systemDir + QStringLiteral("/aengdeu.dll"), plan);
}

void BrowsingFixture::writeCdFile(const QString& relative, const QByteArray& contents) const {
    writeFile(cd.path(), relative, contents);
}

void BrowsingFixture::writeCdPicture(const QString& relative, const QString& name) const {
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setText(QStringLiteral("name"), name);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    writeCdFile(relative, bytes);
}

void BrowsingFixture::listCategory(int button) {
    window->Kategorie_Click(button);
}

std::vector<std::pair<QString, qint32>> BrowsingFixture::rows() const {
    std::vector<std::pair<QString, qint32>> result;
    for (int row = 0; row < window->lstPrograms->ListCount(); ++row) {
        result.emplace_back(window->lstPrograms->List(row), window->lstPrograms->ItemData(row));
    }
    return result;
}

void BrowsingFixture::pick(int row) {
    window->lstPrograms->setListIndex(row);
}

void BrowsingFixture::clickRow(int row) {
    win::ListBox* list = window->lstPrograms;
    list->show();
    const QRect place = list->visualItemRect(list->item(row));
    ASSERT_FALSE(place.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

void BrowsingFixture::search(const QString& text) {
    window->txtSearch->setText(text);
    QTest::keyClick(window->txtSearch, Qt::Key_Return);
}

} // namespace velox::test
