#include "platform/win/shell/Browser32.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace velox::win;

namespace {

struct Address {
    const char* address;
    const char* opened; // nullptr: not opened
};

class WebAddresses : public ::testing::TestWithParam<Address> {};

TEST_P(WebAddresses, OpenOnlyWebLinks) {
    RecordingLinks links;
    FindURL(QString::fromUtf8(GetParam().address));
    if (GetParam().opened == nullptr) {
        EXPECT_TRUE(links.opened().empty());
    } else {
        ASSERT_EQ(links.opened().size(), 1U);
        EXPECT_EQ(links.opened()[0].toString(), QString::fromUtf8(GetParam().opened));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, WebAddresses,
    ::testing::Values(
        Address{"www.example.com", "http://www.example.com"},
        Address{"http://www.example.com/de/", "http://www.example.com/de/"},
        Address{"HTTPS://example.com/a?b=c#d", "https://example.com/a?b=c#d"},
        Address{"ftp://ftp.example.com/pub", "ftp://ftp.example.com/pub"},
        Address{"example.com:8080/path", "http://example.com:8080/path"},
        Address{"localhost:8080", "http://localhost:8080"}, Address{"file:///etc/passwd", nullptr},
        Address{"FILE:C:/x", nullptr}, Address{"javascript:alert(1)", nullptr},
        Address{"vbscript:msgbox", nullptr}, Address{"data:text/html,<b>x</b>", nullptr},
        Address{"mailto:a@example.com", nullptr}, Address{"C:\\Windows\\notepad.exe", nullptr},
        Address{"\\\\server\\share", nullptr}, Address{"", nullptr}, Address{"http://", nullptr},
        Address{"http://exa mple.com", nullptr}, Address{"www.example.com\n", nullptr}));

class MailAddresses : public ::testing::TestWithParam<Address> {};

TEST_P(MailAddresses, MailOnlyPlainAddresses) {
    RecordingLinks links;
    SendMail(QString::fromUtf8(GetParam().address));
    if (GetParam().opened == nullptr) {
        EXPECT_TRUE(links.opened().empty());
    } else {
        ASSERT_EQ(links.opened().size(), 1U);
        EXPECT_EQ(links.opened()[0].toString(), QString::fromUtf8(GetParam().opened));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, MailAddresses,
    ::testing::Values(Address{"author@example.com", "mailto:author@example.com"},
                      Address{"first.last+tag@mail.example.de",
                              "mailto:first.last+tag@mail.example.de"},
                      Address{"jürgen@müller.example", nullptr},
                      Address{"info@müller.example", "mailto:info@müller.example"},
                      Address{"a@example.com?subject=x", nullptr},
                      Address{"a@example.com?attach=/etc/passwd", nullptr},
                      Address{"mailto:a@example.com", nullptr},
                      Address{"file:a@example.com", nullptr}, Address{"a@b@example.com", nullptr},
                      Address{"a b@example.com", nullptr}, Address{"author", nullptr},
                      Address{"@example.com", nullptr}, Address{"a@", nullptr},
                      Address{"a@example..com", nullptr}, Address{"", nullptr}));

TEST(Browser32, FailuresStaySilent) {
    RecordingLinks links;
    links.failFromNowOn();
    EXPECT_NO_THROW(FindURL("www.example.com"));
    EXPECT_NO_THROW(SendMail("a@example.com"));
    EXPECT_EQ(links.opened().size(), 2U);
}

} // namespace
