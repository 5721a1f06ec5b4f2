#include "CliJob.h"

#include "AnsiArgs.h"
#include "GuiApplication.h"

#include <QString>

std::filesystem::path ConfigPath(const Options& options) {
    return std::filesystem::path(options.Value("config").value_or(JobFileName));
}

void LoadJob(TLabelJob& job, const std::filesystem::path& config) {
    EnsureGuiApplication();
    job.FillPrinterList();
    job.LoadAtStart(config);
}

namespace {
// The system's printers: every entry of the list but the PDF file entry after them.
int SystemPrinterCount(const TLabelJob& job) {
    const int entries = int(job.Controls.printer.Items.size());
    return entries > 0 && job.Controls.printer.Items.back() == TLabelJob::PdfFileEntry ? entries - 1
                                                                                       : entries;
}
} // namespace

std::string PrinterNames(const TLabelJob& job) {
    std::string names;
    for (int i = 0; i < SystemPrinterCount(job); ++i)
        names += (names.empty() ? "\"" : ", \"") + job.Controls.printer.Items[i] + "\"";
    return "installed: " + (names.empty() ? std::string("none") : names);
}

int FindPrinter(const TLabelJob& job, const std::string& name) {
    const auto& items = job.Controls.printer.Items;
    const int count = SystemPrinterCount(job);
    for (int i = 0; i < count; ++i)
        if (items[i] == name) return i;
    int found = -1;
    for (int i = 0; i < count; ++i) {
        if (QString::fromStdString(items[i]).compare(QString::fromStdString(name),
                                                     Qt::CaseInsensitive) == 0) {
            if (found >= 0) return -1; // ambiguous
            found = i;
        }
    }
    return found;
}
