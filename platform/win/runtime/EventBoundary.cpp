#include "platform/win/runtime/EventBoundary.h"

#include <QApplication>
#include <new>

namespace velox::win {

QString untrappedErrorText(int number) {
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(errorDescription(number));
}

int errorNumberOf(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeError& error) {
        return error.number();
    } catch (const std::bad_alloc&) {
        return err::OutOfMemory;
    } catch (...) {
        return err::InternalError;
    }
}

void showUntrapped(const std::exception_ptr& exception) {
    MsgBox(untrappedErrorText(errorNumberOf(exception)), vbOKOnly);
}

bool deliverEvent(QObject* receiver, QEvent* event) {
    bool handled = false;
    runEvent([&] { handled = qApp->QApplication::notify(receiver, event); });
    return handled;
}

} // namespace velox::win
