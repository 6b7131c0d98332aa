#pragma once

#include <QApplication>

namespace velox::win {

// The program's application object. Every event it delivers goes through
// deliverEvent, so that an error a handler (a click, a timer, a queued call)
// leaves untrapped is shown and the program goes on, instead of crossing the
// window system's dispatch and ending the program.
class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace velox::win
