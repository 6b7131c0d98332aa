#include "platform/com/Guid.h"

#include <gtest/gtest.h>

using namespace velox::com;

namespace {
constexpr GUID kControl = {
    0x3C476933, 0xF450, 0x11CF, {0x88, 0x5E, 0x00, 0x20, 0xAF, 0xC0, 0x4E, 0x78}};
}

TEST(Guid, FormatsWithBracesInUpperCase) {
    EXPECT_EQ(guidToString(kControl), "{3C476933-F450-11CF-885E-0020AFC04E78}");
    OLECHAR buffer[39];
    EXPECT_EQ(StringFromGUID2(kControl, buffer, 39), 39);
    EXPECT_EQ(QString::fromUtf16(buffer), "{3C476933-F450-11CF-885E-0020AFC04E78}");
    EXPECT_EQ(StringFromGUID2(kControl, buffer, 38), 0);
}

TEST(Guid, ParsesAnyCase) {
    EXPECT_EQ(guidFromString(std::string_view("{3c476933-f450-11cf-885e-0020afc04e78}")), kControl);
    EXPECT_EQ(guidFromString(QString("{3C476933-F450-11CF-885E-0020afc04e78}")), kControl);
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromString(u"{3C476933-F450-11CF-885E-0020AFC04E78}", &clsid), S_OK);
    EXPECT_EQ(clsid, kControl);
}

TEST(Guid, RejectsMalformedText) {
    for (const char* text :
         {"", "3C476933-F450-11CF-885E-0020AFC04E78", "{3C476933-F450-11CF-885E-0020AFC04E7}",
          "{3C476933-F450-11CF-885E-0020AFC04E78", "{3C476933F450-11CF-885E-0020AFC04E78-}",
          "{3C47693G-F450-11CF-885E-0020AFC04E78}", "{3C476933-F450-11CF-885E-0020AFC04E78}x"}) {
        EXPECT_FALSE(guidFromString(std::string_view(text)).has_value()) << text;
    }
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromString(u"Tandem", &clsid), CO_E_CLASSSTRING);
}
