// Code 39 (ISO/IEC 16388) and its full ASCII form.
#include "Barcode.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

struct Code39Row {
    char Char;
    const char* Pattern; // five bars and four spaces, bar first: '5'/'6' bars, '0'/'1' spaces
    int CheckValue;
};

// The Code 39 character set; the comment is the standard's wide-element bit string.
constexpr Code39Row Code39Table[] = {
    {'0', "505160605", 0}, // 000110100
    {'1', "605150506", 1}, // 100100001
    {'2', "506150506", 2}, // 001100001
    {'3', "606150505", 3}, // 101100000
    {'4', "505160506", 4}, // 000110001
    {'5', "605160505", 5}, // 100110000
    {'6', "506160505", 6}, // 001110000
    {'7', "505150606", 7}, // 000100101
    {'8', "605150605", 8}, // 100100100
    {'9', "506150605", 9}, // 001100100
    {'A', "605051506", 10}, // 100001001
    {'B', "506051506", 11}, // 001001001
    {'C', "606051505", 12}, // 101001000
    {'D', "505061506", 13}, // 000011001
    {'E', "605061505", 14}, // 100011000
    {'F', "506061505", 15}, // 001011000
    {'G', "505051606", 16}, // 000001101
    {'H', "605051605", 17}, // 100001100
    {'I', "506051605", 18}, // 001001100
    {'J', "505061605", 19}, // 000011100
    {'K', "605050516", 20}, // 100000011
    {'L', "506050516", 21}, // 001000011
    {'M', "606050515", 22}, // 101000010
    {'N', "505060516", 23}, // 000010011
    {'O', "605060515", 24}, // 100010010
    {'P', "506060515", 25}, // 001010010
    {'Q', "505050616", 26}, // 000000111
    {'R', "605050615", 27}, // 100000110
    {'S', "506050615", 28}, // 001000110
    {'T', "505060615", 29}, // 000010110
    {'U', "615050506", 30}, // 110000001
    {'V', "516050506", 31}, // 011000001
    {'W', "616050505", 32}, // 111000000
    {'X', "515060506", 33}, // 010010001
    {'Y', "615060505", 34}, // 110010000
    {'Z', "516060505", 35}, // 011010000
    {'-', "515050606", 36}, // 010000101
    {'.', "615050605", 37}, // 110000100
    {' ', "516050605", 38}, // 011000100
    {'*', "515060605", 0}, // 010010100
    {'$', "515151505", 39}, // 010101000
    {'/', "515150515", 40}, // 010100010
    {'+', "515051515", 41}, // 010001010
    {'%', "505151515", 42}, // 000101010
};
static_assert(std::size(Code39Table) == 44);

// Each character as one or two Code 39 characters; '-' and '.' are written "/M" and "/N".
constexpr const char* Code39ExtendedTable[128] = {
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", //   0 to   7
    "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O", //   8 to  15
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W", //  16 to  23
    "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E", //  24 to  31
    " ", "/A", "/B", "/C", "/D", "/E", "/F", "/G", //  32 to  39
    "/H", "/I", "/J", "/K", "/L", "/M", "/N", "/O", //  40 to  47
    "0", "1", "2", "3", "4", "5", "6", "7", //  48 to  55
    "8", "9", "/Z", "%F", "%G", "%H", "%I", "%J", //  56 to  63
    "%V", "A", "B", "C", "D", "E", "F", "G", //  64 to  71
    "H", "I", "J", "K", "L", "M", "N", "O", //  72 to  79
    "P", "Q", "R", "S", "T", "U", "V", "W", //  80 to  87
    "X", "Y", "Z", "%K", "%L", "%M", "%N", "%O", //  88 to  95
    "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G", //  96 to 103
    "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O", // 104 to 111
    "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W", // 112 to 119
    "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%T", // 120 to 127
};

constexpr char InterCharacterGap = '0';

// For each byte, the first row of the table with that character, or -1.
constexpr std::array<std::int8_t, 256> Code39Rows = [] {
    std::array<std::int8_t, 256> rows{};
    rows.fill(-1);
    for (int i = int(std::size(Code39Table)) - 1; i >= 0; --i)
        rows[static_cast<unsigned char>(Code39Table[i].Char)] = std::int8_t(i);
    return rows;
}();

int FindCode39(char c) { return Code39Rows[static_cast<unsigned char>(c)]; }

const char* Code39Pattern(char c) { return Code39Table[FindCode39(c)].Pattern; }

} // namespace

std::string TBarcodeSymbol::Code_39() {
    std::string result;
    result.reserve(10 * (FText.size() + 3));
    result = Code39Pattern('*');
    result += InterCharacterGap;
    int sum = 0;
    for (char c : FText) {
        const int row = FindCode39(c);
        if (row < 0) continue; // not in the character set: skipped
        result += Code39Table[row].Pattern;
        result += InterCharacterGap;
        sum += Code39Table[row].CheckValue;
    }
    if (FCheckSum) {
        const int check = sum % 43;
        const auto row = std::find_if(std::begin(Code39Table), std::end(Code39Table),
                                      [check](const Code39Row& r) { return r.CheckValue == check; });
        result += row->Pattern;
        result += InterCharacterGap;
    }
    result += Code39Pattern('*');
    return result;
}

std::string TBarcodeSymbol::Code_39Extended() {
    std::string written;
    for (char c : FText) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 128) written += Code39ExtendedTable[code]; // codes 128 to 255 are dropped
    }
    // Code_39 reads Text, so the written form stands in for it during the call.
    std::string kept = std::move(FText);
    FText = std::move(written);
    try {
        std::string result = Code_39();
        FText = std::move(kept);
        return result;
    } catch (...) {
        FText = std::move(kept);
        throw;
    }
}
