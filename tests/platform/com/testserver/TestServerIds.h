#pragma once

// The ids of the test server module. The module is built twice: as
// velox_test_server (server A) and velox_test_server_b (server B, other ids),
// so that two registrations can run at once.

#include "platform/com/Guid.h"

namespace velox::test {

using velox::com::GUID;

inline constexpr GUID kTestLibA = {0x5A3E2000, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0xA1}};
inline constexpr GUID kTestObjectA = {0x5A3E2001, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0xA1}};
inline constexpr GUID kTestLibB = {0x5A3E2000, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0xB2}};
inline constexpr GUID kTestObjectB = {0x5A3E2001, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0xB2}};
inline constexpr GUID kITestObject = {0x5A3E2002, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0xC3}};
inline constexpr GUID kTestEvents = {0x5A3E2003, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0xC3}};

inline constexpr const char* kProgIdA = "Velox.TestObject.1";
inline constexpr const char* kProgIdB = "Velox.TestObjectB.1";

// Members of ITestObject.
enum TestDispid : int {
    kEcho = 1,        // Echo(Short I2, Long I4, Flag BOOL, Text BSTR, When DATE) -> BSTR
    kOutputs = 2,     // Outputs(I2*, I4*, BOOL*, BSTR*, DATE*)
    kName = 3,        // Name: BSTR property
    kChild = 4,       // Child() -> IDispatch
    kRaise = 5,       // Raise(Description BSTR): automation exception 0xFFFF
    kFireTick = 6,    // FireTick(Percent I2) -> BOOL: fires Tick, returns the sinks' Cancel
    kHolds = 7,       // Holds(Object IDispatch, Unknown IUnknown) -> I4
    kSum = 8,         // Sum(A, B, C, D, E: I4) -> I4
    kSendMessage = 9, // SendMessage(Text BSTR): fires Message
};

// Events of TestEvents.
enum TestEventDispid : int {
    kTick = 1,    // Tick(Percent I2, Cancel BOOL*)
    kMessage = 2, // Message(Text BSTR)
};

} // namespace velox::test
