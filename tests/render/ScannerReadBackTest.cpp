// Every symbology that a scanner reads is drawn and read back with zxing-cpp, over a few hundred
// seeded random valid texts each: the decoded data must be exactly what the symbol was given.
#include "Barcode.h"
#include "Bcchksum.h"
#include "Decode.h"
#include "SymbolImage.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

using ZXing::BarcodeFormat;

std::string RandomText(std::mt19937& rng, std::string_view alphabet, int minLen, int maxLen,
                       int lengthStep = 1) {
    std::uniform_int_distribution<int> len(minLen / lengthStep, maxLen / lengthStep);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string s;
    for (int i = len(rng) * lengthStep; i > 0; --i) s += alphabet[pick(rng)];
    return s;
}

std::string Range(int from, int to) {
    std::string s;
    for (int c = from; c <= to; ++c) s += char(c);
    return s;
}

const std::string Digits = "0123456789";
const std::string Code39Chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

struct ReadBackCase {
    const char* name;
    TBarcodeType type;
    BarcodeFormat format;
    std::string alphabet;
    int minLen, maxLen, lengthStep;
    bool checksum;
    // The data a scanner must read, from the text given and the Text after drawing.
    std::function<std::string(const std::string& given, const std::string& after)> expected;
    std::function<void(ZXing::DecodeHints&)> hints;
    const char* symbologyIdentifier; // nullptr: not checked
};

std::string Same(const std::string&, const std::string& after) { return after; }

class ScannerReadBack : public testing::TestWithParam<ReadBackCase> {};

TEST_P(ScannerReadBack, RandomTextsDecodeExactly) {
    const ReadBackCase& c = GetParam();
    std::mt19937 rng(4242 + c.type);
    for (int round = 0; round < 200; ++round) {
        TBarcodeSymbol symbol;
        symbol.SetTyp(c.type);
        symbol.SetModul(2 + round % 2); // modules of 2 and 3 pixels
        symbol.SetHeight(60);
        symbol.SetCheckSum(c.checksum);
        const std::string given = RandomText(rng, c.alphabet, c.minLen, c.maxLen, c.lengthStep);
        symbol.SetText(given);
        const QImage picture = DrawOnWhiteCanvas(symbol);
        const std::string want = c.expected(given, symbol.GetText());

        ZXing::DecodeHints hints;
        if (c.hints) c.hints(hints);
        const auto symbols = DecodeImage(picture, c.format, hints);
        ASSERT_EQ(symbols.size(), 1u) << c.name << " '" << given << "' modul " << symbol.GetModul();
        EXPECT_EQ(symbols[0].bytes, want) << c.name << " '" << given << "'";
        if (c.symbologyIdentifier) {
            EXPECT_EQ(symbols[0].symbologyIdentifier, c.symbologyIdentifier) << c.name;
        }
    }
}

const ReadBackCase Cases[] = {
    {"EAN8", bcCodeEAN8, BarcodeFormat::EAN8, Digits, 7, 7, 1, true,
     [](auto& given, auto&) { return CheckSumModulo10(given); }, nullptr, "]E4"},
    {"EAN13", bcCodeEAN13, BarcodeFormat::EAN13, Digits, 12, 12, 1, true,
     [](auto& given, auto&) { return CheckSumModulo10(given); }, nullptr, "]E0"},
    {"UPC_A", bcCodeUPC_A, BarcodeFormat::UPCA, Digits, 12, 12, 1, true, Same, nullptr, nullptr},
    // UPC-E: six digits and the place of the check digit; read as number system, six digits
    // and check digit.
    {"UPC_E0", bcCodeUPC_E0, BarcodeFormat::UPCE, Digits, 7, 7, 1, true,
     [](auto&, auto& after) { return "0" + after; }, nullptr, nullptr},
    {"UPC_E1", bcCodeUPC_E1, BarcodeFormat::UPCE, Digits, 7, 7, 1, true,
     [](auto&, auto& after) { return "1" + after; }, nullptr, nullptr},
    {"Code128A", bcCode128A, BarcodeFormat::Code128, Range(32, 95), 1, 20, 1, false, Same, nullptr,
     "]C0"},
    {"Code128B", bcCode128B, BarcodeFormat::Code128, Range(32, 126), 1, 20, 1, false, Same,
     nullptr, "]C0"},
    {"Code128C", bcCode128C, BarcodeFormat::Code128, Digits, 1, 30, 1, false, Same, nullptr, "]C0"},
    // EAN-128: the FNC1 after the start makes it GS1-128, read with the identifier ]C1.
    {"EAN128A", bcCodeEAN128A, BarcodeFormat::Code128, Digits + "ABCDEFGHIJ", 1, 20, 1, false, Same,
     nullptr, "]C1"},
    {"EAN128B", bcCodeEAN128B, BarcodeFormat::Code128, Digits + "abcdefXYZ", 1, 20, 1, false, Same,
     nullptr, "]C1"},
    // With the check digit an even count of digits turns odd, so Text gains a leading zero.
    {"EAN128C", bcCodeEAN128C, BarcodeFormat::Code128, Digits, 2, 30, 2, true,
     [](auto&, auto& after) { return CheckSumModulo10(after); }, nullptr, "]C1"},
    {"Code39", bcCode39, BarcodeFormat::Code39, Code39Chars, 1, 20, 1, false, Same, nullptr,
     nullptr},
    {"Code39 with check", bcCode39, BarcodeFormat::Code39, Code39Chars, 1, 20, 1, true, Same,
     [](ZXing::DecodeHints& h) { h.setValidateCode39CheckSum(true); }, nullptr},
    {"Code39 Extended", bcCode39Extended, BarcodeFormat::Code39, Range(0, 127), 1, 15, 1, false,
     Same, [](ZXing::DecodeHints& h) { h.setTryCode39ExtendedMode(true); }, nullptr},
    {"Code93", bcCode93, BarcodeFormat::Code93, Code39Chars, 1, 20, 1, false, Same, nullptr,
     nullptr},
    {"Code93 Extended", bcCode93Extended, BarcodeFormat::Code93, Range(0, 127), 1, 15, 1, false,
     Same, nullptr, nullptr},
    // zxing-cpp reads Codabar symbols of two data characters and more.
    {"Codabar", bcCodeCodabar, BarcodeFormat::Codabar, Digits + "-$:/.+", 2, 20, 1, false, Same,
     nullptr, nullptr},
    {"2_5_interleaved", bcCode_2_5_interleaved, BarcodeFormat::ITF, Digits, 6, 30, 2, false, Same,
     nullptr, nullptr},
};

INSTANTIATE_TEST_SUITE_P(AllReadable, ScannerReadBack, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<ReadBackCase>& info) {
                             std::string name;
                             for (char ch : std::string(info.param.name))
                                 if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
                             return name;
                         });

} // namespace
