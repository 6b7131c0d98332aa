#include "catalogue/start/Main.h"

#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VeloxCD"));

    std::unique_ptr<veloxcd::VeloxCDMainFormFalcon> mainWindow;
    veloxcd::Main([&mainWindow] {
        mainWindow = std::make_unique<veloxcd::VeloxCDMainFormFalcon>();
        mainWindow->Form_Load();
    });
    if (!mainWindow) {
        return 0;
    }
    return QApplication::exec();
}
