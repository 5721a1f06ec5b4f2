// A long print run as a user starts it: qubrin-cli prints the default job on 10,000 pages
// (300,000 labels) into one PDF file. The run is measured (wall and CPU time, peak memory of the
// process, file size), and pages at the start, across the first rollover of the prefix, in the
// middle and at the end are read back with zxing-cpp. It takes a quarter of a minute or more, so
// it runs only when QUBRIN_LONG_RUNS is set: scripts/long-run.sh.
#include "PrintedSheets.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Measured {
    int status = -1; // exit status, -1 when the program did not run or end normally
    double wallSeconds = 0, cpuSeconds = 0;
    long peakKb = 0;
};

// Runs a program with its output in a file, and measures it alone: wait4 gives the rusage of
// that one child, whatever else the test process ran before.
Measured RunMeasured(const std::vector<std::string>& args, const fs::path& log) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);

    Measured m;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return m;
    int wstatus = 0;
    rusage usage{};
    if (wait4(pid, &wstatus, 0, &usage) != pid) return m;
    m.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    m.peakKb = usage.ru_maxrss;
    m.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    return m;
}

// What a scanner reads from label n (from 1) of the default job started at Initial Value 1:
// Length 4 holds 9,999 counters, after which the prefix's first character advances by one and
// the counter starts again at 1.
std::string ScanOfLabel(long n) {
    std::string prefix = "VORDA-";
    prefix[0] = char(prefix[0] + (n - 1) / 9999);
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04ld", (n - 1) % 9999 + 1);
    return "]C0" + prefix + digits;
}

int PdfPageCount(const fs::path& pdf) {
    std::string output;
    if (RunProgram("pdfinfo", {pdf.string()}, &output) != 0) return -1;
    const auto at = output.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(output.c_str() + at + 6);
}

class LongRun : public ScratchTest {};

TEST_F(LongRun, TenThousandPagesIntoOnePdf) {
    if (!std::getenv("QUBRIN_LONG_RUNS")) GTEST_SKIP() << "set QUBRIN_LONG_RUNS to run it";
    const int pages = 10000;
    const LabelFormat& format = FormatNamed("Code 128"); // the default job
    const fs::path jobFile = folder / "Qubrin.cfg";
    ASSERT_NO_FATAL_FAILURE(WriteJobFile(jobFile, format, pages));
    const SheetGrid grid = ReadSheetGrid(jobFile);
    const int perPage = grid.columns * grid.rows;
    ASSERT_EQ(perPage, 30);

    const fs::path pdf = folder / "long.pdf";
    const int dpi = 203; // a label printer's file, read back as that printer prints it
    const Measured run = RunMeasured({QUBRIN_CLI_PATH, "print", "--config", jobFile.string(),
                                      "--pdf", pdf.string(), "--dpi", std::to_string(dpi)},
                                     folder / "print.log");
    std::ifstream logFile(folder / "print.log");
    const std::string log(std::istreambuf_iterator<char>(logFile), {});
    ASSERT_EQ(run.status, 0) << log;
    const long labels = long(pages) * perPage;
    EXPECT_EQ(log, "printed 10000 pages, 300000 labels, VORDA-0001 to tORDA-0030 into " +
                       pdf.string() + "\n");
    std::printf("%d pages, %ld labels: wall %.2f s, CPU %.2f s, peak memory %.1f MB, "
                "file %.1f MB\n",
                pages, labels, run.wallSeconds, run.cpuSeconds, run.peakKb / 1024.0,
                double(fs::file_size(pdf)) / (1024.0 * 1024.0));
    RecordProperty("wall_seconds", std::to_string(run.wallSeconds));
    RecordProperty("peak_kb", std::to_string(run.peakKb));

    ASSERT_EQ(PdfPageCount(pdf), pages);
    // The first page, the page across the first rollover (labels 9,991 to 10,020), one in the
    // middle and the last page.
    for (const int page : {1, 334, 5000, pages}) {
        SCOPED_TRACE("page " + std::to_string(page));
        std::string error;
        const std::vector<QImage> images =
            RasterisePdf(pdf, dpi, Raster::Bilevel, &error, page, page);
        ASSERT_EQ(images.size(), 1u) << error;
        std::vector<std::string> expected;
        for (int i = 1; i <= perPage; ++i)
            expected.push_back(ScanOfLabel(long(page - 1) * perPage + i));
        EXPECT_EQ(ScansOf(ScanCells(images[0], dpi, grid, format.decodeAs)), expected);
    }
    // The job goes on after the last label: tORDA-0031.
    const JobFileState job = ReadJobFileState(jobFile);
    EXPECT_EQ(job.initialString, "tORDA-");
    EXPECT_EQ(job.initialValue, 31);
}

} // namespace
