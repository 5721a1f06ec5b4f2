#pragma once
// The Windows LOGFONTA record (60 bytes, little-endian, the face name in its last 32 bytes) as
// the job file stores fonts, and its mapping to and from TFont.
#include "Font.h"

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t LogFontSize = 60;
using LogFontBytes = std::array<std::uint8_t, LogFontSize>;

struct LOGFONTA {
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[32] = {};
};
static_assert(sizeof(LOGFONTA) == LogFontSize);
static_assert(offsetof(LOGFONTA, lfWeight) == 16);
static_assert(offsetof(LOGFONTA, lfItalic) == 20);
static_assert(offsetof(LOGFONTA, lfCharSet) == 23);
static_assert(offsetof(LOGFONTA, lfFaceName) == 28);

inline constexpr std::int32_t FW_NORMAL = 400;
inline constexpr std::int32_t FW_BOLD = 700;

// The record that the font services give for a font: its height, weight 700 for bold and 400
// otherwise, the style flags, the character set and the face name (at most 31 characters).
LOGFONTA FontToLogFont(const TFont& font);
// The font made from a record. Bold from a weight of 700 on; a face name without a terminating
// NUL is read to the end of its 32 bytes. What the record cannot hold (the colour) is taken from
// base.
TFont LogFontToFont(const LOGFONTA& lf, const TFont& base);

LogFontBytes LogFontToBytes(const LOGFONTA& lf);
LOGFONTA LogFontFromBytes(const LogFontBytes& bytes);
