#pragma once

// Link result codes: 0 for success, Windows error numbers otherwise. The
// catalogue program acts on the first four.

#include "platform/com/Types.h"

namespace velox::tanlink {

inline constexpr com::LONG kOk = 0;
inline constexpr com::LONG kErrorFileNotFound = 2;       // no such file or folder
inline constexpr com::LONG kErrorSharingViolation = 33;  // file in use on the handheld
inline constexpr com::LONG kErrorNotConnected = 1121;    // handheld not connected
inline constexpr com::LONG kErrorNotConnectedNet = 2250; // handheld not connected (network form)

inline constexpr com::LONG kErrorPathNotFound = 3;
inline constexpr com::LONG kErrorAccessDenied = 5;
inline constexpr com::LONG kErrorNotReady = 21; // engine not initialised / no information yet
inline constexpr com::LONG kErrorInvalidParameter = 87;
inline constexpr com::LONG kErrorInvalidName = 123;
inline constexpr com::LONG kErrorDirNotEmpty = 145;
inline constexpr com::LONG kErrorAlreadyExists = 183;
inline constexpr com::LONG kErrorFileExists = 80;
inline constexpr com::LONG kErrorPathTooLong = 206; // path does not fit the 260-character field
inline constexpr com::LONG kErrorCancelled = 1223;
inline constexpr com::LONG kErrorWriteFault = 29;
inline constexpr com::LONG kErrorNotSupported = 50;

} // namespace velox::tanlink
