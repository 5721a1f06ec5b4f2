// Code 93 and its full ASCII form through the four shift characters.
#include "Barcode.h"

#include "Exceptions.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

struct Code93Row {
    char Char;
    const char* Widths; // bar, space, bar, space, bar, space in modules; 9 modules in all
};

// Values 0 to 46. The shift characters ($), (%), (/) and (+) are written '[', ']', '{', '}'.
constexpr Code93Row Code93Table[] = {
    {'0', "131112"}, {'1', "111213"}, {'2', "111312"}, {'3', "111411"}, {'4', "121113"},
    {'5', "121212"}, {'6', "121311"}, {'7', "111114"}, {'8', "131211"}, {'9', "141111"},
    {'A', "211113"}, {'B', "211212"}, {'C', "211311"}, {'D', "221112"}, {'E', "221211"},
    {'F', "231111"}, {'G', "112113"}, {'H', "112212"}, {'I', "112311"}, {'J', "122112"},
    {'K', "132111"}, {'L', "111123"}, {'M', "111222"}, {'N', "111321"}, {'O', "121122"},
    {'P', "131121"}, {'Q', "212112"}, {'R', "212211"}, {'S', "211122"}, {'T', "211221"},
    {'U', "221121"}, {'V', "222111"}, {'W', "112122"}, {'X', "112221"}, {'Y', "122121"},
    {'Z', "123111"}, {'-', "121131"}, {'.', "311112"}, {' ', "311211"}, {'$', "321111"},
    {'/', "112131"}, {'+', "113121"}, {'%', "211131"},
    {'[', "121221"}, // ($)
    {']', "312111"}, // (%)
    {'{', "311121"}, // (/)
    {'}', "122211"}, // (+)
};
static_assert(std::size(Code93Table) == 47);

constexpr bool RowsHaveNineModules() {
    for (const auto& row : Code93Table) {
        int sum = 0;
        for (const char* w = row.Widths; *w; ++w) sum += *w - '0';
        if (sum != 9) return false;
    }
    return true;
}
static_assert(RowsHaveNineModules());

constexpr const char* Code93Start = "111141";
constexpr const char* Code93Stop = "1111411"; // the start pattern and a final one-module bar

// Each character as one or two Code 93 characters, with the shift characters as prefixes.
constexpr const char* Code93ExtendedTable[128] = {
    "]U", "[A", "[B", "[C", "[D", "[E", "[F", "[G", //   0 to   7
    "[H", "[I", "[J", "[K", "[L", "[M", "[N", "[O", //   8 to  15
    "[P", "[Q", "[R", "[S", "[T", "[U", "[V", "[W", //  16 to  23
    "[X", "[Y", "[Z", "]A", "]B", "]C", "]D", "]E", //  24 to  31
    " ", "{A", "{B", "{C", "{D", "{E", "{F", "{G", //  32 to  39
    "{H", "{I", "{J", "{K", "{L", "{M", "{N", "{O", //  40 to  47
    "0", "1", "2", "3", "4", "5", "6", "7", //  48 to  55
    "8", "9", "{Z", "]F", "]G", "]H", "]I", "]J", //  56 to  63
    "]V", "A", "B", "C", "D", "E", "F", "G", //  64 to  71
    "H", "I", "J", "K", "L", "M", "N", "O", //  72 to  79
    "P", "Q", "R", "S", "T", "U", "V", "W", //  80 to  87
    "X", "Y", "Z", "]K", "]L", "]M", "]N", "]O", //  88 to  95
    "]W", "}A", "}B", "}C", "}D", "}E", "}F", "}G", //  96 to 103
    "}H", "}I", "}J", "}K", "}L", "}M", "}N", "}O", // 104 to 111
    "}P", "}Q", "}R", "}S", "}T", "}U", "}V", "}W", // 112 to 119
    "}X", "}Y", "}Z", "]P", "]Q", "]R", "]S", "]T", // 120 to 127
};

// For each byte, its value in the table, or -1.
constexpr std::array<std::int8_t, 256> Code93Values = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int i = int(std::size(Code93Table)) - 1; i >= 0; --i)
        values[static_cast<unsigned char>(Code93Table[i].Char)] = std::int8_t(i);
    return values;
}();

int FindCode93(char c) { return Code93Values[static_cast<unsigned char>(c)]; }

} // namespace

std::string TBarcodeSymbol::Code_93() {
    std::string widths;
    widths.reserve(6 * (FText.size() + 3) + 7);
    widths = Code93Start;
    std::vector<int> values;
    values.reserve(FText.size());
    for (char c : FText) {
        const int v = FindCode93(c);
        if (v < 0) throw Exception(ClassName() + ":Code93 bad Data <" + FText + ">");
        values.push_back(v);
        widths += Code93Table[v].Widths;
    }
    // Check characters C (weights 1 to 20) and K (weights 1 to 15, the data from 2 on because C
    // comes first with weight 1), both walked from the rightmost character.
    long long sc = 0, sk = 0;
    int weightC = 1, weightK = 2;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        sc += *it * weightC;
        sk += *it * weightK;
        weightC = weightC == 20 ? 1 : weightC + 1;
        weightK = weightK == 15 ? 1 : weightK + 1;
    }
    const int c = int(sc % 47);
    const int k = int((sc + sk) % 47);
    widths += Code93Table[c].Widths;
    widths += Code93Table[k].Widths;
    widths += Code93Stop;
    return WidthsToPattern(std::move(widths));
}

std::string TBarcodeSymbol::Code_93Extended() {
    std::string written;
    for (char c : FText) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 128) written += Code93ExtendedTable[code]; // codes 128 to 255 are dropped
    }
    std::string kept = std::move(FText);
    FText = std::move(written);
    try {
        std::string result = Code_93();
        FText = std::move(kept);
        return result;
    } catch (...) {
        FText = std::move(kept);
        throw;
    }
}
