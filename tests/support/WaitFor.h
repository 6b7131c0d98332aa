#pragma once

// Waiting for what another thread does, in a GoogleTest test. Qt's QTRY_
// macros report to QTestLib, which a GoogleTest run never hears: a condition
// that is never met would end the test early and let it pass.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace velox::test {

// Delivers events until `condition` holds or `timeoutMs` has passed; whether it
// holds. Use it in an assertion: ASSERT_TRUE(waitFor([&] { return ...; }, ms)).
template <class Condition> bool waitFor(Condition&& condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

} // namespace velox::test
