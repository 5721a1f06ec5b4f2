#pragma once
// How the job logic speaks on the command line: what the window shows in its message boxes goes
// to stderr as one line of UTF-8, and a long print run shows its progress there when stderr is
// a terminal.
#include "JobReporter.h"

#include <cstdio>
#include <string>

class CliReporter : public IJobReporter {
public:
    explicit CliReporter(std::FILE* stream = stderr);
    ~CliReporter() override;
    CliReporter(const CliReporter&) = delete;
    CliReporter& operator=(const CliReporter&) = delete;

    void Information(const std::string& message) override;
    void Error(const std::string& message) override;
    void FocusInitialString() override {}
    bool PrintProgress(int pagesDone, int pages) override;

    // Whether any message was shown: a command that showed one did not go as asked.
    int Messages() const { return messages_; }

    // Writes a line of the command's own (a UTF-8 note, not a message of the job).
    void Note(const std::string& utf8Line);

private:
    void Line(const std::string& utf8Line);
    void EndProgressLine();

    std::FILE* stream_;
    bool terminal_;
    bool progressShown_ = false;
    int messages_ = 0;
};
