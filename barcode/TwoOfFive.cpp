// The 2 of 5 family: interleaved, industrial (standard) and matrix.
#include "Barcode.h"

namespace {

// The 2 of 5 character table shared by the family: two wide ('1') elements of five.
constexpr const char* TwoOfFiveTable[10] = {
    "00110", "10001", "01001", "11000", "00101", "10100", "01100", "00011", "10010", "01010",
};

const char* Row(char digit) { return TwoOfFiveTable[digit - '0']; }

} // namespace

std::string TBarcodeSymbol::Code_2_5_interleaved() {
    std::string result = "5050";
    // Digits in pairs from the left: the first digit in the bars, the second in the spaces. An
    // odd last digit belongs to no pair and is not encoded.
    for (std::size_t i = 0; i + 1 < FText.size(); i += 2) {
        const char* bars = Row(FText[i]);
        const char* spaces = Row(FText[i + 1]);
        for (int j = 0; j < 5; ++j) {
            result += bars[j] == '1' ? '6' : '5';
            result += spaces[j] == '1' ? '1' : '0';
        }
    }
    result += "605";
    return result;
}

std::string TBarcodeSymbol::Code_2_5_industrial() {
    std::string result = "606050";
    for (char digit : FText)
        for (const char* e = Row(digit); *e; ++e) result += *e == '1' ? "60" : "50";
    result += "605060";
    return result;
}

std::string TBarcodeSymbol::Code_2_5_matrix() {
    std::string result = "705050";
    for (char digit : FText) {
        const char* row = Row(digit);
        for (int j = 0; j < 5; ++j) {
            const bool wide = row[j] == '1';
            if (j % 2 == 0)
                result += wide ? '6' : '5'; // places 1, 3, 5: bars
            else
                result += wide ? '1' : '0'; // places 2, 4: spaces
        }
        result += '0';
    }
    result += "70505";
    return result;
}
