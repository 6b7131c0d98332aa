#pragma once

#include <QString>

namespace veloxcd {

// The target machines by the codes the settings file stores. The catalogue's
// `machines` column holds the codes of the models a program runs on as bits.
enum MachineCode : qint16 {
    machineWren = 1,
    machineFalcon = 2,
    machineMerlin = 4,
    machineOsprey = 8
};

// The interface languages by the codes the settings file stores.
enum LanguageCode : qint16 { languageEnglish = 1, languageGerman = 2 };

// The program-wide state that start-up sets up and every handler reads.

inline QString systemDir;      // Windows system folder, no trailing separator
inline QString cdDrive;        // "D:", or empty on a machine without an optical drive
inline qint16 machine = 0;     // machineWren ... machineOsprey, 0 before start-up
inline qint16 language = 0;    // languageEnglish or languageGerman, 0 before start-up
inline double fontScale = 1.0; // 15 / twips per pixel
inline QString programFolder;  // selected program's folder on the CD, "\...\"
inline QString packageFile;    // its package file, or empty
inline QString authorMail;     // its author's mail address, or empty
inline QString authorHomepage; // its author's home page, or empty
inline QString aboutKeys;      // letters typed on the About screen this run

// Puts every program-wide value (the interface texts and the catalogue handles
// included) back to what it is before start-up.
void resetProgramState();

} // namespace veloxcd
