#include "platform/jet/JetError.h"

namespace velox::jet {

JetError::JetError(int number, const QString& message)
    : std::runtime_error(QStringLiteral("%1: %2").arg(number).arg(message).toStdString()),
      number_(number), message_(message) {}

} // namespace velox::jet
