// The target machine and the interface language: the overlay labels that choose
// them, what follows from a change, and the pictures and captions that depend
// on them.
#include "catalogue/mainwindow/ScreenPictures.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "catalogue/start/Settings.h"
#include "platform/win/ErrorRegimes.h"
#include "platform/win/ImageBox.h"
#include "platform/win/Label.h"
#include "platform/win/Pictures.h"

namespace veloxcd {

using namespace velox::win;

void VeloxCDMainFormFalcon::mnuVeloxWren_Click() {
    chooseMachine(1);
}

void VeloxCDMainFormFalcon::mnuVeloxFalcon_Click() {
    chooseMachine(2);
}

void VeloxCDMainFormFalcon::mnuVeloxMerlin_Click() {
    chooseMachine(4);
}

// Any error ends the choice silently: the steps done so far stay done (with the
// CD gone the new machine, the settings file and the layout are in force while
// the old photo stays and the overlay stays open).
void VeloxCDMainFormFalcon::chooseMachine(qint16 code) {
    trapped([this, code] {
        machine = code;
        SetMachine();
        imgVelox->setPicture(LoadPicture(machinePhotoPath(machine)));
        LoadMainScreen();
    });
}

void VeloxCDMainFormFalcon::mnuEnglish_Click() {
    chooseLanguage(1);
}

void VeloxCDMainFormFalcon::mnuDeutsch_Click() {
    chooseLanguage(2);
}

void VeloxCDMainFormFalcon::chooseLanguage(qint16 code) {
    language = code;
    if (!trapped([this] { SetLanguage(); })) {
        // The settings file could not be written. Nothing is shown: the new
        // language is in force for this run all the same.
        setLanguagePics();
        loadTexts();
    }
    setFormLanguage();
    LoadMainScreen();
}

void VeloxCDMainFormFalcon::SetMachine() {
    writeSettings();
    setLanguagePics();
    SetButtonPosition();
}

void VeloxCDMainFormFalcon::SetLanguage() {
    writeSettings();
    setLanguagePics();
    loadTexts();
}

void VeloxCDMainFormFalcon::setFormLanguage() {
    mnuVeloxFalcon->setCaption(nameFalcon);
    mnuVeloxMerlin->setCaption(nameMerlin);
    mnuVeloxWren->setCaption(nameWren);
    setAccessibleNames();
}

// The German captions of the icon bar lie over the English ones printed on the
// photo; in English none is shown.
void VeloxCDMainFormFalcon::setLanguagePics() {
    if (language == 1) {
        katWrenger->setVisible(false);
        katFalconger->setVisible(false);
        katMerlinger->setVisible(false);
    } else if (language == 2) {
        katWrenger->setVisible(machine == 1);
        katFalconger->setVisible(machine == 2);
        katMerlinger->setVisible(machine != 1 && machine != 2);
    }
}

void VeloxCDMainFormFalcon::setWaveCaptions() {
    lblfrmWaveHL->setCaption(strAlarmPanel);
    lblVolumeTitle->setCaption(strVolumeTitle);
    lblRepeatTitle->setCaption(strRepeatTitle);
}

} // namespace veloxcd
