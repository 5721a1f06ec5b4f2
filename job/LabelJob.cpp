#include "LabelJob.h"

#include "AnsiCase.h"
#include "Convert.h"
#include "Exceptions.h"
#include "FormatList.h"
#include "LogFont.h"
#include "SetupWizard.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// A text field's content: up to its NUL, or the whole field where a damaged file has none.
std::string FieldText(const char (&field)[JobTextFieldSize]) {
    return std::string(field, std::find(field, field + JobTextFieldSize, '\0'));
}

// At most 79 characters are kept, so the field always ends with a NUL; the rest is NULs.
void SetFieldText(char (&field)[JobTextFieldSize], const std::string& text) {
    std::memset(field, 0, JobTextFieldSize);
    std::memcpy(field, text.data(), std::min(text.size(), JobTextMaxLength));
}

TBarcodeSymbol& DesignBarcode(TBarcodeSymbol& symbol) {
    // The window's design values of Barcode1.
    symbol.SetTop(88);
    symbol.SetLeft(16);
    symbol.SetShowText(bcoBoth);
    symbol.SetShowTextPosition(stpBottomCenter);
    symbol.ShowTextFont() = TFont("MS Sans Serif", -11, 0, DEFAULT_CHARSET, clWindowText);
    return symbol;
}

} // namespace

TLabelJob::TLabelJob(IJobReporter& reporter, char decimalSeparator)
    : reporter_(reporter), separator_(decimalSeparator) {
    DesignBarcode(Barcode1);
}

void TLabelJob::FillPrinterList() {
    Controls.printer.Items = TPagePrinter::Printers();
    Controls.printer.Items.push_back(PdfFileEntry);
    Controls.printer.SetItemIndex(TPagePrinter::DefaultPrinterIndex());
}

bool TLabelJob::PdfFileSelected() const {
    const TListControl& list = Controls.printer;
    return list.ItemIndex >= 0 && list.ItemIndex == int(list.Items.size()) - 1 &&
           list.Items.back() == PdfFileEntry;
}

bool TLabelJob::LoadAtStart(const std::filesystem::path& file) {
    const TJobFileContents contents = ReadJobFile(file);
    if (contents.Opened) {
        Settings = contents.Record;
        TEditControl* boxes[JobFontCount] = {&Controls.barcodeText, &Controls.string1,
                                             &Controls.string2, &Controls.string3};
        for (std::size_t i = 0; i < contents.FontsRead; ++i) {
            boxes[i]->Font = LogFontToFont(contents.Fonts[i], boxes[i]->Font);
            if (i == 0) Barcode1.ShowTextFont().Assign(boxes[i]->Font);
        }
        ShowJobSettings();
    } else {
        Controls.barcodeText.Text = "VORDA-";
        Controls.pageSize.SetItemIndex(1);   // A4
        Controls.codeFormat.SetItemIndex(0); // Code 128
    }
    displayTextClick();
    Barcode1.SetTop(0);
    Barcode1.SetLeft(0);
    Barcode1.SetHeight(100);
    Barcode1.SetAngle(0);
    pageSizeChange();
    return contents.Opened;
}

void TLabelJob::ShowJobSettings() {
    const LabelJobSettings& s = Settings;
    TJobControls& c = Controls;
    auto real = [this](double v) { return FloatToStr(v, separator_); };
    c.barcodeText.Text = FieldText(s.initialString);
    c.value.Text = IntToStr(s.initialValue);
    c.increment.Text = IntToStr(s.increment);
    c.displayText.Checked = s.displayText != 0;
    c.printBarcode.Checked = s.printBarcode != 0;
    c.printString.Checked = s.printText != 0;
    displayTextClick();
    // The spinners take the low 16 bits and hold them within their ranges, so a stored bar
    // height or length outside them reaches the boxes clamped (1 to 100, 0 to 40).
    c.barHeight.Text = IntToStr(s.barHeight);
    c.SetBarHeightPosition(std::int16_t(s.barHeight & 0xFFFF));
    c.pageSize.SetItemIndex(s.pageSizeIndex); // an index that names no entry selects none
    c.pageHeight.Text = real(s.pageHeight);
    c.pageWidth.Text = real(s.pageWidth);
    c.pageNo.Text = IntToStr(s.pageCount);
    c.topMargin.Text = real(s.topMargin);
    c.leftMargin.Text = real(s.leftMargin);
    c.rightMargin.Text = real(s.rightMargin);
    c.bottomMargin.Text = real(s.bottomMargin);
    c.cellHeight.Text = real(s.cellHeight);
    c.cellWidth.Text = real(s.cellWidth);
    c.horizontal.Text = real(s.barcodeLeft);
    c.vertical.Text = real(s.barcodeTop);
    c.col.Text = IntToStr(s.columns);
    c.row.Text = IntToStr(s.rows);
    c.barcodeText.Text = FieldText(s.initialString);
    // The stored printer only where it is in the list; otherwise the default stays selected.
    if (s.printerIndex >= 0 && s.printerIndex < int(c.printer.Items.size()))
        c.printer.SetItemIndex(s.printerIndex);
    c.string1.Text = FieldText(s.text1);
    c.string2.Text = FieldText(s.text2);
    c.string3.Text = FieldText(s.text3);
    c.string1H.Text = real(s.text1Left);
    c.string2H.Text = real(s.text2Left);
    c.string3H.Text = real(s.text3Left);
    c.string1V.Text = real(s.text1Top);
    c.string2V.Text = real(s.text2Top);
    c.string3V.Text = real(s.text3Top);
    c.length.Text = IntToStr(s.length);
    c.SetLengthPosition(std::int16_t(s.length & 0xFFFF));
    c.codeFormat.SetItemIndex(s.formatIndex);
}

void TLabelJob::GatherJobSettings() {
    LabelJobSettings& s = Settings;
    const TJobControls& c = Controls;
    const int format = c.codeFormat.ItemIndex;
    SetFieldText(s.initialString,
                 format == 0 || format == 1 ? c.barcodeText.Text : AnsiUpperCase(c.barcodeText.Text));

    // Each step converts one control; the first that fails ends the gathering.
    const std::function<void()> steps[] = {
        [&] { s.initialValue = StrToInt(c.value.Text); },
        [&] { s.increment = StrToInt(c.increment.Text); },
        [&] {
            s.displayText = c.displayText.Checked ? 1 : 0;
            s.printBarcode = c.printBarcode.Checked ? 1 : 0;
            s.printText = c.printString.Checked ? 1 : 0;
        },
        [&] { s.barHeight = StrToInt(c.barHeight.Text); },
        [&] { s.pageSizeIndex = c.pageSize.ItemIndex; },
        [&] { s.pageHeight = StrToFloat(c.pageHeight.Text, separator_); },
        [&] { s.pageWidth = StrToFloat(c.pageWidth.Text, separator_); },
        [&] { s.pageCount = StrToInt(c.pageNo.Text); },
        [&] { s.topMargin = StrToFloat(c.topMargin.Text, separator_); },
        [&] { s.leftMargin = StrToFloat(c.leftMargin.Text, separator_); },
        [&] { s.rightMargin = StrToFloat(c.rightMargin.Text, separator_); },
        [&] { s.bottomMargin = StrToFloat(c.bottomMargin.Text, separator_); },
        [&] { s.cellHeight = StrToFloat(c.cellHeight.Text, separator_); },
        [&] { s.cellWidth = StrToFloat(c.cellWidth.Text, separator_); },
        [&] { s.barcodeLeft = StrToFloat(c.horizontal.Text, separator_); },
        [&] { s.barcodeTop = StrToFloat(c.vertical.Text, separator_); },
        [&] { s.columns = StrToInt(c.col.Text); },
        [&] { s.rows = StrToInt(c.row.Text); },
        [&] { s.length = StrToInt(c.length.Text); },
        [&] { s.formatIndex = std::int16_t(c.codeFormat.ItemIndex); },
        [&] { s.printerIndex = c.printer.ItemIndex; },
        [&] {
            SetFieldText(s.text1, c.string1.Text);
            SetFieldText(s.text2, c.string2.Text);
            SetFieldText(s.text3, c.string3.Text);
        },
        [&] { s.text1Left = StrToFloat(c.string1H.Text, separator_); },
        [&] { s.text2Left = StrToFloat(c.string2H.Text, separator_); },
        [&] { s.text3Left = StrToFloat(c.string3H.Text, separator_); },
        [&] { s.text1Top = StrToFloat(c.string1V.Text, separator_); },
        [&] { s.text2Top = StrToFloat(c.string2V.Text, separator_); },
        [&] { s.text3Top = StrToFloat(c.string3V.Text, separator_); },
    };
    try {
        for (const auto& step : steps) step();
    } catch (const EConvertError& e) {
        reporter_.Error(e.Message() + ".");
    }
}

bool TLabelJob::Save(const std::filesystem::path& file) {
    GatherJobSettings();
    const std::array<LOGFONTA, JobFontCount> fonts = {
        FontToLogFont(Controls.barcodeText.Font), FontToLogFont(Controls.string1.Font),
        FontToLogFont(Controls.string2.Font), FontToLogFont(Controls.string3.Font)};
    const std::string reason = WriteFileReplacing(file, JobFileBytes(Settings, fonts));
    if (reason.empty()) return true;
    reporter_.Error("The job could not be saved to " + file.filename().string() + ": " + reason + ".");
    return false;
}

void TLabelJob::displayTextClick() {
    Barcode1.SetShowText(Controls.displayText.Checked ? bcoCode : bcoNone);
}

void TLabelJob::pageSizeChange() {
    TJobControls& c = Controls;
    // No selection (only a damaged file leads there) leaves the preview's paper as it was.
    const int index = c.pageSize.ItemIndex;
    if (index >= 0) PagePreview1.SetPaperSize(PageSizeList[index].Paper);
    const bool custom = PagePreview1.GetPaperSize() == Custom;
    if (!custom) {
        c.pageHeight.Text = FloatToStr(PagePreview1.GetPageHeight(puMillimeters), separator_);
        c.pageWidth.Text = FloatToStr(PagePreview1.GetPageWidth(puMillimeters), separator_);
    }
    for (TEditControl* box : {&c.pageHeight, &c.pageWidth}) {
        box->ReadOnly = !custom;
        box->Color = custom ? clWindow : ReadOnlyBoxColor;
    }
}

void TLabelJob::codeFormatChange() {
    if (Controls.codeFormat.ItemIndex < 4) return; // Code 128, EAN128, Code 39, Code 93
    for (char ch : Controls.barcodeText.Text) {
        if (ch < '0' || ch > '9') { // a byte of 128 or more is no digit either
            reporter_.Information("The 'Initial String' must be numeric for Code 25 barcode format.");
            Controls.barcodeText.Text.clear();
            reporter_.FocusInitialString();
            return;
        }
    }
}

bool TLabelJob::settingButtonClick(const std::function<void(TSetupWizard&)>& showModal) {
    TSetupWizard wizard(reporter_, separator_);
    wizard.CopyFrom(Controls);
    wizard.colChange();
    wizard.rowChange();
    wizard.previousButtonClick();
    showModal(wizard);
    if (wizard.Result() != TSetupWizard::TResult::Ok) return false;
    wizard.CopyTo(Controls);
    refreshClick();
    return true;
}
