#pragma once
// The setup wizard without widgets: its boxes, the two steps and their handlers, and the cell
// sizes computed from the paper, the margins and the counts. The wizard window binds its widgets
// to it; it works on copies of thirteen values of the main window and gives them back only when
// the user completes it.
#include "JobControls.h"
#include "JobReporter.h"
#include "PagePreview.h"

#include <string>

// x with at most two decimals and a full stop, whatever the system's separator: 26.70, 63.33, 3,
// 0.01, -0 (see the wizard's rounding rule in SetupWizard.cpp).
std::string FormatDecimal(double x, int decimals);

class TSetupWizard {
public:
    TSetupWizard(IJobReporter& reporter, char decimalSeparator = '.');

    // The wizard's boxes, named as on the main window.
    TListControl pageSize;
    TEditControl pageHeight, pageWidth;
    TEditControl topMargin, bottomMargin, leftMargin, rightMargin;
    TEditControl col, row;
    TEditControl cellHeight, cellWidth;
    TEditControl horizontal, vertical;
    std::string help; // the help box's text

    // The cell grid of the paper diagram: its column and row counts.
    int GridColumns = 0;
    int GridRows = 0;

    // Step 1 shows the paper; step 2 the cell, with "&Previous" visible.
    int Step() const { return previousVisible_ ? 2 : 1; }
    bool PreviousVisible() const { return previousVisible_; }
    const std::string& NextCaption() const { return nextCaption_; }

    enum class TResult { Open, Ok, Cancel };
    TResult Result() const { return result_; }

    void pageSizeChange();
    void colChange();
    void rowChange();
    void nextButtonClick();
    void previousButtonClick();
    void cancelButtonClick() { result_ = TResult::Cancel; }
    // Closing the window by its title-bar button or the system menu.
    void Close() { if (result_ == TResult::Open) result_ = TResult::Cancel; }

    // The main window's side: what settingButtonClick copies in before the wizard shows, and
    // back when it ends with OK (the page size index without running the main window's
    // pageSizeChange, then the twelve texts).
    void CopyFrom(const TJobControls& main);
    void CopyTo(TJobControls& main) const;

    static const char* const HelpStep1;
    static const char* const HelpStep2;

private:
    IJobReporter& reporter_;
    char separator_;
    TPagePreview paper_; // never shown: it only looks up paper sizes, starting at A4
    bool previousVisible_ = false;
    std::string nextCaption_ = "&Next";
    TResult result_ = TResult::Open;
};
