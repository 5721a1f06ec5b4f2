// EAN-8, EAN-13, UPC-A, UPC-E and the add-ons: worked examples and the published module strings.
#include "Barcode.h"
#include "Exceptions.h"
#include "PatternHelpers.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase {
    const char* where; // where the expected value comes from
    TBarcodeType type;
    const char* text;
    bool checksum;
    const char* pattern;
    const char* textAfter;
};

TEST(EanUpc, WorkedExamples) {
    const EncodeCase cases[] = {
        {"EAN-8 with check digit", bcCodeEAN8, "1234567", true,
         "5051615151608050526050505170505352517150505", "1234567"},
        {"EAN-8, data given whole", bcCodeEAN8, "12345670", false,
         "5051615151608050526050505170505352517150505", "12345670"},
        {"EAN-13, first digit 1 selects AABABB", bcCodeEAN13, "123456789012", true,
         "50515160805170506253505152505050515270517150616060615152505", "123456789012"},
        {"UPC-E0, check digit 7, parity EoEoEo", bcCodeUPC_E0, "0123456", false,
         "505051716151606080517050625050505", "0123456"},
        {"UPC-E0 with Checksum stores the check digit", bcCodeUPC_E0, "0123456", true,
         "505051716151606080517050625050505", "0123457"},
        {"add-on 5, check digit 1, parity EoEoo", bcCodeUPC_Supp5, "52495", false,
         "5060715051516051705052506050625", "52495"},
        {"add-on 5 with Checksum", bcCodeUPC_Supp5, "52495", true,
         "5060715051516051705052506050625", "524951"},
        {"add-on 2, 12 mod 4 = 0: oo", bcCodeUPC_Supp2, "12", false, "5061615051516", "12"},
        {"add-on 2 is padded", bcCodeUPC_Supp2, "7", false, nullptr, "07"},
        {"UPC-A padded", bcCodeUPC_A, "123", false, nullptr, "000000000123"},
        {"UPC-A check digit replaces the last", bcCodeUPC_A, "036000291450", true, nullptr,
         "036000291452"},
        {"UPC-A, 11 digits gain a leading zero first", bcCodeUPC_A, "03600029145", true, nullptr,
         "003600029143"},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(c.type);
        s.SetText(c.text);
        s.SetCheckSum(c.checksum);
        const std::string pattern = s.MakeData();
        if (c.pattern) {
            EXPECT_EQ(pattern, c.pattern) << c.where;
        }
        EXPECT_EQ(s.GetText(), c.textAfter) << c.where;
    }
}

TEST(EanUpc, ModuleStringsMatchThePublishedSymbols) {
    struct Case {
        const char* where;
        TBarcodeType type;
        const char* text;
        const char* modules;
    } cases[] = {
        // Add-on 2 "12": parity LL; start 1011, L1, separator 01, L2.
        {"2-digit add-on table", bcCodeUPC_Supp2, "12",
         "1011" "0011001" "01" "0010011"},
        // Add-on 2 "03": 3 mod 4 = 3, parity GG.
        {"2-digit add-on table", bcCodeUPC_Supp2, "03",
         "1011" "0100111" "01" "0100001"},
        // Add-on 5 "52495": check digit 1, parity GLGLL.
        {"5-digit add-on table", bcCodeUPC_Supp5, "52495",
         "1011" "0111001" "01" "0010011" "01" "0011101" "01" "0001011" "01" "0110001"},
        // EAN-13 5901234123457: parity of 5 is ABBAAB.
        {"EAN-13 character sets", bcCodeEAN13, "5901234123457",
         "101" "0001011" "0100111" "0110011" "0010011" "0111101" "0011101" "01010"
         "1100110" "1101100" "1000010" "1011100" "1001110" "1000100" "101"},
    };
    for (const auto& c : cases) EXPECT_EQ(Modules(Encode(c.type, c.text)), c.modules) << c.where;
}

TEST(EanUpc, UpcEParityCarriesTheStandardCheckDigit) {
    // The check digit of a UPC-E symbol is that of the UPC-A number it stands for, as scanners
    // verify it. 425261 in number system 0 is UPC-A 04210000526, check digit 4 (parity EoEEoo);
    // in number system 1 it is 14210000526, check digit 1 (the complement of EEoEoo).
    TBarcodeSymbol s;
    s.SetTyp(bcCodeUPC_E0);
    s.SetText("4252610"); // six digits and the place of the check digit
    s.SetCheckSum(true);
    const std::string e0 = s.MakeData();
    EXPECT_EQ(s.GetText(), "4252614");
    EXPECT_EQ(Modules(e0), "101"
                           "0011101" "0010011" "0111001" "0011011" "0101111" "0011001"
                           "010101");
    s.SetTyp(bcCodeUPC_E1);
    s.SetText("4252610"); // six digits and the place of the check digit
    const std::string e1 = s.MakeData();
    EXPECT_EQ(s.GetText(), "4252611");
    EXPECT_EQ(Modules(e1), "101"
                           "0100011" "0010011" "0111001" "0010011" "0000101" "0110011"
                           "010101");
}

TEST(EanUpc, LengthsAndPadding) {
    struct Case {
        TBarcodeType type;
        const char* text;
        bool checksum;
        const char* encodedAs; // the same symbol as this text without Checksum
    } cases[] = {
        {bcCodeEAN8, "123", false, "00000123"},
        {bcCodeEAN8, "123456789", true, "34567890"}, // the last seven: 3456789, check digit 0
        {bcCodeEAN8, "", false, "00000000"},
        {bcCodeEAN13, "", false, "0000000000000"},
        {bcCodeUPC_Supp2, "123", false, "12"}, // but with the parity of 123 mod 4 = 3
    };
    for (const auto& c : cases) {
        const std::string got = Encode(c.type, c.text, c.checksum);
        if (c.type == bcCodeUPC_Supp2) {
            // 123 mod 4 = 3: EE, both digits from set B.
            EXPECT_EQ(Modules(got), "1011" "0110011" "01" "0011011");
        } else {
            EXPECT_EQ(got, Encode(c.type, c.encodedAs)) << c.text;
        }
    }
}

TEST(EanUpc, InvalidLengthsAreAssertionFailures) {
    struct Case {
        TBarcodeType type;
        const char* text;
        bool checksum;
        TCheckSumMethod method;
        const char* message;
    } cases[] = {
        {bcCodeEAN13, "12345678901234", false, csmModulo10, "Invalid Text len (EAN13)"},
        {bcCodeEAN13, "1234567890123", true, csmModulo10, "Invalid Text len (EAN13)"},
        {bcCodeEAN13, "123", true, csmNone, "Invalid Text len (EAN13)"},
        {bcCodeEAN8, "123456789", false, csmModulo10, "Invalid Text len (EAN8)"},
        {bcCodeEAN8, "1234567", true, csmNone, "Invalid Text len (EAN8)"},
        {bcCodeUPC_A, "12345678901", true, csmNone, "Invalid Text len (UPC_A)"},
    };
    for (const auto& c : cases) {
        TBarcodeSymbol s;
        s.SetTyp(c.type);
        s.SetText(c.text);
        s.SetCheckSum(c.checksum);
        s.CheckSumMethod = c.method;
        try {
            s.MakeData();
            ADD_FAILURE() << c.text;
        } catch (const EAssertionFailed& e) {
            EXPECT_STREQ(e.what(), c.message) << c.text;
        }
        if (c.type != bcCodeUPC_A) {
            EXPECT_EQ(s.GetText(), c.text); // EAN never changes Text
        }
    }
}

TEST(EanUpc, UpcEWithoutACheckSumMethodStillScans) {
    // The parity always carries the check digit, and Text shows it. Every run encodes the same
    // number: GetWidth and DrawBarcode each make the data again.
    TBarcodeSymbol s;
    s.SetTyp(bcCodeUPC_E0);
    s.SetText("0123456");
    s.SetCheckSum(true);
    s.CheckSumMethod = csmNone;
    for (int run = 1; run <= 3; ++run) {
        EXPECT_EQ(s.MakeData(), "505051716151606080517050625050505") << "run " << run;
        EXPECT_EQ(s.GetText(), "0123457") << "run " << run;
    }
}

TEST(EanUpc, TwoDigitAddOnBeyond32BitsIsAConversionError) {
    TBarcodeSymbol s;
    s.SetTyp(bcCodeUPC_Supp2);
    s.SetText("99999999999");
    try {
        s.MakeData();
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'99999999999' is not a valid integer value");
    }
}

} // namespace
