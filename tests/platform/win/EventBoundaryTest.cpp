#include "platform/win/EventBoundary.h"

#include "platform/win/MessageBox.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

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
