#include "Convert.h"

#include "Exceptions.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string InvalidIntegerMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

std::string InvalidFloatMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid floating point value";
}

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t(INT32_MAX) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(std::string_view text) {
    if (auto v = TryStrToInt(text)) return *v;
    throw EConvertError(InvalidIntegerMessage(text));
}

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
} // namespace

std::optional<double> TryStrToFloat(std::string_view text, char decimalSeparator) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    // Check the shape first, then hand a plain "C" form to from_chars.
    std::string plain;
    std::size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool separatorSeen = false;
    for (; i < e; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            plain += c;
            ++mantissaDigits;
        } else if (c == decimalSeparator && !separatorSeen) {
            plain += '.';
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        int exponentDigits = 0;
        for (; i < e && IsDigit(text[i]); ++i, ++exponentDigits) plain += text[i];
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != e) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double StrToFloat(std::string_view text, char decimalSeparator) {
    if (auto v = TryStrToFloat(text, decimalSeparator)) return *v;
    throw EConvertError(InvalidFloatMessage(text));
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string FloatToStr(double value, char decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string s = buffer;
    // The C form writes exponents as "E+20" and "E-05"; the toolkit writes "E20" and "E-5".
    if (const auto ePos = s.find('E'); ePos != std::string::npos) {
        std::string mantissa = s.substr(0, ePos);
        std::string exponent = s.substr(ePos + 1);
        const bool negative = exponent.front() == '-';
        exponent.erase(0, exponent.find_first_not_of("+-"));
        exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
        s = mantissa + "E" + (negative ? "-" : "") + exponent;
    }
    if (decimalSeparator != '.')
        for (char& c : s)
            if (c == '.') c = decimalSeparator;
    return s;
}
