#pragma once

#include "platform/win/MessageBox.h"
#include "platform/win/RuntimeError.h"

#include <QString>
#include <utility>

namespace velox::win {

// The text a Windows program shows for a run-time error that no handler
// trapped: "Run-time error '71':", a blank line and the description.
QString untrappedErrorText(int number);

// Runs an event handler as the message loop does. A run-time error that the
// handler leaves untrapped is shown in a message box (the program's own title)
// and the program goes on with its next event: the error never crosses the
// window system's event dispatch.
template <class Handler> void runEvent(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const RuntimeError& error) {
        MsgBox(untrappedErrorText(error.number()), vbOKOnly);
    }
}

} // namespace velox::win
