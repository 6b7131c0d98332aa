#pragma once

namespace velox::win {

// Screen geometry in twips (1440 to the inch). A control's position is kept in
// twips and shown at the whole pixels it rounds to.

// Twips per pixel of the screen: 1440 / its logical dots per inch (15 on a
// standard screen, 12 with large fonts), unless a test has set a value.
double twipsPerPixelX();
double twipsPerPixelY();

// Sets the twips per pixel the program sees (tests); 0 goes back to the screen's.
void setTwipsPerPixel(double twipsPerPixel);

// The whole pixels a length in twips rounds to, horizontally and vertically.
int pixelsX(double twips);
int pixelsY(double twips);

} // namespace velox::win
