#pragma once

#include <QString>
#include <QStringList>

namespace velox::simulator {

// The stand-in for the handheld maker's installer. It "installs" a package by
// copying it into the simulated handheld's C:\Install\ folder and writes one
// line per run to the handheld's installer.log: the time, the arguments it was
// given and what it did. Returns the process's exit code.
int runInstaller(const QStringList& arguments);

// The folder of the simulated handheld in the prefix.
QString handheldFolder();

} // namespace velox::simulator
