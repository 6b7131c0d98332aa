#include "catalogue/forms/Splash.h"

#include "catalogue/mainwindow/ScreenPictures.h"
#include "catalogue/mainwindow/StoredPictures.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/Twips.h"
#include "platform/win/pictures/Pictures.h"
#include "platform/win/runtime/ErrorRegimes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace veloxcd {

using namespace velox::win;

namespace {

// The inner area in the design, in twips, and where the credits run.
constexpr double designWidth = 7470;
constexpr double designHeight = 4350;
constexpr double creditsLeft = 3800;
constexpr int firstInterval = 5;
constexpr int interval = 20;
constexpr float step = 10;

const char* const creditLines[] = {
    "",
    "VELOX CD Volume 1",
    "",
    "",
    "",
    "Many thanks to: ",
    "All the freeware and",
    "shareware authors",
    "",
    "Many thanks also to: ",
    "Peter Ashdown of Velox UK",
    "and Velox Germany.",
    "",
    "Without there help this",
    "CD-ROM would not exist.",
    "",
    "Programming -",
    "Layout - ",
    "Design:",
    "Otter Software\u00ae",
    "",
    "Otter Software 1999 - 2000",
    "",
    "",
    "This CD-ROM has been",
    "developed in Germany.",
};

} // namespace

Splash::Splash(VeloxCDMainFormFalcon* mainForm)
    : mainForm_(mainForm), scaleWidth_(designWidth), scaleHeight_(designHeight) {
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    scrollText = new Label(QStringLiteral("scrollText"), -1, this);
    scrollText->setAttribute(Qt::WA_TransparentForMouseEvents);
    scrollText->setWordWrap(false);
    QFont arialBold(QStringLiteral("Arial"));
    arialBold.setStyleHint(QFont::SansSerif);
    arialBold.setPointSizeF(9.75);
    arialBold.setBold(true);
    scrollText->setFont(arialBold);
    // The credits wait out of sight until a word makes them scroll; assistive
    // tools read them at once, as the window's description.
    QStringList credits;
    for (const QString& line : creditsText().split(QStringLiteral("\r\n"))) {
        if (!line.trimmed().isEmpty()) {
            credits << line.trimmed();
        }
    }
    setAccessibleDescription(credits.join(QLatin1Char('\n')));
    scrollTimer = new QTimer(this);
    scrollTimer->setObjectName(QStringLiteral("scrollTimer"));
    scrollTimer->setInterval(firstInterval);
    connect(scrollTimer, &QTimer::timeout, this, &Splash::scrollTimer_Timer);
}

QString Splash::creditsText() {
    QString text;
    for (const char* line : creditLines) {
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    }
    return text;
}

void Splash::Form_Load() {
    scaleWidth_ = designWidth / fontScale;
    scaleHeight_ = designHeight / fontScale;
    setFixedSize(pixelsX(scaleWidth_), pixelsY(scaleHeight_));
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    QString caption = creditsText();
    caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    scrollText->setCaption(caption);
    // The credits wait below the visible area, unseen, so they are measured
    // only when they first move: laying out their lines costs about as much as
    // showing the whole About screen.
    const auto left = static_cast<float>(creditsLeft / fontScale);
    const int widthInPixels = std::max(1, width() - pixelsX(left));
    scrollText->Move(left, static_cast<float>(scaleHeight_),
                     static_cast<float>(widthInPixels * twipsPerPixelX()), 0);
    creditsMeasured_ = false;
    scrollTimer->stop();
    scrollTimer->setInterval(firstInterval);
}

void Splash::measureCredits() {
    if (creditsMeasured_) {
        return;
    }
    creditsMeasured_ = true;
    const int heightInPixels = scrollText->fontMetrics()
                                   .boundingRect(QRect(0, 0, scrollText->width(), 1 << 20),
                                                 Qt::AlignLeft | Qt::AlignTop, scrollText->text())
                                   .height();
    scrollText->setHeight(static_cast<float>(heightInPixels * twipsPerPixelY()));
}

void Splash::Form_Click() {
    close();
}

void Splash::Form_KeyPress(int keyAscii) {
    if (keyAscii < 64 || keyAscii > 122) {
        close();
        return;
    }
    aboutKeys += QChar(keyAscii);
    const QString typed = aboutKeys.toUpper();
    if (typed == QLatin1String("MAPLE")) {
        scrollTimer->start();
        aboutKeys.clear();
    } else if (typed == QLatin1String("LANTERN")) {
        switchToOsprey();
    }
    // Anything else stays collected: after one wrong letter neither word can
    // come up again in this run.
}

// The Osprey gets Merlin's layout, start screen and settings line, but its own
// photo, and its own machine code from then on. Any error ends the switch silently, as
// a choice on the machine overlay does.
void Splash::switchToOsprey() {
    trapped([this] {
        machine = machineMerlin;
        mainForm_->SetMachine();
        mainForm_->LoadMainScreen();
        mainForm_->imgVelox->setPicture(LoadPicture(machinePhotoPath(machineOsprey)));
        machine = machineOsprey;
        aboutKeys.clear();
    });
}

void Splash::scrollTimer_Timer() {
    measureCredits();
    scrollTimer->setInterval(interval);
    scrollText->setTop(scrollText->Top() - step);
    if (scrollText->Top() + scrollText->Height() < 0) {
        scrollText->setTop(static_cast<float>(scaleHeight_));
    }
}

void Splash::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QImage artwork = storedPicture(QStringLiteral("Splash"));
    if (artwork.isNull()) {
        painter.fillRect(rect(), palette().window());
    } else {
        painter.drawImage(QPoint(0, 0), artwork);
    }
}

void Splash::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Form_Click();
    }
}

void Splash::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.size() == 1) {
        Form_KeyPress(typed.at(0).unicode());
    }
}

void Splash::hideEvent(QHideEvent* event) {
    scrollTimer->stop();
    QDialog::hideEvent(event);
}

} // namespace veloxcd
