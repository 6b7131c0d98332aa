#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/files/SequentialInput.h"
#include "platform/win/runtime/ErrorRegimes.h"
#include "platform/win/runtime/ProgramEnd.h"

#include <gtest/gtest.h>

using namespace velox::win;

TEST(SequentialInput, FieldsEndAtCommasAndLineEnds) {
    EXPECT_EQ(readInputFields("Language: 2\r\nMachine: 8\r\n", 2),
              QStringList({"Language: 2", "Machine: 8"}));
    EXPECT_EQ(readInputFields("   Language: 1, German\r\nMachine: 4\r\n", 2),
              QStringList({"Language: 1", "German"}));
    EXPECT_EQ(readInputFields("\"a, b\" ,c\n", 2), QStringList({"a, b", "c"}));
    EXPECT_EQ(readInputFields("only one line", 2), QStringList({"only one line"}));
    EXPECT_EQ(readInputFields("", 2), QStringList());
    EXPECT_EQ(readInputFields("\n\nx", 2), QStringList({"", ""}));
}

TEST(MessageBoxes, ScriptedAnswersAreGivenInOrderAndRecorded) {
    ScriptedMessageBoxes boxes;
    boxes.answerNext(vbOK);
    EXPECT_EQ(MsgBox("first", vbOKCancel, QStringLiteral("VELOX CD")), vbOK);
    // Unscripted boxes get their last button.
    EXPECT_EQ(MsgBox("second", vbOKCancel), vbCancel);
    EXPECT_EQ(MsgBox("third", vbYesNo), vbNo);
    EXPECT_EQ(MsgBox("fourth"), vbOK);
    ASSERT_EQ(boxes.shown().size(), 4U);
    EXPECT_EQ(boxes.shown()[0].title, std::optional<QString>("VELOX CD"));
    EXPECT_EQ(boxes.shown()[1].title, std::nullopt);
    EXPECT_EQ(boxes.shown()[2].buttons, vbYesNo);
    EXPECT_EQ(boxes.shown()[3].text, QString("fourth"));
}

TEST(ErrorRegimes, EachRegimeKeepsWhatWasDoneAndTreatsTheErrorItsWay) {
    int steps = 0;
    EXPECT_FALSE(trapped([&] {
        ++steps;
        raiseError(err::DiskNotReady);
        ++steps;
    }));
    EXPECT_EQ(steps, 1);

    int reported = 0;
    EXPECT_FALSE(trappedReporting([] { raiseError(err::PathNotFound); },
                                  [&](const RuntimeError& error) { reported = error.number(); }));
    EXPECT_EQ(reported, err::PathNotFound);

    EXPECT_THROW(untrapped([] { raiseError(err::FileNotFound); }), RuntimeError);
    EXPECT_TRUE(trapped([] {}));
    // Only run-time errors are trapped.
    EXPECT_THROW(trapped([] { throw std::logic_error("bug"); }), std::logic_error);
}

TEST(ProgramEnd, TestsSeeWhereTheProgramWouldEnd) {
    ScopedEndThrows ending;
    EXPECT_THROW(End(), ProgramEnded);
}
