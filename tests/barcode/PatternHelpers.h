#pragma once
// Helpers for reading patterns in tests: the module string of a pattern at Modul 1, Ratio 2.
#include "Barcode.h"

#include <string>

// '1' for every dark module and '0' for every light one, at the standard proportions 1:2:3:4.
// Short bars ('A' to 'D') are written 'h', so that POSTNET's heights show.
inline std::string Modules(const std::string& pattern) {
    std::string modules;
    for (char c : pattern) {
        if (c >= '0' && c <= '3') modules.append(c - '0' + 1, '0');
        else if (c >= '5' && c <= '8') modules.append(c - '5' + 1, '1');
        else if (c >= 'A' && c <= 'D') modules.append(c - 'A' + 1, 'h');
        else modules += '?';
    }
    return modules;
}

// A symbol of the given type and text with the component's defaults otherwise.
inline std::string Encode(TBarcodeType type, const std::string& text, bool checksum = false) {
    TBarcodeSymbol symbol;
    symbol.SetTyp(type);
    symbol.SetText(text);
    symbol.SetCheckSum(checksum);
    return symbol.MakeData();
}
