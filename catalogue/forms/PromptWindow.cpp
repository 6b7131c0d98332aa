#include "catalogue/forms/PromptWindow.h"

#include "catalogue/mainwindow/StoredPictures.h"
#include "catalogue/start/InterfaceTexts.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Twips.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace veloxcd {

PromptWindow::PromptWindow(const QString& name, const QString& title) {
    setObjectName(name);
    setWindowTitle(title);
    setModal(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);

    picture = new velox::win::ImageBox(name, -1, this);
    const QImage image = storedPicture(name);
    picture->setPicture(image);
    const double twipsPerPixel = velox::win::twipsPerPixelX();
    picture->Move(0, 0, static_cast<float>(image.width() * twipsPerPixel),
                  static_cast<float>(image.height() * twipsPerPixel));
    connect(picture, &velox::win::ImageBox::Click, this, &PromptWindow::closePrompt);

    const QFontMetrics metrics(font());
    const int height = metrics.boundingRect(QStringLiteral("X")).height() + image.height() +
                       metrics.boundingRect(QStringLiteral("a")).height() / 2;
    setFixedSize(image.width(), height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height) / 2);
    }
}

void PromptWindow::closePrompt() {
    close();
}

Connect_Velox::Connect_Velox()
    : PromptWindow(QStringLiteral("Connect_Velox"), texts.strConnectTitle) {}

void Connect_Velox::mouseReleaseEvent(QMouseEvent* event) {
    QDialog::mouseReleaseEvent(event);
    closePrompt();
}

void Connect_Velox::keyPressEvent(QKeyEvent* event) {
    // A key press is a key that gives a character (Enter and Esc included).
    if (!event->text().isEmpty()) {
        closePrompt();
        return;
    }
    QDialog::keyPressEvent(event);
}

Close_Recorder::Close_Recorder()
    : PromptWindow(QStringLiteral("Close_Recorder"), texts.strCloseRecorderTitle) {}

void Close_Recorder::keyPressEvent(QKeyEvent* /*event*/) {
    closePrompt();
}

} // namespace veloxcd
