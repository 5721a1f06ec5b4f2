#pragma once
// qubrin-cli preview: the first sheet of the job composed as the window's preview composes it,
// written as a PDF, PNG or SVG file, with the first label's picture and the label values.
#include <ostream>
#include <span>
#include <string>

inline constexpr const char* PreviewUsage =
    "qubrin-cli preview [--config FILE] [--out SHEET.pdf|SHEET.png|SHEET.svg] [--dpi N] "
    "[--picture LABEL.bmp] [--list]";

// Bad arguments raise UsageError; the result is 0, or 1 when the composition stopped (its
// message is on stderr and no file is written).
int RunPreview(std::span<const std::string> args, std::ostream& out);
