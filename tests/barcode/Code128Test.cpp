// Code 128 and EAN-128: worked examples from the symbol values and their weighted check.
#include "Barcode.h"
#include "Exceptions.h"
#include "PatternHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(Code128, WorkedExamples) {
    struct Case {
        const char* where;
        TBarcodeType type;
        const char* text;
        bool checksum;
        const char* widths; // start, [FNC1], data, check, stop as width digits
        const char* textAfter;
    } cases[] = {
        {"B 'A': 104, 33, check 34", bcCode128B, "A", false,
         "211214" "111323" "131123" "2331112", "A"},
        {"B empty: check 104 mod 103 = 1", bcCode128B, "", false, "211214" "222122" "2331112", ""},
        {"C '123' gains a zero: 01 23, check 49", bcCode128C, "123", false,
         "211232" "222122" "312131" "211331" "2331112", "0123"},
        {"EAN128C 12345678: sum 947, check 20", bcCodeEAN128C, "12345678", false,
         "211232" "411131" "112232" "131123" "331121" "241112" "221231" "2331112", "12345678"},
        {"B 'Ab1': 33, 66, 17, check 11", bcCode128B, "Ab1", false,
         "211214" "111323" "121421" "123221" "231212" "2331112", "Ab1"},
        {"A 'a' is not in set A: space, check 0", bcCode128A, "a", false,
         "211412" "212222" "212222" "2331112", "a"},
        {"EAN128A 'a': space after FNC1, check (103+102+0) mod 103 = 102", bcCodeEAN128A, "a",
         false, "211412" "411131" "212222" "411131" "2331112", "a"},
        {"comma is value 12 in set B", bcCode128B, ",", false,
         "211214" "112232" "122132" "2331112", ","},
        {"comma is value 12 in set A", bcCode128A, ",", false,
         "211412" "112232" "112232" "2331112", ","}, // (103 + 12) mod 103 = 12
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(c.type);
        s.SetText(c.text);
        s.SetCheckSum(c.checksum);
        EXPECT_EQ(s.MakeData(), WidthsToPattern(c.widths)) << c.where;
        EXPECT_EQ(s.GetText(), c.textAfter) << c.where;
    }
    // The first example written out in pattern characters.
    EXPECT_EQ(Encode(bcCode128B, "A"), "6051535052625250626270506");
    EXPECT_EQ(Encode(bcCode128B, ""), "6051536160616270506");
    EXPECT_EQ(Encode(bcCode128C, "123"), "6051716160617060706052706270506");
}

TEST(Code128, CharactersOutsideTheSetAreSpaces) {
    // Characters above 126, control characters and DEL never fail; they encode as value 0.
    for (const char* text : {"\x7f", "\x01", "\xe9", "\n"})
        EXPECT_EQ(Encode(bcCode128B, text), Encode(bcCode128B, " ")) << int(text[0]);
    for (const char* text : {"`", "{", "~", "z"})
        EXPECT_EQ(Encode(bcCode128A, text), Encode(bcCode128A, " ")) << text;
}

TEST(Code128, FindFunctionsReturnTheSmallestValue) {
    EXPECT_EQ(FindCode128Char(' ', TCode128Set::A), 0);
    EXPECT_EQ(FindCode128Char('_', TCode128Set::A), 63);
    EXPECT_EQ(FindCode128Char('a', TCode128Set::A), -1);
    EXPECT_EQ(FindCode128Char('~', TCode128Set::B), 94);
    EXPECT_EQ(FindCode128Char('\x7f', TCode128Set::B), -1);
    EXPECT_EQ(FindCode128Char('\0', TCode128Set::A), -1); // no control characters in set A
    EXPECT_EQ(FindCode128Pair("00"), 0);
    EXPECT_EQ(FindCode128Pair("99"), 99);
    EXPECT_EQ(FindCode128Pair("9"), -1);
    EXPECT_EQ(FindCode128Pair("ab"), -1);
}

TEST(Code128, EvenCodeSetCTextIsKeptAndRerunsAreStable) {
    TBarcodeSymbol s;
    s.SetTyp(bcCode128C);
    s.SetText("1234");
    s.MakeData();
    EXPECT_EQ(s.GetText(), "1234");
    s.SetText("12345");
    const std::string first = s.MakeData();
    EXPECT_EQ(s.GetText(), "012345");
    EXPECT_EQ(s.MakeData(), first);
    EXPECT_EQ(s.GetText(), "012345");
}

TEST(Code128, Ean128CheckDigitIsEncodedOnceAndNotStored) {
    struct Case {
        TBarcodeType type;
        const char* text;
        const char* encodedAs; // the same symbol without Checksum
        const char* textAfter;
    } cases[] = {
        {bcCodeEAN128B, "1234567", "12345670", "1234567"},
        {bcCodeEAN128C, "123", "1236", "123"},     // 4 digits with the check: no padding
        {bcCodeEAN128C, "12", "0123", "012"},      // 3 digits: the zero goes before the data
        {bcCodeEAN128A, "", "0", ""},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(c.type);
        s.SetText(c.text);
        s.SetCheckSum(true);
        const std::string first = s.MakeData();
        EXPECT_EQ(first, Encode(c.type, c.encodedAs)) << c.text;
        EXPECT_EQ(s.GetText(), c.textAfter) << c.text;
        EXPECT_EQ(s.MakeData(), first) << "a second run changes the symbol: " << c.text;
        EXPECT_EQ(s.GetText(), c.textAfter) << c.text;
    }
}

TEST(Code128, Ean128CheckDigitOfANonDigitIsAConversionError) {
    TBarcodeSymbol s;
    s.SetTyp(bcCodeEAN128B);
    s.SetText("AB1");
    s.SetCheckSum(true);
    try {
        s.MakeData();
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'B' is not a valid integer value"); // counted from the right
    }
    EXPECT_EQ(s.GetText(), "AB1");
}

TEST(Code128, PatternShape) {
    // Every pattern starts with a bar and ends with the stop's last bar; 6 characters for each
    // symbol character before the stop and 7 for the stop.
    struct Case {
        TBarcodeType type;
        const char* text;
        int symbolCharacters; // start, FNC1, data, check
    } cases[] = {
        {bcCode128B, "VORDA-0001", 12}, {bcCodeEAN128B, "VORDA-0001", 13},
        {bcCode128C, "12345", 5},       {bcCodeEAN128C, "", 3},
        {bcCode128A, "HELLO", 7},
    };
    for (const auto& c : cases) {
        const std::string p = Encode(c.type, c.text);
        EXPECT_EQ(p.size(), 6u * c.symbolCharacters + 7) << c.text;
        EXPECT_GE(p.front(), '5');
        EXPECT_EQ(p.substr(p.size() - 7), "6270506");
        EXPECT_EQ(Modules(p).size(), 11u * c.symbolCharacters + 13) << c.text;
    }
}

TEST(Code128, CalledForAnotherTypeIsAnError) {
    // Only reachable through a subclass: MakeData never dispatches another type to Code_128.
    struct Probe : TBarcodeSymbol {
        std::string Run() { return Code_128(); }
    } probe;
    probe.SetTyp(bcCode39);
    try {
        probe.Run();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "TBarcodeSymbol: wrong BarcodeType in Code_128");
    }
}

} // namespace
