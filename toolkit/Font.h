#pragma once
// The font object of the form toolkit: a face name, a height in pixels with the toolkit's sign
// convention, a style set, a character set and a colour.
#include "Color.h"

#include <cstdint>
#include <string>

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t; // a set of TFontStyle bits

inline constexpr std::uint8_t ANSI_CHARSET = 0;
inline constexpr std::uint8_t DEFAULT_CHARSET = 1;

// The toolkit's screen resolution: 96 pixels to the inch.
inline constexpr int ScreenPixelsPerInch = 96;

class TFont {
public:
    // Negative Height: the character height in pixels (the em without internal leading).
    // Positive Height: the cell height in pixels (ascent plus descent). Zero: a default size.
    std::string Name = "MS Sans Serif";
    int Height = -11;
    TFontStyles Style = 0;
    std::uint8_t Charset = DEFAULT_CHARSET;
    TColor Color = clWindowText;

    TFont() = default;
    TFont(std::string name, int height, TFontStyles style = 0, std::uint8_t charset = DEFAULT_CHARSET,
          TColor color = clWindowText)
        : Name(std::move(name)), Height(height), Style(style), Charset(charset), Color(color) {}

    // Copies every attribute of the other font.
    void Assign(const TFont& other) { *this = other; }

    // The size in points at the screen's 96 pixels to the inch, as the toolkit reports it.
    int GetSize() const { return -Height * 72 / ScreenPixelsPerInch; }
    void SetSize(int points) { Height = -points * ScreenPixelsPerInch / 72; }

    bool Has(TFontStyle s) const { return (Style & s) != 0; }

    friend bool operator==(const TFont&, const TFont&) = default;
};
