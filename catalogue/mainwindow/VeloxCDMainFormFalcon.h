#pragma once

#include <QWidget>

namespace veloxcd {

// The main window: a photo of the chosen handheld whose display shows the
// catalogue's current screen.
class VeloxCDMainFormFalcon : public QWidget {
    Q_OBJECT

public:
    explicit VeloxCDMainFormFalcon(QWidget* parent = nullptr);

    // Loads the window and shows it.
    void Form_Load();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Deletes the catalogue's working copy and ends the program.
    void Form_Unload();
};

} // namespace veloxcd
