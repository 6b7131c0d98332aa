// The details panel of the program picked in the program list: the record's
// texts first, then what lies in the program's folder on the CD and the
// author's row.
#include "catalogue/mainwindow/AuthorCaption.h"
#include "catalogue/mainwindow/CatalogueFields.h"
#include "catalogue/mainwindow/PackageSize.h"
#include "catalogue/mainwindow/ScreenPictures.h"
#include "catalogue/mainwindow/TextFileBox.h"
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
#include "platform/win/controls/MultiLineTextBox.h"
#include "platform/win/controls/TextBox.h"
#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/files/DirSearch.h"
#include "platform/win/files/FileOps.h"
#include "platform/win/pictures/Pictures.h"
#include "platform/win/runtime/ErrorRegimes.h"

#include <optional>

namespace veloxcd {

using namespace velox::win;
using velox::jet::isNull;
using velox::jet::Value;

namespace {

constexpr qint64 int16Limit = 32767;

// The display name of a machine code, or nothing for a code that names none.
std::optional<QString> machineName(qint16 code) {
    switch (code) {
    case machineWren:
        return texts.nameWren;
    case machineFalcon:
        return texts.nameFalcon;
    case machineMerlin:
        return texts.nameMerlin;
    case machineOsprey:
        return texts.nameOsprey;
    default:
        return std::nullopt;
    }
}

// The directory search fails with 52 when the CD is not in its drive: then the
// user is asked for it. Every other failure ends the click in silence.
void askForCdOnBadFileName(const RuntimeError& error) {
    if (error.number() == err::BadFileNameOrNumber) {
        MsgBox(texts.strInsertCd + QStringLiteral(" ") + cdDrive, vbOKOnly);
    }
}

} // namespace

void VeloxCDMainFormFalcon::lstPrograms_Click() {
    // The package is the last thing a click finds: a click that fails before
    // it leaves nothing to install, never the previous program's package
    // under this program's folder.
    packageFile.clear();
    // A key without a record, or a catalogue that cannot be opened, shows
    // nothing new and ends the click quietly.
    std::optional<qint32> authorId;
    trapped([&] { authorId = showProgramRecord(); });
    if (authorId) {
        trappedReporting([&] { showProgramFiles(*authorId); }, askForCdOnBadFileName);
    }
    closeCatalogueIfOpen();
}

// The record's own texts. Returns the author's ID (0 for none), or nothing when
// there is no record to show.
std::optional<qint32> VeloxCDMainFormFalcon::showProgramRecord() {
    txtReadme->setVisible(false);
    FileListing->setVisible(false);
    printBtn->setVisible(false);
    txtSearch->setVisible(false);

    openCatalogue(programQuery(lstPrograms->ItemData(lstPrograms->ListIndex())));
    if (!catalogueRs || openResult().eof()) {
        return std::nullopt;
    }

    const Value& authorField = fieldValue(column::AuthorID);
    const auto authorId =
        static_cast<qint32>(isNull(authorField) ? 0 : wholeNumber(authorField, int16Limit));

    const QString title = textOrEmpty(fieldValue(column::Programmname)) + QStringLiteral(" ") +
                          textOrEmpty(fieldValue(column::Version)) + QStringLiteral(".") +
                          textOrEmpty(fieldValue(column::Majorversion)) +
                          textOrEmpty(fieldValue(column::Minorversion));
    Programmname->setCaption(title);
    if (const auto name = machineName(machine)) {
        Programmname->setToolTip(title + QStringLiteral(" / ") + *name);
    }

    description->setText(textOrEmpty(fieldValue(
        language == languageGerman ? column::BeschreibungDeutsch : column::BeschreibungEnglisch)));

    const Value& languages = fieldValue(column::languages);
    lang->setCaption(isNull(languages)
                         ? QString()
                         : languageNames(static_cast<qint16>(wholeNumber(languages, int16Limit))));

    // The folder ends in a backslash, so that file names and patterns append
    // to it directly; a record without one uses the folder named after its key.
    const Value& folder = fieldValue(column::Verzeichnis);
    programFolder = isNull(folder) ? QStringLiteral("\\Programs\\") +
                                         QString::number(wholeNumber(fieldValue(column::Index))) +
                                         QStringLiteral("\\")
                                   : textOrEmpty(folder);
    return authorId;
}

// What lies in the program's folder, and the author. A failure ends the click
// at the step that failed; what was shown before stays.
void VeloxCDMainFormFalcon::showProgramFiles(qint32 authorId) {
    const QString folder = cdDrive + programFolder;

    packageFile = Dir(folder + QStringLiteral("*.KIT"));
    Groesze->setCaption(packageFile.isEmpty() ? QString()
                                              : packageSizeCaption(FileLen(folder + packageFile)));

    // A record without a registration or price note shows an empty box.
    const Value& reg = fieldValue(column::Reg);
    Zusatz->setText(isNull(reg) ? textOrEmpty(fieldValue(column::cost)) : textOrEmpty(reg));

    Imgreadme->setVisible(!Dir(folder + QStringLiteral("*.me")).isEmpty() ||
                          !Dir(folder + QStringLiteral("*.txt")).isEmpty());

    closeCatalogue();
    openCatalogue(authorQuery(authorId));

    Author->setCaption(authorCaption(fieldValue(column::Firma), fieldValue(column::Vorname),
                                     fieldValue(column::Nachname)));

    const Value& mail = fieldValue(column::AuthorEmail);
    authorMail = isAddress(mail) ? textOrEmpty(mail) : QString();
    Imgemail->setVisible(isAddress(mail));

    const Value& homepage = fieldValue(column::AuthorHomepage);
    authorHomepage = isAddress(homepage) ? textOrEmpty(homepage) : QString();
    Imghomepage->setVisible(isAddress(homepage));

    lblDescription->setCaption(texts.strDescriptionLabel);
    lblLanguage->setCaption(texts.strLanguageLabel);
    lblSize->setCaption(texts.strSizeLabel);
    detframe->setVisible(true);

    if (!programFolder.isEmpty()) {
        FileListing->setPath(folder);
        const QString screenshot = folder + (machine == machineWren ? QStringLiteral("Screen1.gif")
                                                                    : QStringLiteral("Screen.gif"));
        MainScreenFalcon->setPicture(LoadPicture(
            Dir(screenshot).isEmpty() ? screenPicturePath("Hauptschirm", machine) : screenshot));
    } else {
        // An empty folder: nothing can be copied or installed for this program.
        trapped([this] {
            MainScreenFalcon->setPicture(LoadPicture(screenPicturePath("Hauptschirm", machine)));
        });
        programFolder = QStringLiteral("\\");
        packageFile.clear();
    }

    closeCatalogue();
}

} // namespace veloxcd
