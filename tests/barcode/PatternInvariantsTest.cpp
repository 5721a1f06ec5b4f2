// Properties that every symbol of every symbology has, over seeded random texts: the pattern
// uses only the alphabet, bars and spaces alternate from a bar to a bar, and the module count
// follows from the symbology's structure. A wrong character or width in any table row shows here.
#include "Barcode.h"
#include "PatternHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

bool IsBar(char c) { return (c >= '5' && c <= '8') || (c >= 'A' && c <= 'D'); }
bool IsSpace(char c) { return c >= '0' && c <= '3'; }

std::string RandomText(std::mt19937& rng, const std::string& alphabet, int minLen, int maxLen) {
    std::uniform_int_distribution<int> len(minLen, maxLen);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string s;
    for (int i = len(rng); i > 0; --i) s += alphabet[pick(rng)];
    return s;
}

const std::string Digits = "0123456789";
const std::string Code39Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
const std::string Printable = [] {
    std::string s;
    for (int c = 32; c < 127; ++c) s += char(c);
    return s;
}();
const std::string Ascii = [] {
    std::string s;
    for (int c = 0; c < 128; ++c) s += char(c);
    return s;
}();

struct TypeCase {
    TBarcodeType type;
    const std::string& alphabet;
    int minLen, maxLen;
    // The module count at Ratio 2 for the text as MakeData left it; nullptr where it varies.
    std::function<std::size_t(const std::string& text)> modules;
};

TEST(PatternInvariants, EverySymbologyOverRandomTexts) {
    const std::string Codabar = "0123456789-$:/.+";
    const TypeCase cases[] = {
        {bcCode_2_5_interleaved, Digits, 0, 20, [](auto& t) { return 4 + t.size() / 2 * 14 + 4; }},
        {bcCode_2_5_industrial, Digits, 0, 20, [](auto& t) { return 8 + t.size() * 12 + 8; }},
        {bcCode_2_5_matrix, Digits, 0, 20, [](auto& t) { return 8 + t.size() * 8 + 7; }},
        {bcCode39, Code39Chars, 0, 20, [](auto& t) { return (t.size() + 2) * 13 - 1; }},
        {bcCode39Extended, Ascii, 0, 20, nullptr},
        {bcCode128A, Printable, 0, 20, [](auto& t) { return (t.size() + 2) * 11 + 13; }},
        {bcCode128B, Printable, 0, 20, [](auto& t) { return (t.size() + 2) * 11 + 13; }},
        {bcCode128C, Digits, 0, 20, [](auto& t) { return (t.size() / 2 + 2) * 11 + 13; }},
        {bcCode93, Code39Chars, 0, 20, [](auto& t) { return (t.size() + 3) * 9 + 10; }},
        {bcCode93Extended, Ascii, 0, 20, nullptr},
        {bcCodeMSI, Digits, 0, 20, [](auto& t) { return 3 + (t.size() + 1) * 12 + 4; }},
        {bcCodePostNet, Digits, 0, 20, [](auto& t) { return 3 + t.size() * 15 + 1; }},
        {bcCodeCodabar, Codabar, 0, 20, nullptr},
        {bcCodeEAN8, Digits, 0, 8, [](auto&) { return std::size_t(67); }},
        {bcCodeEAN13, Digits, 0, 13, [](auto&) { return std::size_t(95); }},
        {bcCodeUPC_A, Digits, 0, 12, [](auto&) { return std::size_t(95); }},
        {bcCodeUPC_E0, Digits, 0, 7, [](auto&) { return std::size_t(51); }},
        {bcCodeUPC_E1, Digits, 0, 7, [](auto&) { return std::size_t(51); }},
        {bcCodeUPC_Supp2, Digits, 0, 2, [](auto&) { return std::size_t(20); }},
        {bcCodeUPC_Supp5, Digits, 0, 5, [](auto&) { return std::size_t(47); }},
        {bcCodeEAN128A, Printable, 0, 20, [](auto& t) { return (t.size() + 3) * 11 + 13; }},
        {bcCodeEAN128B, Printable, 0, 20, [](auto& t) { return (t.size() + 3) * 11 + 13; }},
        {bcCodeEAN128C, Digits, 0, 20, [](auto& t) { return (t.size() / 2 + 3) * 11 + 13; }},
    };
    static_assert(std::size(cases) == BarcodeTypeCount);
    std::mt19937 rng(20261211);
    for (const auto& c : cases) {
        for (int round = 0; round < 300; ++round) {
            TBarcodeSymbol s;
            s.SetTyp(c.type);
            const bool checksum = round % 2 == 1 && c.type != bcCodeEAN128A && c.type != bcCodeEAN128B;
            // With Checksum, EAN-8 and EAN-13 take one digit less: the check digit is added.
            const bool shorter = checksum && (c.type == bcCodeEAN8 || c.type == bcCodeEAN13);
            s.SetText(RandomText(rng, c.alphabet, c.minLen, c.maxLen - (shorter ? 1 : 0)));
            s.SetCheckSum(checksum);
            const std::string text = s.GetText();
            std::string p;
            ASSERT_NO_THROW(p = s.MakeData()) << SymbologyInfo[c.type].Name << " " << text;
            ASSERT_FALSE(p.empty());
            // Industrial 2 of 5 ends with the narrow space of its stop character.
            const char last = c.type == bcCode_2_5_industrial ? p[p.size() - 2] : p.back();
            ASSERT_TRUE(IsBar(p.front()) && IsBar(last)) << SymbologyInfo[c.type].Name << " " << p;
            for (std::size_t i = 0; i < p.size(); ++i)
                ASSERT_TRUE(i % 2 == 0 ? IsBar(p[i]) : IsSpace(p[i]))
                    << SymbologyInfo[c.type].Name << " '" << text << "' at " << i << ": " << p;
            if (c.modules) {
                // Code 39 with Checksum has one more character; the EAN-128 C types one more
                // digit; both are accounted for by the text the encoder saw.
                std::string seen = s.GetText();
                if (c.type == bcCode39 && s.GetCheckSum()) seen += 'X';
                if (c.type == bcCodeEAN128C && s.GetCheckSum()) seen += "0";
                ASSERT_EQ(Modules(p).size(), c.modules(seen)) << SymbologyInfo[c.type].Name << " '" << text << "'";
            }
        }
    }
}

} // namespace
