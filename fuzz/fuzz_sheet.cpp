// The value sequence and the sheet composition from any job record. The bytes are a job file
// (the 648-byte record, then the fonts): the job is loaded and previewed, and the record as read,
// without the controls' clean-up, drives a value sequence for a run of labels. Never a crash,
// never a value past its buffers, and every way out of the preview ends the page update and the
// busy cursor. A print run of the job into a PDF file prints or leaves no file.
#include "FuzzEngine.h"
#include "FuzzQt.h"

#include "FormatList.h"
#include "LabelJob.h"
#include "SheetGrid.h"
#include "ValueSequence.h"

#include <algorithm>
#include <cstddef>
#include <variant>

namespace {

// Labels asked of the sequence per input.
constexpr int SequenceLabels = 300;

// The longest counter text: Length digits at most 40, or a 32-bit number with its sign.
constexpr std::size_t MaxCounterText = 40;
constexpr std::size_t MaxNumberText = 11;

bool IsPreviewInformation(std::string_view m) {
    static constexpr std::string_view known[] = {
        "The length of 'Initial Value ' cannot longer than 'Length'.",
        "EAN13 must be integer value.",
        "EAN8 must be integer value.",
        "UPC_A must be integer value.",
        "bcCode_2_5_interleaved must be integer value.",
        "The 'Initial String' must be numeric for Code 25 barcode format.",
    };
    return std::find(std::begin(known), std::end(known), m) != std::end(known);
}

struct CheckingReporter : IJobReporter {
    int busy = 0;
    void Information(const std::string& m) override {
        FuzzCheck(IsPreviewInformation(m), "unexpected information: " + m);
    }
    void Error(const std::string& m) override {
        // A conversion message of the gathering (with a full stop), or the engine's own.
        const std::string_view message(m.data(), m.empty() ? 0 : m.size() - 1);
        const bool conversion = EndsWith(m, ".") && (IsIntegerConversionMessage(message) ||
                                                     IsFloatConversionMessage(message));
        const bool tooManyPages = m == "A print run can have at most 100000 pages.";
        FuzzCheck(conversion || tooManyPages || IsDocumentedEngineMessage(m),
                  "unexpected error: " + m);
    }
    void FocusInitialString() override {}
    void SetBusy(bool on) override {
        busy += on ? 1 : -1;
        FuzzCheck(busy == 0 || busy == 1, "busy cursor set twice or restored twice");
    }
};

struct Job : TLabelJob {
    explicit Job(IJobReporter& reporter) : TLabelJob(reporter) {
        Controls.printer.Items = {"Printer 1", "Printer 2", PdfFileEntry};
        Controls.printer.SetItemIndex(0);
    }
};

void CheckPreview(const std::filesystem::path& file, CheckingReporter& reporter) {
    Job job(reporter);
    job.LoadAtStart(file);
    job.WindowShowing = true;
    long labels = 0;
    job.OnLabelValue = [&](int, const std::string&) { ++labels; };
    job.refreshClick();
    FuzzCheck(!job.PagePreview1.IsUpdating(), "the preview is still updating after refreshClick");
    FuzzCheck(reporter.busy == 0, "the busy cursor stays after refreshClick");
    FuzzCheck(labels <= MaxCellsPerPage, "more labels than cells on a page");
    FuzzCheck(job.PagePreview1.PageCount() == 1, "the preview has more than one page");
}

// A print run of the loaded job into a PDF file, of at most two pages so that inputs stay
// quick; page counts beyond a run's limit are kept, as they must be refused at once. The run
// prints or it leaves no file, and it ends its update either way.
void CheckPrintRun(const std::filesystem::path& file, CheckingReporter& reporter) {
    Job job(reporter);
    job.LoadAtStart(file);
    const int pages = job.Settings.pageCount;
    if (pages >= 0 && pages <= TLabelJob::MaxPagesPerRun)
        job.Controls.pageNo.Text = std::to_string(pages % 3);
    const std::filesystem::path pdf = ScratchFolder() / "run.pdf";
    std::filesystem::remove(pdf);
    job.PagePreview1.GetPagePrinter().SetPdfFile(pdf);
    const TLabelJob::TPrintRunResult run = job.printClick();
    FuzzCheck(!job.PagePreview1.IsUpdating(), "the preview is still updating after printClick");
    FuzzCheck(reporter.busy == 0, "the busy cursor stays after printClick");
    FuzzCheck(run.Printed == std::filesystem::exists(pdf),
              run.Printed ? "a printed run left no file" : "a failed run left a file");
}

// The sequence straight from the record: any Length, any prefix bytes, any format position.
void CheckSequence(const LabelJobSettings& record, CheckingReporter& reporter) {
    TBarcodeSymbol symbol;
    TJobControls controls;
    TValueSequence sequence(symbol, controls, reporter);
    if (!sequence.Start(record, record.formatIndex)) return;
    const auto command = record.reserved96[0] & 1 ? TValueSequence::TCommand::PrintRun
                                                  : TValueSequence::TCommand::Preview;
    for (int label = 0; label < SequenceLabels; ++label) {
        const std::int32_t before = sequence.Counter();
        const std::string prefixBefore = sequence.Prefix();
        const bool ready = sequence.NextValue(command, true);
        const std::string& prefix = sequence.Prefix();
        FuzzCheck(prefix.size() <= JobTextMaxLength, "the working prefix outgrew its buffer");
        FuzzCheck(prefix.find('\0') == std::string::npos, "the working prefix holds a NUL");
        const std::string counter = sequence.FormatCounter(sequence.Counter());
        FuzzCheck(counter.size() <= std::max(MaxCounterText, MaxNumberText),
                  "the counter text outgrew its buffer");
        if (!ready) {
            // The counter has not advanced; a rollover before the check may have restarted it.
            const bool rolledOver = sequence.Counter() == 1 && !prefixBefore.empty() &&
                                    sequence.Prefix()[0] == char(prefixBefore[0] + 1);
            FuzzCheck(sequence.Counter() == before || rolledOver,
                      "a rejected value moved the counter");
            return;
        }
        // The value is the prefix and the counter in its digits; the EAN and UPC formats make it
        // their data digits and the check digit.
        const std::string& value = symbol.GetText();
        const auto rule = std::find_if(ShapingRules.begin(), ShapingRules.end(), [&](auto& r) {
            return r.Typ == symbol.GetTyp() && r.Shaping == TValueShaping::PadAndCheckDigit;
        });
        if (rule == ShapingRules.end())
            FuzzCheck(value == (record.length > 0 ? prefix + counter : prefix),
                      "a value that is not the prefix followed by the counter");
        else
            FuzzCheck(value.size() == std::size_t(rule->DataDigits) + 1 &&
                          value.find_first_not_of("0123456789") == std::string::npos,
                      "a shaped value that is not its data digits and the check digit");
        // The engine takes every value of the sequence or refuses it with its own message.
        try {
            (void)symbol.GetWidth();
        } catch (const Exception& e) {
            CheckEngineMessage(e, "GetWidth of a sequence value");
        }
        sequence.Advance();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    StartGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = ScratchFolder() / "sheet.cfg";
    WriteFileBytes(file, data, size);
    CheckingReporter reporter;
    CheckPreview(file, reporter);
    // A print run writes a PDF file, which is slow beside the rest: only for the inputs that set
    // a bit of the record's reserved bytes, which the fuzzer learns to set.
    if (size > offsetof(LabelJobSettings, reserved96) &&
        data[offsetof(LabelJobSettings, reserved96)] & 2)
        CheckPrintRun(file, reporter);

    LabelJobSettings record{};
    std::memcpy(&record, data, std::min(size, sizeof record));
    CheckSequence(record, reporter);
    return 0;
}
