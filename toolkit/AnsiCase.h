#pragma once
// Upper-casing in the 8-bit ANSI code page (Windows-1252), as the locale-aware upper-casing of
// the toolkit does it: a letter whose capital is in the code page becomes that capital; every
// other byte (ß, µ, digits, signs) stays as it is.
#include <string>
#include <string_view>

char AnsiUpperChar(char c);
std::string AnsiUpperCase(std::string_view text);
