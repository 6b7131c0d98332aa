#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"

#include "catalogue/start/Main.h"
#include "platform/win/ErrorRegimes.h"
#include "platform/win/FileOps.h"
#include "platform/win/ProgramEnd.h"

#include <QCloseEvent>

namespace veloxcd {

VeloxCDMainFormFalcon::VeloxCDMainFormFalcon(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("VeloxCDMainFormFalcon"));
    setWindowTitle(QStringLiteral("Otter Software - VELOX CD Volume 1"));
}

void VeloxCDMainFormFalcon::Form_Load() {
    show();
}

void VeloxCDMainFormFalcon::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void VeloxCDMainFormFalcon::Form_Unload() {
    velox::win::trapped([] { velox::win::Kill(catalogueCopyPath()); });
    velox::win::End();
}

} // namespace veloxcd
