// The smaller actions of the browsing area: the readme viewer of the selected
// program (list its readme files, show one, print it), the author's and the
// maker's links, the two logo buttons and the exit button.
#include "catalogue/forms/Splash.h"
#include "catalogue/mainwindow/TextFileBox.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/Printing.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/dialogs/ModalForms.h"
#include "platform/win/runtime/ErrorRegimes.h"
#include "platform/win/shell/Browser32.h"

namespace veloxcd {
namespace {

constexpr int printMargin = 1440; // one inch on every side

constexpr QLatin1String readmePatterns("*.TXT;*.ME");
constexpr QLatin1String makerHomepage("http://www.velox-handhelds.example/");
constexpr QLatin1String makerHomepageGerman("http://www.velox-handhelds.example/de/");

} // namespace

using velox::win::FindURL;
using velox::win::SendMail;
using velox::win::trapped;

void VeloxCDMainFormFalcon::Imgreadme_Click() {
    txtReadme->setVisible(false);
    FileListing->setVisible(false);
    FileListing->setPattern(QString(readmePatterns));
    FileListing->setPath(cdDrive + programFolder);
    FileListing->setVisible(true);
    printBtn->setVisible(false);
}

void VeloxCDMainFormFalcon::FileListing_DblClick() {
    const QString file = FileListing->FileName();
    if (file.isEmpty()) {
        return;
    }
    QString path = FileListing->Path();
    if (!path.endsWith(QLatin1Char('\\'))) {
        path += QLatin1Char('\\');
    }
    txtReadme->setFileName(path + file);
    txtReadme->setVisible(true);
    printBtn->setVisible(true);
}

void VeloxCDMainFormFalcon::detframe_Click() {
    txtReadme->setVisible(false);
    printBtn->setVisible(false);
    FileListing->setVisible(false);
}

void VeloxCDMainFormFalcon::printBtn_Click() {
    printRichText(txtReadme->viewer(), printMargin, printMargin, printMargin, printMargin);
}

void VeloxCDMainFormFalcon::Imgemail_Click() {
    txtReadme->setVisible(false);
    FileListing->setVisible(false);
    printBtn->setVisible(false);
    trapped([] { SendMail(authorMail.trimmed()); });
}

void VeloxCDMainFormFalcon::Imghomepage_Click() {
    txtReadme->setVisible(false);
    FileListing->setVisible(false);
    printBtn->setVisible(false);
    trapped([] { FindURL(authorHomepage.trimmed()); });
}

void VeloxCDMainFormFalcon::Velox_Click() {
    trapped([] {
        if (language == languageEnglish) {
            FindURL(QString(makerHomepage));
        } else if (language == languageGerman) {
            FindURL(QString(makerHomepageGerman));
        }
    });
}

void VeloxCDMainFormFalcon::imgVelox_Click() {
    LoadMainScreen();
}

void VeloxCDMainFormFalcon::Otter_Click() {
    LoadMainScreen();
    hide();
    {
        Splash about(this);
        about.Form_Load();
        velox::win::showModal(about);
    }
    show();
}

void VeloxCDMainFormFalcon::Otter_MouseMove() {
    Otter->setToolTip(texts.strInfoHint);
}

// Unloading ends the program, so the window is unloaded at once rather than
// through a close event: the end never returns into the event's delivery.
void VeloxCDMainFormFalcon::imgExit_Click() {
    Form_Unload();
}

} // namespace veloxcd
