// Conversions with their messages, ANSI upper-casing and the LOGFONTA mapping.
#include "AnsiCase.h"
#include "Convert.h"
#include "Exceptions.h"
#include "LogFont.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Convert, Integers) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},           {"-17", -17},        {"+5", 5},           {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN}, {"2147483648", {}}, {"99999999999999999999", {}},
        {"", {}},           {" 1", {}},          {"1 ", {}},          {"1.0", {}},
        {"abc", {}},        {"-", {}},           {"1e3", {}},         {"0x10", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(TryStrToInt(c.text), c.value) << "'" << c.text << "'";
    try {
        StrToInt("12a");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'12a' is not a valid integer value");
    }
}

TEST(Convert, Reals) {
    struct Case {
        const char* text;
        char separator;
        std::optional<double> value;
    } cases[] = {
        {"297", '.', 297},       {"12.5", '.', 12.5},    {" 12.5 ", '.', 12.5},
        {"-0.25", '.', -0.25},   {".5", '.', 0.5},       {"5.", '.', 5},
        {"1e3", '.', 1000},      {"2.5E-1", '.', 0.25},  {"12,5", ',', 12.5},
        {"12,5", '.', {}},       {"12.5", ',', {}},      {"1e400", '.', {}},
        {"", '.', {}},           {"   ", '.', {}},       {"6x", '.', {}},
        {"1.2.3", '.', {}},      {"e5", '.', {}},        {"1e", '.', {}},
        {"nan", '.', {}},        {"inf", '.', {}},       {"--1", '.', {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TryStrToFloat(c.text, c.separator), c.value) << "'" << c.text << "'";
    try {
        StrToFloat("6x", '.');
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'6x' is not a valid floating point value");
    }
}

TEST(Convert, RealsToText) {
    struct Case {
        double value;
        char separator;
        const char* text;
    } cases[] = {
        {297, '.', "297"},          {12.5, '.', "12.5"},      {148.5, '.', "148.5"},
        {9.84 * 25.4, '.', "249.936"}, {6.92 * 25.4, '.', "175.768"}, {0.1 + 0.2, '.', "0.3"},
        {-3.25, ',', "-3,25"},      {1e20, '.', "1E20"},      {1e-5, '.', "1E-5"},
        {123456789012345.0, '.', "123456789012345"}, {0, '.', "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value, c.separator), c.text) << c.value;
}

TEST(AnsiCase, UpperCasesWhatTheCodePageHas) {
    EXPECT_EQ(AnsiUpperCase("abc-09"), "ABC-09");
    EXPECT_EQ(AnsiUpperCase("\xe9\xe0\xfe"), "\xc9\xc0\xde"); // é à þ
    EXPECT_EQ(AnsiUpperCase("\x9a\x9c\x9e\xff"), "\x8a\x8c\x8e\x9f"); // š œ ž ÿ
    EXPECT_EQ(AnsiUpperCase("\xdf\xb5\xf7"), "\xdf\xb5\xf7"); // ß µ ÷ stay
}

TEST(LogFont, RoundTripsThroughSixtyBytes) {
    const TFont fonts[] = {
        TFont("Arial", -11, 0, ANSI_CHARSET, clWindowText),
        TFont("Arial", -12, fsBold | fsItalic, ANSI_CHARSET, clWindowText),
        TFont("Courier New", 20, fsUnderline | fsStrikeOut, 238, clWindowText),
        TFont("", 0, 0, DEFAULT_CHARSET, clWindowText),
    };
    for (const TFont& f : fonts) {
        const LogFontBytes bytes = LogFontToBytes(FontToLogFont(f));
        EXPECT_EQ(LogFontToFont(LogFontFromBytes(bytes), TFont()), f) << f.Name;
    }
    // The layout of the Windows record: height, weight 700 for bold, italic, charset, face.
    const LogFontBytes b = LogFontToBytes(FontToLogFont(fonts[1]));
    std::int32_t height, weight;
    std::memcpy(&height, &b[0], 4);
    std::memcpy(&weight, &b[16], 4);
    EXPECT_EQ(height, -12);
    EXPECT_EQ(weight, 700);
    EXPECT_EQ(b[20], 1);
    EXPECT_EQ(b[23], ANSI_CHARSET);
    EXPECT_STREQ(reinterpret_cast<const char*>(&b[28]), "Arial");
}

TEST(LogFont, DamagedRecordsMapSafely) {
    LOGFONTA lf;
    std::memset(lf.lfFaceName, 'Z', sizeof lf.lfFaceName); // no terminating NUL
    lf.lfWeight = 650;                                      // below bold
    const TFont f = LogFontToFont(lf, TFont("x", -1, 0, 0, clRed));
    EXPECT_EQ(f.Name, std::string(32, 'Z'));
    EXPECT_FALSE(f.Has(fsBold));
    EXPECT_EQ(f.Color, clRed); // what the record cannot hold comes from the control
    // A face name longer than 31 characters is cut so that it stays terminated.
    const LOGFONTA back = FontToLogFont(TFont(std::string(40, 'n'), -11));
    EXPECT_EQ(std::strlen(back.lfFaceName), 31u);
}

} // namespace
