#include "JobFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

TJobFileContents ReadJobFile(const std::filesystem::path& file) {
    TJobFileContents contents;
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) return contents;
    contents.Opened = true;
    // A short file fills the record's beginning; the rest stays zero.
    in.read(reinterpret_cast<char*>(&contents.Record), sizeof contents.Record);
    for (auto& font : contents.Fonts) {
        LogFontBytes bytes;
        if (!in.read(reinterpret_cast<char*>(bytes.data()), bytes.size())) break;
        font = LogFontFromBytes(bytes);
        ++contents.FontsRead;
    }
    return contents;
}

std::string JobFileBytes(const LabelJobSettings& record,
                         const std::array<LOGFONTA, JobFontCount>& fonts) {
    std::string bytes(reinterpret_cast<const char*>(&record), sizeof record);
    for (const auto& font : fonts) {
        const LogFontBytes b = LogFontToBytes(font);
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return bytes;
}

namespace {
std::string Reason(int error) { return std::strerror(error); }
} // namespace

std::string WriteFileReplacing(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::path temporary = file;
    temporary += ".new-" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return Reason(errno);
    std::size_t written = 0;
    int error = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            break;
        }
        written += std::size_t(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Reason(error);
    }
    return {};
}
