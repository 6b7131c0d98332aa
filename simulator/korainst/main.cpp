#include "simulator/korainst/Installer.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return velox::simulator::runInstaller(arguments);
}
