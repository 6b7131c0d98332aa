#pragma once

#include "WindowFixture.h"
#include "platform/jet/Value.h"

#include <QString>
#include <map>
#include <vector>

namespace velox::test {

// One row of a catalogue table: values by column name; a column not named is
// Null.
using CatalogueRow = std::map<QString, jet::Value>;

// A main window over a catalogue written in the test: the working copy lies in
// the system folder, the CD (drive D:) holds the screen pictures and whatever
// program folders a test makes.
class BrowsingFixture : public WindowFixture {
protected:
    void SetUp() override;

    // A program: its key, name, category and machines, nothing else set.
    static CatalogueRow program(qint32 index, const QString& name, int category = 1,
                                qint64 machines = 7);
    // An author row with company, first name and surname.
    static CatalogueRow author(qint32 id, const jet::Value& firma, const jet::Value& vorname,
                               const jet::Value& nachname);

    // Writes the working copy of the catalogue.
    void writeCatalogue(const std::vector<CatalogueRow>& programs,
                        const std::vector<CatalogueRow>& authors = {}) const;
    // Writes a file below the CD's root ("Programs/12/A.KIT").
    void writeCdFile(const QString& relative, const QByteArray& contents = {}) const;
    // Writes a picture file that carries its own name (read back by shownPicture).
    void writeCdPicture(const QString& relative, const QString& name) const;

    // Clicks a category button, sets the machine before.
    void listCategory(int button);
    // The rows of the program list: text and ItemData.
    [[nodiscard]] std::vector<std::pair<QString, qint32>> rows() const;
    // Picks a row of the program list as the user does.
    void pick(int row);
    // Clicks a row of the program list with the mouse.
    void clickRow(int row);
    // Types into the search box and presses Enter.
    void search(const QString& text);
};

} // namespace velox::test
