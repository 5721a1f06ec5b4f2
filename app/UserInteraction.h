#pragma once
// Everything the main window asks of the person in front of it, or of the desktop around it:
// message boxes, the font dialog, the file dialogs, opening a file with the desktop's handler and
// the screen's size. The program passes the Qt implementation (TQtUserInteraction); the tests
// pass a recorder that answers as a user would.
#include <QFont>
#include <QSize>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

// What a save-file dialog shows and how it treats the typed name.
struct TSaveFileRequest {
    QString Title;
    QString Filter;        // Qt's filter form: "Bitmaps (*.bmp)"
    QString DefaultSuffix; // without the dot: "bmp"
    bool ConfirmOverwrite = false;
};

class IUserInteraction {
public:
    virtual ~IUserInteraction() = default;

    // The size of the screen the window opens on, in pixels.
    virtual QSize ScreenSize() = 0;

    // A message box with an OK button and the application's title.
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // An error box with the application's title.
    virtual void Error(QWidget* parent, const QString& text) = 0;

    // The font dialog, starting at initial; nothing when the user cancels.
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;

    // A save-file dialog; an empty name when the user cancels.
    virtual QString SaveFileName(QWidget* parent, const TSaveFileRequest& request) = 0;

    // Opens a file with the desktop's default handler; the outcome is the desktop's.
    virtual void OpenWithDesktop(const QString& file) = 0;

    // Runs a modal window (the setup wizard) until the person ends it.
    virtual void RunModal(QDialog& dialog) = 0;

    // A print run's progress, pages composed of all its pages, with a way to cancel it: false
    // when the person has cancelled. EndPrintProgress closes whatever the run showed.
    virtual bool PrintProgress(QWidget* parent, int pagesDone, int pages) = 0;
    virtual void EndPrintProgress() = 0;
};

// The title of every message box of the program.
inline constexpr const char* ApplicationTitle = "Qubrin";
