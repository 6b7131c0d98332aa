// The yardstick for VeloxCD's start-up: the least a Qt program does to show one
// window of the same size, ending once it has been drawn.
#include <QApplication>
#include <QWidget>

namespace {

class OneWindow : public QWidget {
public:
    bool painted = false;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted = true;
        QWidget::paintEvent(event);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    OneWindow window;
    window.setWindowTitle(QStringLiteral("One window"));
    window.resize(801, 600);
    window.show();
    for (int round = 0; round < 5 && !window.painted; ++round) {
        QApplication::processEvents();
    }
    return window.painted ? 0 : 1;
}
