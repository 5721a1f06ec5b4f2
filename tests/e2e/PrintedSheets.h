#pragma once
// What the end-to-end suites share: a job file per format, a print run on a real target, the
// printed PDF turned into pixels by poppler's pdftoppm, and every symbol on those pixels read
// back with zxing-cpp in the order of the sheet's grid.
#include <ZXing/BarcodeFormat.h>

#include <QImage>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// One entry of the Format list, with an Initial String and a Length that it accepts.
struct LabelFormat {
    const char* caption;
    int formatIndex;
    ZXing::BarcodeFormat decodeAs;
    const char* symbologyId; // what a scanner reports the symbol as (ISO/IEC 15424)
    const char* initialString;
    int length;
    int dataDigits; // EAN and UPC: digits before the check digit; 0 for the others

    // What a scanner reads from the label with this counter: the symbology identifier and the
    // value, e.g. "]C0VORDA-0001".
    std::string ScanOf(int counter) const;
    // The scans of labels first .. first + count - 1.
    std::vector<std::string> ScansFrom(int first, int count) const;
};
void PrintTo(const LabelFormat& format, std::ostream* os);

// Every format of the Format list; the first is the default job (Code 128, VORDA-, Length 4).
const std::vector<LabelFormat>& AllFormats();
const LabelFormat& FormatNamed(const std::string& caption);

// Writes a job file: the default job with the format's Format, Initial String and Length and
// the given page count.
void WriteJobFile(const std::filesystem::path& file, const LabelFormat& format, int pages);

struct JobFileState {
    std::string initialString;
    int initialValue = 0;
};
JobFileState ReadJobFileState(const std::filesystem::path& file);

// Where a print run goes: a printer queue by name, or a PDF file with an optional resolution.
struct PrintTarget {
    std::string printer;
    std::filesystem::path pdf;
    int dpi = 0; // 0: no --dpi
};

struct PrintOutcome {
    bool ok = false;
    std::string messages; // what the run told the user, or why it failed
};

// A print run as a user starts it: qubrin-cli print with the job file, which prints and keeps
// the continued job in the file.
PrintOutcome PrintJobFile(const std::filesystem::path& jobFile, const PrintTarget& target);

// The PDF's pages as pixels: grey, or bilevel (pdftoppm -mono), at the given resolution. All
// pages, or pages firstPage to lastPage (counted from 1) when they are given.
enum class Raster { Grey, Bilevel };
std::vector<QImage> RasterisePdf(const std::filesystem::path& pdf, int dpi, Raster raster,
                                 std::string* error, int firstPage = 0, int lastPage = 0);

// The sheet's grid as the job file holds it: where the cells are on the page.
struct SheetGrid {
    double leftMargin, topMargin, cellWidth, cellHeight; // mm
    int columns, rows;
};
SheetGrid ReadSheetGrid(const std::filesystem::path& jobFile);

// What a scanner reads in one cell of the page: the symbology identifier and the value of its
// one symbol, e.g. "]C0VORDA-0001" ("" where none scans, the scans joined by " + " where there
// are several), and the widths in dots of the bars and spaces along the line it was read on.
struct CellScan {
    std::string scan;
    std::vector<int> elementDots;
};

// Every cell of the page, in grid order: rows from top to bottom, in a row from left to right.
std::vector<CellScan> ScanCells(const QImage& page, int dpi, const SheetGrid& grid,
                                ZXing::BarcodeFormat format);
std::vector<std::string> ScansOf(const std::vector<CellScan>& cells);

// Where something is printed on the edges of the grid's cells, which labels must stay within:
// empty when nothing is.
std::string InkOnCellEdges(const QImage& page, int dpi, const SheetGrid& grid);

// Which cells hold bars or spaces that are not whole modules of the device's dots: a module of
// 1/96 inch is max(1, round(dpi / 96)) dots, and every element a multiple of it. Empty when none.
std::string ElementsOffTheDotGrid(const std::vector<CellScan>& cells, int dpi);

// A folder of its own for each test, removed afterwards unless the test failed.
class ScratchTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path folder;
};

// Runs a program and waits for it; returns its exit status (-1: it did not run or finish).
// Standard output and error are collected in output.
int RunProgram(const std::string& program, const std::vector<std::string>& args,
               std::string* output, std::chrono::seconds timeout = std::chrono::seconds(120));
