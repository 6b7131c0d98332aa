// velox-screenshot: starts VeloxCD as it starts for a user (start-up, the main
// window's load) on the program folder given, passes the About screen, and
// saves a picture of the main window. Message boxes are not shown: their texts
// go to standard error and each gets its last button.
//
//   velox-screenshot PROGRAM_FOLDER OUT.png [--overlay machine|language] [--areas]
//                    [--tabs N]
//   velox-screenshot PROGRAM_FOLDER --tour DIR
//   velox-screenshot PROGRAM_FOLDER --no-picture
//
// --tour walks a newcomer's first visit by clicking the click areas as a user
// would, and saves a picture of each screen into DIR: a category list, a
// program's details and readme, the search, the alarm sounds, both overlays and the About
// screen.
//
// --no-picture starts the same way and, once the main window has been drawn on
// the screen, closes it as the user would, which ends the process as VeloxCD
// ends. It writes nothing: the start-up benchmark times it, and neither a
// second drawing for a picture nor encoding one is part of starting.
//
// --areas outlines every clickable control that is shown, so that one can see
// that each click area lies over its icon on the photo.
//
// --tabs N presses Tab N times before the picture, so that it shows the
// keyboard's focus frame.
//
// The drive table of $VELOX_PREFIX says where the CD is.
#include "catalogue/start/Main.h"

#include "catalogue/forms/Splash.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"
#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/dialogs/ModalForms.h"
#include "platform/win/files/SystemFolders.h"
#include "platform/win/runtime/ProgramEnd.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

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

// Notes when a window has been drawn.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& window) { window.installEventFilter(this); }
    [[nodiscard]] bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        painted_ = painted_ || event->type() == QEvent::Paint;
        return false;
    }

private:
    bool painted_ = false;
};

void settle() {
    for (int round = 0; round < 5; ++round) {
        QApplication::processEvents();
    }
}

int usage() {
    std::fputs(
        "usage: velox-screenshot PROGRAM_FOLDER OUT.png [--overlay machine|language] [--areas]\n"
        "                        [--tabs N]\n"
        "       velox-screenshot PROGRAM_FOLDER --tour DIR\n"
        "       velox-screenshot PROGRAM_FOLDER --no-picture\n",
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

// Tab as the keyboard gives it, to the control that has the focus.
void pressTab(QWidget& window) {
    QWidget* target =
        QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
    settle();
}

// A click as the mouse gives it: pressed and released in the middle.
void click(QWidget* widget) {
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
    settle();
}

bool save(QWidget& widget, const QString& folder, const char* name) {
    settle();
    const QString path = QDir(folder).filePath(QLatin1String(name));
    const bool saved = widget.grab().toImage().save(path, "PNG");
    std::fprintf(stderr, "velox-screenshot: %s %s\n", saved ? "saved" : "cannot write",
                 qPrintable(path));
    return saved;
}

// The screens a newcomer meets, reached by clicking the click areas.
bool tour(veloxcd::VeloxCDMainFormFalcon& window, const QString& folder) {
    QDir().mkpath(folder);
    bool saved = true;
    click(window.Kategorie[1]); // Tools
    saved &= save(window, folder, "tour-category.png");
    if (window.lstPrograms->ListCount() > 0) {
        window.lstPrograms->setListIndex(0);
        saved &= save(window, folder, "tour-details.png");
        if (window.Imgreadme->isVisible()) {
            click(window.Imgreadme);
            if (window.FileListing->ListCount() > 0) {
                window.FileListing->setListIndex(0);
                window.FileListing_DblClick();
                saved &= save(window, folder, "tour-readme.png");
            }
        }
    }
    click(window.Search);
    window.txtSearch->setText(QStringLiteral("clock"));
    window.txtSearch_KeyPress(13);
    saved &= save(window, folder, "tour-search.png");
    click(window.Kategorie[7]); // the alarm sounds
    if (window.waveList->ListCount() > 0) {
        window.waveList->setListIndex(0);
    }
    saved &= save(window, folder, "tour-alarms.png");
    click(window.chMachine);
    saved &= save(window, folder, "tour-machine.png");
    click(window.BtnMenu);
    saved &= save(window, folder, "tour-language.png");
    click(window.imgVelox);
    veloxcd::Splash about(&window);
    about.Form_Load();
    about.show();
    saved &= save(about, folder, "tour-about.png");
    about.close();
    return saved;
}

// What the command line asks for.
struct Options {
    QString programFolder;
    QString picture; // the picture's file, or the tour's folder
    QString overlay; // empty, "machine" or "language"
    int tabs = 0;
    bool areas = false;
    bool touring = false;
    bool drawOnly = false;
};

// The options, or nothing for a command line that does not fit the usage.
std::optional<Options> parseOptions(QStringList args) {
    Options options;
    options.areas = args.removeAll(QStringLiteral("--areas")) > 0;
    if (const qsizetype at = args.indexOf(QStringLiteral("--tabs")); at >= 0) {
        bool number = false;
        options.tabs = at + 1 < args.size() ? args[at + 1].toInt(&number) : 0;
        if (!number || options.tabs < 0) {
            return std::nullopt;
        }
        args.remove(at, 2);
    }
    options.touring = args.size() == 3 && args[1] == QLatin1String("--tour");
    if (options.touring) {
        args = {args[0], args[2]};
    }
    options.drawOnly = args.size() == 2 && args[1] == QLatin1String("--no-picture");
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--overlay"))) {
        return std::nullopt;
    }
    options.overlay = args.size() == 4 ? args[3] : QString();
    if (!options.overlay.isEmpty() && options.overlay != QLatin1String("machine") &&
        options.overlay != QLatin1String("language")) {
        return std::nullopt;
    }
    options.programFolder = args[0];
    options.picture = args[1];
    return options;
}

// Starts VeloxCD as it starts for a user; nothing, said on standard error, when
// the program ended during start-up or the main window did not come up.
std::unique_ptr<veloxcd::VeloxCDMainFormFalcon> startVeloxCD() {
    std::unique_ptr<veloxcd::VeloxCDMainFormFalcon> window;
    try {
        veloxcd::Main([&window] {
            window = std::make_unique<veloxcd::VeloxCDMainFormFalcon>();
            window->Form_Load();
        });
    } catch (const velox::win::ProgramEnded&) {
        std::fputs("velox-screenshot: the program ended during start-up\n", stderr);
        return nullptr;
    }
    if (!window || !window->isVisible()) {
        std::fputs("velox-screenshot: the main window did not come up\n", stderr);
        return nullptr;
    }
    return window;
}

// Opens the overlay and moves the focus as the options ask.
void prepareScreen(veloxcd::VeloxCDMainFormFalcon& window, const Options& options) {
    if (options.overlay == QLatin1String("machine")) {
        window.chMachine_Click();
    } else if (options.overlay == QLatin1String("language")) {
        window.BtnMenu_Click();
    }
    if (options.tabs > 0) {
        window.activateWindow();
        settle();
        for (int i = 0; i < options.tabs; ++i) {
            pressTab(window);
        }
    }
}

// Waits until the window is on the screen, as the yardstick does, then closes
// it the way VeloxCD ends: at once, no window taken apart, nothing destroyed
// that the system takes back anyway. False when the window was not drawn.
bool closeOnceDrawn(veloxcd::VeloxCDMainFormFalcon& window, const PaintWatch& drawing) {
    for (int round = 0; round < 5 && !drawing.painted(); ++round) {
        QApplication::processEvents();
    }
    if (!drawing.painted()) {
        std::fputs("velox-screenshot: the main window was not drawn\n", stderr);
        return false;
    }
    velox::win::setEndHandler({});
    window.Form_Unload();
    return true;
}

// The tour's pictures, or the one picture of the main window.
bool takePictures(veloxcd::VeloxCDMainFormFalcon& window, const Options& options) {
    settle();
    if (options.touring) {
        return tour(window, options.picture);
    }
    QImage shot = window.grab().toImage();
    if (options.areas) {
        outlineClickAreas(window, shot);
    }
    return shot.save(options.picture, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VeloxCD"));
    const std::optional<Options> options = parseOptions(QApplication::arguments().mid(1));
    if (!options) {
        return usage();
    }

    velox::win::setAppPath(options->programFolder);
    PassingForms forms;
    velox::win::setModalFormSeam(&forms);
    LoggedMessageBoxes boxes;
    velox::win::setMessageBoxSeam(&boxes);
    velox::win::ScopedEndThrows ending;

    const std::unique_ptr<veloxcd::VeloxCDMainFormFalcon> window = startVeloxCD();
    if (!window) {
        return 1;
    }
    const PaintWatch drawing(*window);
    prepareScreen(*window, *options);
    if (options->drawOnly && !closeOnceDrawn(*window, drawing)) {
        return 1;
    }
    const bool saved = takePictures(*window, *options);

    // Unloading deletes the catalogue's working copy and ends the program.
    try {
        window->Form_Unload();
    } catch (const velox::win::ProgramEnded&) {
    }
    velox::win::setModalFormSeam(nullptr);
    velox::win::setMessageBoxSeam(nullptr);
    if (!saved) {
        std::fprintf(stderr, "velox-screenshot: cannot write %s\n", qPrintable(options->picture));
        return 1;
    }
    return 0;
}
