// velox-screenshot: starts VeloxCD as it starts for a user (start-up, the main
// window's load) on the program folder given, passes the About screen, and
// saves a picture of the main window. Message boxes are not shown: their texts
// go to standard error and each gets its last button.
//
//   velox-screenshot PROGRAM_FOLDER OUT.png [--overlay machine|language] [--areas]
//
// --areas outlines every clickable control that is shown, so that one can see
// that each click area lies over its icon on the photo.
//
// The drive table of $VELOX_PREFIX says where the CD is.
#include "catalogue/start/Main.h"

#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "platform/win/MessageBox.h"
#include "platform/win/ModalForms.h"
#include "platform/win/ProgramEnd.h"
#include "platform/win/SystemFolders.h"

#include <QApplication>
#include <QDialog>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

// Shows each form for a moment and closes it, as a person pressing a key would.
class PassingForms : public velox::win::ModalFormSeam {
public:
    void showModal(QDialog& form) override {
        form.show();
        QApplication::processEvents();
        form.close();
    }
};

// Tells what a message box said instead of waiting for an answer.
class LoggedMessageBoxes : public velox::win::MessageBoxSeam {
public:
    int show(const velox::win::MessageBoxRequest& request) override {
        std::fprintf(stderr, "velox-screenshot: message box: %s\n", qPrintable(request.text));
        switch (request.buttons) {
        case velox::win::vbOKCancel:
            return velox::win::vbCancel;
        case velox::win::vbYesNo:
            return velox::win::vbNo;
        default:
            return velox::win::vbOK;
        }
    }
};

void settle() {
    for (int round = 0; round < 5; ++round) {
        QApplication::processEvents();
    }
}

int usage() {
    std::fputs(
        "usage: velox-screenshot PROGRAM_FOLDER OUT.png [--overlay machine|language] [--areas]\n",
        stderr);
    return 2;
}

// Outlines the shown controls that carry the hand pointer.
void outlineClickAreas(QWidget& window, QImage& shot) {
    QPainter painter(&shot);
    painter.setPen(QPen(QColor(230, 30, 30), 2));
    painter.setBrush(QColor(230, 30, 30, 40));
    for (const QWidget* each : window.findChildren<QWidget*>()) {
        if (each->isVisible() && each->testAttribute(Qt::WA_SetCursor)) {
            painter.drawRect(
                QRect(each->mapTo(&window, QPoint(0, 0)), each->size()).adjusted(1, 1, -1, -1));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VeloxCD"));
    QStringList args = QApplication::arguments().mid(1);
    const bool areas = args.removeAll(QStringLiteral("--areas")) > 0;
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--overlay"))) {
        return usage();
    }
    const QString overlay = args.size() == 4 ? args[3] : QString();
    if (!overlay.isEmpty() && overlay != QLatin1String("machine") &&
        overlay != QLatin1String("language")) {
        return usage();
    }

    velox::win::setAppPath(args[0]);
    PassingForms forms;
    velox::win::setModalFormSeam(&forms);
    LoggedMessageBoxes boxes;
    velox::win::setMessageBoxSeam(&boxes);
    velox::win::ScopedEndThrows ending;

    std::unique_ptr<veloxcd::VeloxCDMainFormFalcon> window;
    try {
        veloxcd::Main([&window] {
            window = std::make_unique<veloxcd::VeloxCDMainFormFalcon>();
            window->Form_Load();
        });
    } catch (const velox::win::ProgramEnded&) {
        std::fputs("velox-screenshot: the program ended during start-up\n", stderr);
        return 1;
    }
    if (!window || !window->isVisible()) {
        std::fputs("velox-screenshot: the main window did not come up\n", stderr);
        return 1;
    }
    if (overlay == QLatin1String("machine")) {
        window->chMachine_Click();
    } else if (overlay == QLatin1String("language")) {
        window->BtnMenu_Click();
    }
    settle();
    QImage shot = window->grab().toImage();
    if (areas) {
        outlineClickAreas(*window, shot);
    }
    const bool saved = shot.save(args[1], "PNG");

    // Unloading deletes the catalogue's working copy and ends the program.
    try {
        window->Form_Unload();
    } catch (const velox::win::ProgramEnded&) {
    }
    velox::win::setModalFormSeam(nullptr);
    velox::win::setMessageBoxSeam(nullptr);
    if (!saved) {
        std::fprintf(stderr, "velox-screenshot: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
