// The EAN/UPC family (ISO/IEC 15420): EAN-8, EAN-13, UPC-A, UPC-E and the 2- and 5-digit add-ons.
#include "Barcode.h"

#include "Bcchksum.h"
#include "Convert.h"
#include "Exceptions.h"

#include <string_view>

namespace {

// Digit patterns as four elements of 1 to 4 modules: white '0'..'3', black '5'..'8'.
// Set A (odd parity, left half); the comment is the standard's seven-module pattern.
constexpr const char* SetA[10] = {
    "2605", // 0 0001101
    "1615", // 1 0011001
    "1516", // 2 0010011
    "0805", // 3 0111101
    "0526", // 4 0100011
    "0625", // 5 0110001
    "0508", // 6 0101111
    "0706", // 7 0111011
    "0607", // 8 0110111
    "2506", // 9 0001011
};
// Set B (even parity, left half): each set C pattern read backwards.
constexpr const char* SetB[10] = {
    "0517", // 0 0100111
    "0616", // 1 0110011
    "1606", // 2 0011011
    "0535", // 3 0100001
    "1705", // 4 0011101
    "0715", // 5 0111001
    "3505", // 6 0000101
    "1525", // 7 0010001
    "2515", // 8 0001001
    "1507", // 9 0010111
};
// Set C (right half): set A with bars and spaces exchanged.
constexpr const char* SetC[10] = {
    "7150", // 0 1110010
    "6160", // 1 1100110
    "6061", // 2 1101100
    "5350", // 3 1000010
    "5071", // 4 1011100
    "5170", // 5 1001110
    "5053", // 6 1010000
    "5251", // 7 1000100
    "5152", // 8 1001000
    "7051", // 9 1110100
};

constexpr char Swapped(char c) { return c >= '5' ? char(c - 5) : char(c + 5); }
constexpr bool SetsAreConsistent() {
    for (int d = 0; d < 10; ++d)
        for (int i = 0; i < 4; ++i)
            if (SetC[d][i] != Swapped(SetA[d][i]) || SetB[d][i] != SetC[d][3 - i]) return false;
    return true;
}
static_assert(SetsAreConsistent());

constexpr const char* NormalGuard = "505";
constexpr const char* CentreGuard = "05050";
constexpr const char* UpcEEndGuard = "050505";
constexpr const char* AddOnStart = "506";
constexpr const char* AddOnSeparator = "05";

// EAN-13: the sets of digits 2 to 7, selected by the first digit.
constexpr const char* Ean13Parity[10] = {
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
    "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",
};
// UPC-E, number system 0, by check digit: 'E' even (set B), 'o' odd (set A). Number system 1
// uses the complement; the five-digit add-on uses the last five letters of each row.
constexpr const char* UpcEParity[10] = {
    "EEEooo", "EEoEoo", "EEooEo", "EEoooE", "EoEEoo",
    "EooEEo", "EoooEE", "EoEoEo", "EoEooE", "EooEoE",
};
// Two-digit add-on, by the value modulo 4.
constexpr const char* Supp2Parity[4] = {"oo", "oE", "Eo", "EE"};

int Digit(char c) { return c - '0'; }

// The pattern of one digit in set B where the letter is 'E' and in set A otherwise.
const char* ByParity(char letter, char digit) {
    return letter == 'E' ? SetB[Digit(digit)] : SetA[Digit(digit)];
}

// The standard UPC-E check digit: the modulo-10 digit of the UPC-A number that the six digits
// stand for with the given number system.
char UpcECheckDigit(char numberSystem, std::string_view six) {
    std::string upcA(1, numberSystem);
    const char last = six[5];
    if (last <= '2')
        upcA += std::string(six.substr(0, 2)) + last + "0000" + std::string(six.substr(2, 3));
    else if (last == '3')
        upcA += std::string(six.substr(0, 3)) + "00000" + std::string(six.substr(3, 2));
    else if (last == '4')
        upcA += std::string(six.substr(0, 4)) + "00000" + six[4];
    else
        upcA += std::string(six.substr(0, 5)) + "0000" + last;
    return CheckSumModulo10(upcA).back();
}

} // namespace

// Digits at odd places weigh 3 and the others 9, the check digit being the sum modulo 10. The
// places are counted from the left ("120" gives "121"); for the five digits of the add-on that
// is the same as counting from the right, as the standard's weights 3, 9, 3, 9, 3 read.
std::string SupplementCheckDigit(std::string_view text) {
    if (text.empty()) return std::string(text);
    const std::string_view digits = text.substr(0, text.size() - 1);
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) sum += Digit(digits[i]) * (i % 2 == 0 ? 3 : 9);
    return std::string(digits) + char('0' + sum % 10);
}

std::string TBarcodeSymbol::Code_EAN8() {
    std::string d;
    if (FCheckSum) {
        const std::string padded = SetLen(7);
        d = DoCheckSumming(padded.substr(padded.size() - 7)); // the last seven characters
    } else {
        d = SetLen(8);
    }
    if (d.size() != 8) throw EAssertionFailed("Invalid Text len (EAN8)");
    std::string result = NormalGuard;
    for (int i = 0; i < 4; ++i) result += SetA[Digit(d[i])];
    result += CentreGuard;
    for (int i = 4; i < 8; ++i) result += SetC[Digit(d[i])];
    result += NormalGuard;
    return result;
}

std::string TBarcodeSymbol::Code_EAN13() {
    const std::string d = FCheckSum ? DoCheckSumming(SetLen(12)) : SetLen(13);
    if (d.size() != 13) throw EAssertionFailed("Invalid Text len (EAN13)");
    const char* parity = Ean13Parity[Digit(d[0])];
    std::string result = NormalGuard;
    for (int i = 1; i < 7; ++i)
        result += parity[i - 1] == 'A' ? SetA[Digit(d[i])] : SetB[Digit(d[i])];
    result += CentreGuard;
    for (int i = 7; i < 13; ++i) result += SetC[Digit(d[i])];
    result += NormalGuard;
    return result;
}

std::string TBarcodeSymbol::Code_UPC_A() {
    FText = SetLen(12);
    std::string d = FText;
    if (FCheckSum) {
        d = DoCheckSumming(FText.substr(0, 11));
        // Without a check-sum method there is no twelfth digit to encode: refused like the
        // other EAN/UPC lengths, with Text padded but not cut.
        if (d.size() != 12) throw EAssertionFailed("Invalid Text len (UPC_A)");
        FText = d;
    }
    std::string result = NormalGuard;
    for (int i = 0; i < 6; ++i) result += SetA[Digit(d[i])];
    result += CentreGuard;
    for (int i = 6; i < 12; ++i) result += SetC[Digit(d[i])];
    result += NormalGuard;
    return result;
}

std::string TBarcodeSymbol::Code_UPC_E0() { return Code_UPC_E(false); }
std::string TBarcodeSymbol::Code_UPC_E1() { return Code_UPC_E(true); }

std::string TBarcodeSymbol::Code_UPC_E(bool numberSystem1) {
    FText = SetLen(7);
    const std::string six = FText.substr(0, 6);
    // The parity carries the check digit of the UPC-A number behind the six digits, as scanners
    // verify it; it does not depend on Checksum or CheckSumMethod. With Checksum, Text shows that
    // digit whatever the method: six digits alone would be padded to a different number on the
    // next run.
    const char check = UpcECheckDigit(numberSystem1 ? '1' : '0', six);
    if (FCheckSum) FText = six + check;
    const std::string& d = FText;
    const char* parity = UpcEParity[Digit(check)];
    std::string result = NormalGuard;
    for (int i = 0; i < 6; ++i) {
        const bool even = (parity[i] == 'E') != numberSystem1;
        result += even ? SetB[Digit(d[i])] : SetA[Digit(d[i])];
    }
    result += UpcEEndGuard;
    return result;
}

std::string TBarcodeSymbol::Code_Supp5() {
    FText = SetLen(5);
    const std::string c = SupplementCheckDigit(FText.substr(0, 5) + '0');
    if (FCheckSum) FText = c;
    const std::string& d = FText;
    const char* parity = UpcEParity[Digit(c[5])] + 1;
    std::string result = AddOnStart;
    for (int i = 0; i < 5; ++i) {
        if (i > 0) result += AddOnSeparator;
        result += ByParity(parity[i], d[i]);
    }
    return result;
}

std::string TBarcodeSymbol::Code_Supp2() {
    FText = SetLen(2);
    const char* parity = Supp2Parity[StrToInt(FText) % 4];
    std::string result = AddOnStart;
    result += ByParity(parity[0], FText[0]);
    result += AddOnSeparator;
    result += ByParity(parity[1], FText[1]);
    return result;
}
