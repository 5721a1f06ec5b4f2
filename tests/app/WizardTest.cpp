// The setup wizard run from the main window, its real widgets driven as a person would.
#include "TRepeatedShape.h"
#include "TSettingWizardForm.h"
#include "WindowTestSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class Wizard : public WindowTest {
protected:
    static QString Text(const QWidget& w, const char* name) { return Find<QLineEdit>(w, name)->text(); }
    static void Type(const QWidget& w, const char* name, const QString& text) {
        auto* edit = Find<QLineEdit>(w, name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static void Choose(QWidget& w, const char* list, int index) {
        auto* combo = Find<QComboBox>(w, list);
        combo->setCurrentIndex(index);
        emit combo->activated(index); // as the person's choice
    }
};

TEST_F(Wizard, DefaultsGiveTheCellSizesAndCompleteCopiesBackAndPreviews) {
    auto window = Open();
    QString height, width, caption;
    user.onModal = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Setup Wizard");
        EXPECT_EQ(d.size(), QSize(696, 480));
        EXPECT_TRUE(Find<QWidget>(d, "paperSetting")->isVisibleTo(&d));
        EXPECT_FALSE(Find<QWidget>(d, "previousButton")->isVisibleTo(&d));
        EXPECT_TRUE(Find<QPlainTextEdit>(d, "help")->toPlainText().startsWith("This wizard helps"));
        Click(d, "nextButton");
        height = Text(d, "cellHeight");
        width = Text(d, "cellWidth");
        caption = Find<QPushButton>(d, "nextButton")->text();
        EXPECT_TRUE(Find<QWidget>(d, "cellSetting")->isVisibleTo(&d));
        EXPECT_TRUE(Find<QPlainTextEdit>(d, "help")->toPlainText().startsWith("A cell is shown"));
        Type(d, "horizontal", "7");
        Click(d, "nextButton"); // Complete
    };
    Click(*window, "settingButton");
    EXPECT_EQ(user.modalRuns, 1);
    EXPECT_EQ(height, "26.70");
    EXPECT_EQ(width, "63.33");
    EXPECT_EQ(caption, "Complete");
    EXPECT_EQ(Text(*window, "cellHeight"), "26.70");
    EXPECT_EQ(Text(*window, "horizontal"), "7");
}

TEST_F(Wizard, CustomShowsThePreviousPaperAndCompletesAsCustom) {
    auto window = Open();
    QString first, afterA3;
    user.onModal = [&](QDialog& d) {
        Choose(d, "pageSize", 8);
        first = Text(d, "pageHeight") + " x " + Text(d, "pageWidth");
        EXPECT_FALSE(Find<QLineEdit>(d, "pageHeight")->isReadOnly());
        Choose(d, "pageSize", 0);
        EXPECT_TRUE(Find<QLineEdit>(d, "pageHeight")->isReadOnly());
        Choose(d, "pageSize", 8);
        afterA3 = Text(d, "pageHeight") + " x " + Text(d, "pageWidth");
        Type(d, "pageHeight", "100");
        Type(d, "pageWidth", "80");
        Type(d, "row", "2");
        Type(d, "col", "1");
        Click(d, "nextButton");
        Click(d, "nextButton");
    };
    Click(*window, "settingButton");
    EXPECT_EQ(first, "297 x 210");
    EXPECT_EQ(afterA3, "420 x 297");
    EXPECT_EQ(Find<QComboBox>(*window, "pageSize")->currentText(), "Custom");
    EXPECT_EQ(Text(*window, "pageHeight"), "100");
    EXPECT_EQ(Text(*window, "cellHeight"), "35");
    EXPECT_EQ(Text(*window, "cellWidth"), "60");
    // The boxes keep the read-only state they had: pageSizeChange did not run.
    EXPECT_TRUE(Find<QLineEdit>(*window, "pageHeight")->isReadOnly());
}

TEST_F(Wizard, GridFollowsTheCountsAndALetterLeavesIt) {
    auto window = Open();
    std::pair<int, int> counts, afterSix, afterLetter;
    user.onModal = [&](QDialog& d) {
        auto* grid = static_cast<TSettingWizardForm&>(d).Grid();
        counts = {grid->HorCount(), grid->VerCount()};
        Type(d, "col", "6");
        afterSix = {grid->HorCount(), grid->VerCount()};
        Type(d, "col", "6a");
        afterLetter = {grid->HorCount(), grid->VerCount()};
        Type(d, "row", "0"); // the diagram copes with no rows
        d.grab();
        Click(d, "cancelButton");
    };
    Click(*window, "settingButton");
    EXPECT_EQ(counts, std::make_pair(3, 10));
    EXPECT_EQ(afterSix, std::make_pair(6, 10));
    EXPECT_EQ(afterLetter, std::make_pair(6, 10));
    EXPECT_EQ(Text(*window, "col"), "3"); // cancelled: nothing came back
}

TEST_F(Wizard, NextPreviousAndNextAgainRecomputeAndCancelChangesNothing) {
    auto window = Open();
    QString recomputed;
    user.onModal = [&](QDialog& d) {
        Click(d, "nextButton");
        Type(d, "cellWidth", "99");
        Click(d, "previousButton");
        EXPECT_EQ(Find<QPushButton>(d, "nextButton")->text(), "&Next");
        Type(d, "row", "5");
        Click(d, "nextButton");
        recomputed = Text(d, "cellHeight") + " x " + Text(d, "cellWidth");
        Click(d, "cancelButton");
    };
    Click(*window, "settingButton");
    EXPECT_EQ(recomputed, "53.40 x 63.33");
    EXPECT_EQ(Text(*window, "cellHeight"), "27");
    EXPECT_EQ(Text(*window, "row"), "10");
}

TEST_F(Wizard, StepOneErrorsStayOnStepOne) {
    auto window = Open();
    user.onModal = [&](QDialog& d) {
        Type(d, "row", "0");
        Click(d, "nextButton");
        EXPECT_TRUE(Find<QWidget>(d, "paperSetting")->isVisibleTo(&d));
        EXPECT_EQ(Text(d, "cellHeight"), "27");
        Type(d, "row", "10");
        Type(d, "topMargin", "x");
        Click(d, "nextButton");
        Click(d, "cancelButton");
    };
    Click(*window, "settingButton");
    EXPECT_EQ(user.errors, (std::vector<QString>{"Floating point division by zero.",
                                                 "'x' is not a valid floating point value."}));
}

} // namespace
