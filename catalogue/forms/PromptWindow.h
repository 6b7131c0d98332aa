#pragma once

#include <QDialog>
#include <QString>

namespace velox::win {
class ImageBox;
}

namespace veloxcd {

// A prompt window that shows one instruction picture, in a control named like
// the window. On load it takes the picture's width; its height is the height of
// "X" in the window's font, plus the picture, plus half the height of "a"; it is
// centred on the screen and titled with the given text.
class PromptWindow : public QDialog {
    Q_OBJECT

public:
    PromptWindow(const QString& name, const QString& title);

    velox::win::ImageBox* picture = nullptr;

protected:
    // Closes the window (both prompts close on a click on their picture).
    void closePrompt();
};

// Asks the user to connect the handheld. Closes on a click on the picture or on
// the window, or on any key press.
class Connect_Velox : public PromptWindow {
    Q_OBJECT

public:
    Connect_Velox();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Asks the user to close the Recorder application on the handheld. Closes on a
// click on the picture or on any key going down.
class Close_Recorder : public PromptWindow {
    Q_OBJECT

public:
    Close_Recorder();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace veloxcd
