// Code 39, Code 93, their full ASCII forms and Codabar.
#include "Barcode.h"
#include "Exceptions.h"
#include "PatternHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(Code39, WorkedExamples) {
    struct Case {
        const char* where;
        TBarcodeType type;
        const char* text;
        bool checksum;
        const char* pattern;
    } cases[] = {
        {"'AB' without check", bcCode39, "AB", false,
         "515060605" "0" "605051506" "0" "506051506" "0" "515060605"},
        {"'AB' with check (10 + 11) mod 43 = 21: 'L'", bcCode39, "AB", true,
         "515060605" "0" "605051506" "0" "506051506" "0" "506050516" "0" "515060605"},
        {"lower-case letters are skipped", bcCode39, "ab", false, "5150606050515060605"},
        {"empty", bcCode39, "", false, "5150606050515060605"},
        {"empty with check: '0'", bcCode39, "", true,
         "515060605" "0" "505160605" "0" "515060605"},
    };
    for (const auto& c : cases) EXPECT_EQ(Encode(c.type, c.text, c.checksum), c.pattern) << c.where;
}

TEST(Code39, ModuleStringsMatchThePublishedTable) {
    // Narrow 1 module, wide 2 at Ratio 2; '*' is bwbbwbwbb... in the standard's notation.
    EXPECT_EQ(Modules(Encode(bcCode39, "")), "100101101101" "0" "100101101101");
    // '0' = 101001101101 after the start and its gap.
    EXPECT_EQ(Modules(Encode(bcCode39, "0")).substr(13, 12), "101001101101");
}

TEST(Code39, FullAsciiWritesTwoCharacterSequences) {
    struct Case {
        const char* text;
        const char* written;
    } cases[] = {
        {"a1", "+A1"}, {"-.", "/M/N"}, {"\x00x", "%U+X"}, {"\x7f", "%T"}, {"@`", "%V%W"},
        {"\xe9Z", "Z"}, // codes 128 to 255 are dropped
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(bcCode39Extended);
        const std::string text = c.text[0] == 0 ? std::string("\0x", 2) : c.text;
        s.SetText(text);
        s.SetCheckSum(true);
        EXPECT_EQ(s.MakeData(), Encode(bcCode39, c.written, true)) << c.written;
        EXPECT_EQ(s.GetText(), text); // restored
    }
}

struct Code93Probe : TBarcodeSymbol {
    // The check characters are the two symbol characters before the stop.
    static std::pair<std::string, std::string> CheckCharacters(const std::string& text) {
        const std::string p = Encode(bcCode93, text);
        const std::string checks = p.substr(p.size() - 7 - 12, 12);
        return {checks.substr(0, 6), checks.substr(6)};
    }
};

TEST(Code93, CheckCharacters) {
    struct Case {
        const char* text;
        const char* c; // the character whose pattern C has
        const char* k;
    } cases[] = {
        {"TEST93", "+", "6"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "0", "0"}, // the K weights wrap after 15
        {"", "0", "0"},
    };
    for (const auto& c : cases) {
        const auto [cPattern, kPattern] = Code93Probe::CheckCharacters(c.text);
        const std::string single = Encode(bcCode93, c.c);
        const std::string single2 = Encode(bcCode93, c.k);
        EXPECT_EQ(cPattern, single.substr(6, 6)) << c.text;
        EXPECT_EQ(kPattern, single2.substr(6, 6)) << c.text;
    }
}

TEST(Code93, PatternShapeAndStartStop) {
    const std::string p = Encode(bcCode93, "A");
    EXPECT_EQ(p.substr(0, 6), WidthsToPattern("111141"));
    EXPECT_EQ(p.substr(p.size() - 7), WidthsToPattern("1111411"));
    EXPECT_EQ(Modules(p).size(), 9u * 4 + 10); // start, A, C, K, stop with its bar
    EXPECT_EQ(Modules(Encode(bcCode93, "A")).substr(9, 9), "110101000"); // 'A' per the standard
}

TEST(Code93, CharactersOutsideTheTableAreRefused) {
    for (const char* text : {"abc", "A;B", "\xe9"}) {
        TBarcodeSymbol s;
        s.SetTyp(bcCode93);
        s.SetText(text);
        try {
            s.MakeData();
            ADD_FAILURE() << text;
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), std::string("TBarcodeSymbol:Code93 bad Data <") + text + ">");
        }
    }
    EXPECT_NO_THROW(Encode(bcCode93, "[")); // the shift ($), value 43
}

TEST(Code93, FullAsciiUsesTheShiftCharacters) {
    struct Case {
        const char* text;
        const char* written;
    } cases[] = {{"a", "}A"}, {"!", "{A"}, {"-.", "{M{N"}, {"\x01", "[A"}, {"\xff" "A", "A"}};
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(bcCode93Extended);
        s.SetText(c.text);
        EXPECT_EQ(s.MakeData(), Encode(bcCode93, c.written)) << c.written;
        EXPECT_EQ(s.GetText(), c.text);
    }
    TBarcodeSymbol nul;
    nul.SetTyp(bcCode93Extended);
    nul.SetText(std::string(1, '\0'));
    EXPECT_EQ(nul.MakeData(), Encode(bcCode93, "]U"));
}

TEST(Codabar, WorkedExamples) {
    EXPECT_EQ(Encode(bcCodeCodabar, "123"),
              "5061515" "0" "5050615" "0" "5051506" "0" "6150505" "0" "5151506");
    EXPECT_EQ(Encode(bcCodeCodabar, ""), "5061515" "0" "5151506");
    // 'A' to 'D' inside the text are encoded like the others; Checksum plays no part.
    EXPECT_EQ(Encode(bcCodeCodabar, "D", true), "5061515" "0" "5051615" "0" "5151506");
    // Modules of '0' per the standard: 101010011.
    EXPECT_EQ(Modules(Encode(bcCodeCodabar, "0")).substr(11, 9), "101010011");
}

TEST(Codabar, CharactersOutsideTheTableAreRefused) {
    TBarcodeSymbol s;
    s.SetTyp(bcCodeCodabar);
    s.SetText("12E4");
    try {
        s.MakeData();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "TBarcodeSymbol:Codabar bad Data <12E4>");
    }
}

} // namespace
