// The category buttons: the first seven list the programs of a catalogue
// category that run on the current machine, the eighth opens the alarm sounds.
#include "catalogue/mainwindow/CatalogueFields.h"
#include "catalogue/mainwindow/LinkControlHost.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/Catalogue.h"
#include "catalogue/start/CatalogueColumns.h"
#include "catalogue/start/CatalogueQueries.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/runtime/ErrorRegimes.h"

namespace veloxcd {

using namespace velox::win;

namespace {
constexpr int firstAlarmButton = 7;
} // namespace

void VeloxCDMainFormFalcon::Kategorie_Click(int index) {
    if (index >= firstAlarmButton) {
        showAlarmSounds();
    } else {
        listCategory(index + 1);
    }
}

// A failure while the rows are read ends the listing with the rows read so
// far; a catalogue that cannot be opened leaves the list empty and visible.
void VeloxCDMainFormFalcon::listCategory(int category) {
    LoadMainScreen();
    lstPrograms->Clear();
    lstPrograms->setVisible(true);
    lstPrograms->setEnabled(true);
    trapped([&] {
        openCatalogue(categoryQuery(machine, category));
        velox::jet::Recordset& result = openResult();
        if (result.recordCount() > 0) {
            result.moveFirst();
            while (!result.eof()) {
                lstPrograms->AddItem(requiredText(fieldValue(column::Programmname)));
                lstPrograms->setItemData(lstPrograms->NewIndex(), static_cast<qint32>(wholeNumber(
                                                                      fieldValue(column::Index))));
                result.moveNext();
            }
        }
    });
    closeCatalogueIfOpen();
}

// The alarm-sound screen builds on the screen that is up: only the program
// list is hidden, its rows stay. Any failure ends the steps silently.
void VeloxCDMainFormFalcon::showAlarmSounds() {
    trapped([this] {
        LoadAudioScreen();
        lstPrograms->setVisible(false);
        waveList->setPath(cdDrive + QStringLiteral("\\Wavs\\"));
        waveList->setPattern(QStringLiteral("*.WAV"));
        waveList->setVisible(true);
        frmWaves->setVisible(true);
        initLink();
        GaugeValue->setWidth(0);
        setWaveCaptions();
    });
    setAccessibleNames();
}

void VeloxCDMainFormFalcon::Kategorie_MouseMove(int index) {
    if (index >= 0 && index < firstAlarmButton && index < texts.categoryNames.size()) {
        Kategorie.at(static_cast<std::size_t>(index))->setToolTip(texts.categoryNames.at(index));
    }
}

} // namespace veloxcd
