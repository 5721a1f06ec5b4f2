// The preview and the print run: a sheet's cells filled with the label values, their symbols and
// their three text lines.
#include "LabelJob.h"

#include "Exceptions.h"
#include "FormatList.h"
#include "SheetGrid.h"
#include "ValueSequence.h"

#include <QPainter>

#include <climits>
#include <cmath>
#include <string>

namespace {

// Millimetres to page pixels, truncated toward zero; beyond the int range it saturates.
int MmToPagePixels(double mm) {
    const double px = std::trunc(ConvertValue(mm, puMillimeters, puPixels));
    if (!(px > INT_MIN)) return std::isnan(px) ? 0 : INT_MIN;
    return px >= INT_MAX ? INT_MAX : int(px);
}

// The symbol's height: the bar height times 1123 / 297 in 32-bit integers (10 mm give 37).
int SymbolHeight(std::int32_t barHeight) {
    return std::int32_t(std::uint32_t(barHeight) * 1123u) / 297;
}

// Every way out of a composition ends the page update and restores the cursor.
class UpdateScope {
public:
    UpdateScope(TPagePreview& preview, IJobReporter& reporter)
        : preview_(preview), reporter_(reporter) {
        reporter_.SetBusy(true);
        preview_.BeginUpdate();
    }
    ~UpdateScope() {
        preview_.EndUpdate();
        reporter_.SetBusy(false);
    }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    TPagePreview& preview_;
    IJobReporter& reporter_;
};

// The raster picture's height: the cell height × 1123 × (1/297), truncated. A picture has at
// most 32767 rows; a negative or absurd cell height gives none.
int ImageHeight(double cellHeight) {
    const double h = std::trunc(cellHeight * 1123 * (1.0 / 297));
    return h > 0 ? (h < 32767 ? int(h) : 32767) : 0;
}

} // namespace

// The picture starts 0 wide; its height waits for the first label.
void TLabelJob::PrepareBarcodeImage() {
    barcodeImageHeight_ = ImageHeight(Settings.cellHeight);
    barcodeImage.SetSize(0, barcodeImageHeight_);
}

bool TLabelJob::MakeBarcodeImage() {
    int width = 0;
    try {
        width = Barcode1.GetWidth();
    } catch (const Exception&) {
        reporter_.Information("The 'Initial String' must be numeric for Code 25 barcode format.");
        return false;
    }
    const int height = barcodeImageHeight_;
    // A picture is at most 32767 pixels wide; a wider symbol is cut at its right edge.
    const int wanted = width < 32767 - 5 ? width + 5 : 32767;
    barcodeImage.SetSize(std::max(barcodeImage.Width(), wanted), height);
    Barcode1.SetLeft(0);
    Barcode1.SetTop(0);
    Barcode1.DrawBarcode(barcodeImage);
    return true;
}

void TLabelJob::SetPagePaperSize() {
    const int index = Controls.pageSize.ItemIndex;
    if (index == CustomPageSizeIndex)
        PagePreview1.SetCustomPageSize(Settings.pageWidth, Settings.pageHeight, puMillimeters);
    else if (index >= 0)
        PagePreview1.SetPaperSize(PageSizeList[index].Paper);
    // No entry selected (a damaged file): the paper stays as it was.
}

bool TLabelJob::ComposePage(TValueSequence& sequence, int page, bool preview,
                            TPrintRunResult* run) {
    const LabelJobSettings& s = Settings;
    TPageCanvas& canvas = PagePreview1.Canvas();
    const TEditControl* lines[3] = {&Controls.string1, &Controls.string2, &Controls.string3};
    const char* texts[3] = {s.text1, s.text2, s.text3};
    const double lefts[3] = {s.text1Left, s.text2Left, s.text3Left};
    const double tops[3] = {s.text1Top, s.text2Top, s.text3Top};
    const auto command =
        preview ? TValueSequence::TCommand::Preview : TValueSequence::TCommand::PrintRun;

    return WalkSheetGrid(s, [&](const TCell& cell) {
        if (Controls.printBarcode.Checked) {
            if (!sequence.NextValue(command, preview ? WindowShowing : true)) return false;
            if (preview && cell.Row == 0 && cell.Column == 0 && !MakeBarcodeImage()) return false;
            Barcode1.SetLeft(MmToPagePixels(cell.X + s.barcodeLeft));
            Barcode1.SetTop(MmToPagePixels(cell.Y + s.barcodeTop));
            Barcode1.DrawBarcode(canvas);
            if (OnLabelValue) OnLabelValue(page, Barcode1.GetText());
            if (run) {
                if (run->Labels == 0) run->FirstValue = Barcode1.GetText();
                run->LastValue = Barcode1.GetText();
                ++run->Labels;
            }
            sequence.Advance();
        }
        if (Controls.printString.Checked) {
            for (int i = 0; i < 3; ++i) {
                canvas.Font = lines[i]->Font;
                canvas.TextOutLeft(cell.X + lefts[i], cell.Y + tops[i],
                                   std::string(texts[i], strnlen(texts[i], JobTextFieldSize)),
                                   puMillimeters);
            }
        }
        return true;
    });
}

// What the preview and the print run do first: gather, set the symbol's height, start the
// sequence (which may end the command with its message) and prepare the first label's picture.
bool TLabelJob::StartCommand(TValueSequence& sequence) {
    GatherJobSettings();
    Barcode1.SetHeight(SymbolHeight(Settings.barHeight));
    if (!sequence.Start(Settings, Controls.codeFormat.ItemIndex)) return false;
    PrepareBarcodeImage();
    return true;
}

bool TLabelJob::refreshClick() {
    TValueSequence sequence(Barcode1, Controls, reporter_);
    if (!StartCommand(sequence)) return false;
    const UpdateScope update(PagePreview1, reporter_);
    PagePreview1.Clear();
    SetPagePaperSize();
    try {
        return ComposePage(sequence, 0, true, nullptr);
    } catch (const Exception& e) {
        reporter_.Error(e.Message()); // a later label that its symbology cannot encode
        return false;
    }
}

TLabelJob::TPrintRunResult TLabelJob::printClick() {
    TPrintRunResult result;
    TPagePrinter& printer = PagePreview1.GetPagePrinter();
    printer.SetPrinterIndex(Controls.printer.ItemIndex);
    // No printer installed or none chosen, and no file to print to: nothing to do.
    if (printer.PdfFile().empty() && printer.PrinterName().empty()) {
        reporter_.Information("No printer is selected.");
        return result;
    }
    TValueSequence sequence(Barcode1, Controls, reporter_);
    if (!StartCommand(sequence)) return result;
    if (Settings.pageCount > MaxPagesPerRun) {
        reporter_.Error("A print run can have at most " + std::to_string(MaxPagesPerRun) +
                        " pages.");
        return result;
    }
    {
        const UpdateScope update(PagePreview1, reporter_);
        PagePreview1.Clear();
        // The paper is not set here: the pages take the size set last.
        try {
            printer.BeginJob("Qubrin labels");
            const int pages = Settings.pageCount;
            for (int p = 0; p < pages; ++p) {
                if (p > 0) PagePreview1.NewPage(); // sends the finished page to the job
                if (!ComposePage(sequence, p, false, &result)) {
                    printer.AbortJob();
                    return result;
                }
                if (!reporter_.PrintProgress(p + 1, pages)) {
                    printer.AbortJob();
                    reporter_.Information("The print run was cancelled; nothing was printed.");
                    return result;
                }
            }
            result.Pages = std::max(pages, 1);
        } catch (const Exception& e) {
            printer.AbortJob();
            reporter_.Error(e.Message());
            return result;
        }
    }
    try {
        PagePreview1.Print();
    } catch (const Exception& e) {
        reporter_.Error(e.Message());
        return result;
    }
    result.Printed = true;
    // Hand the sequence back: the next run starts where this one stopped.
    Controls.barcodeText.Text = sequence.Prefix();
    Controls.value.Text = IntToStr(sequence.Counter());
    refreshClick();
    return result;
}
