// The job file loader: any bytes of any length as "Qubrin.cfg". The job is loaded into the
// controls, gathered and saved; every reserved and padding byte comes back as it was read (zero
// past the end of a short file), the texts stay terminated, and the saved file loads again into
// the same job: loading and saving once more writes the same 888 bytes.
#include "FuzzQt.h"

#include "LabelJob.h"

#include <cstddef>

namespace {

// Each complaint of loading and gathering is a conversion message with a full stop.
struct CheckingReporter : IJobReporter {
    void Information(const std::string& m) override { FuzzFailure("unexpected information: " + m); }
    void Error(const std::string& m) override {
        const std::string_view message(m.data(), m.empty() ? 0 : m.size() - 1);
        FuzzCheck(EndsWith(m, ".") &&
                      (IsIntegerConversionMessage(message) || IsFloatConversionMessage(message)),
                  "unexpected error: " + m);
    }
    void FocusInitialString() override {
        FuzzFailure("unexpected focus on the Initial String box");
    }
};

struct ByteRange {
    std::size_t First, Last; // inclusive
};
// The record's padding and reserved bytes.
constexpr ByteRange Untouched[] = {
    {89, 91},   {96, 99},   {124, 127}, {180, 191}, {196, 207},
    {214, 327}, {344, 347}, {588, 591}, {642, 643},
};

std::uint8_t InputByte(const std::uint8_t* data, std::size_t size, std::size_t offset) {
    return offset < size ? data[offset] : 0;
}

void CheckUntouched(const LabelJobSettings& record, const std::uint8_t* data, std::size_t size,
                    const char* when) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    for (const ByteRange& r : Untouched)
        for (std::size_t i = r.First; i <= r.Last; ++i)
            if (bytes[i] != InputByte(data, size, i))
                FuzzFailure(std::string(when) + ": reserved byte " + std::to_string(i) +
                            " changed");
}

// The Initial String is gathered first, before any conversion can fail, so it always ends with
// a NUL. Texts 1 to 3 come after the conversions: when one fails they keep what was read.
void CheckTexts(const LabelJobSettings& record, const std::uint8_t* data, std::size_t size) {
    FuzzCheck(record.initialString[JobTextMaxLength] == '\0',
              "the gathered Initial String has no NUL at its end");
    for (const char* field : {record.text1, record.text2, record.text3}) {
        if (field[JobTextMaxLength] == '\0') continue;
        const std::size_t offset = std::size_t(field - reinterpret_cast<const char*>(&record));
        for (std::size_t i = 0; i < JobTextFieldSize; ++i)
            FuzzCheck(std::uint8_t(field[i]) == InputByte(data, size, offset + i),
                      "a text line without its NUL that was not read so");
    }
}

struct Job : TLabelJob {
    explicit Job(IJobReporter& reporter) : TLabelJob(reporter) {
        // A fixed printer list instead of the system's: two printers and the PDF file.
        Controls.printer.Items = {"Printer 1", "Printer 2", PdfFileEntry};
        Controls.printer.SetItemIndex(0);
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    StartGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path input = ScratchFolder() / "input.cfg";
    const std::filesystem::path saved = ScratchFolder() / "saved.cfg";
    const std::filesystem::path again = ScratchFolder() / "again.cfg";
    WriteFileBytes(input, data, size);

    CheckingReporter reporter;
    std::string first;
    LabelJobSettings gathered{};
    {
        Job job(reporter);
        FuzzCheck(job.LoadAtStart(input), "the job file was not read");
        job.GatherJobSettings();
        CheckUntouched(job.Settings, data, size, "gathered");
        CheckTexts(job.Settings, data, size);
        FuzzCheck(job.Save(saved), "the job could not be saved");
        first = ReadFileBytes(saved);
        FuzzCheck(first.size() == JobFileSize, "the saved file is not 888 bytes long");
        FuzzCheck(std::memcmp(first.data(), &job.Settings, sizeof job.Settings) == 0,
                  "the saved file does not begin with the record");
        gathered = job.Settings;
    }
    {
        Job job(reporter);
        FuzzCheck(job.LoadAtStart(saved), "the saved job file was not read");
        job.GatherJobSettings();
        CheckUntouched(job.Settings, data, size, "reloaded");
        FuzzCheck(std::memcmp(&job.Settings, &gathered, sizeof gathered) == 0,
                  "the reloaded job gathers into another record");
        FuzzCheck(job.Save(again), "the reloaded job could not be saved");
        FuzzCheck(ReadFileBytes(again) == first, "saving the reloaded job writes other bytes");
    }
    return 0;
}
