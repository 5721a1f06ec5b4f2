// End to end through a real print server: qubrin-cli prints a job of two pages on a CUPS queue
// whose backend (cups-pdf) writes what it receives to a PDF file; the file's pages, turned into
// pixels, carry every label exactly once in grid order, and the job file continues the
// numbering. scripts/test.sh starts the server and names the queue and its output folder in
// QUBRIN_TEST_PRINTER and QUBRIN_TEST_PDF_DIR; without them the test asks scripts/cups.sh.
#include "PrintedSheets.h"

#include "PagePrinter.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <thread>

namespace {

namespace fs = std::filesystem;

std::string Setting(const char* variable, const char* cupsCommand) {
    if (const char* value = std::getenv(variable); value && *value) return value;
    std::string output;
    if (RunProgram("bash", {QUBRIN_CUPS_SCRIPT, cupsCommand}, &output) != 0) return "";
    output.erase(output.find_last_not_of(" \n") + 1);
    return output;
}

std::set<fs::path> PdfFilesIn(const fs::path& folder) {
    std::set<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".pdf") files.insert(entry.path());
    return files;
}

// cups-pdf has Ghostscript write the file in place; it is complete when it ends with %%EOF.
bool Complete(const fs::path& pdf) {
    std::ifstream in(pdf, std::ios::binary);
    in.seekg(0, std::ios::end);
    const auto size = std::streamoff(in.tellg());
    if (size < 16) return false;
    in.seekg(std::max<std::streamoff>(0, size - 32));
    const std::string tail(std::istreambuf_iterator<char>(in), {});
    return tail.find("%%EOF") != std::string::npos;
}

// The first complete PDF in the folder that was not there before, or none after the timeout.
fs::path WaitForNewPdf(const fs::path& folder, const std::set<fs::path>& before,
                       std::chrono::seconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    do {
        for (const fs::path& file : PdfFilesIn(folder))
            if (!before.count(file) && Complete(file)) return file;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    } while (std::chrono::steady_clock::now() < end);
    return {};
}

// The resolution that the queue prints at: the marked choice of its Resolution option
// ("Resolution/Output Resolution: 150dpi *300dpi 600dpi"); 0 when it has none.
int QueueDotsPerInch(const std::string& queue) {
    std::string options;
    if (RunProgram("lpoptions", {"-p", queue, "-l"}, &options) != 0) return 0;
    const std::size_t line = options.find("Resolution/");
    if (line == std::string::npos) return 0;
    const std::size_t marked = options.find('*', line);
    if (marked == std::string::npos || marked > options.find('\n', line)) return 0;
    return std::atoi(options.c_str() + marked + 1);
}

class PrintServer : public ScratchTest {
protected:
    void SetUp() override {
        ScratchTest::SetUp();
        queue = Setting("QUBRIN_TEST_PRINTER", "printer-name");
        outputFolder = Setting("QUBRIN_TEST_PDF_DIR", "output-dir");
        const auto printers = TPagePrinter::Printers();
        if (queue.empty())
            unavailable = "no print queue is named (QUBRIN_TEST_PRINTER)";
        else if (std::find(printers.begin(), printers.end(), queue) == printers.end())
            unavailable = "the print server does not list the queue " + queue +
                          " (start it with scripts/cups.sh start)";
        else if (!fs::is_directory(outputFolder))
            unavailable = "the queue's output folder " + outputFolder.string() + " is missing";
    }

    // What the server says about the queue, for a failure message.
    std::string QueueState() const {
        std::string output;
        RunProgram("lpstat", {"-p", queue, "-o", queue}, &output);
        return output;
    }

    std::string queue;
    fs::path outputFolder;
    std::string unavailable; // why the server cannot be used; empty when it can
};

TEST_F(PrintServer, EveryLabelComesOutOnceInGridOrderAndTheJobContinues) {
    if (!unavailable.empty()) {
        // In CI the scripts start the server, so a missing one is a fault there.
        const char* ci = std::getenv("CI");
        if (ci && std::string(ci) == "true") FAIL() << "CUPS is not available: " << unavailable;
        GTEST_SKIP() << "CUPS is not available: " << unavailable;
    }
    // Pixels as the printer makes them: its dots, black or white. A printer prints its symbols
    // on its dot grid, so every bar and space is a whole number of modules of its dots.
    const int dpi = QueueDotsPerInch(queue);
    const int rasterDpi = dpi > 0 ? dpi : 300;
    // The default job, and one format of each other family.
    for (const char* caption : {"Code 128", "EAN13", "Code 39", "Code 93", "Code 25"}) {
        SCOPED_TRACE(caption);
        const LabelFormat& format = FormatNamed(caption);
        const fs::path jobFolder = folder / std::to_string(format.formatIndex);
        fs::create_directories(jobFolder);
        const fs::path jobFile = jobFolder / "Qubrin.cfg";
        WriteJobFile(jobFile, format, 2);

        const std::set<fs::path> before = PdfFilesIn(outputFolder);
        const PrintOutcome outcome = PrintJobFile(jobFile, {queue, {}, 0});
        ASSERT_TRUE(outcome.ok) << outcome.messages;
        const fs::path printed = WaitForNewPdf(outputFolder, before, std::chrono::seconds(60));
        ASSERT_FALSE(printed.empty())
            << "no PDF from " << queue << " in " << outputFolder << " within 60 s\n"
            << QueueState();
        // Into the test's folder, which a failing test keeps.
        const fs::path pdf = jobFolder / "printed.pdf";
        fs::copy_file(printed, pdf);
        fs::remove(printed);

        std::string error;
        const std::vector<QImage> pages =
            RasterisePdf(pdf, rasterDpi, dpi > 0 ? Raster::Bilevel : Raster::Grey, &error);
        ASSERT_EQ(pages.size(), 2u) << error;
        std::vector<std::string> scans;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const auto cells =
                ScanCells(pages[p], rasterDpi, ReadSheetGrid(jobFile), format.decodeAs);
            for (const CellScan& cell : cells)
                scans.push_back(cell.scan);
            if (dpi > 0) {
                EXPECT_EQ(ElementsOffTheDotGrid(cells, dpi), "") << "page " << p + 1;
            }
        }
        EXPECT_EQ(scans, format.ScansFrom(1, 60));

        // The next run starts after the last printed label.
        const JobFileState job = ReadJobFileState(jobFile);
        EXPECT_EQ(job.initialString, format.initialString);
        EXPECT_EQ(job.initialValue, 61);
    }
}

} // namespace
