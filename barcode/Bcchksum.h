#pragma once
// Unit Bcchksum: the modulo-10 check digit of the EAN/UPC family.
#include <string>
#include <string_view>

// s followed by its modulo-10 check digit: digits counted from the right, the rightmost being 1,
// odd places weigh 3 and even places 1; the digit is (10 - sum mod 10) mod 10. An empty s gives
// "0". A character that is not a digit raises EConvertError "'%s' is not a valid integer value"
// with that character.
std::string CheckSumModulo10(std::string_view s);
