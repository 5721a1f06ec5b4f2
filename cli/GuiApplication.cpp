#include "GuiApplication.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
// QGuiApplication keeps references to argc and argv for its whole life.
int appArgc = 1;
char appName[] = "qubrin-cli";
char* appArgv[] = {appName, nullptr};
std::unique_ptr<QGuiApplication> app;
QtMessageHandler qtHandler = nullptr;

// A run without a login session (CI, a service) has no runtime directory; Qt notes that on every
// start although nothing here needs one. Everything else goes to Qt's handler.
void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (qtHandler)
        qtHandler(type, context, message);
    else
        std::fputs(qPrintable(qFormatLogMessage(type, context, message) + u'\n'), stderr);
}
} // namespace

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    auto unset = [](const char* name) {
        const char* v = std::getenv(name);
        return v == nullptr || *v == '\0';
    };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qtHandler = qInstallMessageHandler(FilterQtMessages);
    app = std::make_unique<QGuiApplication>(appArgc, appArgv);
}

GuiApplicationScope::~GuiApplicationScope() {
    app.reset();
}
