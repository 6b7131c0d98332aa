#include "platform/win/runtime/GuardedApplication.h"

#include "platform/win/runtime/EventBoundary.h"

namespace velox::win {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    return deliverEvent(receiver, event);
}

} // namespace velox::win
