#include "QtUserInteraction.h"

#include "JobReporter.h"

#include <QDialog>

#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScreen>
#include <QUrl>

QSize TQtUserInteraction::ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

void TQtUserInteraction::Information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, ApplicationTitle, text);
}

void TQtUserInteraction::Error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, ApplicationTitle, text);
}

std::optional<QFont> TQtUserInteraction::ChooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    // No limits on the size; underline and strikeout are offered with the font.
    const QFont font = QFontDialog::getFont(&ok, initial, parent, QString());
    if (!ok) return std::nullopt;
    return font;
}

QString TQtUserInteraction::SaveFileName(QWidget* parent, const TSaveFileRequest& request) {
    QFileDialog dialog(parent, request.Title, QString(), request.Filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    if (!request.ConfirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

void TQtUserInteraction::OpenWithDesktop(const QString& file) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void TQtUserInteraction::RunModal(QDialog& dialog) {
    dialog.exec();
}

bool TQtUserInteraction::PrintProgress(QWidget* parent, int pagesDone, int pages) {
    // A short run keeps the window as it is until it has printed; a long one shows its progress,
    // which lets the window repaint and Cancel be clicked (the rest of the window is blocked).
    if (pages <= IJobReporter::LongRunPages) return true;
    if (!progress_) {
        // Shown only when the run lasts a second or more.
        progress_ = new QProgressDialog(parent);
        progress_->setWindowTitle(ApplicationTitle);
        progress_->setWindowModality(Qt::ApplicationModal);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->setMinimumDuration(1000);
        progress_->setRange(0, pages);
        // Working, but Cancel can be clicked: not the plain wait cursor of the composition.
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    }
    progress_->setLabelText(QString("Composing page %1 of %2").arg(pagesDone).arg(pages));
    progress_->setValue(pagesDone); // also lets the Cancel button be clicked
    const bool cancelled = progress_->wasCanceled();
    if (cancelled || pagesDone >= pages) EndPrintProgress();
    return !cancelled;
}

void TQtUserInteraction::EndPrintProgress() {
    if (!progress_) return;
    delete progress_.data();
    QGuiApplication::restoreOverrideCursor();
}
