#pragma once
// qubrin-cli encode: one text in one symbology, printed as its pattern and width, and optionally
// drawn into a PNG or BMP picture.
#include "Barcode.h"

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

inline constexpr const char* EncodeUsage =
    "qubrin-cli encode --type TYPE --text TEXT [--checksum] [--modul N] [--ratio R] [--height H] "
    "[--angle DEG] [--show-text none|code|type|both] [--out FILE.png|FILE.bmp]";

// The symbology whose value name ("bcCode128B") or display name ("Code128B") is name, compared
// without regard to case.
std::optional<TBarcodeType> FindBarcodeType(std::string_view name);

// Runs the command on its arguments (those after "encode"). Bad arguments raise UsageError,
// encoding errors the engine's Exception; the result is the exit status otherwise.
int RunEncode(std::span<const std::string> args, std::ostream& out);
