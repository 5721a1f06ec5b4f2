// Faults that fuzzing the engine found, one test each: the inputs that showed them, reduced.
#include "Barcode.h"
#include "Exceptions.h"

#include <gtest/gtest.h>

#include <climits>
#include <numbers>
#include <string>

namespace {

using namespace std::string_literals;

// A message that quotes the symbol's text keeps all of it, also past a NUL in the text: it used
// to end at the NUL, without its closing bracket.
TEST(FuzzFindings, MessagesQuoteTextsWithNulWhole) {
    struct Case {
        TBarcodeType type;
        bool checksum;
        std::string text, message;
    } cases[] = {
        {bcCode93, false, "A\0b"s, "TBarcodeSymbol:Code93 bad Data <A\0b>"s},
        {bcCodeCodabar, false,
         "1\0"s
         "2"s,
         "TBarcodeSymbol:Codabar bad Data <1\0"
         "2>"s},
        {bcCodeEAN128B, true, "12\0"s, "'\0' is not a valid integer value"s},
    };
    for (const Case& c : cases) {
        TBarcodeSymbol symbol;
        symbol.SetTyp(c.type);
        symbol.SetCheckSum(c.checksum);
        symbol.SetText(c.text);
        try {
            symbol.MakeData();
            ADD_FAILURE() << SymbologyInfo[c.type].Name << ": no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message) << SymbologyInfo[c.type].Name;
        }
    }
}

// The geometry of a symbol at the ends of the int range (Left, Top and Height take any value)
// holds there instead of wrapping around to the other end.
TEST(FuzzFindings, GeometryAtTheEndsOfTheIntRange) {
    constexpr double quarter = std::numbers::pi / 2;
    struct Case {
        const char* what;
        TPoint got, expected;
    } cases[] = {
        {"a bar's corner below a symbol near the bottom end",
         TranslatePoint({0, 1677721600}, {0, 671088640}),
         {0, INT_MAX}},
        {"left of a symbol near the left end",
         TranslatePoint({-10, -5}, {INT_MIN, INT_MIN + 2}),
         {INT_MIN, INT_MIN}},
        {"turned by half a turn: the origin moves by width and height",
         RotatedOrigin({INT_MAX - 5, INT_MAX - 5}, {100, INT_MAX}, 2 * quarter),
         {INT_MAX, INT_MAX}},
        {"turned by three quarters: the origin moves right by the height",
         RotatedOrigin({INT_MAX, 0}, {100, INT_MAX}, 3 * quarter),
         {INT_MAX, 0}},
        {"turned by a quarter: the origin moves down by the width",
         RotatedOrigin({0, INT_MAX - 1}, {100, 20}, quarter),
         {0, INT_MAX}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.got.x, c.expected.x) << c.what;
        EXPECT_EQ(c.got.y, c.expected.y) << c.what;
    }
}

} // namespace
