#pragma once
// One recorded page written to a file: a PDF document, a PNG picture or an SVG drawing, chosen
// by the file's extension. The file is replaced only once the new one is complete.
#include "PageModel.h"

#include <filesystem>
#include <optional>

enum class TExportFormat { Pdf, Png, Svg };

// The format that the extension names (".pdf", ".png", ".svg", in any case), or nothing.
std::optional<TExportFormat> ExportFormatOf(const std::filesystem::path& file);

// A PNG has to have a resolution. At 192 dots per inch a module of 1/96 inch is exactly 2 dots,
// so the symbols keep their size on paper; at 150, for instance, modules would round to 2 dots
// of 1/75 inch and every symbol would come out 28 % wider than it prints.
inline constexpr int DefaultPngDpi = 192;

struct TExportOptions {
    // 0: a PDF or SVG with every element of a symbol an exact vector rectangle, a PNG at
    // DefaultPngDpi. Otherwise the drawing is made for a device of this many dots per inch and
    // every element of a symbol lies on whole dots of it (see RenderPage).
    int Dpi = 0;
};

// Raises Exception, with the system's reason where there is one, when the format is unknown,
// the picture would be too large or the file cannot be written; the old file then stays.
void ExportPage(const TPage& page, const std::filesystem::path& file,
                const TExportOptions& options = {});
