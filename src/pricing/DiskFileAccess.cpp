#include "pricing/DiskFileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kalvora {

namespace {
bool Fail(std::string* error, int code) {
    if (error) *error = std::strerror(code);
    return false;
}
}  // namespace

bool DiskFileAccess::Exists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DiskFileAccess::ReadFirstLine(const std::string& path, std::string* line, std::string* error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Fail(error, errno);
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int code = errno;
        ::close(fd);
        return Fail(error, code);
    }
    if (!S_ISREG(st.st_mode)) {
        // Directories, pipes and devices are not configuration files.
        ::close(fd);
        return Fail(error, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    }
    std::string text;
    char buffer[512];
    while (text.size() <= kMaxLine) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int code = errno;
            ::close(fd);
            return Fail(error, code);
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
        if (std::memchr(buffer, '\n', static_cast<std::size_t>(n))) break;
    }
    if (::close(fd) != 0) return Fail(error, errno);
    const std::size_t end = text.find('\n');
    if (end != std::string::npos) {
        text.resize(end);
        if (!text.empty() && text.back() == '\r') text.pop_back();
    }
    // Cutting an over-long line could turn it into a valid code (a code, many blanks, then
    // anything): such a file is refused as a whole.
    if (text.size() > kMaxLine) return Fail(error, EFBIG);
    *line = std::move(text);
    return true;
}

bool DiskFileAccess::WriteFile(const std::string& path, const std::string& bytes,
                               std::string* error) {
    if (path.empty()) return Fail(error, ENOENT);
    // A link is followed: the file it points to is replaced and the link stays a link.
    std::string target = path;
    struct stat link;
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    struct stat previous;
    const bool existed = ::stat(target.c_str(), &previous) == 0;
    if (existed && S_ISDIR(previous.st_mode)) return Fail(error, EISDIR);
    // Devices and pipes are never replaced by a file.
    if (existed && !S_ISREG(previous.st_mode)) return Fail(error, EINVAL);

    const std::string temporary = target + ".tmp-kalvora";
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return Fail(error, errno);
    // An overwritten file keeps its permissions.
    if (existed) ::fchmod(fd, previous.st_mode & 07777);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int code = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            return Fail(error, code);
        }
        written += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    const int syncError = errno;
    const bool closed = ::close(fd) == 0;
    if (!synced || !closed) {
        const int code = !synced ? syncError : errno;
        ::unlink(temporary.c_str());
        return Fail(error, code);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return Fail(error, code);
    }
    return true;
}

}  // namespace kalvora
