#pragma once
// The user interaction of the program: Qt's message boxes, font dialog and file dialog, the
// desktop's file handler and the primary screen.
#include "UserInteraction.h"

#include <QPointer>

class QProgressDialog;

class TQtUserInteraction : public IUserInteraction {
public:
    QSize ScreenSize() override;
    void Information(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
    QString SaveFileName(QWidget* parent, const TSaveFileRequest& request) override;
    void OpenWithDesktop(const QString& file) override;
    void RunModal(QDialog& dialog) override;
    bool PrintProgress(QWidget* parent, int pagesDone, int pages) override;
    void EndPrintProgress() override;

private:
    QPointer<QProgressDialog> progress_; // the running print's, while there is one
};
