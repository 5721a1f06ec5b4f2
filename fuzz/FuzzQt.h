#pragma once
// The Qt side of the fuzz targets that draw or load jobs: one QGuiApplication for the whole run,
// on the off-screen platform, and a scratch folder on a memory file system for job files.
#include "FuzzSupport.h"

#include <QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// Fonts and painting need the application object; it lives until the process ends.
inline void StartGuiApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qubrin-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

// A folder of this process's own, in /dev/shm when there is one, removed at exit.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : nullptr;
        std::string pattern =
            std::string(base ? base : std::filesystem::temp_directory_path().c_str()) +
            "/qubrin-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) FuzzFailure("cannot create a scratch folder");
        std::filesystem::path made = pattern;
        static const std::filesystem::path removeAtExit = made;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(removeAtExit, ignored);
        });
        return made;
    }();
    return folder;
}

inline void WriteFileBytes(const std::filesystem::path& file, const std::uint8_t* data,
                           std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    FuzzCheck(bool(out.flush()), "cannot write " + file.string());
}

inline std::string ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
