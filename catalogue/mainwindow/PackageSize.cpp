#include "catalogue/mainwindow/PackageSize.h"

#include <cfenv>
#include <cmath>

namespace veloxcd {

QString packageSizeCaption(qint64 bytes, const QLocale& locale) {
    const double kilobytes = static_cast<double>(bytes) / 1024.0;
    // nearbyint rounds in the current mode, which is to nearest with ties to
    // even unless someone changed it; make sure of it for this one step.
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double hundredths = std::nearbyint(kilobytes * 100.0);
    std::fesetround(mode);
    QLocale shown = locale;
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    return shown.toString(hundredths / 100.0, 'f', QLocale::FloatingPointShortest) +
           QStringLiteral(" kB");
}

} // namespace veloxcd
