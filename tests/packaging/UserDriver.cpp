// Loaded into an installed VeloxCD (LD_PRELOAD) by the installation tests, it
// plays the user: it clicks the About screen away, notes what the main window
// shows, picks a language when asked to, and closes the window, which ends
// the program as it always ends. What it saw goes, line by line, to the file
// $VELOX_DRIVER_REPORT:
//
//   window shown
//   language english | language german    (the German caption strip is shown or not)
//   chose german                           (with VELOX_DRIVER_CHOOSE=german)
//   message box: TEXT                      (answered with its escape button)
//
// In a process without a window system application (the launcher) it does
// nothing.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace {

void report(const QString& line) {
    QFile file(qEnvironmentVariable("VELOX_DRIVER_REPORT"));
    if (file.open(QIODevice::Append)) {
        file.write((line + QLatin1Char('\n')).toUtf8());
    }
}

void click(QWidget* widget) {
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
    QApplication::processEvents();
}

bool germanStripShown(const QWidget& window) {
    for (const char* strip : {"katWrenger", "katFalconger", "katMerlinger"}) {
        const auto* shown = window.findChild<QWidget*>(QLatin1String(strip));
        if (shown != nullptr && shown->isVisible()) {
            return true;
        }
    }
    return false;
}

void useMainWindow(QWidget* window) {
    report(QStringLiteral("window shown"));
    report(germanStripShown(*window) ? QStringLiteral("language german")
                                     : QStringLiteral("language english"));
    if (qEnvironmentVariable("VELOX_DRIVER_CHOOSE") == QLatin1String("german")) {
        auto* key = window->findChild<QWidget*>(QStringLiteral("BtnMenu"));
        auto* german = window->findChild<QWidget*>(QStringLiteral("mnuDeutsch"));
        if (key != nullptr && german != nullptr) {
            click(key);
            click(german);
            report(germanStripShown(*window) ? QStringLiteral("chose german")
                                             : QStringLiteral("german not shown"));
        }
    }
    window->close();
}

class Driver : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (auto* box = qobject_cast<QMessageBox*>(widget)) {
            report(QStringLiteral("message box: ") + box->text());
            QTimer::singleShot(0, box, [box] { box->reject(); });
        } else if (widget->objectName() == QLatin1String("Splash")) {
            QTimer::singleShot(0, widget, [widget] { click(widget); });
        } else if (widget->objectName() == QLatin1String("VeloxCDMainFormFalcon") && !used_) {
            used_ = true;
            QTimer::singleShot(0, widget, [widget] { useMainWindow(widget); });
        }
        return false;
    }

private:
    bool used_ = false;
};

void startDriver() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    QCoreApplication::instance()->installEventFilter(new Driver);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)
