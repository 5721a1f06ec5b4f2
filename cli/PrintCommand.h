#pragma once
// qubrin-cli print: the job's print run as the window's Print command makes it, on a printer or
// into a PDF file; afterwards the job file continues the numbering.
#include <ostream>
#include <span>
#include <string>

inline constexpr const char* PrintUsage =
    "qubrin-cli print [--config FILE] [--printer NAME | --pdf FILE] [--dpi N] [--pages N] "
    "[--list]";

// Bad arguments (an unknown printer, no target) raise UsageError; the result is 0 when printed
// and the job saved, 1 when nothing was printed (the message is on stderr; the job file is left
// as it was) or the job could not be saved.
int RunPrint(std::span<const std::string> args, std::ostream& out);
