#include "SetupWizard.h"

#include "Convert.h"
#include "Exceptions.h"
#include "FormatList.h"

#include <cmath>

const char* const TSetupWizard::HelpStep1 =
    "This wizard helps you to config the settings easily. The bottom panel shows the settings. "
    "The left panel explains the meaning of the value.\n\n"
    "You can select the page size, input the margin, input the number of columns and rows of the "
    "page, and press [Next] button to next setup.";
const char* const TSetupWizard::HelpStep2 =
    "A cell is shown in the left. The height and width is calculated automatically. You can "
    "modify them or press [Previous ] button to config again.\n\n"
    "You can set the left and top margin which the barcode will display in a cell.  Press "
    "[Complete] button when you complete.";

// Two decimals at most: values within a thousandth of zero are "0"; otherwise the thousandths
// are cut after adding one thousandth (computed in extended precision on the double itself),
// then five is added and the result read as hundredths, so a third decimal of 4 or more rounds
// the second up where the double lies on or above the decimal value (0.004 gives 0.01, while
// 12.004, whose double lies just below, gives 12). The point is always a full stop.
std::string FormatDecimal(double x, int decimals) {
    (void)decimals; // the wizard always asks for two
    const double thousandth = 0.001;
    if (x > -thousandth && x < thousandth) return "0";
    std::string sign;
    long double v = x;
    if (v < 0) {
        sign = "-";
        v = -v;
    }
    const long double d = std::trunc(v);
    const long long e = static_cast<long long>(std::trunc(((v + 0.001L) - d) * 1000)) + 5;
    // Integers beyond 2^63 print through their decimal expansion of the long double.
    auto integer = [](long double value) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.0Lf", value);
        return std::string(buffer);
    };
    if (e < 10) return sign + integer(d);
    if (e < 100) return sign + integer(d) + ".0" + std::to_string(e / 10);
    if (e < 1000) return sign + integer(d) + "." + std::to_string(e / 10);
    return sign + integer(d + 1);
}

TSetupWizard::TSetupWizard(IJobReporter& reporter, char decimalSeparator)
    : reporter_(reporter), separator_(decimalSeparator) {
    for (const auto& entry : PageSizeList)
        pageSize.Items.push_back(entry.Caption);
    for (TEditControl* box : {&pageHeight, &pageWidth}) {
        box->ReadOnly = true;
        box->Color = ReadOnlyBoxColor;
    }
}

void TSetupWizard::pageSizeChange() {
    const int index = pageSize.ItemIndex;
    if (index >= 0) paper_.SetPaperSize(PageSizeList[index].Paper);
    // Every entry writes the preview's size, Custom too: after Custom the preview keeps the size
    // of the entry chosen before it (A4 when none was).
    pageHeight.Text = FloatToStr(paper_.GetPageHeight(puMillimeters), separator_);
    pageWidth.Text = FloatToStr(paper_.GetPageWidth(puMillimeters), separator_);
    const bool custom = index == CustomPageSizeIndex;
    for (TEditControl* box : {&pageHeight, &pageWidth}) {
        box->ReadOnly = !custom;
        box->Color = custom ? clWindow : ReadOnlyBoxColor;
    }
}

// A text that is not an integer leaves the grid as it was, without a word.
void TSetupWizard::colChange() {
    if (auto v = TryStrToInt(col.Text)) GridColumns = *v;
}
void TSetupWizard::rowChange() {
    if (auto v = TryStrToInt(row.Text)) GridRows = *v;
}

namespace {

// The division of the toolkit's floating-point unit: by zero it fails with its own messages.
long double Divide(long double numerator, int denominator) {
    if (denominator == 0) {
        if (numerator == 0 || std::isnan(numerator))
            throw Exception("Invalid floating point operation");
        throw Exception("Floating point division by zero");
    }
    return numerator / denominator;
}

// The message as the toolkit's standard error box shows it: with a full stop at the end.
std::string AsShown(const std::string& message) {
    return !message.empty() && message.back() != '.' ? message + "." : message;
}

} // namespace

void TSetupWizard::nextButtonClick() {
    if (previousVisible_) { // step 2: "Complete"
        result_ = TResult::Ok;
        return;
    }
    try {
        const long double height = StrToFloat(pageHeight.Text, separator_);
        const long double width = StrToFloat(pageWidth.Text, separator_);
        const long double top = StrToFloat(topMargin.Text, separator_);
        const long double left = StrToFloat(leftMargin.Text, separator_);
        const long double right = StrToFloat(rightMargin.Text, separator_);
        const int rows = StrToInt(row.Text);
        const int columns = StrToInt(col.Text);
        const long double bottom = StrToFloat(bottomMargin.Text, separator_);
        cellHeight.Text = FormatDecimal(double(Divide((height - top) - bottom, rows)), 2);
        cellWidth.Text = FormatDecimal(double(Divide((width - left) - right, columns)), 2);
    } catch (const Exception& e) {
        reporter_.Error(AsShown(e.Message()));
        return; // the wizard stays on step 1
    }
    previousVisible_ = true;
    nextCaption_ = "Complete";
    help = HelpStep2;
}

void TSetupWizard::previousButtonClick() {
    previousVisible_ = false;
    nextCaption_ = "&Next";
    help = HelpStep1;
}

namespace {

// The twelve boxes that the wizard works on besides the Page Size list: its own and the window's.
struct TWizardBox {
    TEditControl TSetupWizard::*Wizard;
    TEditControl TJobControls::*Main;
};
constexpr TWizardBox WizardBoxes[] = {
    {&TSetupWizard::pageHeight, &TJobControls::pageHeight},
    {&TSetupWizard::pageWidth, &TJobControls::pageWidth},
    {&TSetupWizard::topMargin, &TJobControls::topMargin},
    {&TSetupWizard::leftMargin, &TJobControls::leftMargin},
    {&TSetupWizard::rightMargin, &TJobControls::rightMargin},
    {&TSetupWizard::bottomMargin, &TJobControls::bottomMargin},
    {&TSetupWizard::col, &TJobControls::col},
    {&TSetupWizard::row, &TJobControls::row},
    {&TSetupWizard::cellHeight, &TJobControls::cellHeight},
    {&TSetupWizard::cellWidth, &TJobControls::cellWidth},
    {&TSetupWizard::horizontal, &TJobControls::horizontal},
    {&TSetupWizard::vertical, &TJobControls::vertical},
};

} // namespace

void TSetupWizard::CopyFrom(const TJobControls& main) {
    pageSize.ItemIndex = main.pageSize.ItemIndex; // without running pageSizeChange
    for (const TWizardBox& box : WizardBoxes)
        (this->*box.Wizard).Text = (main.*box.Main).Text;
}

void TSetupWizard::CopyTo(TJobControls& main) const {
    main.pageSize.ItemIndex = pageSize.ItemIndex;
    for (const TWizardBox& box : WizardBoxes)
        (main.*box.Main).Text = (this->*box.Wizard).Text;
}
