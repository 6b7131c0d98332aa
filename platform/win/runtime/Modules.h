#pragma once

#include <QString>
#include <QtGlobal>

namespace velox::win {

// Parts of the program that bring in large libraries (Qt Multimedia for
// sounds, Qt's printing for the printer) live in modules of their own,
// "libvelox-NAME.so", loaded the first time they are needed: a run that never
// plays a sound or prints never loads them.
//
// A module is looked for in the program's own folder, then where the build put
// it (`builtPath`). Returns the module's entry point, or null with the reasons
// in `error`. A module once loaded stays loaded for the rest of the run.
QFunctionPointer moduleEntry(const char* file, const char* builtPath, const char* symbol,
                             QString* error);

} // namespace velox::win
