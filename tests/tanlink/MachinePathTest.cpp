#include "tanlink/MachinePath.h"

#include "tanlink/EngineIds.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

using namespace velox::tanlink;

namespace {

TEST(MachinePathTest, PacksPathsThatFitAndRefusesLongerOnes) {
    struct Case {
        std::string path;
        velox::com::LONG code;
        QByteArray stored;
    };
    const std::string longest(259, 'p');
    const Case cases[] = {
        {"C:\\System\\Alarms\\Bell.wve", kOk, "C:\\System\\Alarms\\Bell.wve"},
        {"", kOk, ""},
        {longest, kOk, QByteArray::fromStdString(longest)},
        {std::string(260, 'p'), kErrorPathTooLong, ""},
        {std::string(5000, 'p'), kErrorPathTooLong, ""},
        {std::string("C:\\a\0tail", 9), kOk, "C:\\a"},
    };
    for (const Case& c : cases) {
        MachinePathRecord record;
        std::memset(&record, 0x55, sizeof record);
        EXPECT_EQ(packMachinePath(kMachineHandheld, c.path, record), c.code) << c.path.size();
        EXPECT_EQ(machinePathText(record), c.stored);
        EXPECT_EQ(+record.machine, c.code == kOk ? kMachineHandheld : 0);
        // Nothing beyond the text's NUL is left from before.
        for (std::size_t i = static_cast<std::size_t>(c.stored.size()); i < kPathFieldSize; ++i) {
            ASSERT_EQ(record.path[i], '\0') << i;
        }
    }
}

TEST(MachinePathTest, ConvertsUnicodeToAnsiFirst) {
    MachinePathRecord record{};
    ASSERT_EQ(packMachinePath(kMachinePc, QStringLiteral("C:\\Caf\u00e9 \u20ac \u4e2d"), record),
              kOk);
    EXPECT_EQ(machinePathText(record), QByteArray("C:\\Caf\xE9 \x80 ?"));
    // The length that counts is the ANSI one.
    EXPECT_EQ(packMachinePath(kMachinePc, QString(259, QChar(0xE9)), record), kOk);
    EXPECT_EQ(packMachinePath(kMachinePc, QString(260, QChar(0xE9)), record), kErrorPathTooLong);
}

TEST(MachinePathTest, ReadsARecordWithoutNulWithinItsField) {
    MachinePathRecord record;
    std::memset(record.path, 'x', sizeof record.path);
    EXPECT_EQ(machinePathText(record).size(), 260);
}

} // namespace
