#include "PrintCommand.h"

#include "AnsiArgs.h"
#include "CliJob.h"
#include "CliReporter.h"
#include "Convert.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <utility>
#include <vector>

namespace {

std::filesystem::path PdfFileName(std::filesystem::path file) {
    std::string extension = file.extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
    if (extension != ".pdf") file += ".pdf";
    return file;
}

std::string Counted(long n, const char* one) {
    return std::to_string(n) + " " + one + (n == 1 ? "" : "s");
}

} // namespace

int RunPrint(std::span<const std::string> args, std::ostream& out) {
    Options options("print", {"list"}, {"config", "printer", "pdf", "dpi", "pages"});
    options.Parse(args);
    if (options.Has("printer") && options.Has("pdf"))
        options.Fail("give --printer or --pdf, not both");
    const int dpi = options.Int("dpi", 0, 1, 4800);
    if (options.Has("dpi") && !options.Has("pdf"))
        options.Fail("--dpi is for --pdf; a printer prints at its own resolution");
    const int pages = options.Int("pages", 0, 0, INT_MAX);
    const std::filesystem::path config = ConfigPath(options);

    CliReporter reporter;
    TLabelJob job(reporter);
    LoadJob(job, config);
    TPagePrinter& printer = job.PagePreview1.GetPagePrinter();

    // The target: a printer of the list (it becomes the job's printer, as a choice in the
    // window's list does), a PDF file for this run only, or the job's own printer.
    std::string target;
    if (auto name = options.Value("printer")) {
        const int index = FindPrinter(job, *name);
        if (index < 0) options.Fail("unknown printer '" + *name + "' (" + PrinterNames(job) + ")");
        job.Controls.printer.SetItemIndex(index);
        target = "on " + job.Controls.printer.Items[std::size_t(index)];
    } else if (auto pdf = options.Value("pdf")) {
        const std::filesystem::path file = PdfFileName(*pdf);
        printer.SetPdfFile(file);
        printer.SetPdfResolution(dpi);
        target = "into " + file.string();
    } else if (job.PdfFileSelected()) {
        options.Fail("the job's printer is the \"" + std::string(TLabelJob::PdfFileEntry) +
                     "\" entry; give --pdf FILE, or --printer NAME (" + PrinterNames(job) + ")");
    } else if (job.Controls.printer.ItemIndex < 0) {
        options.Fail("no printer is selected (" + PrinterNames(job) +
                     "); give --printer NAME or --pdf FILE");
    } else {
        target = "on " + job.Controls.printer.Items[std::size_t(job.Controls.printer.ItemIndex)];
    }
    if (options.Has("pages")) job.Controls.pageNo.Text = IntToStr(pages);

    // The run's values are listed once it has printed. The preview that follows the run calls
    // back too; its values come after the run's and are not listed.
    std::vector<std::pair<int, std::string>> labels;
    if (options.Has("list"))
        job.OnLabelValue = [&labels](int page, const std::string& value) {
            labels.emplace_back(page, value);
        };

    const TLabelJob::TPrintRunResult run = job.printClick();
    // A run that did not print hands nothing back: the file keeps the job as it was. (Closing
    // the window would still save the boxes, including an Initial String box emptied by a
    // rejected value; a command that failed should not lose the prefix.)
    if (!run.Printed) return 1;

    const std::size_t listed = std::min(labels.size(), std::size_t(run.Labels));
    for (std::size_t i = 0; i < listed; ++i)
        out << labels[i].first + 1 << '\t' << AnsiToUtf8(labels[i].second) << '\n';
    out << "printed " << Counted(run.Pages, "page") << ", " << Counted(run.Labels, "label");
    if (run.Labels > 0)
        out << ", " << AnsiToUtf8(run.FirstValue) << " to " << AnsiToUtf8(run.LastValue);
    out << " " << target << '\n';
    out.flush();

    // As closing the window: the boxes, handed the continuation, go to the file.
    return job.Save(config) ? 0 : 1;
}
