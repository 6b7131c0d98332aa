// The search: the search screen with its text box, and the search of the whole
// catalogue for the typed text when Enter is pressed in the box.
#include "catalogue/mainwindow/CatalogueFields.h"
#include "catalogue/mainwindow/ScreenPictures.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/Catalogue.h"
#include "catalogue/start/CatalogueColumns.h"
#include "catalogue/start/CatalogueQueries.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"
#include "platform/win/pictures/Pictures.h"
#include "platform/win/runtime/ErrorRegimes.h"

#include <limits>

namespace veloxcd {

using namespace velox::win;
using velox::jet::isNull;

namespace {

constexpr int keyEnter = 13;
constexpr int keyEscape = 27;

// The typed text as it goes between the quotes of a pattern: an apostrophe
// would end the quoted text early, so each one is doubled.
QString quotedForPattern(const QString& typed) {
    QString text = typed;
    return text.replace(QLatin1Char('\''), QStringLiteral("''"));
}

} // namespace

// A failure to show the search picture ends the click silently.
void VeloxCDMainFormFalcon::Search_Click() {
    trapped([this] {
        LoadMainScreen();
        MainScreenFalcon->setPicture(LoadPicture(screenPicturePath("Search", machine)));
        txtSearch->setVisible(true);
    });
}

void VeloxCDMainFormFalcon::Search_MouseMove() {
    Search->setToolTip(texts.strSearchHint);
}

// Every key reaches the box as usual; Enter searches and Esc leaves.
void VeloxCDMainFormFalcon::txtSearch_KeyPress(int keyAscii) {
    if (keyAscii == keyEnter) {
        searchCatalogue();
    } else if (keyAscii == keyEscape) {
        LoadMainScreen();
    }
}

// The hits that run on the current machine fill the list in the catalogue's
// own order. A text found nowhere, or a search the catalogue cannot run,
// leaves the list empty and disabled; with no row the screen stays as it was.
void VeloxCDMainFormFalcon::searchCatalogue() {
    openCatalogue(searchQuery(quotedForPattern(txtSearch->Text())));
    lstPrograms->Clear();
    bool found = false;
    trapped([&] {
        velox::jet::Recordset& result = openResult();
        if (result.recordCount() == 0) {
            return;
        }
        found = true;
        result.moveFirst();
        while (!result.eof()) {
            const velox::jet::Value& machines = fieldValue(column::machines);
            if (!isNull(machines) &&
                (wholeNumber(machines, std::numeric_limits<qint32>::max()) & machine) == machine) {
                lstPrograms->AddItem(requiredText(fieldValue(column::Programmname)));
                lstPrograms->setItemData(lstPrograms->NewIndex(), static_cast<qint32>(wholeNumber(
                                                                      fieldValue(column::Index))));
            }
            result.moveNext();
        }
    });
    lstPrograms->setEnabled(found);
    closeCatalogueIfOpen();
    if (lstPrograms->ListCount() > 0) {
        LoadMainScreen();
        lstPrograms->setVisible(true);
    }
}

} // namespace veloxcd
