#pragma once

#include <QCursor>
#include <QImage>
#include <QString>

namespace veloxcd {

// The pictures stored with the windows (the program's resources), by name:
// "katWrenger", "printBtn", "Imgemail", ... A picture that is not stored gives
// an empty image.
QImage storedPicture(const QString& name);

// Gives back the memory that the pixels of a stored picture took once they
// were read (the About screen's picture, once that screen has closed): the
// program's file still holds them, and reading them again brings them back.
void releaseStoredPicture(const QString& name);

// The pointer over every clickable control: a pointing hand of 32 x 32 pixels
// with its hot spot at column 12, row 1.
QCursor handPointer();

} // namespace veloxcd
