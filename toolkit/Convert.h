#pragma once
// Text-to-number and number-to-text conversions of the form toolkit, with its exact messages.
// Real numbers are read and written with a decimal separator chosen by the caller: the window
// passes the system's, the command line and the tests pass '.'.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// "'%s' is not a valid integer value", with text in place of %s.
std::string InvalidIntegerMessage(std::string_view text);
// "'%s' is not a valid floating point value", with text in place of %s.
std::string InvalidFloatMessage(std::string_view text);

// Parses a signed 32-bit decimal integer: an optional sign and the digits 0 to 9, nothing else
// (no blanks, no hexadecimal).
std::optional<std::int32_t> TryStrToInt(std::string_view text);
// As TryStrToInt; raises EConvertError with InvalidIntegerMessage when the text does not convert.
std::int32_t StrToInt(std::string_view text);

// Parses a finite decimal real: blanks around it are allowed, then an optional sign, digits
// with at most one decimal separator (at least one digit in all), and an optional exponent
// "E" or "e" with an optional sign and digits. A value beyond the double range does not convert.
std::optional<double> TryStrToFloat(std::string_view text, char decimalSeparator);
// As TryStrToFloat; raises EConvertError with InvalidFloatMessage when the text does not convert.
double StrToFloat(std::string_view text, char decimalSeparator);

std::string IntToStr(std::int64_t value);
// The shortest general form with up to 15 significant digits: 297, 12.5, 148.5, 249.936;
// very large or small values in exponent form (1E20, 1E-5).
std::string FloatToStr(double value, char decimalSeparator);
