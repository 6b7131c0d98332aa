#include "platform/win/runtime/RuntimeError.h"

namespace velox::win {
namespace {

std::string message(int number, const QString& detail) {
    QString text =
        QStringLiteral("run-time error %1: %2").arg(number).arg(errorDescription(number));
    if (!detail.isEmpty()) {
        text += QStringLiteral(" (") + detail + QLatin1Char(')');
    }
    return text.toStdString();
}

} // namespace

RuntimeError::RuntimeError(int number, const QString& detail)
    : std::runtime_error(message(number, detail)), number_(number) {}

QString errorDescription(int number) {
    switch (number) {
    case err::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case err::OutOfMemory:
        return QStringLiteral("Out of memory");
    case err::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case err::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case err::InternalError:
        return QStringLiteral("Internal error");
    case err::BadFileNameOrNumber:
        return QStringLiteral("Bad file name or number");
    case err::FileNotFound:
        return QStringLiteral("File not found");
    case err::BadFileMode:
        return QStringLiteral("Bad file mode");
    case err::DeviceIoError:
        return QStringLiteral("Device I/O error");
    case err::PermissionDenied:
        return QStringLiteral("Permission denied");
    case err::DiskNotReady:
        return QStringLiteral("Disk not ready");
    case err::PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case err::PathNotFound:
        return QStringLiteral("Path not found");
    case err::ObjectVariableNotSet:
        return QStringLiteral("Object variable or With block variable not set");
    case err::InvalidUseOfNull:
        return QStringLiteral("Invalid use of Null");
    case err::CannotCreateObject:
        return QStringLiteral("ActiveX component can't create object");
    case err::MethodNotSupported:
        return QStringLiteral("Object doesn't support this property or method");
    case err::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case err::InvalidPicture:
        return QStringLiteral("Invalid picture");
    case err::PrinterError:
        return QStringLiteral("Printer error");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

void raiseError(int number, const QString& detail) {
    throw RuntimeError(number, detail);
}

} // namespace velox::win
