// The yardstick for VeloxCD's start-up: the least a Qt program does to show one
// window of the same size and save a picture of it.
#include <QApplication>
#include <QPixmap>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("One window"));
    window.resize(801, 600);
    window.show();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
