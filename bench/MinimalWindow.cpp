// The yardstick for VeloxCD's start-up: the least a Qt program does to show one
// window of the same size and draw it once.
#include <QApplication>
#include <QPixmap>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("One window"));
    window.resize(801, 600);
    window.show();
    QApplication::processEvents();
    return window.grab().isNull() ? 1 : 0;
}
