// The preview sheet and the print run on the page model, and print runs into real PDF files.
#include "FormatList.h"
#include "JobTestSupport.h"
#include "LabelJob.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

struct Job : TLabelJob {
    explicit Job(IJobReporter& reporter) : TLabelJob(reporter) {
        LoadAtStart(std::filesystem::path("/nonexistent/Qubrin.cfg")); // the defaults
    }
    std::vector<std::pair<int, std::string>> labels;
    void Record() {
        OnLabelValue = [this](int page, const std::string& v) { labels.push_back({page, v}); };
    }
};

const TPageSymbol* SymbolAt(const TPage& page, std::size_t n) {
    std::size_t seen = 0;
    for (const auto& item : page.Items)
        if (const auto* s = std::get_if<TPageSymbol>(&item))
            if (seen++ == n) return s;
    return nullptr;
}

std::size_t Count(const TPage& page, std::size_t index) {
    std::size_t n = 0;
    for (const auto& item : page.Items)
        n += item.index() == index;
    return n;
}

using Sheet = ScratchFolder;

TEST_F(Sheet, DefaultSheetHasThirtyLabelsInGridOrder) {
    RecordingReporter reporter;
    Job job(reporter);
    job.Record();
    ASSERT_TRUE(job.refreshClick());
    const TPage& page = job.PagePreview1.Page(0);
    EXPECT_EQ(Count(page, 2), 30u);           // symbols
    EXPECT_EQ(Count(page, 1), 30u * 3 + 30u); // three text lines and the code text per label
    ASSERT_EQ(job.labels.size(), 30u);
    EXPECT_EQ(job.labels.front().second, "VORDA-0001");
    EXPECT_EQ(job.labels.back().second, "VORDA-0030");
    // Cell (0, 0): the symbol at 15 mm from the left and 25 mm from the top.
    EXPECT_EQ(SymbolAt(page, 0)->Left, 56);
    EXPECT_EQ(SymbolAt(page, 0)->Top, 94);
    // Cell (9, 2) starts at x 136, y 258 mm: its symbol at 141 and 268 mm.
    EXPECT_EQ(SymbolAt(page, 29)->Left, 532); // 141 mm = 532.9 px
    EXPECT_EQ(SymbolAt(page, 29)->Top, 1012); // 268 mm = 1012.9 px
    // The symbol is 10 mm × 1123 / 297 = 37 px high.
    EXPECT_EQ(job.Barcode1.GetHeight(), 37);
    EXPECT_EQ(SymbolAt(page, 0)->Elements.front().h, 37);
    // The first label's picture: the symbol's width + 5 by the cell's 102 pixels.
    EXPECT_EQ(job.barcodeImage.Width(), job.Barcode1.GetWidth() + 5);
    EXPECT_EQ(job.barcodeImage.Height(), 102);
    EXPECT_EQ(job.barcodeImage.Pixels(0, 0), clBlack); // the start character's first bar
    EXPECT_FALSE(job.PagePreview1.IsUpdating());
    EXPECT_EQ(job.PagePreview1.GetPaperSize(), A4);
}

TEST_F(Sheet, GridStopRule) {
    struct Case {
        const char* where;
        const char* columns;
        const char* cellWidth;
        const char* leftMargin;
        const char* rows;
        std::size_t labels;
    } cases[] = {
        {"5 columns of 63 mm: column 4 starts at 262 > 210", "5", "63", "10", "2", 8},
        {"a cell starting exactly on the page's edge is composed", "2", "200", "10", "1", 2},
        {"rows 0: an empty page", "3", "63", "10", "0", 0},
        {"columns 0: an empty page", "0", "63", "10", "10", 0},
        {"first column beyond the page", "3", "63", "300", "10", 0},
        {"cells of width 0 and huge counts are cut", "1000000", "0", "10", "1000000", 5000},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        Job job(reporter);
        job.Record();
        job.Controls.col.Text = c.columns;
        job.Controls.cellWidth.Text = c.cellWidth;
        job.Controls.leftMargin.Text = c.leftMargin;
        job.Controls.row.Text = c.rows;
        job.Controls.length.Text = "7";
        job.refreshClick();
        EXPECT_EQ(job.labels.size(), c.labels) << c.where;
        if (c.labels == 0) {
            EXPECT_EQ(job.barcodeImage.Width(), 0) << c.where;
        }
    }
    // With 4 columns composed a row, the counter grows by 4 a row.
    RecordingReporter reporter;
    Job job(reporter);
    job.Record();
    job.Controls.col.Text = "5";
    job.refreshClick();
    EXPECT_EQ(job.labels[4].second, "VORDA-0005");
    EXPECT_EQ(SymbolAt(job.PagePreview1.Page(0), 4)->Left,
              SymbolAt(job.PagePreview1.Page(0), 0)->Left);
}

TEST_F(Sheet, SwitchesAndRepeatedPreviews) {
    RecordingReporter reporter;
    Job job(reporter);
    job.Controls.printBarcode.Checked = false;
    job.refreshClick();
    EXPECT_EQ(Count(job.PagePreview1.Page(0), 2), 0u);
    EXPECT_EQ(Count(job.PagePreview1.Page(0), 1), 90u);
    EXPECT_EQ(job.barcodeImage.Width(), 0);

    job.Controls.printBarcode.Checked = true;
    job.Controls.printString.Checked = false;
    job.Controls.displayText.Checked = false;
    job.displayTextClick();
    job.refreshClick();
    EXPECT_EQ(Count(job.PagePreview1.Page(0), 1), 0u);
    const std::size_t items = job.PagePreview1.Page(0).Items.size();
    const QImage first = job.barcodeImage.Image();
    job.refreshClick();
    EXPECT_EQ(job.PagePreview1.Page(0).Items.size(), items);
    EXPECT_EQ(job.barcodeImage.Image(), first);

    job.Controls.pageSize.SetItemIndex(CustomPageSizeIndex);
    job.Controls.pageWidth.Text = "100";
    job.Controls.pageHeight.Text = "50";
    job.refreshClick();
    EXPECT_DOUBLE_EQ(job.PagePreview1.GetPageWidth(puMillimeters), 100);
    EXPECT_DOUBLE_EQ(job.PagePreview1.GetPageHeight(puMillimeters), 50);
}

TEST_F(Sheet, StopsWithTheirMessages) {
    struct Case {
        const char* where;
        int format;
        const char* initialString;
        const char* value;
        const char* message;
        std::size_t labels;
    } cases[] = {
        {"Initial Value longer than Length", 0, "VORDA-", "12345",
         "The length of 'Initial Value ' cannot longer than 'Length'.", 0},
        {"EAN8 with letters", 6, "ABC", "1", "EAN8 must be integer value.", 0},
        {"Code 25 with a letter", 4, "A1", "1", "bcCode_2_5_interleaved must be integer value.", 0},
        // Code 39's first label encodes; "Barcode must be numeric" cannot happen there.
        {"Code 39 takes anything", 2, "abc-", "1", nullptr, 30},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        Job job(reporter);
        job.Record();
        job.Controls.codeFormat.SetItemIndex(c.format);
        job.Controls.barcodeText.Text = c.initialString;
        job.Controls.value.Text = c.value;
        EXPECT_EQ(job.refreshClick(), c.message == nullptr) << c.where;
        if (c.message) {
            ASSERT_EQ(reporter.information.size(), 1u) << c.where;
            EXPECT_EQ(reporter.information[0], c.message) << c.where;
        }
        EXPECT_EQ(job.labels.size(), c.labels) << c.where;
        EXPECT_FALSE(job.PagePreview1.IsUpdating()) << c.where;
    }
}

TEST_F(Sheet, PrintRunContinuesTheNumbering) {
    RecordingReporter reporter;
    Job job(reporter);
    job.Record();
    job.PagePreview1.GetPagePrinter().SetPdfFile(folder / "labels.pdf");
    job.Controls.pageNo.Text = "2";
    const auto result = job.printClick();
    ASSERT_TRUE(result.Printed) << (reporter.errors.empty() ? "" : reporter.errors[0]);
    EXPECT_EQ(result.Labels, 60);
    EXPECT_EQ(result.FirstValue, "VORDA-0001");
    EXPECT_EQ(result.LastValue, "VORDA-0060");
    ASSERT_EQ(job.labels.size(), 90u); // 60 printed, then the preview of the next sheet
    EXPECT_EQ(job.labels[29], (std::pair<int, std::string>{0, "VORDA-0030"}));
    EXPECT_EQ(job.labels[30], (std::pair<int, std::string>{1, "VORDA-0031"}));
    EXPECT_EQ(job.labels[60].second, "VORDA-0061");
    EXPECT_EQ(job.Controls.value.Text, "61");
    EXPECT_EQ(job.Controls.barcodeText.Text, "VORDA-");
    EXPECT_GT(std::filesystem::file_size(folder / "labels.pdf"), 1000u);
}

TEST_F(Sheet, PrintRunEdgeCases) {
    struct Case {
        const char* where;
        int format;
        const char* initialString;
        const char* value;
        const char* pages;
        const char* boxStringAfter;
        const char* boxValueAfter;
        const char* lastValue;
        const char* message; // shown by the preview that follows
    } cases[] = {
        {"rollover", 0, "K-", "9990", "1", "L-", "21", "L-0020", nullptr},
        {"ends exactly at 9999", 0, "VORDA-", "9970", "1", "VORDA-", "10000", "VORDA-9999",
         "The length of 'Initial Value ' cannot longer than 'Length'."},
        {"Code 39 upper-cases", 2, "abc-", "1", "1", "ABC-", "31", "ABC-0030", nullptr},
        {"page count 0 prints a blank page", 0, "VORDA-", "1", "0", "VORDA-", "1", "", nullptr},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        Job job(reporter);
        job.PagePreview1.GetPagePrinter().SetPdfFile(folder / "run.pdf");
        job.Controls.codeFormat.SetItemIndex(c.format);
        job.Controls.barcodeText.Text = c.initialString;
        job.Controls.value.Text = c.value;
        job.Controls.pageNo.Text = c.pages;
        const auto result = job.printClick();
        EXPECT_TRUE(result.Printed) << c.where;
        EXPECT_EQ(job.Controls.barcodeText.Text, c.boxStringAfter) << c.where;
        EXPECT_EQ(job.Controls.value.Text, c.boxValueAfter) << c.where;
        EXPECT_EQ(result.LastValue, c.lastValue) << c.where;
        EXPECT_EQ(reporter.information.size(), c.message ? 1u : 0u) << c.where;
        if (c.message && !reporter.information.empty()) {
            EXPECT_EQ(reporter.information[0], c.message) << c.where;
        }
        EXPECT_TRUE(std::filesystem::exists(folder / "run.pdf")) << c.where;
        std::filesystem::remove(folder / "run.pdf");
    }
}

TEST_F(Sheet, FailedPrintRunPrintsNothingAndHandsNothingBack) {
    // Code 25 is not checked in a print run: the letter fails when the symbol is drawn.
    RecordingReporter reporter;
    Job job(reporter);
    job.PagePreview1.GetPagePrinter().SetPdfFile(folder / "never.pdf");
    job.Controls.codeFormat.SetItemIndex(4);
    job.Controls.barcodeText.Text = "A1";
    job.Controls.pageNo.Text = "3";
    const auto result = job.printClick();
    EXPECT_FALSE(result.Printed);
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], "Barcode must be numeric");
    EXPECT_FALSE(std::filesystem::exists(folder / "never.pdf"));
    EXPECT_EQ(job.Controls.value.Text, "1");
    EXPECT_EQ(job.Controls.barcodeText.Text, "A1");
    EXPECT_FALSE(job.PagePreview1.IsUpdating());
    // A rejected EAN13 value: its message, the box emptied, nothing printed.
    RecordingReporter reporter2;
    Job ean(reporter2);
    ean.PagePreview1.GetPagePrinter().SetPdfFile(folder / "never.pdf");
    ean.Controls.codeFormat.SetItemIndex(5);
    ean.Controls.barcodeText.Text = "12X";
    EXPECT_FALSE(ean.printClick().Printed);
    EXPECT_EQ(reporter2.information, std::vector<std::string>{"EAN13 must be integer value."});
    EXPECT_EQ(ean.Controls.barcodeText.Text, "");
    EXPECT_FALSE(std::filesystem::exists(folder / "never.pdf"));
}

TEST_F(Sheet, PrintRunKeepsOnlyThePageBeingComposed) {
    RecordingReporter reporter;
    Job job(reporter);
    job.Controls.pageNo.Text = "3";
    job.PagePreview1.GetPagePrinter().SetPdfFile(folder / "run.pdf");
    std::vector<int> held; // pages held while each label is composed
    job.OnLabelValue = [&](int, const std::string&) {
        held.push_back(job.PagePreview1.PageCount());
    };
    ASSERT_TRUE(job.printClick().Printed);
    EXPECT_EQ(held.size(), 120u); // 90 of the run, 30 of the preview after it
    EXPECT_EQ(std::count(held.begin(), held.end(), 1), long(held.size()));
}

// A reporter whose user cancels the print run when a given number of pages is composed.
struct CancellingReporter : RecordingReporter {
    int cancelAt = 0;
    std::vector<int> progress;
    bool PrintProgress(int pagesDone, int) override {
        progress.push_back(pagesDone);
        return pagesDone != cancelAt;
    }
};

TEST_F(Sheet, RunsThatPrintNothing) {
    // Each run ends before anything reaches the printer: no file, the numbering where it was,
    // and the pages of the job file's page count untouched.
    struct Case {
        const char* why;
        const char* pages;
        int cancelAt;
        std::vector<int> progress;
        std::vector<std::string> information, errors;
    } cases[] = {
        {"cancelled on page 2 of 3",
         "3",
         2,
         {1, 2},
         {"The print run was cancelled; nothing was printed."},
         {}},
        {"cancelled on the last page",
         "2",
         2,
         {1, 2},
         {"The print run was cancelled; nothing was printed."},
         {}},
        {"more pages than a run may have",
         "100001",
         0,
         {},
         {},
         {"A print run can have at most 100000 pages."}},
        {"a page count at the int limit",
         "2147483647",
         0,
         {},
         {},
         {"A print run can have at most 100000 pages."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CancellingReporter reporter;
        reporter.cancelAt = c.cancelAt;
        Job job(reporter);
        job.PagePreview1.GetPagePrinter().SetPdfFile(folder / "never.pdf");
        job.Controls.pageNo.Text = c.pages;
        const auto result = job.printClick();
        EXPECT_FALSE(result.Printed);
        EXPECT_EQ(reporter.progress, c.progress);
        EXPECT_EQ(reporter.information, c.information);
        EXPECT_EQ(reporter.errors, c.errors);
        EXPECT_FALSE(std::filesystem::exists(folder / "never.pdf"));
        EXPECT_EQ(job.Controls.value.Text, "1");
        EXPECT_EQ(job.Controls.barcodeText.Text, "VORDA-");
        EXPECT_EQ(job.Controls.pageNo.Text, c.pages);
        EXPECT_FALSE(job.PagePreview1.IsUpdating());
        // The next run prints from the first value.
        job.Controls.pageNo.Text = "1";
        reporter.cancelAt = 0;
        const auto next = job.printClick();
        ASSERT_TRUE(next.Printed);
        EXPECT_EQ(next.FirstValue, "VORDA-0001");
        EXPECT_TRUE(std::filesystem::exists(folder / "never.pdf"));
        std::filesystem::remove(folder / "never.pdf");
    }
}

TEST_F(Sheet, NoPrinterChosenPrintsNothing) {
    RecordingReporter reporter;
    Job job(reporter);
    job.Controls.printer.Items.clear();
    job.Controls.printer.ItemIndex = -1;
    EXPECT_FALSE(job.printClick().Printed);
    EXPECT_EQ(reporter.information, std::vector<std::string>{"No printer is selected."});
    EXPECT_EQ(job.Controls.value.Text, "1");
}

TEST_F(Sheet, CustomSizeTypedWithoutAPreviewDoesNotReachThePrint) {
    RecordingReporter reporter;
    Job job(reporter);
    job.Controls.pageSize.SetItemIndex(CustomPageSizeIndex);
    job.pageSizeChange();
    job.Controls.pageWidth.Text = "100";
    job.Controls.pageHeight.Text = "50";
    job.refreshClick();
    job.Controls.pageWidth.Text = "150";
    job.PagePreview1.GetPagePrinter().SetPdfFile(folder / "custom.pdf");
    ASSERT_TRUE(job.printClick().Printed);
    EXPECT_DOUBLE_EQ(job.PagePreview1.GetPageWidth(puMillimeters), 150); // the preview after it
    // The printed page kept 100 × 50 mm: 283 × 142 whole points in the PDF's MediaBox.
    const std::string pdf = ReadBytes(folder / "custom.pdf");
    EXPECT_NE(pdf.find("/MediaBox [0 0 283.000000 142.000000]"), std::string::npos);
}

} // namespace
