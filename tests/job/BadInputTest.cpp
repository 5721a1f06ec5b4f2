// Bad input in every numeric box of the window: the documented message or a defined safe
// result, a preview that ends its update, and a job file that loads again.
#include "JobTestSupport.h"
#include "LabelJob.h"

#include <gtest/gtest.h>

namespace {

using BadInput = ScratchFolder;

struct Box {
    const char* name;
    TEditControl TJobControls::*member;
    bool integer;
};

const Box NumericBoxes[] = {
    {"value", &TJobControls::value, true},           {"increment", &TJobControls::increment, true},
    {"barHeight", &TJobControls::barHeight, true},   {"pageNo", &TJobControls::pageNo, true},
    {"col", &TJobControls::col, true},               {"row", &TJobControls::row, true},
    {"pageHeight", &TJobControls::pageHeight, false}, {"pageWidth", &TJobControls::pageWidth, false},
    {"topMargin", &TJobControls::topMargin, false},  {"leftMargin", &TJobControls::leftMargin, false},
    {"rightMargin", &TJobControls::rightMargin, false},
    {"bottomMargin", &TJobControls::bottomMargin, false},
    {"cellHeight", &TJobControls::cellHeight, false}, {"cellWidth", &TJobControls::cellWidth, false},
    {"horizontal", &TJobControls::horizontal, false}, {"vertical", &TJobControls::vertical, false},
    {"string1H", &TJobControls::string1H, false},    {"string3V", &TJobControls::string3V, false},
};

TEST_F(BadInput, TextsThatDoNotConvert) {
    const char* texts[] = {"", "   ", "abc", "2147483648", "99999999999999999999", "1e400",
                           "12,5", "1.2.3", "0x10", "--1"};
    for (const Box& box : NumericBoxes) {
        for (const char* text : texts) {
            std::filesystem::remove(config);
            // A comma or an exponent is a valid real with '.', "1e400" is not; none of them is a
            // valid integer.
            const bool convertsAsReal = !box.integer && TryStrToFloat(text, '.').has_value();
            const bool convertsAsInteger = box.integer && TryStrToInt(text).has_value();
            if (convertsAsReal || convertsAsInteger) continue;
            RecordingReporter reporter;
            TLabelJob job(reporter);
            job.LoadAtStart(config);
            (job.Controls.*box.member).Text = text;
            job.refreshClick(); // gathers: the message, then a preview with the old value
            EXPECT_FALSE(job.PagePreview1.IsUpdating());
            ASSERT_TRUE(job.Save(config)) << box.name;
            const std::string message = std::string("'") + text + "' is not a valid " +
                                        (box.integer ? "integer" : "floating point") + " value.";
            ASSERT_EQ(reporter.errors.size(), 2u) << box.name << " '" << text << "'";
            EXPECT_EQ(reporter.errors[0], message);
            EXPECT_EQ(reporter.errors[1], message);
            RecordingReporter again;
            TLabelJob reloaded(again);
            EXPECT_TRUE(reloaded.LoadAtStart(config));
            EXPECT_TRUE(reloaded.refreshClick()) << box.name << " '" << text << "'";
        }
    }
}

TEST_F(BadInput, ZeroAndNegativeCountsAndSizesAreSafe) {
    struct Case {
        const char* where;
        TEditControl TJobControls::*member;
        const char* text;
        std::size_t labels; // on the preview's sheet
    } cases[] = {
        {"columns 0", &TJobControls::col, "0", 0},
        {"columns negative", &TJobControls::col, "-3", 0},
        {"rows 0", &TJobControls::row, "0", 0},
        {"rows negative", &TJobControls::row, "-1", 0},
        {"cell height 0: every row at the top margin", &TJobControls::cellHeight, "0", 30},
        {"cell width negative: columns to the left", &TJobControls::cellWidth, "-63", 30},
        {"bar height 0: symbols without height", &TJobControls::barHeight, "0", 30},
        {"bar height negative", &TJobControls::barHeight, "-10", 30},
        {"bar height huge", &TJobControls::barHeight, "2000000000", 30},
        {"page height negative: nothing starts inside", &TJobControls::pageHeight, "-1", 0},
        {"huge margin", &TJobControls::leftMargin, "1e300", 0},
        {"huge cell height", &TJobControls::cellHeight, "1e300", 3},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(config); // each case starts from the defaults
        RecordingReporter reporter;
        TLabelJob job(reporter);
        job.LoadAtStart(config);
        std::size_t labels = 0;
        job.OnLabelValue = [&labels](int, const std::string&) { ++labels; };
        (job.Controls.*c.member).Text = c.text;
        job.refreshClick();
        EXPECT_EQ(labels, c.labels) << c.where;
        EXPECT_FALSE(job.PagePreview1.IsUpdating()) << c.where;
        EXPECT_TRUE(reporter.errors.empty()) << c.where;
        EXPECT_TRUE(job.Save(config));
    }
}

TEST_F(BadInput, PageCountsAndPrintRuns) {
    struct Case {
        const char* pages;
        long labels;
    } cases[] = {{"0", 0}, {"-5", 0}, {"1", 30}};
    for (const auto& c : cases) {
        RecordingReporter reporter;
        TLabelJob job(reporter);
        job.LoadAtStart(config);
        job.Controls.pageNo.Text = c.pages;
        job.PagePreview1.GetPagePrinter().SetPdfFile(folder / "run.pdf");
        const auto result = job.printClick();
        EXPECT_TRUE(result.Printed) << c.pages; // at least the one blank page
        EXPECT_EQ(result.Labels, c.labels) << c.pages;
    }
}

TEST_F(BadInput, LongTextsAndBytesOutsideTheCodePage) {
    RecordingReporter reporter;
    TLabelJob job(reporter);
    job.LoadAtStart(config);
    job.Controls.barcodeText.Text = std::string(200, 'Q');
    job.Controls.string2.Text = std::string(150, '\x81'); // a byte Windows-1252 leaves unassigned
    job.Controls.length.Text = "0";
    EXPECT_TRUE(job.refreshClick());
    EXPECT_EQ(std::string(job.Settings.initialString), std::string(79, 'Q'));
    ASSERT_TRUE(job.Save(config));
    RecordingReporter again;
    TLabelJob reloaded(again);
    reloaded.LoadAtStart(config);
    EXPECT_EQ(reloaded.Controls.barcodeText.Text, std::string(79, 'Q'));
    EXPECT_EQ(reloaded.Controls.string2.Text, std::string(79, '\x81'));
}

} // namespace
