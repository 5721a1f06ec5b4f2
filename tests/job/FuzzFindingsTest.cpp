// Faults that fuzzing the job file, the value sequence and the sheet found, one test each: the
// inputs that showed them, reduced.
#include "JobTestSupport.h"
#include "LabelJob.h"
#include "SheetGrid.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <limits>

namespace {

struct Job : TLabelJob {
    explicit Job(IJobReporter& reporter) : TLabelJob(reporter) {
        LoadAtStart(std::filesystem::path("/nonexistent/Qubrin.cfg")); // the defaults
        OnLabelValue = [this](int, const std::string&) { ++labels; };
    }
    long labels = 0;
};

// Cells of width and height 0 with thousands of columns and rows (found with a record of
// 16430 columns and 16420 rows) compose at most 5,000 labels: 100,000 took seconds and a
// gigabyte for the page model, and 10,000 still took seconds with a large font for the code
// text. The densest real sheet, A3 with cells of 3 × 10 mm, is still composed whole.
TEST(FuzzFindings, CellCountOfAPageIsBounded) {
    struct Case {
        const char* what;
        const char *pageSize, *cellHeight, *cellWidth, *columns, *rows;
        long labels;
    } cases[] = {
        {"zero-size cells, huge counts", "1", "0", "0", "16430", "16420", 5000},
        {"A3 with cells of 3 x 10 mm", "0", "3", "10", "29", "135", 29 * 135},
    };
    for (const Case& c : cases) {
        RecordingReporter reporter;
        Job job(reporter);
        job.Controls.pageSize.SetItemIndex(std::atoi(c.pageSize));
        job.pageSizeChange();
        job.Controls.topMargin.Text = "15";
        job.Controls.leftMargin.Text = "0";
        job.Controls.cellHeight.Text = c.cellHeight;
        job.Controls.cellWidth.Text = c.cellWidth;
        job.Controls.col.Text = c.columns;
        job.Controls.row.Text = c.rows;
        ASSERT_TRUE(job.refreshClick()) << c.what;
        EXPECT_EQ(job.labels, c.labels) << c.what;
        EXPECT_TRUE(reporter.errors.empty()) << c.what;
    }
}

// A grid whose rows compose no cell (no columns, a cell height that is not a number, or rows
// below the page that a tiny negative cell height brings back only after billions of rows) is
// walked at once: all 2^31 - 1 rows used to be walked (found with 1,076,101,120 rows and no
// columns).
TEST(FuzzFindings, EmptyRowsAreNotWalkedForever) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        int columns;
        double cellHeight, topMargin, pageHeight;
    } cases[] = {
        {"no columns", 0, 27, 15, 297},
        {"no columns, cell height NaN", 0, nan, 15, 297},
        {"no columns, page height NaN", 0, 27, 15, nan},
        {"rows below the page coming back up", 3, -1e-300, 1000, 297},
    };
    for (const Case& c : cases) {
        LabelJobSettings s{};
        s.rows = INT_MAX;
        s.columns = c.columns;
        s.cellHeight = c.cellHeight;
        s.cellWidth = 63;
        s.topMargin = c.topMargin;
        s.pageHeight = c.pageHeight;
        s.pageWidth = 210;
        long visited = 0;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(WalkSheetGrid(s, [&](const TCell&) { return ++visited, true; })) << c.what;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(visited, 0) << c.what;
        EXPECT_LT(took.count(), 1.0) << c.what;
    }
}

} // namespace
