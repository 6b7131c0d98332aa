#include "platform/win/runtime/EventBoundary.h"

#include "platform/win/dialogs/MessageBox.h"
#include "support/QtPrinters.h"

#include <QEvent>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

using namespace velox::win;

TEST(EventBoundary, AnUntrappedErrorIsShownAndTheProgramGoesOn) {
    ScriptedMessageBoxes boxes;
    bool stepBeforeRan = false;
    bool stepAfterRan = false;
    EXPECT_NO_THROW(runEvent([&] {
        stepBeforeRan = true;
        raiseError(err::DiskNotReady);
        stepAfterRan = true;
    }));
    EXPECT_TRUE(stepBeforeRan);
    EXPECT_FALSE(stepAfterRan);
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, "Run-time error '71':\n\nDisk not ready");
    EXPECT_FALSE(boxes.shown()[0].title.has_value());
    EXPECT_EQ(boxes.shown()[0].buttons, vbOKOnly);
}

TEST(EventBoundary, AHandlerWithoutErrorShowsNothing) {
    ScriptedMessageBoxes boxes;
    int runs = 0;
    runEvent([&] { ++runs; });
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(boxes.shown().empty());
}

namespace {

// A widget whose handling of one event type fails as a handler can.
class FailingWidget : public QWidget {
public:
    std::function<void()> failure;
    int eventsAfter = 0;

    bool event(QEvent* event) override {
        if (event->type() == QEvent::User && failure) {
            failure();
        }
        if (event->type() == QEvent::User + 1) {
            ++eventsAfter;
        }
        return QWidget::event(event);
    }
};

} // namespace

TEST(EventBoundary, NoExceptionLeavesAnEventAndThePrinterErrorSaysWhatItIs) {
    ScriptedMessageBoxes boxes;
    FailingWidget widget;
    QEvent failing(QEvent::User);
    QEvent next(static_cast<QEvent::Type>(QEvent::User + 1));

    widget.failure = [] { raiseError(err::PrinterError); };
    EXPECT_NO_THROW(deliverEvent(&widget, &failing));
    widget.failure = [] { throw std::bad_alloc(); };
    EXPECT_NO_THROW(deliverEvent(&widget, &failing));
    widget.failure = [] { throw std::out_of_range("row"); };
    EXPECT_NO_THROW(deliverEvent(&widget, &failing));
    deliverEvent(&widget, &next);

    ASSERT_EQ(boxes.shown().size(), 3U);
    EXPECT_EQ(boxes.shown()[0].text, "Run-time error '482':\n\nPrinter error");
    EXPECT_EQ(boxes.shown()[1].text, "Run-time error '7':\n\nOut of memory");
    EXPECT_EQ(boxes.shown()[2].text, "Run-time error '51':\n\nInternal error");
    EXPECT_EQ(widget.eventsAfter, 1);
}

TEST(EventBoundary, ATimerWhoseHandlerFailsKeepsTicking) {
    ScriptedMessageBoxes boxes;
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] {
        ++ticks;
        raiseError(err::DiskNotReady);
    });
    timer.start(1000);
    QTimerEvent tick(timer.timerId());
    EXPECT_NO_THROW(deliverEvent(&timer, &tick));
    EXPECT_NO_THROW(deliverEvent(&timer, &tick));
    EXPECT_EQ(ticks, 2);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(boxes.shown().size(), 2U);
}

TEST(EventBoundary, TheProgramsEndPassesThrough) {
    ScopedEndThrows ending;
    EXPECT_THROW(runEvent([] { End(); }), ProgramEnded);
}
