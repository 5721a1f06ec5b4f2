#define ZX_USE_UTF8 // Result::text() as UTF-8
#include "PrintedSheets.h"

#include "JobFile.h"
#include "JobReporter.h"
#include "LabelJob.h"

#include <ZXing/ReadBarcode.h>

#include <QImageReader>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;
using ZXing::BarcodeFormat;

std::string LabelFormat::ScanOf(int counter) const {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*d", length, counter);
    std::string value = std::string(initialString) + digits;
    if (dataDigits > 0) {
        // Padded with zeros in front, then the GS1 modulo-10 check digit: weights 3 and 1 from
        // the rightmost data digit.
        value.insert(0, std::size_t(std::max(0, dataDigits - int(value.size()))), '0');
        int sum = 0;
        for (int i = 0; i < dataDigits; ++i)
            sum += (value[std::size_t(dataDigits - 1 - i)] - '0') * (i % 2 == 0 ? 3 : 1);
        value += char('0' + (10 - sum % 10) % 10);
    }
    return symbologyId + value;
}

std::vector<std::string> LabelFormat::ScansFrom(int first, int count) const {
    std::vector<std::string> scans;
    for (int i = 0; i < count; ++i)
        scans.push_back(ScanOf(first + i));
    return scans;
}

void PrintTo(const LabelFormat& format, std::ostream* os) {
    *os << format.caption;
}

const std::vector<LabelFormat>& AllFormats() {
    static const std::vector<LabelFormat> formats = {
        {"Code 128", 0, BarcodeFormat::Code128, "]C0", "VORDA-", 4, 0},
        {"EAN128", 1, BarcodeFormat::Code128, "]C1", "10LOT", 4, 0}, // AI 10, a batch number
        {"Code 39", 2, BarcodeFormat::Code39, "]A0", "QUB-", 4, 0},
        {"Code 93", 3, BarcodeFormat::Code93, "]G0", "QUB-", 4, 0},
        // Interleaved 2 of 5 encodes digits in pairs: 2 + 4 digits.
        {"Code 25", 4, BarcodeFormat::ITF, "]I0", "12", 4, 0},
        {"EAN13", 5, BarcodeFormat::EAN13, "]E0", "40123456", 4, 12},
        {"EAN8", 6, BarcodeFormat::EAN8, "]E4", "123", 4, 7},
        {"UPC_A", 7, BarcodeFormat::UPCA, "]E0", "0360002", 4, 11},
    };
    return formats;
}

const LabelFormat& FormatNamed(const std::string& caption) {
    for (const LabelFormat& format : AllFormats())
        if (caption == format.caption) return format;
    throw std::invalid_argument("no format " + caption);
}

namespace {

// What the job logic tells the user, kept for the failure message.
struct CollectingReporter : IJobReporter {
    std::string messages;
    void Information(const std::string& m) override { messages += "information: " + m + "\n"; }
    void Error(const std::string& m) override { messages += "error: " + m + "\n"; }
    void FocusInitialString() override {}
};

} // namespace

void WriteJobFile(const fs::path& file, const LabelFormat& format, int pages) {
    CollectingReporter reporter;
    TLabelJob job(reporter);
    job.FillPrinterList();
    job.LoadAtStart(file.parent_path() / "no-such-job.cfg"); // the defaults
    job.Controls.codeFormat.SetItemIndex(format.formatIndex);
    job.Controls.barcodeText.Text = format.initialString;
    job.Controls.SetLengthPosition(format.length);
    job.Controls.pageNo.Text = std::to_string(pages);
    ASSERT_TRUE(job.Save(file)) << reporter.messages;
}

JobFileState ReadJobFileState(const fs::path& file) {
    const TJobFileContents contents = ReadJobFile(file);
    const char* s = contents.Record.initialString;
    return {std::string(s, strnlen(s, sizeof contents.Record.initialString)),
            contents.Record.initialValue};
}

PrintOutcome PrintJobFile(const fs::path& jobFile, const PrintTarget& target) {
    std::vector<std::string> args = {"print", "--config", jobFile.string()};
    if (!target.pdf.empty()) {
        args.insert(args.end(), {"--pdf", target.pdf.string()});
        if (target.dpi > 0) args.insert(args.end(), {"--dpi", std::to_string(target.dpi)});
    } else {
        args.insert(args.end(), {"--printer", target.printer});
    }
    std::string output;
    const int status = RunProgram(QUBRIN_CLI_PATH, args, &output);
    return {status == 0, "qubrin-cli exited with " + std::to_string(status) + ":\n" + output};
}

std::vector<QImage> RasterisePdf(const fs::path& pdf, int dpi, Raster raster, std::string* error,
                                 int firstPage, int lastPage) {
    const fs::path prefix = pdf.parent_path() / (pdf.stem().string() + "-" + std::to_string(dpi));
    std::vector<std::string> args = {"-q", "-r", std::to_string(dpi),
                                     raster == Raster::Grey ? "-gray" : "-mono"};
    if (firstPage > 0) args.insert(args.end(), {"-f", std::to_string(firstPage)});
    if (lastPage > 0) args.insert(args.end(), {"-l", std::to_string(lastPage)});
    args.insert(args.end(), {pdf.string(), prefix.string()});
    std::string output;
    const int status = RunProgram("pdftoppm", args, &output);
    if (status != 0) {
        if (error) *error = "pdftoppm failed (" + std::to_string(status) + "): " + output;
        return {};
    }
    // Portable pixmaps, which are quicker to write and read than PNG. pdftoppm names the pages
    // prefix-1.pgm, or prefix-01.pgm and so on when there are more pages.
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(pdf.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix.filename().string() + "-", 0) == 0 &&
            (entry.path().extension() == ".pgm" || entry.path().extension() == ".pbm"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    // An A4 page at 600 dpi is 35 million pixels, more than Qt reads by default.
    QImageReader::setAllocationLimit(1024);
    std::vector<QImage> pages;
    for (const fs::path& file : files) {
        QImageReader reader(QString::fromStdString(file.string()));
        pages.push_back(reader.read());
        if (pages.back().isNull()) {
            if (error) *error = file.string() + ": " + reader.errorString().toStdString();
            return {};
        }
        fs::remove(file);
    }
    return pages;
}

SheetGrid ReadSheetGrid(const fs::path& jobFile) {
    const LabelJobSettings s = ReadJobFile(jobFile).Record;
    return {s.leftMargin, s.topMargin, s.cellWidth, s.cellHeight, s.columns, s.rows};
}

namespace {

// The run lengths of dark and light pixels along row y, from the first dark pixel to the last.
std::vector<int> RunLengths(const QImage& grey, int y) {
    const uchar* row = grey.constScanLine(y);
    int x0 = 0, x1 = grey.width() - 1;
    while (x0 <= x1 && row[x0] >= 128)
        ++x0;
    while (x1 >= x0 && row[x1] >= 128)
        --x1;
    std::vector<int> runs;
    for (int x = x0; x <= x1;) {
        const bool dark = row[x] < 128;
        int end = x;
        while (end <= x1 && (row[end] < 128) == dark)
            ++end;
        runs.push_back(end - x);
        x = end;
    }
    return runs;
}

} // namespace

std::vector<CellScan> ScanCells(const QImage& page, int dpi, const SheetGrid& grid,
                                BarcodeFormat format) {
    // One cell at a time: zxing-cpp 1.4 reads one linear symbol a picture reliably, not a sheet
    // of them. Each cell is cut out whole, so a symbol that strays over its edge does not scan.
    const auto dots = [dpi](double mm) { return int(std::lround(mm / 25.4 * dpi)); };
    // Labels are upright. Without trying the picture scaled down: zxing-cpp 1.4 stops on an
    // assertion when it merges what it read at two scales.
    const auto hints =
        ZXing::DecodeHints().setFormats(format).setTryRotate(false).setTryDownscale(false);
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    std::vector<CellScan> cells;
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            const QImage cell = grey.copy(dots(grid.leftMargin + c * grid.cellWidth),
                                          dots(grid.topMargin + r * grid.cellHeight),
                                          dots(grid.cellWidth), dots(grid.cellHeight));
            const ZXing::ImageView view(cell.constBits(), cell.width(), cell.height(),
                                        ZXing::ImageFormat::Lum, int(cell.bytesPerLine()));
            CellScan scan;
            for (const ZXing::Result& result : ZXing::ReadBarcodes(view, hints)) {
                if (!result.isValid()) continue;
                if (!scan.scan.empty()) scan.scan += " + ";
                scan.scan += result.symbologyIdentifier() + result.text();
                // Along the middle of the lines it was read on, where nothing but bars is.
                scan.elementDots = RunLengths(cell, ZXing::Center(result.position()).y);
            }
            cells.push_back(scan);
        }
    }
    return cells;
}

std::vector<std::string> ScansOf(const std::vector<CellScan>& cells) {
    std::vector<std::string> scans;
    for (const CellScan& cell : cells)
        scans.push_back(cell.scan);
    return scans;
}

std::string InkOnCellEdges(const QImage& page, int dpi, const SheetGrid& grid) {
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    const auto dots = [dpi](double mm) { return int(std::lround(mm / 25.4 * dpi)); };
    const int left = dots(grid.leftMargin), top = dots(grid.topMargin);
    const int right = dots(grid.leftMargin + grid.columns * grid.cellWidth);
    const int bottom = dots(grid.topMargin + grid.rows * grid.cellHeight);
    const auto dark = [&grey](int x, int y) {
        return x >= 0 && y >= 0 && x < grey.width() && y < grey.height() &&
               grey.constScanLine(y)[x] < 128;
    };
    std::ostringstream found;
    for (int c = 0; c <= grid.columns; ++c) {
        const int x = dots(grid.leftMargin + c * grid.cellWidth);
        for (int y = top; y < bottom; ++y)
            if (dark(x, y)) {
                found << "the edge before column " << c << " at dot (" << x << ", " << y << "); ";
                break;
            }
    }
    for (int r = 0; r <= grid.rows; ++r) {
        const int y = dots(grid.topMargin + r * grid.cellHeight);
        for (int x = left; x < right; ++x)
            if (dark(x, y)) {
                found << "the edge above row " << r << " at dot (" << x << ", " << y << "); ";
                break;
            }
    }
    return found.str();
}

std::string ElementsOffTheDotGrid(const std::vector<CellScan>& cells, int dpi) {
    const int module = std::max(1, int(std::lround(dpi / 96.0)));
    int offCells = 0;
    std::ostringstream first;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        std::ostringstream widths;
        for (const int w : cells[i].elementDots)
            if (w % module != 0) widths << " " << w;
        if (widths.str().empty()) continue;
        if (offCells++ == 0) first << "cell " << i << " has elements of" << widths.str() << " dots";
    }
    if (offCells == 0) return "";
    return std::to_string(offCells) + " cells are off the grid of " + std::to_string(module) +
           "-dot modules; " + first.str();
}

void ScratchTest::SetUp() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    std::replace(name.begin(), name.end(), '/', '-');
    folder = fs::temp_directory_path() /
             ("qubrin-e2e-" + name + "-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
}

void ScratchTest::TearDown() {
    // A failing test keeps its files (the printed PDF, the pages) for a look.
    if (HasFailure())
        std::cerr << "The files of this test are in " << folder << "\n";
    else
        fs::remove_all(folder);
}

int RunProgram(const std::string& program, const std::vector<std::string>& args,
               std::string* output, std::chrono::seconds timeout) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments;
    for (const std::string& a : args)
        arguments << QString::fromStdString(a);
    process.start(QString::fromStdString(program), arguments);
    const bool finished = process.waitForFinished(int(timeout.count() * 1000));
    if (output) *output = process.readAll().toStdString();
    if (!finished) {
        process.kill();
        process.waitForFinished();
        if (output) *output += program + " did not finish: " + process.errorString().toStdString();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
