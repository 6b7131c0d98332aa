#include "platform/win/EventBoundary.h"

namespace velox::win {

QString untrappedErrorText(int number) {
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(errorDescription(number));
}

} // namespace velox::win
