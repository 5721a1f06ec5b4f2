// Qubrin: the main window and its message loop.
#include "QtUserInteraction.h"
#include "TBarCodeForm.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char** argv) {
    // The window is laid out in pixels and is not rescaled for the screen's pixel density.
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    try {
        QApplication app(argc, argv);
        QApplication::setApplicationName(ApplicationTitle);
        try {
            TQtUserInteraction ui;
            TBarCodeForm form(ui);
            form.show();
            QApplication::exec();
        } catch (const std::exception& e) {
            QMessageBox::critical(nullptr, ApplicationTitle, QString::fromLocal8Bit(e.what()));
        }
    } catch (...) {
        // Without an application object there is no box to show anything in.
    }
    return 0;
}
