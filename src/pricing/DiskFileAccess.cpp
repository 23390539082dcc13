#include "pricing/DiskFileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <random>

#include "pricing/FileErrors.h"

namespace kalvora {

namespace {

bool Fail(std::string* error, std::string reason) {
    if (error) *error = std::move(reason);
    return false;
}

bool FailCode(std::string* error, int code) {
    return Fail(error, SystemReason(code));
}

// Closes a descriptor once, whatever path leaves the function.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now; false (with errno set) when closing reported an error.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// ".k" and six characters from a random source that differs between processes and calls.
std::string TemporaryName() {
    static constexpr char kChars[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::atomic<unsigned> counter{0};
    std::seed_seq seed{
        static_cast<unsigned>(::getpid()), counter.fetch_add(1),
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()),
        std::random_device{}()};
    std::mt19937 random(seed);
    std::string name = ".k";
    for (int i = 0; i < 6; ++i) name += kChars[random() % (sizeof kChars - 1)];
    return name;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename durable; file systems that cannot sync a folder do without.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

DiskFileAccess::DiskFileAccess() {
    std::signal(SIGXFSZ, SIG_IGN);
}

bool DiskFileAccess::Exists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string DiskFileAccess::LinkTarget(const std::string& path) {
    struct stat link;
    if (path.empty() || ::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return {};
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return {};
    std::string target = resolved;
    std::free(resolved);
    return target;
}

bool DiskFileAccess::ReadFirstLine(const std::string& path, std::string* line, std::string* error) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return FailCode(error, errno);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) return FailCode(error, errno);
    if (S_ISDIR(st.st_mode)) return FailCode(error, EISDIR);
    // Pipes and devices are not configuration files.
    if (!S_ISREG(st.st_mode)) return Fail(error, std::string(kReasonNotRegular));
    // A byte-order mark and the longest line, then one byte to tell a longer line.
    constexpr std::size_t kPrefix = 3 + kMaxLine + 1;
    std::string text;
    char buffer[512];
    while (text.size() < kPrefix) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return FailCode(error, errno);
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.find_first_of("\r\n") != std::string::npos) break;
    }
    if (!fd.Close()) return FailCode(error, errno);
    const std::string_view first = FirstLineOf(text);
    // Cutting an over-long line could turn it into a valid code (a code, many blanks, then
    // anything): such a file is refused as a whole.
    if (first.size() > kMaxLine) return Fail(error, std::string(kReasonLineTooLong));
    *line = std::string(first);
    return true;
}

bool DiskFileAccess::WriteFile(const std::string& path, const std::string& bytes,
                               std::string* error) {
    if (path.empty()) return FailCode(error, ENOENT);
    // A link to a regular file is written through: the file it points to is replaced and the
    // link stays a link. A link that leads nowhere or into a loop is refused rather than
    // silently replaced by a file.
    std::string target = path;
    struct stat link;
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (!resolved) {
            if (errno == ELOOP) return Fail(error, std::string(kReasonLinkLoop));
            if (errno == ENOENT) return Fail(error, std::string(kReasonDanglingLink));
            return FailCode(error, errno);
        }
        target = resolved;
        std::free(resolved);
    }
    struct stat previous;
    const bool existed = ::stat(target.c_str(), &previous) == 0;
    if (existed && S_ISDIR(previous.st_mode)) return FailCode(error, EISDIR);
    // Devices and pipes are never replaced by a file.
    if (existed && !S_ISREG(previous.st_mode)) return Fail(error, std::string(kReasonNotRegular));

    // The temporary file is born with no more permissions than the target has, so even one left
    // behind by a killed save exposes nothing; O_EXCL and O_NOFOLLOW make sure it is a new
    // file of this process, never something planted under that name.
    const std::string folder = FolderOf(target);
    const mode_t mode = existed ? (previous.st_mode & 07777) : 0666;
    std::string temporary;
    int created = -1;
    for (int attempt = 0; attempt < 100 && created < 0; ++attempt) {
        temporary = (folder == "/" ? "" : folder) + "/" + TemporaryName();
        created = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         mode & 0777);
        if (created < 0 && errno != EEXIST) return FailCode(error, errno);
    }
    if (created < 0) return FailCode(error, EEXIST);
    Descriptor fd(created);
    const auto failAndRemove = [&](int code) {
        ::unlink(temporary.c_str());
        return FailCode(error, code);
    };
    if (existed) {
        // An overwritten file keeps its owner (where the system allows) and its permissions.
        if (::fchown(fd.get(), previous.st_uid, previous.st_gid) != 0) {
            // Not the owner's group, or not allowed: the file becomes ours, as on any save.
        }
        if (::fchmod(fd.get(), mode) != 0) return failAndRemove(errno);
    }
    if (!WriteAll(fd.get(), bytes)) return failAndRemove(errno);
    if (!deferSyncs_ && ::fsync(fd.get()) != 0) return failAndRemove(errno);
    if (!fd.Close()) return failAndRemove(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return failAndRemove(errno);
    if (deferSyncs_) {
        unsynced_.insert(folder);
    } else {
        SyncFolder(folder);
    }
    return true;
}

bool DiskFileAccess::SyncDeferred(std::string* error) {
    bool ok = true;
    for (const std::string& folder : unsynced_) {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0 || ::syncfs(fd) != 0) {
            if (ok) FailCode(error, errno);
            ok = false;
        }
        if (fd >= 0) ::close(fd);
    }
    unsynced_.clear();
    return ok;
}

}  // namespace kalvora
