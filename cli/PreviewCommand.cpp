#include "PreviewCommand.h"

#include "AnsiArgs.h"
#include "CliJob.h"
#include "CliReporter.h"
#include "PageExport.h"

#include <algorithm>
#include <cctype>

namespace {

std::string LowerExtension(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

} // namespace

int RunPreview(std::span<const std::string> args, std::ostream& out) {
    Options options("preview", {"list"}, {"config", "out", "dpi", "picture"});
    options.Parse(args);
    std::optional<std::filesystem::path> sheet, picture;
    if (auto v = options.Value("out")) {
        sheet = *v;
        if (!ExportFormatOf(*sheet))
            options.Fail("--out must name a .pdf, .png or .svg file, not '" + *v + "'");
    }
    const int dpi = options.Int("dpi", 0, 1, 4800);
    if (options.Has("dpi") && !sheet) options.Fail("--dpi is for the sheet of --out");
    if (auto v = options.Value("picture")) {
        picture = *v;
        const std::string extension = LowerExtension(*picture);
        if (extension != ".bmp" && extension != ".png")
            options.Fail("--picture must name a .bmp or .png file, not '" + *v + "'");
    }

    CliReporter reporter;
    TLabelJob job(reporter);
    LoadJob(job, ConfigPath(options));
    if (options.Has("list"))
        job.OnLabelValue = [&out](int, const std::string& value) {
            out << AnsiToUtf8(value) << '\n';
        };
    if (!job.refreshClick()) {
        // The window would show the labels composed so far; a file of them would look like a
        // finished sheet, so none is written.
        if (sheet || picture)
            reporter.Note("qubrin-cli preview: the sheet stopped; no file written");
        return 1;
    }
    if (sheet) ExportPage(job.PagePreview1.Page(0), *sheet, TExportOptions{dpi});
    if (picture) {
        if (job.barcodeImage.Width() == 0)
            reporter.Note("qubrin-cli preview: no label picture (Print Barcode is off or the sheet "
                          "has no cell); " +
                          picture->string() + " not written");
        else
            job.barcodeImage.SaveToFile(*picture);
    }
    return 0;
}
