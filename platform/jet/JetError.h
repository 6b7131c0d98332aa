#pragma once

#include <QString>
#include <stdexcept>

namespace velox::jet {

// A failure of the database layer, numbered as DAO and Jet number them
// (3024 file not found, 3031 not a valid password, 3075 syntax error in a
// query expression, ...).
class JetError : public std::runtime_error {
public:
    JetError(int number, const QString& message);

    [[nodiscard]] int number() const noexcept { return number_; }
    [[nodiscard]] QString message() const { return message_; }

private:
    int number_;
    QString message_;
};

// The numbers this layer raises.
namespace errors {
inline constexpr int FileNotFound = 3024;
inline constexpr int NotValidPassword = 3031;
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int TooFewParameters = 3061;
inline constexpr int SyntaxErrorInExpression = 3075;
inline constexpr int TableNotFound = 3078;
inline constexpr int InvalidSqlStatement = 3129;
inline constexpr int SyntaxErrorInFrom = 3131;
inline constexpr int SyntaxErrorInOrderBy = 3138;
inline constexpr int SyntaxErrorInQuery = 3142; // characters found after the end
inline constexpr int ItemNotFound = 3265;
inline constexpr int UnrecognizedFormat = 3343;
inline constexpr int ObjectClosed = 3420;
inline constexpr int TypeMismatch = 3464;
inline constexpr int CannotOpenFile = 3051;
inline constexpr int WriteFailed = 3026;
inline constexpr int TooManyFields = 3190;
inline constexpr int FieldTooSmall = 3163;
inline constexpr int ConversionError = 3421;
} // namespace errors

} // namespace velox::jet
