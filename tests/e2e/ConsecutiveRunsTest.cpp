// Print runs one after another: ten qubrin-cli print runs of one job file, each into a PDF file
// of its own and with a page count of its own, continue the numbering through the job file, so
// that no label value is lost or printed twice. The first and the last page of every run are
// read back with zxing-cpp.
#include "PrintedSheets.h"

#include "JobFile.h"

#include <charconv>
#include <map>

namespace {

namespace fs = std::filesystem;

// Changes the job file's page count and nothing else, as a user does between two runs: the
// Initial String and Initial Value that the last run left in the file stay as they are.
void SetPageCount(const fs::path& jobFile, int pages) {
    TJobFileContents contents = ReadJobFile(jobFile);
    ASSERT_TRUE(contents.Opened) << jobFile;
    ASSERT_EQ(contents.FontsRead, JobFontCount) << jobFile;
    contents.Record.pageCount = pages;
    ASSERT_EQ(WriteFileReplacing(jobFile, JobFileBytes(contents.Record, contents.Fonts)), "");
}

// The counter that a scan such as "]C0VORDA-0042" carries, or -1 when it is not a label of the
// format.
int CounterOf(const LabelFormat& format, const std::string& scan) {
    const std::string prefix = std::string(format.symbologyId) + format.initialString;
    if (scan.size() != prefix.size() + std::size_t(format.length) || !scan.starts_with(prefix))
        return -1;
    int counter = 0;
    const char* end = scan.data() + scan.size();
    const auto [stop, error] = std::from_chars(scan.data() + prefix.size(), end, counter);
    return error == std::errc() && stop == end ? counter : -1;
}

class ConsecutiveRuns : public ScratchTest {};

TEST_F(ConsecutiveRuns, TenRunsContinueTheNumberingWithoutGapOrRepeat) {
    const LabelFormat& format = FormatNamed("Code 128"); // the default job
    const auto jobFile = folder / "Qubrin.cfg";
    ASSERT_NO_FATAL_FAILURE(WriteJobFile(jobFile, format, 1));
    const SheetGrid grid = ReadSheetGrid(jobFile);
    const int perPage = grid.columns * grid.rows;
    ASSERT_EQ(perPage, 30);
    // A file made for a 203 dpi label printer, rasterised as that printer prints it.
    const int dpi = 203;

    const int pageCounts[] = {1, 2, 3, 1, 2, 3, 1, 2, 3, 1};
    int next = 1;                         // the counter of the next label to print
    std::map<std::string, int> printedIn; // every decoded value and the run that printed it
    std::string previousLast;             // the last label decoded of the previous run
    for (int run = 1; run <= int(std::size(pageCounts)); ++run) {
        const int pages = pageCounts[run - 1];
        SCOPED_TRACE("run " + std::to_string(run) + " of " + std::to_string(pages) + " pages");
        ASSERT_NO_FATAL_FAILURE(SetPageCount(jobFile, pages));
        const auto pdf = folder / ("run-" + std::to_string(run) + ".pdf");
        const PrintOutcome outcome = PrintJobFile(jobFile, {"", pdf, dpi});
        ASSERT_TRUE(outcome.ok) << outcome.messages;

        std::string error;
        const std::vector<QImage> images = RasterisePdf(pdf, dpi, Raster::Bilevel, &error);
        ASSERT_EQ(images.size(), std::size_t(pages)) << error;
        std::vector<int> sample = {0};
        if (pages > 1) sample.push_back(pages - 1);
        std::string first, last;
        for (const int p : sample) {
            const std::vector<std::string> scans =
                ScansOf(ScanCells(images[std::size_t(p)], dpi, grid, format.decodeAs));
            EXPECT_EQ(scans, format.ScansFrom(next + p * perPage, perPage)) << "page " << p + 1;
            for (const std::string& scan : scans) {
                if (scan.empty()) continue; // already reported as a missing label
                if (const auto [at, added] = printedIn.emplace(scan, run); !added)
                    ADD_FAILURE() << scan << " printed in run " << at->second << " and again";
            }
            if (p == 0) first = scans.front();
            last = scans.back();
        }
        // What the labels themselves say: this run starts right after the previous one.
        if (run > 1) {
            EXPECT_EQ(CounterOf(format, first), CounterOf(format, previousLast) + 1)
                << previousLast << " was followed by " << first;
        }
        previousLast = last;

        // The next run starts after the last printed label.
        const JobFileState job = ReadJobFileState(jobFile);
        EXPECT_EQ(job.initialString, format.initialString);
        next += pages * perPage;
        ASSERT_EQ(job.initialValue, next);
    }
}

} // namespace
