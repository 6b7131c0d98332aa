#include "catalogue/start/InterfaceTexts.h"

#include "catalogue/start/ProgramState.h"

namespace veloxcd {
namespace {

void loadEnglish() {
    strInfoHint = QStringLiteral(" Info ...");
    strCopyHint = QStringLiteral(" Copy program ");
    strMachineHint = QStringLiteral(" Change target machine ");
    strLanguageHint = QStringLiteral(" Change language ");
    strSearchHint = QStringLiteral(" Find program ");
    categoryNames = {QStringLiteral("Entertainment"), QStringLiteral("Tools"),
                     QStringLiteral("Database"),      QStringLiteral("Business"),
                     QStringLiteral("Graphics"),      QStringLiteral("Programming"),
                     QStringLiteral("Miscellaneous")};
    strAlarmPanel = QStringLiteral("Properties on the Velox");
    strVolumeTitle = QStringLiteral("Playback volume");
    strRepeatTitle = QStringLiteral("Repeat");
    strCloseRecorderTitle =
        QStringLiteral("VELOX CD - Close your Recorder application on your Velox");
    strOverwrite = QStringLiteral("File already exists - Do you want to overwrite it ? ");
    strConnectTitle = QStringLiteral("VELOX CD - Connect Velox with your PC ");
    strDescriptionLabel = QStringLiteral("Description:");
    strLanguageLabel = QStringLiteral("Language:");
    strSizeLabel = QStringLiteral("Size:");
    strCopyDone = QStringLiteral("Copy process successful");
    strInsertCd = QStringLiteral("Please insert VELOX CD in your drive ");
    strInsertCdAny = QStringLiteral("Please insert VELOX CD in any of your CD-ROM drives !");
    strInstallerMissing = QStringLiteral("The installer cannot be started: ");
    strLinkControlMissing = QStringLiteral(
        "The link control TANLINK.OCX is not installed: sounds cannot be copied to the Velox.");
    strLinkEngineMissing = QStringLiteral("The Tandem connectivity engine is not installed: "
                                          "sounds cannot be copied to the Velox.");
    strMakerHint = QStringLiteral("Velox home page");
    strExitHint = QStringLiteral("Exit");
    strPhotoHint = QStringLiteral("Main screen");
    strCopyAlarmHint = QStringLiteral("Copy alarm sound to the Velox");
    strAlarmCategory = QStringLiteral("Alarms");
    strPrintHint = QStringLiteral("Print");
    strReadmeHint = QStringLiteral("Readme files");
    strMailHint = QStringLiteral("Mail to the author");
    strHomepageHint = QStringLiteral("Author's home page");
    strProgramList = QStringLiteral("Programs");
    strReadmeList = QStringLiteral("Readme files");
    strReadmeText = QStringLiteral("Readme");
    strAlarmList = QStringLiteral("Alarm sounds");
    strCopyProgress = QStringLiteral("Copy progress");
}

void loadGerman() {
    strInfoHint = QStringLiteral(" Info ... ");
    strCopyHint = QStringLiteral(" Programm kopieren ");
    strMachineHint = QStringLiteral(" Zielgerät wechseln ");
    strLanguageHint = QStringLiteral(" Sprache wechseln ");
    strSearchHint = QStringLiteral(" Programm suchen ");
    categoryNames = {QStringLiteral("Unterhaltung"), QStringLiteral("Werkzeuge"),
                     QStringLiteral("Datenbanken"),  QStringLiteral("Geschäftliches"),
                     QStringLiteral("Grafik"),       QStringLiteral("Programmieren"),
                     QStringLiteral("Diverse")};
    strAlarmPanel = QStringLiteral("Eigenschaften am Velox");
    strVolumeTitle = QStringLiteral("Wiedergabelautstärke");
    strRepeatTitle = QStringLiteral("Wiederholungen");
    strCloseRecorderTitle = QStringLiteral("VELOX CD - Recorderanwendung am Velox schließen");
    strOverwrite =
        QStringLiteral("Datei existiert bereits - Wollen Sie die Datei überschreiben ? ");
    strConnectTitle = QStringLiteral("VELOX CD - Velox mit PC verbinden");
    strDescriptionLabel = QStringLiteral("Beschreibung:");
    strLanguageLabel = QStringLiteral("Sprache:");
    strSizeLabel = QStringLiteral("Größe:");
    strCopyDone = QStringLiteral("Kopiervorgang erfolgreich");
    strInsertCd = QStringLiteral("Bitte legen Sie die \"VELOX CD\" in Ihr Laufwerk ");
    strInsertCdAny =
        QStringLiteral("Bitte legen Sie die VELOX CD in eines Ihrer CD-ROM Laufwerke !");
    strInstallerMissing = QStringLiteral("Das Installationsprogramm kann nicht gestartet werden: ");
    strLinkControlMissing =
        QStringLiteral("Das Verbindungssteuerelement TANLINK.OCX ist nicht installiert: "
                       "Töne können nicht auf den Velox kopiert werden.");
    strLinkEngineMissing = QStringLiteral("Die Tandem-Verbindungssoftware ist nicht installiert: "
                                          "Töne können nicht auf den Velox kopiert werden.");
    strMakerHint = QStringLiteral("Velox-Homepage");
    strExitHint = QStringLiteral("Beenden");
    strPhotoHint = QStringLiteral("Hauptbildschirm");
    strCopyAlarmHint = QStringLiteral("Alarmton auf den Velox kopieren");
    strAlarmCategory = QStringLiteral("Alarme");
    strPrintHint = QStringLiteral("Drucken");
    strReadmeHint = QStringLiteral("Liesmich-Dateien");
    strMailHint = QStringLiteral("E-Mail an den Autor");
    strHomepageHint = QStringLiteral("Homepage des Autors");
    strProgramList = QStringLiteral("Programme");
    strReadmeList = QStringLiteral("Liesmich-Dateien");
    strReadmeText = QStringLiteral("Liesmich");
    strAlarmList = QStringLiteral("Alarmtöne");
    strCopyProgress = QStringLiteral("Kopierfortschritt");
}

void loadMachineNames() {
    nameFalcon = QStringLiteral("VELOX Falcon");
    nameMerlin = QStringLiteral("VELOX Merlin PRO");
    nameWren = QStringLiteral("VELOX wren PLUS");
    nameOsprey = QStringLiteral("VELOX Osprey / harrier");
}

} // namespace

void loadTexts() {
    volumeNames = {QStringLiteral("Min"), QStringLiteral("Normal"), QStringLiteral("Max")};
    if (language == 2) {
        loadGerman();
        loadMachineNames();
    } else if (language == 1) {
        loadEnglish();
        loadMachineNames();
    }
}

void clearTexts() {
    for (QString* text : {&strInfoHint,
                          &strCopyHint,
                          &strMachineHint,
                          &strLanguageHint,
                          &strSearchHint,
                          &strAlarmPanel,
                          &strVolumeTitle,
                          &strRepeatTitle,
                          &strCloseRecorderTitle,
                          &strOverwrite,
                          &strConnectTitle,
                          &strDescriptionLabel,
                          &strLanguageLabel,
                          &strSizeLabel,
                          &strCopyDone,
                          &strInsertCd,
                          &strInsertCdAny,
                          &strInstallerMissing,
                          &strLinkControlMissing,
                          &strLinkEngineMissing,
                          &strMakerHint,
                          &strExitHint,
                          &strPhotoHint,
                          &strCopyAlarmHint,
                          &strAlarmCategory,
                          &strPrintHint,
                          &strReadmeHint,
                          &strMailHint,
                          &strHomepageHint,
                          &strProgramList,
                          &strReadmeList,
                          &strReadmeText,
                          &strAlarmList,
                          &strCopyProgress,
                          &nameFalcon,
                          &nameMerlin,
                          &nameWren,
                          &nameOsprey}) {
        text->clear();
    }
    categoryNames.clear();
    volumeNames.clear();
}

} // namespace veloxcd
