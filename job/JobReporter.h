#pragma once
// How the job logic speaks to the user: the window shows message boxes, the command line writes
// to stderr, the tests record. Texts are Windows-1252.
#include <string>

class IJobReporter {
public:
    virtual ~IJobReporter() = default;
    // A plain information box with an OK button.
    virtual void Information(const std::string& message) = 0;
    // An error box with the application's title.
    virtual void Error(const std::string& message) = 0;
    // The input focus goes to the Initial String box.
    virtual void FocusInitialString() = 0;
    // The busy cursor while a page is composed; false restores the normal one.
    virtual void SetBusy(bool busy) { (void)busy; }
    // A print run's progress: pages composed of all its pages. False cancels the run: nothing is
    // printed and the numbering stays where it was. Front ends show it only for runs of more
    // than LongRunPages pages.
    static constexpr int LongRunPages = 20;
    virtual bool PrintProgress(int pagesDone, int pages) {
        (void)pagesDone, (void)pages;
        return true;
    }
};
