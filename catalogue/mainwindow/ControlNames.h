#pragma once

#include <QString>

namespace veloxcd {

// Controls whose name contains "Dialog" or "RTF" (case matters) keep their
// font and their place when the window adapts to the screen's pixel density.
inline bool keepsFontAndPlace(const QString& name) {
    return name.contains(QLatin1String("Dialog")) || name.contains(QLatin1String("RTF"));
}

} // namespace veloxcd
