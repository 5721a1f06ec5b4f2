// Code 128 (ISO/IEC 15417) in one code set per symbol, with FNC1 after the start for EAN-128.
#include "Barcode.h"

#include "Exceptions.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr int NoChar = -1;

struct Code128Row {
    int A;          // the set A character, or NoChar
    int B;          // the set B character, or NoChar
    const char* C;  // the set C pair, or nullptr
    const char* Widths; // bar, space, bar, space, bar, space in modules; 11 modules in all
};

// Symbol values 0 to 102. Set A holds space to '_' (values 0 to 63; its control characters are
// not writable), set B space to '~' (0 to 94), set C the pairs "00" to "99".
constexpr Code128Row Code128Table[] = {
    {' ', ' ', "00", "212222"}, // 0
    {'!', '!', "01", "222122"}, // 1
    {'"', '"', "02", "222221"}, // 2
    {'#', '#', "03", "121223"}, // 3
    {'$', '$', "04", "121322"}, // 4
    {'%', '%', "05", "131222"}, // 5
    {'&', '&', "06", "122213"}, // 6
    {'\'', '\'', "07", "122312"}, // 7
    {'(', '(', "08", "132212"}, // 8
    {')', ')', "09", "221213"}, // 9
    {'*', '*', "10", "221312"}, // 10
    {'+', '+', "11", "231212"}, // 11
    {',', ',', "12", "112232"}, // 12
    {'-', '-', "13", "122132"}, // 13
    {'.', '.', "14", "122231"}, // 14
    {'/', '/', "15", "113222"}, // 15
    {'0', '0', "16", "123122"}, // 16
    {'1', '1', "17", "123221"}, // 17
    {'2', '2', "18", "223211"}, // 18
    {'3', '3', "19", "221132"}, // 19
    {'4', '4', "20", "221231"}, // 20
    {'5', '5', "21", "213212"}, // 21
    {'6', '6', "22", "223112"}, // 22
    {'7', '7', "23", "312131"}, // 23
    {'8', '8', "24", "311222"}, // 24
    {'9', '9', "25", "321122"}, // 25
    {':', ':', "26", "321221"}, // 26
    {';', ';', "27", "312212"}, // 27
    {'<', '<', "28", "322112"}, // 28
    {'=', '=', "29", "322211"}, // 29
    {'>', '>', "30", "212123"}, // 30
    {'?', '?', "31", "212321"}, // 31
    {'@', '@', "32", "232121"}, // 32
    {'A', 'A', "33", "111323"}, // 33
    {'B', 'B', "34", "131123"}, // 34
    {'C', 'C', "35", "131321"}, // 35
    {'D', 'D', "36", "112313"}, // 36
    {'E', 'E', "37", "132113"}, // 37
    {'F', 'F', "38", "132311"}, // 38
    {'G', 'G', "39", "211313"}, // 39
    {'H', 'H', "40", "231113"}, // 40
    {'I', 'I', "41", "231311"}, // 41
    {'J', 'J', "42", "112133"}, // 42
    {'K', 'K', "43", "112331"}, // 43
    {'L', 'L', "44", "132131"}, // 44
    {'M', 'M', "45", "113123"}, // 45
    {'N', 'N', "46", "113321"}, // 46
    {'O', 'O', "47", "133121"}, // 47
    {'P', 'P', "48", "313121"}, // 48
    {'Q', 'Q', "49", "211331"}, // 49
    {'R', 'R', "50", "231131"}, // 50
    {'S', 'S', "51", "213113"}, // 51
    {'T', 'T', "52", "213311"}, // 52
    {'U', 'U', "53", "213131"}, // 53
    {'V', 'V', "54", "311123"}, // 54
    {'W', 'W', "55", "311321"}, // 55
    {'X', 'X', "56", "331121"}, // 56
    {'Y', 'Y', "57", "312113"}, // 57
    {'Z', 'Z', "58", "312311"}, // 58
    {'[', '[', "59", "332111"}, // 59
    {'\\', '\\', "60", "314111"}, // 60
    {']', ']', "61", "221411"}, // 61
    {'^', '^', "62", "431111"}, // 62
    {'_', '_', "63", "111224"}, // 63
    {NoChar, '`', "64", "111422"}, // 64
    {NoChar, 'a', "65", "121124"}, // 65
    {NoChar, 'b', "66", "121421"}, // 66
    {NoChar, 'c', "67", "141122"}, // 67
    {NoChar, 'd', "68", "141221"}, // 68
    {NoChar, 'e', "69", "112214"}, // 69
    {NoChar, 'f', "70", "112412"}, // 70
    {NoChar, 'g', "71", "122114"}, // 71
    {NoChar, 'h', "72", "122411"}, // 72
    {NoChar, 'i', "73", "142112"}, // 73
    {NoChar, 'j', "74", "142211"}, // 74
    {NoChar, 'k', "75", "241211"}, // 75
    {NoChar, 'l', "76", "221114"}, // 76
    {NoChar, 'm', "77", "413111"}, // 77
    {NoChar, 'n', "78", "241112"}, // 78
    {NoChar, 'o', "79", "134111"}, // 79
    {NoChar, 'p', "80", "111242"}, // 80
    {NoChar, 'q', "81", "121142"}, // 81
    {NoChar, 'r', "82", "121241"}, // 82
    {NoChar, 's', "83", "114212"}, // 83
    {NoChar, 't', "84", "124112"}, // 84
    {NoChar, 'u', "85", "124211"}, // 85
    {NoChar, 'v', "86", "411212"}, // 86
    {NoChar, 'w', "87", "421112"}, // 87
    {NoChar, 'x', "88", "421211"}, // 88
    {NoChar, 'y', "89", "212141"}, // 89
    {NoChar, 'z', "90", "214121"}, // 90
    {NoChar, '{', "91", "412121"}, // 91
    {NoChar, '|', "92", "111143"}, // 92
    {NoChar, '}', "93", "111341"}, // 93
    {NoChar, '~', "94", "131141"}, // 94
    {NoChar, NoChar, "95", "114113"}, // 95 (set B DEL: not writable)
    {NoChar, NoChar, "96", "114311"}, // 96
    {NoChar, NoChar, "97", "411113"}, // 97
    {NoChar, NoChar, "98", "411311"}, // 98
    {NoChar, NoChar, "99", "113141"}, // 99
    {NoChar, NoChar, nullptr, "114131"}, // 100 CODE B / FNC4 / CODE B: not writable
    {NoChar, NoChar, nullptr, "311141"}, // 101 CODE A / CODE A / FNC4: not writable
    {NoChar, NoChar, nullptr, "411131"}, // 102 FNC1
};
static_assert(std::size(Code128Table) == 103);

constexpr bool RowsHaveElevenModules() {
    for (const auto& row : Code128Table) {
        int sum = 0;
        for (const char* w = row.Widths; *w; ++w) sum += *w - '0';
        if (sum != 11) return false;
    }
    return true;
}
static_assert(RowsHaveElevenModules());

constexpr bool PairsAreInOrder() {
    for (int v = 0; v < 100; ++v) {
        const char* c = Code128Table[v].C;
        if (!c || c[0] != '0' + v / 10 || c[1] != '0' + v % 10 || c[2] != 0) return false;
    }
    return Code128Table[100].C == nullptr && Code128Table[101].C == nullptr &&
           Code128Table[102].C == nullptr;
}
static_assert(PairsAreInOrder());

// Character lookups built once from the table: the smallest value whose set A or set B character
// is the byte, or -1.
struct Code128Lookup {
    std::array<std::int8_t, 256> A{}, B{};
    constexpr Code128Lookup() {
        A.fill(-1);
        B.fill(-1);
        for (int v = int(std::size(Code128Table)) - 1; v >= 0; --v) {
            if (Code128Table[v].A != NoChar) A[std::size_t(Code128Table[v].A)] = std::int8_t(v);
            if (Code128Table[v].B != NoChar) B[std::size_t(Code128Table[v].B)] = std::int8_t(v);
        }
    }
};
constexpr Code128Lookup Lookup;

constexpr int Fnc1Value = 102;
constexpr int StartA = 103, StartB = 104, StartC = 105;
constexpr const char* StartWidths[] = {"211412", "211214", "211232"}; // start A, B, C
constexpr const char* StopWidths = "2331112";

struct Code128Kind {
    int Start;
    bool Fnc1;
};

// The start character and FNC1 of each Code 128 type; nullptr for the other types.
const Code128Kind* KindOf(TBarcodeType t) {
    static constexpr Code128Kind a{StartA, false}, b{StartB, false}, c{StartC, false};
    static constexpr Code128Kind ea{StartA, true}, eb{StartB, true}, ec{StartC, true};
    switch (t) {
    case bcCode128A: return &a;
    case bcCode128B: return &b;
    case bcCode128C: return &c;
    case bcCodeEAN128A: return &ea;
    case bcCodeEAN128B: return &eb;
    case bcCodeEAN128C: return &ec;
    default: return nullptr;
    }
}

} // namespace

int FindCode128Char(char c, TCode128Set set) {
    const auto code = static_cast<unsigned char>(c);
    return set == TCode128Set::A ? Lookup.A[code] : Lookup.B[code];
}

int FindCode128Pair(std::string_view pair) {
    // The pairs "00" to "99" are the values 0 to 99 in order.
    if (pair.size() != 2 || pair[0] < '0' || pair[0] > '9' || pair[1] < '0' || pair[1] > '9')
        return -1;
    return (pair[0] - '0') * 10 + (pair[1] - '0');
}

std::string TBarcodeSymbol::Code_128() {
    const Code128Kind* kind = KindOf(FTyp);
    if (!kind) throw Exception(ClassName() + ": wrong BarcodeType in Code_128");
    const bool setC = kind->Start == StartC;

    std::string withCheckDigit;
    std::string_view data = FText;
    // The check digit is encoded but never stored in Text, so every run over the same Text
    // encodes the same symbol with exactly one check digit.
    if (kind->Fnc1 && FCheckSum) data = withCheckDigit = DoCheckSumming(FText);
    std::string padded;
    if (setC && data.size() % 2 == 1) {
        // An odd count of digits gains a leading zero, in the data and in Text. With a check
        // digit appended, Text gains the same zero, which leaves that digit unchanged.
        padded = "0" + std::string(data);
        data = padded;
        FText.insert(FText.begin(), '0');
    }

    // Start, [FNC1], the data's symbol characters and the check character, 6 widths each, and
    // the stop's 7.
    const std::size_t characters = 2 + (kind->Fnc1 ? 1 : 0) + (setC ? data.size() / 2 : data.size());
    std::string widths(6 * characters + 7, '\0');
    char* out = widths.data();
    std::memcpy(out, StartWidths[kind->Start - StartA], 6);
    out += 6;
    long long sum = kind->Start;
    long long weight = 1;
    auto put = [&](int value) {
        std::memcpy(out, Code128Table[value].Widths, 6);
        out += 6;
        sum += value * weight;
        ++weight;
    };

    if (kind->Fnc1) put(Fnc1Value);
    if (setC) {
        for (std::size_t i = 0; i < data.size(); i += 2) {
            const int v = FindCode128Pair(data.substr(i, 2));
            put(v < 0 ? 0 : v);
        }
    } else {
        const auto& lookup = kind->Start == StartA ? Lookup.A : Lookup.B;
        for (char c : data) {
            const int v = lookup[static_cast<unsigned char>(c)];
            put(v < 0 ? 0 : v); // a character outside the code set is encoded as a space
        }
    }
    std::memcpy(out, Code128Table[sum % 103].Widths, 6);
    std::memcpy(out + 6, StopWidths, 7);
    return WidthsToPattern(std::move(widths));
}
