#include "platform/com/Bstr.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace velox::com;

TEST(Bstr, CarriesItsLengthAndATerminator) {
    BSTR s = SysAllocString(u"Wren");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(SysStringLen(s), 4u);
    EXPECT_EQ(SysStringByteLen(s), 8u);
    std::uint32_t prefix = 0;
    std::memcpy(&prefix, reinterpret_cast<char*>(s) - 4, 4);
    EXPECT_EQ(prefix, 8u);
    EXPECT_EQ(s[4], u'\0');
    SysFreeString(s);
}

TEST(Bstr, MayHoldEmbeddedNuls) {
    const OLECHAR text[] = {u'C', u'\0', u'D'};
    BSTR s = SysAllocStringLen(text, 3);
    EXPECT_EQ(SysStringLen(s), 3u);
    EXPECT_EQ(qStringFromBstr(s), QString::fromUtf16(text, 3));
    SysFreeString(s);
}

TEST(Bstr, NullIsTheEmptyString) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_TRUE(qStringFromBstr(nullptr).isEmpty());
    SysFreeString(nullptr);
    BSTR zeroed = SysAllocStringLen(nullptr, 2);
    EXPECT_EQ(SysStringLen(zeroed), 2u);
    EXPECT_EQ(zeroed[0], u'\0');
    SysFreeString(zeroed);
}

TEST(Bstr, ConvertsQtTextBothWays) {
    const QString text = QString::fromUtf8("Grüße €");
    BSTR s = bstrFromQString(text);
    EXPECT_EQ(qStringFromBstr(s), text);
    EXPECT_TRUE(SysReAllocString(&s, u"x") != FALSE);
    EXPECT_EQ(qStringFromBstr(s), "x");
    SysFreeString(s);
    BSTR odd = SysAllocStringByteLen("abc", 3);
    EXPECT_EQ(SysStringByteLen(odd), 3u);
    EXPECT_EQ(SysStringLen(odd), 1u);
    SysFreeString(odd);
}
