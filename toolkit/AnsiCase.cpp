#include "AnsiCase.h"

char AnsiUpperChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return char(u - 0x20);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return char(u - 0x20); // à..þ, not ÷
    switch (u) {
    case 0x9A: return char(0x8A); // š → Š
    case 0x9C: return char(0x8C); // œ → Œ
    case 0x9E: return char(0x8E); // ž → Ž
    case 0xFF: return char(0x9F); // ÿ → Ÿ
    default: return c;
    }
}

std::string AnsiUpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = AnsiUpperChar(c);
    return result;
}
