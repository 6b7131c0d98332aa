#pragma once

#include <QString>
#include <stdexcept>

namespace velox::win {

// The numbered run-time errors the program's handlers tell apart.
namespace err {
constexpr int InvalidProcedureCall = 5;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int InternalError = 51;
constexpr int BadFileNameOrNumber = 52;
constexpr int FileNotFound = 53;
constexpr int BadFileMode = 54;
constexpr int DeviceIoError = 57;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccessError = 75;
constexpr int PathNotFound = 76;
constexpr int ObjectVariableNotSet = 91;
constexpr int InvalidUseOfNull = 94;
constexpr int InvalidPropertyValue = 380;
constexpr int CannotCreateObject = 429;
constexpr int MethodNotSupported = 438;
constexpr int InvalidPicture = 481;
constexpr int PrinterError = 482;
} // namespace err

// A run-time error: its number is what handlers look at; the description is
// for people reading logs.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number, const QString& detail = {});

    [[nodiscard]] int number() const noexcept { return number_; }

private:
    int number_;
};

// The standard description of a run-time error number.
QString errorDescription(int number);

[[noreturn]] void raiseError(int number, const QString& detail = {});

} // namespace velox::win
