// The setup wizard's rounding, its steps and its hand-over to the main window.
#include "FormatList.h"
#include "JobTestSupport.h"
#include "LabelJob.h"
#include "SetupWizard.h"

#include <gtest/gtest.h>

namespace {

TEST(SetupWizard, FormatDecimal) {
    struct Case {
        double x;
        const char* text;
    } cases[] = {
        {7, "7"},
        {5.05, "5.05"},
        {190.0 / 3, "63.33"},
        {2.9996, "3"},
        {99.999, "100"},
        {0.004, "0.01"},
        {0.0005, "0"},
        {-0.002, "-0"},
        {12.004, "12"},     // the double nearest to 12.004 lies below it
        {26.7, "26.70"},    // the default cell height: a second decimal of 0 stays
        {-12.5, "-12.50"},
        {1e20, "100000000000000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDecimal(c.x, 2), c.text) << c.x;
}

struct Wizard : testing::Test {
    RecordingReporter reporter;
    TJobControls main; // the main window's defaults: A4, margins 15/15/10/10, 3 × 10
    TSetupWizard wizard{reporter};
    void SetUp() override {
        main.pageSize.SetItemIndex(1);
        wizard.CopyFrom(main);
        wizard.colChange();
        wizard.rowChange();
        wizard.previousButtonClick();
    }
};

TEST_F(Wizard, DefaultsGiveTheCellSizes) {
    EXPECT_EQ(wizard.Step(), 1);
    EXPECT_EQ(wizard.GridColumns, 3);
    EXPECT_EQ(wizard.GridRows, 10);
    EXPECT_EQ(wizard.help, TSetupWizard::HelpStep1);
    wizard.nextButtonClick();
    EXPECT_EQ(wizard.cellHeight.Text, "26.70");
    EXPECT_EQ(wizard.cellWidth.Text, "63.33");
    EXPECT_EQ(wizard.Step(), 2);
    EXPECT_EQ(wizard.NextCaption(), "Complete");
    EXPECT_EQ(wizard.help, TSetupWizard::HelpStep2);
    wizard.nextButtonClick();
    EXPECT_EQ(wizard.Result(), TSetupWizard::TResult::Ok);
}

TEST_F(Wizard, PageSizesAndCustom) {
    wizard.pageSize.SetItemIndex(CustomPageSizeIndex);
    wizard.pageSizeChange(); // the first choice: the hidden preview is still A4
    EXPECT_EQ(wizard.pageHeight.Text, "297");
    EXPECT_EQ(wizard.pageWidth.Text, "210");
    EXPECT_FALSE(wizard.pageHeight.ReadOnly);
    wizard.pageSize.SetItemIndex(0);
    wizard.pageSizeChange();
    EXPECT_TRUE(wizard.pageWidth.ReadOnly);
    EXPECT_EQ(wizard.pageWidth.Color, ReadOnlyBoxColor);
    wizard.pageSize.SetItemIndex(CustomPageSizeIndex);
    wizard.pageSizeChange();
    EXPECT_EQ(wizard.pageHeight.Text, "420");
    EXPECT_EQ(wizard.pageWidth.Text, "297");
}

TEST_F(Wizard, GridFollowsIntegerCountsOnly) {
    wizard.col.Text = "6";
    wizard.colChange();
    EXPECT_EQ(wizard.GridColumns, 6);
    wizard.col.Text = "6a";
    wizard.colChange();
    EXPECT_EQ(wizard.GridColumns, 6);
    wizard.row.Text = "-2"; // the diagram copes with it
    wizard.rowChange();
    EXPECT_EQ(wizard.GridRows, -2);
}

TEST_F(Wizard, ErrorsKeepStepOne) {
    struct Case {
        const char* where;
        const char* field; // which box gets the text
        const char* text;
        const char* message;
        const char* cellHeightAfter;
    } cases[] = {
        {"a letter in a margin", "top", "1x", "'1x' is not a valid floating point value.", "27"},
        {"a letter in Row", "row", "ten", "'ten' is not a valid integer value.", "27"},
        {"rows 0", "row", "0", "Floating point division by zero.", "27"},
        {"columns 0: the height is written first", "col", "0", "Floating point division by zero.",
         "26.70"},
    };
    for (const auto& c : cases) {
        RecordingReporter r;
        TSetupWizard w(r);
        w.CopyFrom(main);
        w.previousButtonClick();
        TEditControl* box = std::string(c.field) == "top" ? &w.topMargin
                            : std::string(c.field) == "row" ? &w.row
                                                            : &w.col;
        box->Text = c.text;
        w.nextButtonClick();
        EXPECT_EQ(w.Step(), 1) << c.where;
        EXPECT_EQ(r.errors, std::vector<std::string>{c.message}) << c.where;
        EXPECT_EQ(w.cellHeight.Text, c.cellHeightAfter) << c.where;
        EXPECT_EQ(w.cellWidth.Text, "63") << c.where;
    }
}

TEST_F(Wizard, NextPreviousAndNextAgainRecompute) {
    wizard.nextButtonClick();
    wizard.cellWidth.Text = "99"; // a hand edit is replaced by the computed width
    wizard.previousButtonClick();
    EXPECT_EQ(wizard.Step(), 1);
    EXPECT_EQ(wizard.NextCaption(), "&Next");
    wizard.row.Text = "5";
    wizard.nextButtonClick();
    EXPECT_EQ(wizard.cellHeight.Text, "53.40");
    EXPECT_EQ(wizard.cellWidth.Text, "63.33");
}

TEST(SetupWizardOnTheJob, CancelChangesNothingAndCompleteCopiesBackAndPreviews) {
    RecordingReporter reporter;
    TLabelJob job(reporter);
    job.LoadAtStart("/nonexistent/Qubrin.cfg");
    const TJobControls before = job.Controls;
    EXPECT_FALSE(job.settingButtonClick([](TSetupWizard& w) {
        w.nextButtonClick();
        w.cancelButtonClick();
    }));
    EXPECT_EQ(job.Controls.cellHeight.Text, before.cellHeight.Text);
    EXPECT_EQ(job.Controls.pageSize.ItemIndex, before.pageSize.ItemIndex);

    int labels = 0;
    job.OnLabelValue = [&labels](int, const std::string&) { ++labels; };
    EXPECT_TRUE(job.settingButtonClick([](TSetupWizard& w) {
        w.pageSize.SetItemIndex(CustomPageSizeIndex);
        w.pageSizeChange();
        w.pageHeight.Text = "100";
        w.pageWidth.Text = "80";
        w.row.Text = "2";
        w.col.Text = "1";
        w.nextButtonClick();
        w.nextButtonClick(); // Complete
    }));
    EXPECT_EQ(job.Controls.pageSize.ItemIndex, CustomPageSizeIndex);
    EXPECT_EQ(job.Controls.pageHeight.Text, "100");
    EXPECT_EQ(job.Controls.cellHeight.Text, "35"); // (100 − 15 − 15) / 2
    EXPECT_EQ(job.Controls.cellWidth.Text, "60");
    EXPECT_TRUE(job.Controls.pageHeight.ReadOnly); // the state stays until the next choice
    EXPECT_EQ(labels, 2); // the preview ran
}

} // namespace
