#pragma once
// The Qt application object that fonts and text measurement need. Commands that draw call
// EnsureGuiApplication before their first drawing; the others never start Qt.

// Creates the one QGuiApplication of the process unless it exists. Without a display (none of
// DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM set) it uses the off-screen platform.
void EnsureGuiApplication();

// Held by main: destroys the application object, if one was made, before main returns rather
// than among the static destructors after it.
class GuiApplicationScope {
public:
    GuiApplicationScope() = default;
    GuiApplicationScope(const GuiApplicationScope&) = delete;
    GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;
    ~GuiApplicationScope();
};
