#pragma once

#include <QString>

namespace velox::platform {

// The folder that stands for the Windows installation: $VELOX_PREFIX, or
// $XDG_DATA_HOME/veloxcd, or ~/.local/share/veloxcd. Read anew at every call
// so that a test can switch prefixes. The folder is not created here.
QString prefixDirectory();

// A path inside the prefix, such as "registry.reg" or "system".
QString prefixPath(const QString& relative);

} // namespace velox::platform
