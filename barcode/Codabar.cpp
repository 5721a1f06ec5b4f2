// Codabar with start A and stop B, no check character.
#include "Barcode.h"

#include "Exceptions.h"

namespace {

struct CodabarRow {
    char Char;
    const char* Pattern; // four bars and three spaces, bar first: '5'/'6' bars, '0'/'1' spaces
};

// The Codabar character set; the comment is the standard's wide-element bit string.
constexpr CodabarRow CodabarTable[] = {
    {'1', "5050615"}, // 0000110
    {'2', "5051506"}, // 0001001
    {'3', "6150505"}, // 1100000
    {'4', "5060515"}, // 0010010
    {'5', "6050515"}, // 1000010
    {'6', "5150506"}, // 0100001
    {'7', "5150605"}, // 0100100
    {'8', "5160505"}, // 0110000
    {'9', "6051505"}, // 1001000
    {'0', "5050516"}, // 0000011
    {'-', "5051605"}, // 0001100
    {'$', "5061505"}, // 0011000
    {':', "6050606"}, // 1000101
    {'/', "6060506"}, // 1010001
    {'.', "6060605"}, // 1010100
    {'+', "5060606"}, // 0010101
    {'A', "5061515"}, // 0011010
    {'B', "5151506"}, // 0101001
    {'C', "5051516"}, // 0001011
    {'D', "5051615"}, // 0001110
};
static_assert(std::size(CodabarTable) == 20);

constexpr char InterCharacterGap = '0';

int FindCodabar(char c) {
    for (int i = 0; i < int(std::size(CodabarTable)); ++i)
        if (CodabarTable[i].Char == c) return i;
    return -1;
}

} // namespace

std::string TBarcodeSymbol::Code_Codabar() {
    std::string result = CodabarTable[FindCodabar('A')].Pattern;
    result += InterCharacterGap;
    for (char c : FText) {
        const int row = FindCodabar(c);
        // A character outside the set is refused, as Code 93 does: skipping it would print a
        // symbol that scans as a different value.
        if (row < 0) throw Exception(ClassName() + ":Codabar bad Data <" + FText + ">");
        result += CodabarTable[row].Pattern;
        result += InterCharacterGap;
    }
    result += CodabarTable[FindCodabar('B')].Pattern;
    return result;
}
