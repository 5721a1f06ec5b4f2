#pragma once
// The label job behind the main window: its controls, the job record, the symbol component that
// draws every label, and the commands that move the job between controls, record and file. The
// window and the command line are two front ends of this one class.
#include "Barcode.h"
#include "JobControls.h"
#include "JobFile.h"
#include "JobReporter.h"
#include "LabelJobSettings.h"

#include <filesystem>

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

private:
    IJobReporter& reporter_;
    char separator_;
};
