// MSI (with its modulo-10 check digit) and POSTNET.
#include "Barcode.h"

namespace {

// Each digit's four bits, most significant first: bit 0 "51", bit 1 "60".
constexpr const char* MsiTable[10] = {
    "51515151", "51515160", "51516051", "51516060", "51605151",
    "51605160", "51606051", "51606060", "60515151", "60515160",
};

// Five bars, each followed by a wide space: '5' full bar, 'A' half bar, two full bars in five.
constexpr const char* PostNetTable[10] = {
    "5151A1A1A1", "A1A1A15151", "A1A151A151", "A1A15151A1", "A151A1A151",
    "A151A151A1", "A15151A1A1", "51A1A1A151", "51A1A151A1", "51A151A1A1",
};

// MSI's modulo-10 digit: the digits at odd places from the right form a number that is doubled;
// the digit sum of the double and the digits at even places are added up. The doubling is done
// digit by digit, so texts of any length work.
char MsiCheckDigit(const std::string& text) {
    std::string odd; // the digits at odd places, in their order
    int total = 0;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const bool oddPlace = (n - i) % 2 == 1;
        if (oddPlace)
            odd += text[i];
        else
            total += text[i] - '0';
    }
    int carry = 0;
    for (auto it = odd.rbegin(); it != odd.rend(); ++it) {
        const int twice = (*it - '0') * 2 + carry;
        total += twice % 10;
        carry = twice / 10;
    }
    total += carry;
    return char('0' + (10 - total % 10) % 10);
}

} // namespace

std::string TBarcodeSymbol::Code_MSI() {
    std::string result = "60";
    for (char digit : FText) result += MsiTable[digit - '0'];
    result += MsiTable[MsiCheckDigit(FText) - '0'];
    result += "515";
    return result;
}

std::string TBarcodeSymbol::Code_PostNet() {
    std::string result = "51";
    for (char digit : FText) result += PostNetTable[digit - '0'];
    result += "5";
    return result;
}
