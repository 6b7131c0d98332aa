// The target machine and the interface language: the overlay labels that choose
// them, what follows from a change, and the pictures and captions that depend
// on them.
#include "catalogue/mainwindow/ScreenPictures.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "catalogue/start/Settings.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/pictures/Pictures.h"
#include "platform/win/runtime/ErrorRegimes.h"

namespace veloxcd {

using namespace velox::win;

void VeloxCDMainFormFalcon::mnuVeloxWren_Click() {
    chooseMachine(machineWren);
}

void VeloxCDMainFormFalcon::mnuVeloxFalcon_Click() {
    chooseMachine(machineFalcon);
}

void VeloxCDMainFormFalcon::mnuVeloxMerlin_Click() {
    chooseMachine(machineMerlin);
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
    chooseLanguage(languageEnglish);
}

void VeloxCDMainFormFalcon::mnuDeutsch_Click() {
    chooseLanguage(languageGerman);
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
    mnuVeloxFalcon->setCaption(texts.nameFalcon);
    mnuVeloxMerlin->setCaption(texts.nameMerlin);
    mnuVeloxWren->setCaption(texts.nameWren);
    setAccessibleNames();
}

// The German captions of the icon bar lie over the English ones printed on the
// photo; in English none is shown.
void VeloxCDMainFormFalcon::setLanguagePics() {
    if (language == languageEnglish) {
        katWrenger->setVisible(false);
        katFalconger->setVisible(false);
        katMerlinger->setVisible(false);
    } else if (language == languageGerman) {
        katWrenger->setVisible(machine == machineWren);
        katFalconger->setVisible(machine == machineFalcon);
        katMerlinger->setVisible(machine != machineWren && machine != machineFalcon);
    }
}

void VeloxCDMainFormFalcon::setWaveCaptions() {
    lblfrmWaveHL->setCaption(texts.strAlarmPanel);
    lblVolumeTitle->setCaption(texts.strVolumeTitle);
    lblRepeatTitle->setCaption(texts.strRepeatTitle);
}

} // namespace veloxcd
