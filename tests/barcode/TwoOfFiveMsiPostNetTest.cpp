// The 2 of 5 family, MSI and POSTNET: worked examples and the published module strings.
#include "Barcode.h"
#include "PatternHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(NumericFamilies, WorkedExamples) {
    struct Case {
        const char* where;
        TBarcodeType type;
        const char* text;
        const char* pattern;
    } cases[] = {
        {"interleaved 1234", bcCode_2_5_interleaved, "1234",
         "5050" "6051505061" "6060515051" "605"},
        {"interleaved, odd last digit dropped", bcCode_2_5_interleaved, "123", "50506051505061605"},
        {"interleaved, empty", bcCode_2_5_interleaved, "", "5050605"},
        {"interleaved, one digit", bcCode_2_5_interleaved, "7", "5050605"},
        {"industrial 12", bcCode_2_5_industrial, "12",
         "606050" "6050505060" "5060505060" "605060"},
        {"matrix 12", bcCode_2_5_matrix, "12", "705050" "605060" "515060" "70505"},
        {"MSI 12, check digit 5", bcCodeMSI, "12",
         "60" "51515160" "51516051" "51605160" "515"},
        {"POSTNET 12", bcCodePostNet, "12", "51" "A1A1A15151" "A1A151A151" "5"},
    };
    for (const auto& c : cases) EXPECT_EQ(Encode(c.type, c.text), c.pattern) << c.where;
}

TEST(NumericFamilies, MsiCheckDigit) {
    // The check digit is the last digit before the stop; read it back from its four bits.
    auto checkDigit = [](const std::string& text) {
        const std::string p = Encode(bcCodeMSI, text);
        const std::string bits = p.substr(p.size() - 3 - 8, 8);
        int d = 0;
        for (int i = 0; i < 8; i += 2) d = d * 2 + (bits[i] == '6' ? 1 : 0);
        return d;
    };
    struct Case {
        const char* text;
        int check;
    } cases[] = {
        {"1234567", 4}, // 1357 doubled 2714, digit sum 14, plus 2 + 4 + 6 = 26
        {"12", 5},
        {"1", 8},
        {"", 0},
        {"80523", 4}, // 853 doubled 1706: 14, plus 0 + 2 = 16
        // Longer than any integer: the doubling works digit by digit.
        {"99999999999999999999999", 3}, // 12 nines doubled: 108, plus 11 nines: 207
    };
    for (const auto& c : cases) EXPECT_EQ(checkDigit(c.text), c.check) << c.text;
}

TEST(NumericFamilies, ModuleStringsMatchThePublishedTables) {
    // Interleaved 2 of 5 "12": start 1010, 1 in bars (wide n n n wide) and 2 in spaces
    // (n wide n n wide), stop 1101 (wide bar, narrow space, narrow bar).
    EXPECT_EQ(Modules(Encode(bcCode_2_5_interleaved, "12")),
              "1010" "11" "0" "1" "00" "1" "0" "1" "0" "11" "00" "1101");
    // POSTNET digit 0 is 11000: full, full, half, half, half.
    // Spaces are wide (two modules) here.
    EXPECT_EQ(Modules(Encode(bcCodePostNet, "0")), "100" "100100h00h00h00" "1");
    // MSI digit 9 = 1001: wide-narrow pairs 110 100 100 110.
    EXPECT_EQ(Modules(Encode(bcCodeMSI, "9")).substr(3, 12), "110100100110");
}

} // namespace
