#pragma once
// The Format list of the main window and the symbology that each entry selects, and the Page
// Size list with the paper size that each entry names.
#include "Barcode.h"
#include "PaperSize.h"

#include <array>

// How a label value is checked and shaped for the symbology before it is encoded.
enum class TValueShaping : std::uint8_t {
    None,
    DigitsPreviewOnly, // digits only, checked in the preview only
    PadAndCheckDigit,  // digits only, cut or padded to DataDigits, then the check digit
};

struct TFormatEntry {
    const char* Caption;
    TBarcodeType Typ;
};

inline constexpr std::array<TFormatEntry, 8> FormatList = {{
    {"Code 128", bcCode128B},
    {"EAN128", bcCodeEAN128B},
    {"Code 39", bcCode39},
    {"Code 93", bcCode93},
    {"Code 25", bcCode_2_5_interleaved},
    {"EAN13", bcCodeEAN13},
    {"EAN8", bcCodeEAN8},
    {"UPC_A", bcCodeUPC_A},
}};

// The shaping follows the symbology, not the list position.
struct TShapingRule {
    TBarcodeType Typ;
    TValueShaping Shaping;
    int DataDigits;      // PadAndCheckDigit: digits before the check digit
    const char* Message; // shown when a character is not a digit
};

inline constexpr std::array<TShapingRule, 4> ShapingRules = {{
    {bcCodeEAN13, TValueShaping::PadAndCheckDigit, 12, "EAN13 must be integer value."},
    {bcCodeEAN8, TValueShaping::PadAndCheckDigit, 7, "EAN8 must be integer value."},
    {bcCodeUPC_A, TValueShaping::PadAndCheckDigit, 11, "UPC_A must be integer value."},
    {bcCode_2_5_interleaved, TValueShaping::DigitsPreviewOnly, 0,
     "bcCode_2_5_interleaved must be integer value."},
}};

struct TPageSizeEntry {
    const char* Caption;
    TPaperSize Paper;
};

inline constexpr std::array<TPageSizeEntry, 9> PageSizeList = {{
    {"A3", A3}, {"A4", A4}, {"A5", A5}, {"A6", A6}, {"B5", B5},
    {"C5", C5}, {"Letter", Letter}, {"Legal", Legal}, {"Custom", Custom},
}};
inline constexpr int CustomPageSizeIndex = 8;
