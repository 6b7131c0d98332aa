#pragma once

#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/runtime/ProgramEnd.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QString>
#include <exception>
#include <utility>

class QEvent;
class QObject;

namespace velox::win {

// The text a Windows program shows for a run-time error that no handler
// trapped: "Run-time error '71':", a blank line and the description.
QString untrappedErrorText(int number);

// The run-time error number an exception stands for: its own number for a
// run-time error, 7 (out of memory) for a failed allocation, 51 (internal
// error) for anything else.
int errorNumberOf(const std::exception_ptr& exception);

// Shows an error that no handler trapped, as the run-time shows it.
void showUntrapped(const std::exception_ptr& exception);

// Runs an event handler as the message loop does. An error that the handler
// leaves untrapped is shown in a message box (the program's own title) and
// the program goes on with its next event: no exception crosses the window
// system's event dispatch. The end of the program passes through.
template <class Handler> void runEvent(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const ProgramEnded&) {
        throw;
    } catch (...) {
        showUntrapped(std::current_exception());
    }
}

// Delivers one event through the application as its message loop does,
// under runEvent's rule. The program's application object sends every event
// through here.
bool deliverEvent(QObject* receiver, QEvent* event);

} // namespace velox::win
