#pragma once

#include <QString>

namespace veloxcd {

// The picture of a screen for the family of a machine: "HauptschirmWren.gif"
// for the Wren, "HauptschirmFalcon.gif" for every other machine code, below
// cdDrive + "\Pictures\". Screens: "Hauptschirm" (main), "Audio" (alarm
// sounds), "changeVelox" (machine choice), "language" (language choice),
// "Search".
QString screenPicturePath(const char* screen, int code);

// The device photo of a machine: Wren, Falcon, Merlin or Osprey for their
// codes; the Merlin for any other code.
QString machinePhotoPath(int code);

} // namespace veloxcd
