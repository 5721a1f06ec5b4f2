#pragma once
// Text-to-number and number-to-text conversions of the form toolkit, with its exact messages.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// "'%s' is not a valid integer value", with text in place of %s.
std::string InvalidIntegerMessage(std::string_view text);

// Parses a signed 32-bit decimal integer (an optional sign and the digits 0 to 9, nothing else).
std::optional<std::int32_t> TryStrToInt(std::string_view text);
// As TryStrToInt; raises EConvertError with InvalidIntegerMessage when the text does not convert.
std::int32_t StrToInt(std::string_view text);

std::string IntToStr(std::int64_t value);
