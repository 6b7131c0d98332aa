#pragma once

#include <QString>
#include <QStringList>

namespace veloxcd {

// Every text the program puts on the screen in the interface language, one
// variable per text, filled by loadTexts. Leading and trailing blanks belong to
// the texts.

inline QString strInfoHint;
inline QString strCopyHint;
inline QString strMachineHint;
inline QString strLanguageHint;
inline QString strSearchHint;
inline QStringList categoryNames; // entry i names catalogue category i + 1
inline QStringList volumeNames;   // the volume slider's positions 0, 1, 2
inline QString strAlarmPanel;
inline QString strVolumeTitle;
inline QString strRepeatTitle;
inline QString strCloseRecorderTitle;
inline QString strOverwrite;
inline QString strConnectTitle;
inline QString strDescriptionLabel;
inline QString strLanguageLabel;
inline QString strSizeLabel;
inline QString strCopyDone;
inline QString strInsertCd;
inline QString strInsertCdAny;
inline QString strInstallerMissing; // followed by the installer's path
inline QString strLinkControlMissing;
inline QString strLinkEngineMissing;
// Names of controls that show no text of their own, for assistive tools.
inline QString strMakerHint;     // the maker's logo
inline QString strExitHint;      // the exit key
inline QString strPhotoHint;     // the device photo: back to the main screen
inline QString strCopyAlarmHint; // the copy key on the alarm-sound screen
inline QString strAlarmCategory; // the eighth icon of the category bar
inline QString strPrintHint;     // the print button of the readme viewer
inline QString strReadmeHint;    // the readme button of the details
inline QString strMailHint;      // the author's mail button
inline QString strHomepageHint;  // the author's home-page button
inline QString strProgramList;   // the program list
inline QString strReadmeList;    // the readme file list
inline QString strReadmeText;    // the readme viewer
inline QString strAlarmList;     // the alarm-sound list
inline QString strCopyProgress;  // the progress bar of a copy
inline QString nameFalcon;
inline QString nameMerlin;
inline QString nameWren;
inline QString nameOsprey;

// Fills the texts for `language`: 1 English, 2 German. Any other language keeps
// the texts as they are, apart from the volume names, which are the same in both.
void loadTexts();

// Empties every text, as before the first loadTexts.
void clearTexts();

} // namespace veloxcd
