#pragma once
// Colours as the form toolkit stores them: 0x00BBGGRR, or a system colour with the high bit set.
#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clWindowText = 0x80000008; // system colour: text of windows
inline constexpr TColor clWindow = 0x80000005;     // system colour: background of windows
inline constexpr TColor clInfoBk = 0x80000018;     // system colour: tool-tip background

inline constexpr std::uint8_t GetRValue(TColor c) { return c & 0xFF; }
inline constexpr std::uint8_t GetGValue(TColor c) { return (c >> 8) & 0xFF; }
inline constexpr std::uint8_t GetBValue(TColor c) { return (c >> 16) & 0xFF; }
inline constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

// A system colour resolved to the plain colour that this program draws it with.
inline constexpr TColor ColorToRGB(TColor c) {
    switch (c) {
    case clWindowText: return clBlack;
    case clWindow: return clWhite;
    case clInfoBk: return RGBColor(0xFF, 0xFF, 0xE1);
    default: return c & 0xFFFFFF;
    }
}
