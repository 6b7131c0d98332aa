// Screen modes: a screen is the picture in MainScreenFalcon and the controls
// visible over it. The reset to the main screen hides every screen control.
#include "catalogue/mainwindow/ScreenPictures.h"
#include "catalogue/mainwindow/TextFileBox.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"
#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/pictures/Pictures.h"
#include "platform/win/runtime/ErrorRegimes.h"

namespace veloxcd {

using namespace velox::win;

namespace {

// The picture-loading procedures ask for the CD when its drive is not ready and
// pass over every other error in silence.
void askForCdOnDiskNotReady(const RuntimeError& error) {
    if (error.number() == err::DiskNotReady) {
        MsgBox(texts.strInsertCd + QStringLiteral(" ") + cdDrive, vbOKOnly);
    }
}

} // namespace

void VeloxCDMainFormFalcon::loadScreenPicture(const char* screen) {
    MainScreenFalcon->setPicture(LoadPicture(screenPicturePath(screen, machine)));
}

void VeloxCDMainFormFalcon::LoadMainScreen() {
    trappedReporting(
        [this] {
            loadScreenPicture("Hauptschirm");
            txtReadme->setVisible(false);
            FileListing->setVisible(false);
            printBtn->setVisible(false);
            waveList->setVisible(false);
            frmWaves->setVisible(false);
            // No program is selected for copying any more.
            packageFile.clear();
            txtSearch->setVisible(false);
            lstPrograms->setVisible(false);
            detframe->setVisible(false);
            changeMachineInvisible();
            changeLanguageInvisible();
        },
        askForCdOnDiskNotReady);
    setAccessibleNames();
}

void VeloxCDMainFormFalcon::changeMachineInvisible() {
    mnuVeloxFalcon->setVisible(false);
    mnuVeloxMerlin->setVisible(false);
    mnuVeloxWren->setVisible(false);
}

void VeloxCDMainFormFalcon::changeLanguageInvisible() {
    mnuEnglish->setVisible(false);
    mnuDeutsch->setVisible(false);
}

void VeloxCDMainFormFalcon::LoadAudioScreen() {
    trappedReporting([this] { loadScreenPicture("Audio"); }, askForCdOnDiskNotReady);
}

void VeloxCDMainFormFalcon::chMachine_Click() {
    trapped([this] {
        LoadMainScreen();
        loadScreenPicture("changeVelox");
        mnuVeloxFalcon->setVisible(true);
        mnuVeloxMerlin->setVisible(true);
        mnuVeloxWren->setVisible(true);
        txtSearch->setVisible(false);
    });
}

void VeloxCDMainFormFalcon::BtnMenu_Click() {
    LoadMainScreen();
    trapped([this] {
        loadScreenPicture("language");
        mnuEnglish->setVisible(true);
        mnuDeutsch->setVisible(true);
        txtSearch->setVisible(false);
    });
}

// The tool tips are set at every mouse move, so they always speak the language
// that is current.
void VeloxCDMainFormFalcon::BtnCopy_MouseMove() {
    BtnCopy->setToolTip(texts.strCopyHint);
}

void VeloxCDMainFormFalcon::BtnMenu_MouseMove() {
    BtnMenu->setToolTip(texts.strLanguageHint);
}

void VeloxCDMainFormFalcon::chMachine_MouseMove() {
    chMachine->setToolTip(texts.strMachineHint);
}

} // namespace veloxcd
