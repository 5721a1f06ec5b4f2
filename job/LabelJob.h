#pragma once
// The label job behind the main window: its controls, the job record, the symbol component that
// draws every label, and the commands that move the job between controls, record and file. The
// window and the command line are two front ends of this one class.
#include "Barcode.h"
#include "JobControls.h"
#include "JobFile.h"
#include "JobReporter.h"
#include "LabelJobSettings.h"
#include "PagePreview.h"

#include <filesystem>
#include <functional>
#include <string>

class TLabelJob {
public:
    // decimalSeparator: the system's for the window, '.' for the command line and the tests.
    explicit TLabelJob(IJobReporter& reporter, char decimalSeparator = '.');

    TJobControls Controls;
    LabelJobSettings Settings{}; // zero until loaded or gathered
    TBarcodeSymbol Barcode1;     // the one symbol component that draws every label
    // Whether the window is on the screen: a rejected value focuses the Initial String box only
    // then.
    bool WindowShowing = false;

    IJobReporter& Reporter() { return reporter_; }
    char DecimalSeparator() const { return separator_; }

    // Fills the printer list with the system's printers in the system's order and one more
    // entry, PdfFileEntry, after them (so that stored positions keep their meaning), and selects
    // the system's default printer, or none when there is no default.
    void FillPrinterList();
    static constexpr const char* PdfFileEntry = "PDF file";
    // Whether the printer list's selection is the PDF file entry.
    bool PdfFileSelected() const;

    // Loading at start: reads the file into the record and the controls (or keeps the initial
    // values), follows Display Text, sets the symbol's place and height, and applies the page
    // size. The printer list must be filled, with the system's default selected, before. Returns
    // whether a file was read. The preview that follows is the caller's.
    bool LoadAtStart(const std::filesystem::path& file = JobFileName);

    // Copies the controls into the record. A text that does not convert is reported in the error
    // box; the fields before it hold their new values, it and the later ones keep theirs.
    void GatherJobSettings();

    // Gathers and writes the record and the four fonts. A failed write leaves the old file as it
    // was and is reported; the return tells whether the file was written.
    bool Save(const std::filesystem::path& file = JobFileName);

    // Puts the record into the controls, in the order of loading.
    void ShowJobSettings();

    // The window's handlers that need no widgets.
    void displayTextClick();
    void pageSizeChange();
    void codeFormatChange();

    // The preview: composes the first sheet of the job on the preview's page and draws the
    // first label's symbol into barcodeImage. False when the command ended early (a message was
    // shown).
    bool refreshClick();

    // What a print run did, for the command line's summary.
    struct TPrintRunResult {
        bool Printed = false;
        int Pages = 0;
        long Labels = 0;
        std::string FirstValue, LastValue;
    };
    // The most pages a print run may have. More is a slip of the keyboard: 2,000,000,000 pages
    // would keep the printer busy for years and run the counter round to values already printed.
    static constexpr int MaxPagesPerRun = 100000;
    // The print run: composes the job's pages and prints them as one job on the chosen printer
    // (or the printer's PDF file), hands the continued prefix and counter back to the Initial
    // String and Initial Value boxes, and previews the next sheet.
    TPrintRunResult printClick();

    // The setup wizard: a wizard gets copies of thirteen values, showModal runs it until it ends,
    // and when it ends with OK the values come back (the page size without pageSizeChange) and a
    // preview runs. Returns whether the wizard was completed.
    bool settingButtonClick(const std::function<void(class TSetupWizard&)>& showModal);

    // Called with each label's value as it is composed, page after page (for listings).
    std::function<void(int page, const std::string& value)> OnLabelValue;

    TPagePreview PagePreview1; // the preview's pages; also the way to the printer
    TCanvas barcodeImage;      // the first label's symbol, as the last preview drew it

private:
    // The values and drawing of one page's cells; false when the command must end.
    bool ComposePage(class TValueSequence& sequence, int page, bool preview, TPrintRunResult* run);
    bool StartCommand(class TValueSequence& sequence);
    void PrepareBarcodeImage();
    bool MakeBarcodeImage();
    void SetPagePaperSize();

    IJobReporter& reporter_;
    char separator_;
    int barcodeImageHeight_ = 0;
};
