#pragma once

namespace velox::win {

// Reading the system's font configuration (fontconfig's XML files and font
// caches) is the largest single step of start-up, and Qt takes it at the first
// text it lays out. startReadingFontConfiguration, called as the program
// starts, reads it on a thread of its own while Qt and the catalogue start;
// awaitFontConfiguration, called before the first text, waits for that reading
// to end, so that Qt finds the configuration read instead of reading it a
// second time beside the thread.
//
// Without the first call the second does nothing, and Qt reads the
// configuration itself as usual.
void startReadingFontConfiguration();
void awaitFontConfiguration();

} // namespace velox::win
