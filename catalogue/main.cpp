#include "catalogue/start/Main.h"

#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "platform/win/runtime/EventBoundary.h"
#include "platform/win/runtime/GuardedApplication.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    velox::win::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VeloxCD"));

    std::unique_ptr<veloxcd::VeloxCDMainFormFalcon> mainWindow;
    bool started = false;
    // Start-up reports its own failures; whatever else escapes it is shown
    // as the run-time error it stands for, and the program ends.
    velox::win::runEvent([&] {
        started = veloxcd::Main([&mainWindow] {
            mainWindow = std::make_unique<veloxcd::VeloxCDMainFormFalcon>();
            mainWindow->Form_Load();
        });
    });
    if (!started || !mainWindow) {
        return 1;
    }
    return QApplication::exec();
}
