// What assistive tools call the controls of the main window, in the interface
// language: a button by its tool tip text (a category by its name), a list, a
// box or a slider by what it holds. The overlay labels are named by their
// captions, the details labels by their texts.
#include "catalogue/mainwindow/TextFileBox.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/InterfaceTexts.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/MultiLineTextBox.h"
#include "platform/win/controls/TextBox.h"

namespace veloxcd {

namespace {

void name(QWidget* control, const QString& text) {
    const QString trimmed = text.trimmed();
    if (control->accessibleName() != trimmed) {
        control->setAccessibleName(trimmed);
    }
}

// A text box passes its name on to the editor or viewer inside it.
void name(velox::win::DeferredTextWidget* box, const QString& text) {
    const QString trimmed = text.trimmed();
    if (box->accessibleName() != trimmed) {
        box->setName(trimmed);
    }
}

// "Description:" names the box that follows it as "Description".
QString withoutColon(const QString& label) {
    QString text = label.trimmed();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text;
}

// The icon bar: seven catalogue categories, then the alarm sounds.
constexpr std::size_t catalogueCategories = 7;

} // namespace

void VeloxCDMainFormFalcon::setAccessibleNames() {
    name(BtnMenu, texts.strLanguageHint);
    name(chMachine, texts.strMachineHint);
    // The copy key copies the chosen alarm sound while their list is up.
    name(BtnCopy, waveList->Visible() ? texts.strCopyAlarmHint : texts.strCopyHint);
    name(Search, texts.strSearchHint);
    name(Otter, texts.strInfoHint);
    name(imgExit, texts.strExitHint);
    for (std::size_t i = 0; i < Kategorie.size(); ++i) {
        name(Kategorie.at(i), i < catalogueCategories
                                  ? texts.categoryNames.value(static_cast<qsizetype>(i))
                                  : texts.strAlarmCategory);
    }
    name(Velox, texts.strMakerHint);
    name(imgVelox, texts.strPhotoHint);
    name(printBtn, texts.strPrintHint);
    name(Imgemail, texts.strMailHint);
    name(Imghomepage, texts.strHomepageHint);
    name(Imgreadme, texts.strReadmeHint);

    name(txtSearch, texts.strSearchHint);
    name(lstPrograms, texts.strProgramList);
    name(FileListing, texts.strReadmeList);
    name(txtReadme, texts.strReadmeText);
    name(waveList, texts.strAlarmList);
    name(description, withoutColon(texts.strDescriptionLabel));
    name(scrVolume, texts.strVolumeTitle);
    name(scrRepeat, texts.strRepeatTitle);
    name(gaugeMain, texts.strCopyProgress);
}

} // namespace veloxcd
