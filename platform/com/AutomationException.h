#pragma once

// What a member implementation throws to fail a late-bound call. The
// dispatch helper turns it into DISP_E_EXCEPTION with an EXCEPINFO: either
// a 16-bit error code (wCode, as MFC's dispatch exceptions carry it) or an
// SCODE, never both, and a description.

#include "platform/com/Types.h"

#include <QString>
#include <exception>

namespace velox::com {

class AutomationException : public std::exception {
public:
    // An exception carrying a 16-bit code (wCode), such as 0xFFFF.
    static AutomationException withCode(WORD code, QString description,
                                        QString source = QString()) {
        return AutomationException(code, 0, std::move(description), std::move(source));
    }
    // An exception carrying a full SCODE.
    static AutomationException withScode(SCODE scode, QString description,
                                         QString source = QString()) {
        return AutomationException(0, scode, std::move(description), std::move(source));
    }

    [[nodiscard]] WORD code() const { return code_; }
    [[nodiscard]] SCODE scode() const { return scode_; }
    [[nodiscard]] const QString& description() const { return description_; }
    [[nodiscard]] const QString& source() const { return source_; }
    [[nodiscard]] const char* what() const noexcept override { return "automation exception"; }

private:
    AutomationException(WORD code, SCODE scode, QString description, QString source)
        : code_(code), scode_(scode), description_(std::move(description)),
          source_(std::move(source)) {}

    WORD code_;
    SCODE scode_;
    QString description_;
    QString source_;
};

} // namespace velox::com
