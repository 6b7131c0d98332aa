#pragma once

#include <QImage>

namespace velox::democd {

// The instruction picture of the prompt Connect_Velox: put the handheld in its
// cradle and connect the cradle's cable to the PC. 400 x 200 pixels.
QImage drawConnectPicture();

// The instruction picture of the prompt Close_Recorder: close the Recorder
// application on the handheld. 400 x 200 pixels.
QImage drawCloseRecorderPicture();

} // namespace velox::democd
