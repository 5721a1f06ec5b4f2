#pragma once
// The edge between the command line's UTF-8 and the engine's Windows-1252 strings.
#include <optional>
#include <string>
#include <string_view>

// The Windows-1252 bytes of a UTF-8 argument; nothing when it is not valid UTF-8 or holds a
// character that Windows-1252 lacks.
std::optional<std::string> ArgumentToAnsi(std::string_view utf8);

// A Windows-1252 text (such as an engine message that quotes the input) as UTF-8 for the terminal.
std::string AnsiToUtf8(std::string_view ansi);
