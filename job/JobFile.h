#pragma once
// "Qubrin.cfg": the 648-byte job record followed by four 60-byte LOGFONTA records (the fonts of
// the Initial String box and of text lines 1 to 3). No magic number, version or checksum; a
// longer file's remaining bytes are ignored.
#include "LabelJobSettings.h"
#include "LogFont.h"

#include <array>
#include <filesystem>
#include <string>

inline constexpr const char* JobFileName = "Qubrin.cfg";
inline constexpr std::size_t JobFontCount = 4;
inline constexpr std::size_t JobFileSize = sizeof(LabelJobSettings) + JobFontCount * LogFontSize;
static_assert(JobFileSize == 888);

struct TJobFileContents {
    bool Opened = false;       // false: no file, or it could not be opened
    LabelJobSettings Record{}; // as far as the file went; the rest zero
    std::size_t FontsRead = 0; // the complete fonts, in order, up to the first incomplete one
    std::array<LOGFONTA, JobFontCount> Fonts{};
};

TJobFileContents ReadJobFile(const std::filesystem::path& file);

// The 888 bytes of a job file.
std::string JobFileBytes(const LabelJobSettings& record,
                         const std::array<LOGFONTA, JobFontCount>& fonts);

// Writes the bytes to a new file beside the target and renames it over the target only when
// all of them are written and flushed, so a failed save leaves the old file as it was. Returns
// an empty string on success, else the system's reason.
std::string WriteFileReplacing(const std::filesystem::path& file, const std::string& bytes);
