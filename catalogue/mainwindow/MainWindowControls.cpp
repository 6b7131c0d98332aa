// Every control of the main window in one table: kind, name, container, place
// in the window's design, design-time visibility, font and pointer. The order
// of the table is the window's control order (and, for overlapping controls,
// the later one lies on top).
#include "catalogue/mainwindow/LinkControlHost.h"
#include "catalogue/mainwindow/StoredPictures.h"
#include "catalogue/mainwindow/TextFileBox.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "platform/win/controls/CommandButton.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/MultiLineTextBox.h"
#include "platform/win/controls/TextBox.h"

#include <QColor>
#include <optional>

namespace veloxcd {

using velox::win::TwipsControl;

// How a control looks in the window's design.
struct ControlDesign {
    std::optional<TwipsRect> rect = std::nullopt; // none: its place in the Wren layout
    bool visible = true;
    double fontSize = 8.25;
    bool bold = false;
    bool hand = false; // the hand pointer over it
};

namespace {

constexpr ControlDesign clickArea{.hand = true};
constexpr ControlDesign screenControl{.visible = false};
constexpr ControlDesign clickableScreenControl{.visible = false, .hand = true};
constexpr ControlDesign overlayLabel{.visible = false, .fontSize = 12, .bold = true, .hand = true};
constexpr ControlDesign plain{};
constexpr ControlDesign heading{.fontSize = 9.75, .bold = true};

// The display's light green, behind the overlay labels.
const QColor displayGreen(153, 204, 153);

} // namespace

template <class Control>
Control* VeloxCDMainFormFalcon::add(Control*& member, const char* name, int index,
                                    QWidget* container, const ControlDesign& design) {
    member = new Control(QString::fromLatin1(name), index, container);
    const TwipsRect rect =
        design.rect.value_or(layoutRect(LayoutVariant::Wren, name, index).value_or(TwipsRect{}));
    member->Move(rect.left, rect.top, rect.width, rect.height);
    if (member->hasFont()) {
        QFont font(QStringLiteral("Sans Serif"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(design.fontSize);
        font.setBold(design.bold);
        member->setFont(font);
    }
    if (design.hand) {
        member->setCursor(handPointer());
    }
    member->setVisible(design.visible);
    controls_.push_back(member);
    designRects_.push_back(rect);
    return member;
}

void VeloxCDMainFormFalcon::createControls() {
    add(imgVelox, "imgVelox", -1, this, {.rect = TwipsRect{15, 0, 9000, 12000}});
    add(MainScreenFalcon, "MainScreenFalcon", -1, this, plain);
    add(printBtn, "printBtn", -1, this, clickableScreenControl);
    add(txtReadme, "txtReadme", -1, this, screenControl);
    add(FileListing, "FileListing", -1, this, clickableScreenControl);
    add(Velox, "Velox", -1, this, clickArea);
    add(BtnMenu, "BtnMenu", -1, this, clickArea);
    add(mnuEnglish, "mnuEnglish", -1, this, overlayLabel);
    add(mnuDeutsch, "mnuDeutsch", -1, this, overlayLabel);
    add(chMachine, "chMachine", -1, this, clickArea);
    add(mnuVeloxFalcon, "mnuVeloxFalcon", -1, this, overlayLabel);
    add(mnuVeloxMerlin, "mnuVeloxMerlin", -1, this, overlayLabel);
    add(mnuVeloxWren, "mnuVeloxWren", -1, this, overlayLabel);
    add(BtnCopy, "BtnCopy", -1, this, clickArea);
    add(Search, "Search", -1, this, clickArea);
    add(txtSearch, "txtSearch", -1, this, screenControl);
    add(katFalconger, "katFalconger", -1, this, screenControl);
    add(katMerlinger, "katMerlinger", -1, this, screenControl);
    add(katWrenger, "katWrenger", -1, this, screenControl);
    add(Otter, "Otter", -1, this, clickArea);
    for (int i = 0; i < static_cast<int>(Kategorie.size()); ++i) {
        add(Kategorie.at(i), "Kategorie", i, this, clickArea);
    }
    add(imgExit, "imgExit", -1, this, clickArea);
    add(Command2, "Command2", -1, this, {.visible = false});

    add(detframe, "detframe", -1, this, screenControl);
    add(Zusatz, "Zusatz", -1, detframe, plain);
    add(description, "description", -1, detframe, plain);
    add(lblSize, "lblSize", -1, detframe, plain);
    add(lblLanguage, "lblLanguage", -1, detframe, plain);
    add(lblDescription, "lblDescription", -1, detframe, plain);
    add(Groesze, "Groesze", -1, detframe, plain);
    add(Author, "Author", -1, detframe, heading);
    add(Programmname, "Programmname", -1, detframe, heading);
    add(Imgemail, "Imgemail", -1, detframe, clickArea);
    add(Imghomepage, "Imghomepage", -1, detframe, clickArea);
    add(Imgreadme, "Imgreadme", -1, detframe, clickArea);
    add(lang, "lang", -1, detframe, plain);

    add(lstPrograms, "lstPrograms", -1, this, clickableScreenControl);
    add(waveList, "waveList", -1, this, screenControl);

    add(frmWaves, "frmWaves", -1, this, screenControl);
    add(lblfrmWaveHL, "lblfrmWaveHL", -1, frmWaves, heading);
    add(lblVolumeTitle, "lblVolumeTitle", -1, frmWaves, plain);
    add(scrVolume, "scrVolume", -1, frmWaves, plain);
    add(lblVolume, "lblVolume", -1, frmWaves, plain);
    add(lblRepeatTitle, "lblRepeatTitle", -1, frmWaves, plain);
    add(scrRepeat, "scrRepeat", -1, frmWaves, plain);
    add(lblRepeat, "lblRepeat", -1, frmWaves, plain);
    add(lblFileInfo, "lblFileInfo", -1, frmWaves, plain);
    add(gaugeMain, "gaugeMain", -1, frmWaves, plain);
    add(GaugeValue, "GaugeValue", -1, frmWaves, plain);

    addLinkControl();
    setDesignProperties();
}

// The link control has no picture at run time; its place is the design's.
void VeloxCDMainFormFalcon::addLinkControl() {
    Tandem = std::make_unique<LinkControlHost>();
    Tandem->Move(240, 8400, 480, 480);
    controls_.push_back(Tandem.get());
    designRects_.push_back(TwipsRect{240, 8400, 480, 480});
}

// Design-time properties beyond the place.
void VeloxCDMainFormFalcon::setDesignProperties() {
    for (velox::win::Label* label :
         {mnuEnglish, mnuDeutsch, mnuVeloxFalcon, mnuVeloxMerlin, mnuVeloxWren}) {
        label->setBackColor(displayGreen);
    }
    mnuEnglish->setCaption(QStringLiteral("English"));
    mnuDeutsch->setCaption(QStringLiteral("Deutsch"));
    Command2->setText(QStringLiteral("Command2"));
    scrVolume->setMin(0);
    scrVolume->setMax(2);
    scrVolume->setValue(1);
    scrRepeat->setMin(1);
    scrRepeat->setMax(10);
    scrRepeat->setValue(1);
    gaugeMain->setBackColor(Qt::white);
    gaugeMain->setFrameShape(QFrame::Box);
    GaugeValue->setBackColor(QColor(0, 0, 128));
    GaugeValue->setAlignment(Qt::AlignCenter);
    QPalette gaugeText = GaugeValue->palette();
    gaugeText.setColor(QPalette::WindowText, Qt::white);
    GaugeValue->setPalette(gaugeText);
    for (auto [image, picture] :
         {std::pair{printBtn, "printBtn"}, std::pair{Imgemail, "Imgemail"},
          std::pair{Imghomepage, "Imghomepage"}, std::pair{Imgreadme, "Imgreadme"},
          std::pair{katWrenger, "katWrenger"}, std::pair{katFalconger, "katFalconger"},
          std::pair{katMerlinger, "katMerlinger"}}) {
        image->setPicture(storedPicture(QString::fromLatin1(picture)));
    }
    // The readme text lies over the file list that shares its area.
    txtReadme->raise();
}

TwipsControl* VeloxCDMainFormFalcon::control(const QString& name, int index) const {
    for (TwipsControl* each : controls_) {
        if (each->Index() == index && each->Name() == name) {
            return each;
        }
    }
    return nullptr;
}

TwipsRect VeloxCDMainFormFalcon::designRect(const TwipsControl& control) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i] == &control) {
            return designRects_[i];
        }
    }
    return {};
}

} // namespace veloxcd
