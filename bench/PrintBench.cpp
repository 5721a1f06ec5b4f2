// A print run's speed and memory: the default job (30 labels a page) printed into a PDF file,
// as the window's Print command does it, with the preview of the next sheet that follows.
//
//   qubrin-print-bench PAGES [FILE.pdf]
//
// prints one line: pages, labels, wall time of the run, the process's peak resident memory
// before and after it, and the file's size. Peak memory only grows within a process, so runs of
// different lengths are compared in separate processes (scripts/bench-print.sh).
#include "JobReporter.h"
#include "LabelJob.h"

#include <QGuiApplication>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct Reporter : IJobReporter {
    void Information(const std::string& m) override { std::fprintf(stderr, "%s\n", m.c_str()); }
    void Error(const std::string& m) override { std::fprintf(stderr, "error: %s\n", m.c_str()); }
    void FocusInitialString() override {}
};

long PeakResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // kilobytes on Linux
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::atoi(argv[1]) < 0) {
        std::fprintf(stderr, "usage: %s PAGES [FILE.pdf]\n", argv[0]);
        return 2;
    }
    const int pages = std::atoi(argv[1]);
    const std::filesystem::path pdf =
        argc > 2 ? std::filesystem::path(argv[2])
                 : std::filesystem::temp_directory_path() /
                       ("qubrin-print-bench-" + std::to_string(getpid()) + ".pdf");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    Reporter reporter;
    TLabelJob job(reporter);
    job.FillPrinterList();
    job.LoadAtStart(std::filesystem::path("/nonexistent/Qubrin.cfg")); // the default job
    job.refreshClick(); // the window's first preview: fonts and Qt's PDF machinery are warm
    job.Controls.pageNo.Text = std::to_string(pages);
    job.PagePreview1.GetPagePrinter().SetPdfFile(pdf);

    const long before = PeakResidentKb();
    const auto start = std::chrono::steady_clock::now();
    const TLabelJob::TPrintRunResult run = job.printClick();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    const long peak = PeakResidentKb();

    if (!run.Printed) {
        std::fprintf(stderr, "the print run did not print\n");
        return 1;
    }
    std::error_code error;
    const auto bytes = std::filesystem::file_size(pdf, error);
    std::printf("pages %d  labels %ld  time %.3f s  peak memory %.1f MB (%.1f MB before the run)"
                "  file %.1f MB\n",
                run.Pages, run.Labels, seconds.count(), peak / 1024.0, before / 1024.0,
                error ? 0.0 : double(bytes) / (1024.0 * 1024.0));
    if (argc <= 2) std::filesystem::remove(pdf, error);
    return 0;
}
