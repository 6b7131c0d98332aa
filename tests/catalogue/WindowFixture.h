#pragma once

#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/dialogs/ModalForms.h"
#include "platform/win/runtime/ProgramEnd.h"
#include "support/ScopedPrefix.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace velox::test {

// The name a test picture was drawn with (empty for no picture).
QString pictureName(const QImage& picture);

// A main window on a CD folder made in the test: drive D: holds every picture
// the window reads, each a small picture that carries its own file name. The
// About screen closes at once unless a test scripts it, message boxes are
// recorded, and the program's end throws.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the window with the given twips per pixel (and machine and
    // language), and loads it.
    void load(double twipsPerPixel = 15);
    // Makes the window without loading it.
    void create(double twipsPerPixel = 15);

    void removeCd() const;
    void insertCd() const;
    [[nodiscard]] QString settingsFile() const;
    // The name of the picture in a control.
    [[nodiscard]] QString shownPicture(const velox::win::ImageBox* image) const;

    ScopedPrefix prefix;
    QTemporaryDir programDir;
    QTemporaryDir cd;
    velox::win::ScopedEndThrows ending;
    velox::win::ScriptedModalForms forms;
    velox::win::ScriptedMessageBoxes boxes;
    std::unique_ptr<veloxcd::VeloxCDMainFormFalcon> window;
};

} // namespace velox::test
