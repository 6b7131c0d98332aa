#pragma once

#include <QString>
#include <QStringList>

namespace veloxcd {

// Every text the program puts on the screen in one interface language.
// Leading and trailing blanks belong to the texts.
struct InterfaceTexts {
    QString strInfoHint;
    QString strCopyHint;
    QString strMachineHint;
    QString strLanguageHint;
    QString strSearchHint;
    QStringList categoryNames; // entry i names catalogue category i + 1
    QStringList volumeNames;   // the volume slider's positions 0, 1, 2
    QString strAlarmPanel;
    QString strVolumeTitle;
    QString strRepeatTitle;
    QString strCloseRecorderTitle;
    QString strOverwrite;
    QString strConnectTitle;
    QString strDescriptionLabel;
    QString strLanguageLabel;
    QString strSizeLabel;
    QString strCopyDone;
    QString strInsertCd;
    QString strInsertCdAny;
    QString strInstallerMissing; // followed by the installer's path
    QString strLinkControlMissing;
    QString strLinkEngineMissing;
    // Names of controls that show no text of their own, for assistive tools.
    QString strMakerHint;     // the maker's logo
    QString strExitHint;      // the exit key
    QString strPhotoHint;     // the device photo: back to the main screen
    QString strCopyAlarmHint; // the copy key on the alarm-sound screen
    QString strAlarmCategory; // the eighth icon of the category bar
    QString strPrintHint;     // the print button of the readme viewer
    QString strReadmeHint;    // the readme button of the details
    QString strMailHint;      // the author's mail button
    QString strHomepageHint;  // the author's home-page button
    QString strProgramList;   // the program list
    QString strReadmeList;    // the readme file list
    QString strReadmeText;    // the readme viewer
    QString strAlarmList;     // the alarm-sound list
    QString strCopyProgress;  // the progress bar of a copy
    // The machines' names are the same in every language.
    QString nameFalcon;
    QString nameMerlin;
    QString nameWren;
    QString nameOsprey;
};

// The texts of each interface language.
const InterfaceTexts& englishTexts();
const InterfaceTexts& germanTexts();

// The texts in force: empty before start-up, then those of `language`.
inline InterfaceTexts texts;

// Puts the texts of `language` in force. Any other language keeps the texts
// as they are, apart from the volume names, which are the same in both.
void loadTexts();

} // namespace veloxcd
