#include "JobCommand.h"

#include "AnsiArgs.h"
#include "CliJob.h"
#include "CliReporter.h"
#include "Convert.h"
#include "FormatList.h"
#include "LabelJob.h"
#include "Options.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// How "job set" puts a value into the field's control.
enum class TControlKind {
    Box,      // an edit box: the text as it is; GatherJobSettings converts it
    PageBox,  // the page height and width boxes: editable only with Page Size Custom
    Check,    // a check box: 1, 0, true or false
    PageSize, // the Page Size list: a caption or a position
    Format,   // the Format list: a caption or a position
    Printer,  // the printer list: a printer's name or a position
    Length,   // the read-only Length box, through its spinner: 0 to 40
};

std::string ValueText(std::int32_t v) {
    return IntToStr(v);
}
std::string ValueText(std::int16_t v) {
    return IntToStr(v);
}
std::string ValueText(std::uint8_t v) {
    return IntToStr(v);
}
std::string ValueText(double v) {
    return FloatToStr(v, '.');
}
std::string ValueText(const char (&field)[JobTextFieldSize]) {
    return AnsiToUtf8(std::string_view(field, strnlen(field, JobTextFieldSize)));
}

template <auto Member> std::string Show(const LabelJobSettings& s) {
    return ValueText(s.*Member);
}

struct TField {
    const char* Name;  // the record's field name
    const char* Alias; // another name that "job set" takes, or nullptr
    std::string (*ShowValue)(const LabelJobSettings&);
    TControlKind Kind;
    TEditControl TJobControls::*Box = nullptr;
    TCheckControl TJobControls::*Check = nullptr;
};

using S = LabelJobSettings;
using C = TJobControls;
using K = TControlKind;

// Every field of the record, in the record's order, with the control that shows it.
const TField Fields[] = {
    {"initialString", nullptr, Show<&S::initialString>, K::Box, &C::barcodeText},
    {"initialValue", nullptr, Show<&S::initialValue>, K::Box, &C::value},
    {"increment", nullptr, Show<&S::increment>, K::Box, &C::increment},
    {"displayText", nullptr, Show<&S::displayText>, K::Check, nullptr, &C::displayText},
    {"barHeight", nullptr, Show<&S::barHeight>, K::Box, &C::barHeight},
    {"pageSizeIndex", "pageSize", Show<&S::pageSizeIndex>, K::PageSize},
    {"pageHeight", nullptr, Show<&S::pageHeight>, K::PageBox, &C::pageHeight},
    {"pageWidth", nullptr, Show<&S::pageWidth>, K::PageBox, &C::pageWidth},
    {"pageCount", nullptr, Show<&S::pageCount>, K::Box, &C::pageNo},
    {"topMargin", nullptr, Show<&S::topMargin>, K::Box, &C::topMargin},
    {"leftMargin", nullptr, Show<&S::leftMargin>, K::Box, &C::leftMargin},
    {"rightMargin", nullptr, Show<&S::rightMargin>, K::Box, &C::rightMargin},
    {"bottomMargin", nullptr, Show<&S::bottomMargin>, K::Box, &C::bottomMargin},
    {"cellHeight", nullptr, Show<&S::cellHeight>, K::Box, &C::cellHeight},
    {"cellWidth", nullptr, Show<&S::cellWidth>, K::Box, &C::cellWidth},
    {"columns", nullptr, Show<&S::columns>, K::Box, &C::col},
    {"rows", nullptr, Show<&S::rows>, K::Box, &C::row},
    {"length", nullptr, Show<&S::length>, K::Length},
    {"formatIndex", "format", Show<&S::formatIndex>, K::Format},
    {"barcodeLeft", nullptr, Show<&S::barcodeLeft>, K::Box, &C::horizontal},
    {"barcodeTop", nullptr, Show<&S::barcodeTop>, K::Box, &C::vertical},
    {"text1", nullptr, Show<&S::text1>, K::Box, &C::string1},
    {"text2", nullptr, Show<&S::text2>, K::Box, &C::string2},
    {"text3", nullptr, Show<&S::text3>, K::Box, &C::string3},
    {"text1Left", nullptr, Show<&S::text1Left>, K::Box, &C::string1H},
    {"text2Left", nullptr, Show<&S::text2Left>, K::Box, &C::string2H},
    {"text3Left", nullptr, Show<&S::text3Left>, K::Box, &C::string3H},
    {"text1Top", nullptr, Show<&S::text1Top>, K::Box, &C::string1V},
    {"text2Top", nullptr, Show<&S::text2Top>, K::Box, &C::string2V},
    {"text3Top", nullptr, Show<&S::text3Top>, K::Box, &C::string3V},
    {"printBarcode", nullptr, Show<&S::printBarcode>, K::Check, nullptr, &C::printBarcode},
    {"printText", nullptr, Show<&S::printText>, K::Check, nullptr, &C::printString},
    {"printerIndex", "printer", Show<&S::printerIndex>, K::Printer},
};

bool EqualNoCase(std::string_view a, std::string_view b) {
    return QString::fromUtf8(a.data(), qsizetype(a.size()))
               .compare(QString::fromUtf8(b.data(), qsizetype(b.size())), Qt::CaseInsensitive) == 0;
}

// By the record's name or the field's other name, in any case.
const TField* FindField(std::string_view name) {
    for (const TField& f : Fields)
        if (EqualNoCase(name, f.Name) || (f.Alias && EqualNoCase(name, f.Alias))) return &f;
    return nullptr;
}

std::string WithoutBlanks(std::string_view text) {
    std::string s(text);
    std::erase(s, ' ');
    return s;
}

// The position of a list entry by its caption (in any case, blanks optional: "code128" is
// "Code 128") or by its position.
template <std::size_t N, class Entry>
std::optional<int> ListPosition(const std::array<Entry, N>& list, const std::string& value) {
    for (std::size_t i = 0; i < N; ++i)
        if (EqualNoCase(WithoutBlanks(value), WithoutBlanks(list[i].Caption))) return int(i);
    if (auto index = TryStrToInt(value); index && *index >= 0 && *index < int(N)) return *index;
    return std::nullopt;
}

template <std::size_t N, class Entry> std::string Captions(const std::array<Entry, N>& list) {
    std::string captions;
    for (const Entry& e : list)
        captions += (captions.empty() ? "" : ", ") + std::string(e.Caption);
    return captions;
}

// "Arial, height -12, bold italic, charset 0"
std::string FontText(const TFont& font) {
    std::string style;
    const std::pair<TFontStyle, const char*> names[] = {{fsBold, "bold"},
                                                        {fsItalic, "italic"},
                                                        {fsUnderline, "underline"},
                                                        {fsStrikeOut, "strikeout"}};
    for (const auto& [flag, name] : names)
        if (font.Has(flag)) style += (style.empty() ? "" : " ") + std::string(name);
    return AnsiToUtf8(font.Name) + ", height " + IntToStr(font.Height) + ", " +
           (style.empty() ? "regular" : style) + ", charset " + IntToStr(font.Charset);
}

template <std::size_t N, class Entry>
std::string CaptionAt(const std::array<Entry, N>& list, int index) {
    return index >= 0 && index < int(N) ? list[std::size_t(index)].Caption : "(none)";
}

int RunShow(std::span<const std::string> args, std::ostream& out) {
    Options options("job show", {}, {"config"});
    options.Parse(args);
    CliReporter reporter;
    TLabelJob job(reporter);
    LoadJob(job, ConfigPath(options));
    // The record as the window would gather it from the controls (the defaults where there
    // is no file).
    job.GatherJobSettings();
    const LabelJobSettings& s = job.Settings;
    for (const TField& f : Fields)
        out << f.Name << " = " << f.ShowValue(s) << '\n';
    // The list entries that the positions select, and the fonts that the file keeps.
    const auto& printers = job.Controls.printer.Items;
    out << "pageSize = " << CaptionAt(PageSizeList, s.pageSizeIndex) << '\n'
        << "format = " << CaptionAt(FormatList, s.formatIndex) << '\n'
        << "printer = "
        << (s.printerIndex >= 0 && s.printerIndex < int(printers.size())
                ? printers[std::size_t(s.printerIndex)]
                : "(none)")
        << '\n'
        << "font.initialString = " << FontText(job.Controls.barcodeText.Font) << '\n'
        << "font.text1 = " << FontText(job.Controls.string1.Font) << '\n'
        << "font.text2 = " << FontText(job.Controls.string2.Font) << '\n'
        << "font.text3 = " << FontText(job.Controls.string3.Font) << '\n';
    return reporter.Messages() > 0 ? 1 : 0;
}

struct TAssignment {
    const TField* Field;
    std::string Text; // Windows-1252
    int Number = 0;   // check state, list position or spinner position
};

// Splits "job set" arguments into its options and its NAME=VALUE assignments.
void SplitSetArguments(std::span<const std::string> args, std::vector<std::string>& optionArgs,
                       std::vector<std::string>& assignments) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].starts_with("--")) {
            optionArgs.push_back(args[i]);
            // --config FILE: the file is the option's, whatever it looks like.
            if (args[i] == "--config" && i + 1 < args.size()) optionArgs.push_back(args[++i]);
        } else {
            assignments.push_back(args[i]);
        }
    }
}

TAssignment ParseAssignment(const Options& options, const TLabelJob& job, const std::string& arg) {
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) options.Fail("'" + arg + "' is not NAME=VALUE");
    const std::string name = arg.substr(0, eq);
    const std::string utf8 = arg.substr(eq + 1);
    TAssignment a{FindField(name), {}, 0};
    if (!a.Field)
        options.Fail("unknown name '" + name +
                     "' (the record's fields, as 'qubrin-cli job show' lists them)");
    const auto ansi = ArgumentToAnsi(utf8);
    if (!ansi) options.Fail(name + ": '" + utf8 + "' has a character that Windows-1252 lacks");
    a.Text = *ansi;
    const std::string what = std::string(a.Field->Name) + ": ";
    switch (a.Field->Kind) {
    case K::Box:
    case K::PageBox:
        break;
    case K::Check:
        if (utf8 == "1" || EqualNoCase(utf8, "true"))
            a.Number = 1;
        else if (utf8 == "0" || EqualNoCase(utf8, "false"))
            a.Number = 0;
        else
            options.Fail(what + "a check box takes 1, 0, true or false, not '" + utf8 + "'");
        break;
    case K::PageSize: {
        auto index = ListPosition(PageSizeList, utf8);
        if (!index)
            options.Fail(what + "'" + utf8 + "' is no page size (" + Captions(PageSizeList) +
                         ", or 0 to " + IntToStr(PageSizeList.size() - 1) + ")");
        a.Number = *index;
        break;
    }
    case K::Format: {
        auto index = ListPosition(FormatList, utf8);
        if (!index)
            options.Fail(what + "'" + utf8 + "' is no format (" + Captions(FormatList) +
                         ", or 0 to " + IntToStr(FormatList.size() - 1) + ")");
        a.Number = *index;
        break;
    }
    case K::Printer: {
        // A printer's name, the PDF file entry by its caption, or a position in the list.
        const auto& items = job.Controls.printer.Items;
        int index = FindPrinter(job, utf8);
        if (index < 0 && utf8 == TLabelJob::PdfFileEntry) index = int(items.size()) - 1;
        if (index < 0)
            if (auto n = TryStrToInt(utf8); n && *n >= 0 && *n < int(items.size())) index = *n;
        if (index < 0)
            options.Fail(what + "'" + utf8 + "' is no printer (" + PrinterNames(job) + "; or \"" +
                         TLabelJob::PdfFileEntry + "\", or a position from 0 to " +
                         IntToStr(std::int64_t(items.size()) - 1) + ")");
        a.Number = index;
        break;
    }
    case K::Length: {
        // The box is read-only: only its spinner changes it, from 0 to 40.
        const auto n = TryStrToInt(utf8);
        if (!n || *n < job.Controls.lenUpDown.Min || *n > job.Controls.lenUpDown.Max)
            options.Fail(what + "the Length spinner goes from " +
                         IntToStr(job.Controls.lenUpDown.Min) + " to " +
                         IntToStr(job.Controls.lenUpDown.Max) + ", not '" + utf8 + "'");
        a.Number = *n;
        break;
    }
    }
    return a;
}

int RunSet(std::span<const std::string> args, std::ostream&) {
    std::vector<std::string> optionArgs, assignmentArgs;
    SplitSetArguments(args, optionArgs, assignmentArgs);
    Options options("job set", {}, {"config"});
    options.Parse(optionArgs);
    const std::filesystem::path config = ConfigPath(options);

    CliReporter reporter;
    TLabelJob job(reporter);
    LoadJob(job, config);
    TJobControls& c = job.Controls;

    // Every assignment is checked before any reaches a control: a bad one changes nothing.
    std::vector<TAssignment> assignments;
    for (const std::string& arg : assignmentArgs) {
        TAssignment a = ParseAssignment(options, job, arg);
        for (const TAssignment& earlier : assignments)
            if (earlier.Field == a.Field)
                options.Fail(std::string(a.Field->Name) + " is given twice");
        assignments.push_back(std::move(a));
    }
    auto given = [&](TControlKind kind) {
        return std::find_if(assignments.begin(), assignments.end(),
                            [kind](const TAssignment& a) { return a.Field->Kind == kind; });
    };

    // The Page Size choice comes first, with the window's handler: it writes the paper's height
    // and width into their boxes and makes them read-only, except for Custom, which keeps them
    // and makes them editable. A page height or width given with it then wins for Custom; for
    // any other size the boxes are read-only, as in the window, and the paper's size holds.
    if (auto a = given(K::PageSize); a != assignments.end()) {
        c.pageSize.SetItemIndex(a->Number);
        job.pageSizeChange();
    }
    for (const TAssignment& a : assignments)
        if (a.Field->Kind == K::PageBox && (c.*(a.Field->Box)).ReadOnly)
            options.Fail(std::string(a.Field->Name) +
                         " is the paper's own unless pageSize is Custom (pageSize=Custom " +
                         a.Field->Name + "=...)");

    // The other choices and texts, in the order given.
    for (const TAssignment& a : assignments) {
        switch (a.Field->Kind) {
        case K::Box:
        case K::PageBox:
            (c.*(a.Field->Box)).Text = a.Text;
            break;
        case K::Check:
            (c.*(a.Field->Check)).Checked = a.Number != 0;
            if (a.Field->Check == &C::displayText) job.displayTextClick();
            break;
        case K::Format:
            c.codeFormat.SetItemIndex(a.Number);
            break;
        case K::Printer:
            c.printer.SetItemIndex(a.Number);
            break;
        case K::Length:
            c.SetLengthPosition(a.Number);
            break;
        case K::PageSize:
            break; // done above
        }
    }
    // The window's Format handler checks the Initial String box when a format is picked; here
    // it sees the box as this command leaves it, so that "format=EAN13 initialString=590123"
    // passes in either order.
    if (given(K::Format) != assignments.end()) job.codeFormatChange();

    // As closing the window: gather (a conversion error is shown and the record keeps the
    // later fields as they were) and write the file.
    job.Save(config);
    return reporter.Messages() > 0 ? 1 : 0;
}

} // namespace

int RunJob(std::span<const std::string> args, std::ostream& out) {
    if (args.empty())
        throw UsageError("qubrin-cli job: show or set is missing (see qubrin-cli job --help)");
    if (args[0] == "--help" || args[0] == "-h") {
        out << "usage: " << JobUsage << "\n"
            << "NAME is a field of the job record, as 'job show' lists them; pageSize, format\n"
            << "and printer also take the list's caption or a printer's name.\n";
        return 0;
    }
    if (args[0] == "show") return RunShow(args.subspan(1), out);
    if (args[0] == "set") return RunSet(args.subspan(1), out);
    throw UsageError("qubrin-cli job: unknown sub-command '" + args[0] + "' (show or set)");
}
