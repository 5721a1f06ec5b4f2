#pragma once
// What the fuzz targets share: reading typed fields from the fuzzer's bytes, the engine's
// documented messages, and a failure that libFuzzer reports with its input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

// Stops the run with a message; libFuzzer saves the input that led here as a crash.
[[noreturn]] inline void FuzzFailure(const std::string& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void FuzzCheck(bool condition, const std::string& what) {
    if (!condition) FuzzFailure(what);
}

// Takes fields from the front of the input; bytes past its end read as zero.
class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <class T> T Take() {
        unsigned char raw[sizeof(T)] = {};
        const std::size_t n = pos_ < size_ ? std::min(sizeof(T), size_ - pos_) : 0;
        if (n > 0) std::memcpy(raw, data_ + pos_, n);
        pos_ += sizeof(T);
        T value;
        std::memcpy(&value, raw, sizeof(T));
        return value;
    }

    // The bytes that are left, at most max of them.
    std::string Rest(std::size_t max) const {
        if (pos_ >= size_) return {};
        return std::string(reinterpret_cast<const char*>(data_ + pos_),
                           std::min(max, size_ - pos_));
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

inline bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}
inline bool EndsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// "'X' is not a valid integer value" for any X.
inline bool IsIntegerConversionMessage(std::string_view m) {
    return m.size() >= 2 && m.front() == '\'' && EndsWith(m, "' is not a valid integer value");
}
inline bool IsFloatConversionMessage(std::string_view m) {
    return m.size() >= 2 && m.front() == '\'' &&
           EndsWith(m, "' is not a valid floating point value");
}

// The messages that MakeData, GetWidth and DrawBarcode may raise.
inline bool IsDocumentedEngineMessage(std::string_view m) {
    static constexpr std::string_view exact[] = {
        "Barcode must be numeric",
        "TBarcodeSymbol: wrong BarcodeType",
        "TBarcodeSymbol: internal Error",
        "Invalid Text len (EAN8)",
        "Invalid Text len (EAN13)",
        "Invalid Text len (UPC_A)",
        "TBarcodeSymbol: Modul and Ratio give element widths outside 0 to 127",
    };
    for (std::string_view e : exact)
        if (m == e) return true;
    if (IsIntegerConversionMessage(m)) return true;
    for (std::string_view p :
         {"TBarcodeSymbol:Code93 bad Data <", "TBarcodeSymbol:Codabar bad Data <"})
        if (StartsWith(m, p) && EndsWith(m, ">")) return true;
    return false;
}

// Every pattern character is one of "0123", "5678" and "ABCD".
inline bool InPatternAlphabet(char c) {
    return (c >= '0' && c <= '3') || (c >= '5' && c <= '8') || (c >= 'A' && c <= 'D');
}
