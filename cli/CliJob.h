#pragma once
// What the job commands share: the job file they work on and the job loaded from it as the
// window loads it at start.
#include "LabelJob.h"
#include "Options.h"

#include <filesystem>
#include <string>

// --config FILE, or "Qubrin.cfg" in the working directory as the window uses.
std::filesystem::path ConfigPath(const Options& options);

// Starts Qt (the printer list, fonts and drawing need it), fills the printer list with the
// system's default selected, and loads the job file, or keeps the defaults when there is none.
// Nothing is previewed and nothing is written.
void LoadJob(TLabelJob& job, const std::filesystem::path& config);

// The system's printers of the job's list (without its PDF file entry), for messages:
// "installed: \"a\", \"b\"" or "installed: none".
std::string PrinterNames(const TLabelJob& job);

// The position of a system printer in the job's list by its name (exactly, or else without
// regard to case when only one matches); -1 when there is none.
int FindPrinter(const TLabelJob& job, const std::string& name);
