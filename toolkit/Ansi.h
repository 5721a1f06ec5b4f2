#pragma once
// The 8-bit ANSI code page of the program's strings, Windows-1252, and its conversion to and from
// Qt's Unicode strings. Bytes 0x00-0x7F and 0xA0-0xFF are the Unicode code points of the same
// value; 0x80-0x9F follow the table below.
#include <QString>

#include <array>
#include <string>
#include <string_view>

// Unicode code points of the bytes 0x80 to 0x9F. The five bytes that Windows-1252 leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as the
// Windows conversion does, so that every byte survives a round trip.
inline constexpr std::array<char16_t, 32> Cp1252HighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021', // 80-87
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F', // 88-8F
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014', // 90-97
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178', // 98-9F
};

// The Unicode code point of one Windows-1252 byte.
constexpr char16_t AnsiCharToUnicode(unsigned char c) {
    return c >= 0x80 && c <= 0x9F ? Cp1252HighControls[c - 0x80] : char16_t(c);
}

// The Windows-1252 byte of a Unicode code unit, or '?' when the code page has none.
constexpr char UnicodeToAnsiChar(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < Cp1252HighControls.size(); ++i)
        if (Cp1252HighControls[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

inline QString AnsiToQString(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        result.append(QChar(AnsiCharToUnicode(static_cast<unsigned char>(c))));
    return result;
}

// Each character outside Windows-1252 becomes one '?', a surrogate pair included.
inline std::string QStringToAnsi(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        result.push_back(UnicodeToAnsiChar(text[i].unicode()));
    }
    return result;
}
