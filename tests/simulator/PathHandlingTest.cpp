// Handheld paths, parsing and wildcards.

#include "HandheldTestSupport.h"
#include "platform/com/Ansi.h"
#include "simulator/Location.h"
#include "simulator/PathParsing.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineIds.h"
#include "tanlink/MachinePath.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace velox;
using namespace velox::simulator;
using namespace velox::tanlink;

namespace {

TEST(LocationTest, MatchesHandheldNamesWithoutRegardToCase) {
    test::HandheldPrefix prefix;
    const QString host = prefix.putOnHandheld("C:\\System\\Alarms\\Bell.wve", "b");
    Location location;
    ASSERT_EQ(resolveLocation(prefix.handheld(), {kMachineHandheld, "c:/SYSTEM\\alarms\\BELL.WVE"},
                              &location),
              kOk);
    EXPECT_EQ(location.host, host);
    EXPECT_EQ(location.windows, "C:\\System\\Alarms\\Bell.wve");
    EXPECT_EQ(location.drive, QChar('C'));

    ASSERT_EQ(
        resolveLocation(prefix.handheld(), {kMachineHandheld, "C:\\System\\New.wve"}, &location),
        kOk);
    EXPECT_EQ(location.host, QDir(prefix.handheld()).filePath("C/System/New.wve"));

    ASSERT_EQ(resolveLocation(prefix.handheld(), {kMachineHandheld, "D:"}, &location), kOk);
    EXPECT_TRUE(location.isRoot);
    EXPECT_EQ(location.windows, "D:\\");

    struct Refused {
        PathArgument argument;
        LONG code;
    };
    for (const Refused& r : {Refused{{kMachineHandheld, "C:\\..\\..\\etc"}, kErrorInvalidName},
                             Refused{{kMachineHandheld, "C:\\System\\:\\etc"}, kErrorInvalidName},
                             Refused{{kMachineHandheld, "\\System"}, kErrorInvalidName},
                             Refused{{kMachineHandheld, ""}, kErrorInvalidName},
                             Refused{{kMachineHandheld, "Q:\\x"}, kErrorPathNotFound},
                             Refused{{kMachinePc, ""}, kErrorInvalidName},
                             Refused{{0, "C:\\x"}, kErrorInvalidParameter}}) {
        EXPECT_EQ(resolveLocation(prefix.handheld(), r.argument, &location), r.code)
            << r.argument.path.constData();
    }
}

TEST(PathParsingTest, MatchesWildcards) {
    struct Case {
        const char* name;
        const char* wildcard;
        bool ignoreCase;
        bool matches;
    };
    const Case cases[] = {
        {"Alarm.wve", "*.wve", false, true},
        {"Alarm.WVE", "*.wve", false, false},
        {"Alarm.WVE", "*.wve", true, true},
        {"Alarm", "*.*", false, true},
        {"Alarm.wve", "A?arm.*", false, true},
        {"Alarm.wve", "A?arm", false, false},
        {"abcabcx", "*abc*x", false, true},
        {"", "*", false, true},
        {"a", "", false, false},
        {"report.txt.bak", "*.txt", false, false},
        {"\xC4rger.txt", "\xE4*", true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matchWildcard(com::unicodeFromAnsi(c.name), com::unicodeFromAnsi(c.wildcard),
                                c.ignoreCase),
                  c.matches)
            << c.name << " / " << c.wildcard;
    }
}

// The engines' calls take ANSI texts and answer 87 for a null pointer.
TEST(WildcardTest, TheEngineCallTakesAnsiTextsAndRefusesNulls) {
    com::BOOL result = com::TRUE;
    EXPECT_EQ(matchWildcardCall("ALARM.WVE", "*.wve", com::TRUE, &result), tanlink::kOk);
    EXPECT_EQ(result, com::TRUE);
    EXPECT_EQ(matchWildcardCall("ALARM.WVE", "*.wve", com::FALSE, &result), tanlink::kOk);
    EXPECT_EQ(result, com::FALSE);
    result = com::TRUE;
    EXPECT_EQ(matchWildcardCall(nullptr, "*", com::TRUE, &result), tanlink::kErrorInvalidParameter);
    EXPECT_EQ(result, com::FALSE);
    EXPECT_EQ(matchWildcardCall("a", "*", com::TRUE, nullptr), tanlink::kErrorInvalidParameter);
    EXPECT_EQ(parsePath("C:\\a.txt", nullptr, nullptr, nullptr), tanlink::kErrorInvalidParameter);
}

TEST(PathParsingTest, ParsesPathsInParts) {
    struct Case {
        const char* parts[3];
        const char* path;
        com::SHORT drive, directory, file, extension, wildcard;
    };
    const Case cases[] = {
        {{"C:", "\\System\\Alarms\\", "Bell.wve"}, "C:\\System\\Alarms\\Bell.wve", 2, 15, 4, 4, 0},
        {{"C:", "System", "*.wve"}, "C:System\\*.wve", 2, 7, 1, 4, 1},
        {{nullptr, "\\Docs", "read.me.txt"}, "\\Docs\\read.me.txt", 0, 6, 7, 4, 0},
        {{"D:\\", nullptr, nullptr}, "D:\\", 2, 1, 0, 0, 0},
        {{"name", nullptr, ""}, "name", 0, 0, 4, 0, 0},
    };
    for (const Case& c : cases) {
        ParseRecord parsed{};
        ASSERT_EQ(parsePath(c.parts[0], c.parts[1], c.parts[2], &parsed), kOk) << c.path;
        EXPECT_EQ(parsedPathText(parsed), c.path);
        EXPECT_EQ(+parsed.driveLength, c.drive) << c.path;
        EXPECT_EQ(+parsed.directoryLength, c.directory) << c.path;
        EXPECT_EQ(+parsed.fileLength, c.file) << c.path;
        EXPECT_EQ(+parsed.extensionLength, c.extension) << c.path;
        EXPECT_EQ(+parsed.wildcard, c.wildcard) << c.path;
    }
    ParseRecord parsed{};
    EXPECT_EQ(parsePath(nullptr, nullptr, nullptr, &parsed), kErrorInvalidParameter);
    const std::string longName(255, 'n');
    EXPECT_EQ(parsePath("C:", "\\Folder", longName.c_str(), &parsed), kErrorPathTooLong);
    EXPECT_EQ(parsedPathText(parsed), "");
}

} // namespace
