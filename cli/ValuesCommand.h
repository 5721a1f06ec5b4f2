#pragma once
// qubrin-cli values: the label values of the job, as the preview forms them.
#include <ostream>
#include <span>
#include <string>

inline constexpr const char* ValuesUsage = "qubrin-cli values [--config FILE] [--count N]";

// Prints the first N values, one a line (default: the labels of one sheet). Bad arguments raise
// UsageError; the result is 0, or 1 when the sequence stopped with its message.
int RunValues(std::span<const std::string> args, std::ostream& out);
