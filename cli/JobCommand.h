#pragma once
// qubrin-cli job show | job set: the job file read as the window reads it at start, shown field
// by field, or edited through the window's controls and saved as closing the window saves it.
#include <ostream>
#include <span>
#include <string>

inline constexpr const char* JobUsage = "qubrin-cli job show [--config FILE]\n"
                                        "  qubrin-cli job set [--config FILE] NAME=VALUE ...";

// Runs "job show" or "job set" (the arguments after "job"). Bad arguments raise UsageError;
// otherwise the result is the exit status: 0 done, 1 a message was shown (a conversion error,
// a failed save).
int RunJob(std::span<const std::string> args, std::ostream& out);
