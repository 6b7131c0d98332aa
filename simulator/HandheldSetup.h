#pragma once

// Setting up the simulated handheld for tests and the demo: its folder in
// the prefix ("handheld/", with C/ and D/ and the state file) and the
// switches a person would work on the device: plug it in, open a file in an
// application.

#include "simulator/HandheldState.h"

#include <QString>

namespace velox::simulator {

// "$VELOX_PREFIX/handheld".
QString defaultHandheldRoot();

// Creates the handheld folder with its drives (C:\System\Alarms included)
// and writes `state`. Files already on the handheld stay.
bool setUpHandheld(const HandheldState& state, const QString& root = defaultHandheldRoot(),
                   QString* error = nullptr);

// Plugs the handheld in or pulls it out.
bool setHandheldConnected(bool connected, const QString& root = defaultHandheldRoot());

// Lets `application` hold the handheld file open, or let it go.
bool holdFileOpen(const QString& application, const QString& handheldPath,
                  const QString& root = defaultHandheldRoot());
bool releaseFile(const QString& handheldPath, const QString& root = defaultHandheldRoot());

// The host path of a handheld path ("C:\System\Alarms\Alarm.wve"), names
// matched without regard to case; empty for a path that is not on the
// handheld's drives.
QString handheldHostPath(const QString& handheldPath, const QString& root = defaultHandheldRoot());

} // namespace velox::simulator
