#include "CliReporter.h"

#include "AnsiArgs.h"

#include <unistd.h>

CliReporter::CliReporter(std::FILE* stream)
    : stream_(stream), terminal_(isatty(fileno(stream)) == 1) {}

CliReporter::~CliReporter() {
    EndProgressLine();
}

void CliReporter::Information(const std::string& message) {
    ++messages_;
    Line(AnsiToUtf8(message));
}

void CliReporter::Error(const std::string& message) {
    ++messages_;
    Line(AnsiToUtf8(message));
}

void CliReporter::Note(const std::string& utf8Line) {
    Line(utf8Line);
}

bool CliReporter::PrintProgress(int pagesDone, int pages) {
    if (!terminal_ || pages <= LongRunPages) return true;
    // One line, rewritten in place; it ends when the run does or a message comes.
    std::fprintf(stream_, "\rpage %d of %d", pagesDone, pages);
    progressShown_ = true;
    if (pagesDone >= pages) EndProgressLine();
    std::fflush(stream_);
    return true;
}

void CliReporter::Line(const std::string& utf8Line) {
    EndProgressLine();
    std::fprintf(stream_, "%s\n", utf8Line.c_str());
    std::fflush(stream_);
}

void CliReporter::EndProgressLine() {
    if (!progressShown_) return;
    std::fputc('\n', stream_);
    progressShown_ = false;
}
