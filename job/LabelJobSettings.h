#pragma once
// The label job: a fixed-layout record of 648 bytes, also the first part of "Qubrin.cfg".
// Integers are little-endian two's complement, reals IEEE 754 doubles, texts 8-bit Windows-1252
// terminated by a NUL inside their field. Padding and reserved bytes are never interpreted and
// are written back exactly as they were read.
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t JobTextFieldSize = 80;
inline constexpr std::size_t JobTextMaxLength = JobTextFieldSize - 1; // and a NUL

struct LabelJobSettings {
    char initialString[JobTextFieldSize]; // fixed prefix of every label value
    std::int32_t initialValue;            // counter value of the first label
    std::int32_t increment;               // added to the counter after each label
    std::uint8_t displayText;             // non-zero: the symbol shows its text
    std::uint8_t padding89[3];
    std::int32_t barHeight;               // whole millimetres
    std::uint8_t reserved96[4];
    std::int32_t pageSizeIndex;           // position in the Page Size list
    double pageHeight;
    double pageWidth;
    std::int32_t pageCount;               // pages of a print run
    std::uint8_t padding124[4];
    double topMargin;
    double leftMargin;
    double rightMargin;  // kept; no drawing uses it
    double bottomMargin; // kept; no drawing uses it
    double cellHeight;
    double cellWidth;
    std::int32_t columns;
    std::uint8_t reserved180[12];
    std::int32_t rows;
    std::uint8_t reserved196[12];
    std::int32_t length;      // counter digits, 0 to 40 from the controls
    std::int16_t formatIndex; // position in the Format list
    std::uint8_t reserved214[114];
    double barcodeLeft; // offsets of the symbol inside its cell
    double barcodeTop;
    std::uint8_t reserved344[4];
    char text1[JobTextFieldSize];
    char text2[JobTextFieldSize];
    char text3[JobTextFieldSize];
    std::uint8_t padding588[4];
    double text1Left;
    double text2Left;
    double text3Left;
    double text1Top;
    double text2Top;
    double text3Top;
    std::uint8_t printBarcode; // non-zero: symbols are drawn
    std::uint8_t printText;    // non-zero: the three text lines are drawn
    std::uint8_t padding642[2];
    std::int32_t printerIndex; // position in the system's printer list
};

static_assert(sizeof(LabelJobSettings) == 648);
static_assert(offsetof(LabelJobSettings, initialString) == 0);
static_assert(offsetof(LabelJobSettings, initialValue) == 80);
static_assert(offsetof(LabelJobSettings, increment) == 84);
static_assert(offsetof(LabelJobSettings, displayText) == 88);
static_assert(offsetof(LabelJobSettings, padding89) == 89);
static_assert(offsetof(LabelJobSettings, barHeight) == 92);
static_assert(offsetof(LabelJobSettings, reserved96) == 96);
static_assert(offsetof(LabelJobSettings, pageSizeIndex) == 100);
static_assert(offsetof(LabelJobSettings, pageHeight) == 104);
static_assert(offsetof(LabelJobSettings, pageWidth) == 112);
static_assert(offsetof(LabelJobSettings, pageCount) == 120);
static_assert(offsetof(LabelJobSettings, padding124) == 124);
static_assert(offsetof(LabelJobSettings, topMargin) == 128);
static_assert(offsetof(LabelJobSettings, leftMargin) == 136);
static_assert(offsetof(LabelJobSettings, rightMargin) == 144);
static_assert(offsetof(LabelJobSettings, bottomMargin) == 152);
static_assert(offsetof(LabelJobSettings, cellHeight) == 160);
static_assert(offsetof(LabelJobSettings, cellWidth) == 168);
static_assert(offsetof(LabelJobSettings, columns) == 176);
static_assert(offsetof(LabelJobSettings, reserved180) == 180);
static_assert(offsetof(LabelJobSettings, rows) == 192);
static_assert(offsetof(LabelJobSettings, reserved196) == 196);
static_assert(offsetof(LabelJobSettings, length) == 208);
static_assert(offsetof(LabelJobSettings, formatIndex) == 212);
static_assert(offsetof(LabelJobSettings, reserved214) == 214);
static_assert(offsetof(LabelJobSettings, barcodeLeft) == 328);
static_assert(offsetof(LabelJobSettings, barcodeTop) == 336);
static_assert(offsetof(LabelJobSettings, reserved344) == 344);
static_assert(offsetof(LabelJobSettings, text1) == 348);
static_assert(offsetof(LabelJobSettings, text2) == 428);
static_assert(offsetof(LabelJobSettings, text3) == 508);
static_assert(offsetof(LabelJobSettings, padding588) == 588);
static_assert(offsetof(LabelJobSettings, text1Left) == 592);
static_assert(offsetof(LabelJobSettings, text2Left) == 600);
static_assert(offsetof(LabelJobSettings, text3Left) == 608);
static_assert(offsetof(LabelJobSettings, text1Top) == 616);
static_assert(offsetof(LabelJobSettings, text2Top) == 624);
static_assert(offsetof(LabelJobSettings, text3Top) == 632);
static_assert(offsetof(LabelJobSettings, printBarcode) == 640);
static_assert(offsetof(LabelJobSettings, printText) == 641);
static_assert(offsetof(LabelJobSettings, padding642) == 642);
static_assert(offsetof(LabelJobSettings, printerIndex) == 644);
