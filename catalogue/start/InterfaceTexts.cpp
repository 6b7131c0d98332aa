#include "catalogue/start/InterfaceTexts.h"

#include "catalogue/start/ProgramState.h"

#include <array>

namespace veloxcd {
namespace {

// A text in English and in German, side by side, so that a translation is
// read and changed next to its original.
struct TranslatedText {
    QString InterfaceTexts::*member;
    const char* english;
    const char* german;
};

constexpr std::array translatedTexts{
    TranslatedText{&InterfaceTexts::strInfoHint, " Info ...", " Info ... "},
    TranslatedText{&InterfaceTexts::strCopyHint, " Copy program ", " Programm kopieren "},
    TranslatedText{&InterfaceTexts::strMachineHint, " Change target machine ",
                   " Zielgerät wechseln "},
    TranslatedText{&InterfaceTexts::strLanguageHint, " Change language ", " Sprache wechseln "},
    TranslatedText{&InterfaceTexts::strSearchHint, " Find program ", " Programm suchen "},
    TranslatedText{&InterfaceTexts::strAlarmPanel, "Properties on the Velox",
                   "Eigenschaften am Velox"},
    TranslatedText{&InterfaceTexts::strVolumeTitle, "Playback volume", "Wiedergabelautstärke"},
    TranslatedText{&InterfaceTexts::strRepeatTitle, "Repeat", "Wiederholungen"},
    TranslatedText{&InterfaceTexts::strCloseRecorderTitle,
                   "VELOX CD - Close your Recorder application on your Velox",
                   "VELOX CD - Recorderanwendung am Velox schließen"},
    TranslatedText{&InterfaceTexts::strOverwrite,
                   "File already exists - Do you want to overwrite it ? ",
                   "Datei existiert bereits - Wollen Sie die Datei überschreiben ? "},
    TranslatedText{&InterfaceTexts::strConnectTitle, "VELOX CD - Connect Velox with your PC ",
                   "VELOX CD - Velox mit PC verbinden"},
    TranslatedText{&InterfaceTexts::strDescriptionLabel, "Description:", "Beschreibung:"},
    TranslatedText{&InterfaceTexts::strLanguageLabel, "Language:", "Sprache:"},
    TranslatedText{&InterfaceTexts::strSizeLabel, "Size:", "Größe:"},
    TranslatedText{&InterfaceTexts::strCopyDone, "Copy process successful",
                   "Kopiervorgang erfolgreich"},
    TranslatedText{&InterfaceTexts::strInsertCd, "Please insert VELOX CD in your drive ",
                   "Bitte legen Sie die \"VELOX CD\" in Ihr Laufwerk "},
    TranslatedText{&InterfaceTexts::strInsertCdAny,
                   "Please insert VELOX CD in any of your CD-ROM drives !",
                   "Bitte legen Sie die VELOX CD in eines Ihrer CD-ROM Laufwerke !"},
    TranslatedText{&InterfaceTexts::strInstallerMissing, "The installer cannot be started: ",
                   "Das Installationsprogramm kann nicht gestartet werden: "},
    TranslatedText{&InterfaceTexts::strLinkControlMissing,
                   "The link control TANLINK.OCX is not installed: sounds cannot be copied to "
                   "the Velox.",
                   "Das Verbindungssteuerelement TANLINK.OCX ist nicht installiert: "
                   "Töne können nicht auf den Velox kopiert werden."},
    TranslatedText{&InterfaceTexts::strLinkEngineMissing,
                   "The Tandem connectivity engine is not installed: "
                   "sounds cannot be copied to the Velox.",
                   "Die Tandem-Verbindungssoftware ist nicht installiert: "
                   "Töne können nicht auf den Velox kopiert werden."},
    TranslatedText{&InterfaceTexts::strMakerHint, "Velox home page", "Velox-Homepage"},
    TranslatedText{&InterfaceTexts::strExitHint, "Exit", "Beenden"},
    TranslatedText{&InterfaceTexts::strPhotoHint, "Main screen", "Hauptbildschirm"},
    TranslatedText{&InterfaceTexts::strCopyAlarmHint, "Copy alarm sound to the Velox",
                   "Alarmton auf den Velox kopieren"},
    TranslatedText{&InterfaceTexts::strAlarmCategory, "Alarms", "Alarme"},
    TranslatedText{&InterfaceTexts::strPrintHint, "Print", "Drucken"},
    TranslatedText{&InterfaceTexts::strReadmeHint, "Readme files", "Liesmich-Dateien"},
    TranslatedText{&InterfaceTexts::strMailHint, "Mail to the author", "E-Mail an den Autor"},
    TranslatedText{&InterfaceTexts::strHomepageHint, "Author's home page", "Homepage des Autors"},
    TranslatedText{&InterfaceTexts::strProgramList, "Programs", "Programme"},
    TranslatedText{&InterfaceTexts::strReadmeList, "Readme files", "Liesmich-Dateien"},
    TranslatedText{&InterfaceTexts::strReadmeText, "Readme", "Liesmich"},
    TranslatedText{&InterfaceTexts::strAlarmList, "Alarm sounds", "Alarmtöne"},
    TranslatedText{&InterfaceTexts::strCopyProgress, "Copy progress", "Kopierfortschritt"},
};

// The catalogue's categories 1 to 7, English and German.
constexpr std::array<std::array<const char*, 2>, 7> categoryRows{{
    {"Entertainment", "Unterhaltung"},
    {"Tools", "Werkzeuge"},
    {"Database", "Datenbanken"},
    {"Business", "Geschäftliches"},
    {"Graphics", "Grafik"},
    {"Programming", "Programmieren"},
    {"Miscellaneous", "Diverse"},
}};

QStringList volumeNames() {
    return {QStringLiteral("Min"), QStringLiteral("Normal"), QStringLiteral("Max")};
}

// Column 0 English, 1 German.
InterfaceTexts textsIn(std::size_t column) {
    InterfaceTexts result;
    for (const TranslatedText& text : translatedTexts) {
        result.*text.member = QString::fromUtf8(column == 0 ? text.english : text.german);
    }
    for (const auto& names : categoryRows) {
        result.categoryNames << QString::fromUtf8(names.at(column));
    }
    result.volumeNames = volumeNames();
    result.nameFalcon = QStringLiteral("VELOX Falcon");
    result.nameMerlin = QStringLiteral("VELOX Merlin PRO");
    result.nameWren = QStringLiteral("VELOX wren PLUS");
    result.nameOsprey = QStringLiteral("VELOX Osprey / harrier");
    return result;
}

} // namespace

const InterfaceTexts& englishTexts() {
    static const InterfaceTexts english = textsIn(0);
    return english;
}

const InterfaceTexts& germanTexts() {
    static const InterfaceTexts german = textsIn(1);
    return german;
}

void loadTexts() {
    if (language == languageEnglish) {
        texts = englishTexts();
    } else if (language == languageGerman) {
        texts = germanTexts();
    } else {
        texts.volumeNames = volumeNames();
    }
}

} // namespace veloxcd
