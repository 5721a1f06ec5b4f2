// The small services: modulo-10 check digit, add-on check digit, SetLen, WidthsToPattern,
// DoCheckSumming.
#include "Barcode.h"
#include "Bcchksum.h"
#include "Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(Checksum, Modulo10AppendsTheCheckDigit) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"1234567", "12345670"},
        {"123456789012", "1234567890128"},
        {"03600029145", "036000291452"}, // the UPC-A example of GS1
        {"590123412345", "5901234123457"},
        {"", "0"},
        {"0", "00"},
        {"7", "79"}, // 7 × 3 = 21: 10 − 1
    };
    for (const auto& c : cases) EXPECT_EQ(CheckSumModulo10(c.text), c.expected) << c.text;
}

TEST(Checksum, Modulo10RefusesANonDigitWithTheConversionMessage) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"12A4", "'A' is not a valid integer value"},
        {"1 ", "' ' is not a valid integer value"},
        {"-1", "'-' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        try {
            CheckSumModulo10(c.text);
            ADD_FAILURE() << c.text;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(Checksum, SupplementCheckDigitReplacesThePlaceholder) {
    EXPECT_EQ(SupplementCheckDigit("524950"), "524951");
    EXPECT_EQ(SupplementCheckDigit("120"), "121");
    EXPECT_EQ(SupplementCheckDigit("000000"), "000000");
    EXPECT_EQ(SupplementCheckDigit(""), "");
}

TEST(Checksum, DoCheckSummingFollowsTheMethodOnly) {
    TBarcodeSymbol s;
    s.SetTyp(bcCode39); // the type plays no part
    EXPECT_EQ(s.DoCheckSumming("1234567"), "12345670");
    s.CheckSumMethod = csmNone;
    EXPECT_EQ(s.DoCheckSumming("1234567"), "1234567");
    s.CheckSumMethod = static_cast<TCheckSumMethod>(7); // outside the enumeration: as csmNone
    EXPECT_EQ(s.DoCheckSumming("1234567"), "1234567");
}

TEST(Checksum, SetLenPadsButNeverShortens) {
    TBarcodeSymbol s;
    s.SetText("123");
    EXPECT_EQ(s.SetLen(13), "0000000000123");
    EXPECT_EQ(s.SetLen(3), "123");
    EXPECT_EQ(s.SetLen(0), "123");
    s.SetText("12345678901234");
    EXPECT_EQ(s.SetLen(13), "12345678901234");
    EXPECT_EQ(s.GetText(), "12345678901234"); // Text itself is not changed
}

TEST(Checksum, WidthsToPatternAlternatesBarsAndSpaces) {
    EXPECT_EQ(WidthsToPattern("2112"), "6051");
    EXPECT_EQ(WidthsToPattern(""), "");
    EXPECT_EQ(WidthsToPattern("1234"), "5173");
    EXPECT_EQ(WidthsToPattern("2331112"), "6270506");
}

} // namespace
