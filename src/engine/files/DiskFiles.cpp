#include "engine/files/DiskFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <random>
#include <thread>

#include "engine/files/FileErrors.h"

namespace kalvora {

namespace {

constexpr char kNameChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kRandomLength = 6;
// The longest file name most file systems take.
constexpr std::size_t kLongestName = NAME_MAX;

// Closes a descriptor once, whatever path leaves the function.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    void reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes now; false (with errno set) when closing reported an error.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool HasNul(const std::string& path) {
    return path.find('\0') != std::string::npos;
}

FileResult CheckName(const std::string& path) {
    if (HasNul(path)) return FileResult::Failed(std::string(kReasonBadName));
    if (path.empty()) return FileResult::FailedCode(ENOENT);
    return {};
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "." + name + "." : what every temporary name of this target begins with.
std::string TemporaryPrefix(const std::string& name) {
    const std::size_t room = kLongestName - 2 - kRandomLength;
    return "." + name.substr(0, room) + ".";
}

std::string RandomSuffix() {
    static std::atomic<unsigned> counter{0};
    std::seed_seq seed{
        static_cast<unsigned>(::getpid()), counter.fetch_add(1),
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()),
        std::random_device{}()};
    std::mt19937 random(seed);
    std::string suffix;
    for (std::size_t i = 0; i < kRandomLength; ++i) {
        suffix += kNameChars[random() % (sizeof kNameChars - 1)];
    }
    return suffix;
}

bool WriteAll(int fd, std::string_view bytes) {
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

// Why `path` could not be followed to a file (`code` from stat): a link that leads nowhere is
// named as such, as a write to it says, rather than as a file that is not there.
FileResult MissingReason(const std::string& path, int code) {
    struct stat link;
    if (code == ENOENT && ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        return FileResult::Failed(std::string(kReasonDanglingLink));
    }
    return FileResult::FailedCode(code);
}

// Opens a regular file for reading without ever blocking on a pipe or a device: what is not a
// regular file is refused before it is opened, and once more after (it may have been swapped).
FileResult OpenRegular(const std::string& path, Descriptor* fd, struct stat* st) {
    if (FileResult named = CheckName(path); !named) return named;
    if (::stat(path.c_str(), st) != 0) return MissingReason(path, errno);
    if (S_ISDIR(st->st_mode)) return FileResult::FailedCode(EISDIR);
    if (!S_ISREG(st->st_mode)) return FileResult::Failed(std::string(kReasonNotRegular));
    fd->reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd->get() < 0) return FileResult::FailedCode(errno);
    if (::fstat(fd->get(), st) != 0) return FileResult::FailedCode(errno);
    if (S_ISDIR(st->st_mode)) return FileResult::FailedCode(EISDIR);
    if (!S_ISREG(st->st_mode)) return FileResult::Failed(std::string(kReasonNotRegular));
    return {};
}

// Reads at most `limit` bytes; `more` tells whether the file holds more than that.
FileResult ReadUpTo(int fd, std::size_t limit, std::string* bytes, bool* more) {
    bytes->clear();
    char buffer[16384];
    *more = false;
    while (true) {
        const std::size_t want =
            bytes->size() < limit ? std::min(sizeof buffer, limit - bytes->size()) : 1;
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            return FileResult::FailedCode(errno);
        }
        if (n == 0) return {};
        if (bytes->size() >= limit) {
            *more = true;
            return {};
        }
        bytes->append(buffer, static_cast<std::size_t>(n));
    }
}

// Removes the temporary files earlier, killed writes left in `folder` for the targets whose
// temporary names begin with one of `prefixes` (TemporaryPrefix): regular files of ours, with one
// name only, that no write holds locked. The folder is listed once, however many targets.
void RemoveStaleTemporaries(const std::string& folder, const std::set<std::string>& prefixes,
                            const std::string& keep) {
    if (prefixes.empty()) return;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::string base = folder == "/" ? "" : folder;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string candidate = entry->d_name;
        if (candidate.size() < kRandomLength + 3 || candidate[0] != '.') continue;
        const std::size_t random = candidate.size() - kRandomLength;
        if (prefixes.count(candidate.substr(0, random)) == 0) continue;
        if (candidate.find_first_not_of(kNameChars, random) != std::string::npos) continue;
        const std::string path = base + "/" + candidate;
        if (path == keep) continue;
        Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (fd.get() < 0) continue;
        struct stat st;
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1 ||
            st.st_uid != ::geteuid()) {
            continue;
        }
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
        struct stat now;
        if (::lstat(path.c_str(), &now) == 0 && now.st_ino == st.st_ino &&
            now.st_dev == st.st_dev) {
            ::unlink(path.c_str());
        }
    }
    ::closedir(dir);
}

}  // namespace

FileResult FileResult::FailedCode(int code) {
    return Failed(SystemReason(code));
}

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

PathKind KindOf(const std::string& path) {
    struct stat st;
    if (HasNul(path) || path.empty() || ::stat(path.c_str(), &st) != 0) {
        // A link that leads nowhere is something, not nothing.
        return ::lstat(path.c_str(), &st) == 0 && !HasNul(path) ? PathKind::Other
                                                                : PathKind::Missing;
    }
    return S_ISREG(st.st_mode) ? PathKind::Regular : PathKind::Other;
}

FileResult ReadRegularFile(const std::string& path, std::size_t limit, std::string* bytes) {
    Descriptor fd;
    struct stat st;
    if (FileResult opened = OpenRegular(path, &fd, &st); !opened) return opened;
    if (static_cast<unsigned long long>(st.st_size) > limit) {
        return FileResult::Failed(std::string(kReasonTooLarge));
    }
    std::string content;
    bool more = false;
    if (FileResult read = ReadUpTo(fd.get(), limit, &content, &more); !read) return read;
    if (more) return FileResult::Failed(std::string(kReasonTooLarge));
    if (!fd.Close()) return FileResult::FailedCode(errno);
    *bytes = std::move(content);
    return {};
}

FileResult ReadFilePrefix(const std::string& path, std::size_t limit, std::string* bytes) {
    Descriptor fd;
    struct stat st;
    if (FileResult opened = OpenRegular(path, &fd, &st); !opened) return opened;
    std::string content;
    bool more = false;
    if (FileResult read = ReadUpTo(fd.get(), limit, &content, &more); !read) return read;
    if (!fd.Close()) return FileResult::FailedCode(errno);
    *bytes = std::move(content);
    return {};
}

FileResult ResolveWriteTarget(const std::string& path, WriteTarget* target) {
    if (FileResult named = CheckName(path); !named) return named;
    WriteTarget t;
    t.path = path;
    // A link to a regular file is written through: the file it points to is replaced and the
    // link stays a link. A link that leads nowhere or into a loop is refused rather than
    // silently replaced by a file.
    struct stat link;
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (!resolved) {
            const int code = errno;
            // A link into /proc (such as /dev/stdout) may lead to something that has no name,
            // a pipe or a socket: what it leads to is the reason, not the link.
            struct stat st;
            if (::stat(path.c_str(), &st) == 0) {
                if (S_ISDIR(st.st_mode)) return FileResult::FailedCode(EISDIR);
                if (!S_ISREG(st.st_mode)) return FileResult::Failed(std::string(kReasonNotRegular));
            }
            if (code == ELOOP) return FileResult::Failed(std::string(kReasonLinkLoop));
            if (code == ENOENT) return FileResult::Failed(std::string(kReasonDanglingLink));
            return FileResult::FailedCode(code);
        }
        t.path = resolved;
        t.link = true;
        std::free(resolved);
    }
    struct stat st;
    if (::lstat(t.path.c_str(), &st) == 0) {
        t.exists = true;
        if (S_ISDIR(st.st_mode)) return FileResult::FailedCode(EISDIR);
        // Devices and pipes are never replaced by a file.
        if (!S_ISREG(st.st_mode)) return FileResult::Failed(std::string(kReasonNotRegular));
        // As a shell redirection would: a file the user may not write is refused, unless it is
        // the user's own (or the user is root), who could make it writable: that one is only
        // read-only, and replaced when the user agrees.
        const uid_t self = ::geteuid();
        const bool mayWrite = ::faccessat(AT_FDCWD, t.path.c_str(), W_OK, AT_EACCESS) == 0;
        if (!mayWrite && errno == EROFS) return FileResult::FailedCode(EROFS);
        if (!mayWrite && st.st_uid != self && self != 0) return FileResult::FailedCode(EACCES);
        t.readOnly = !mayWrite || (self == 0 && (st.st_mode & 0222) == 0);
    } else if (errno != ENOENT) {
        return FileResult::FailedCode(errno);
    }
    *target = std::move(t);
    return {};
}

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                               WriteOptions options) {
    WriteTarget target;
    if (FileResult resolved = ResolveWriteTarget(path, &target); !resolved) return resolved;
    return WriteResolvedTarget(target, bytes, options);
}

FileResult WriteResolvedTarget(const WriteTarget& target, std::string_view bytes,
                               WriteOptions options) {
    if (FileResult named = CheckName(target.path); !named) return named;
    // What lies at the resolved name now: it may have changed since it was resolved, and a
    // link is not followed a second time.
    struct stat previous;
    const bool existed = ::lstat(target.path.c_str(), &previous) == 0;
    if (!existed && errno != ENOENT) return FileResult::FailedCode(errno);
    if (existed) {
        if (S_ISDIR(previous.st_mode)) return FileResult::FailedCode(EISDIR);
        if (!S_ISREG(previous.st_mode)) return FileResult::Failed(std::string(kReasonNotRegular));
        WriteTarget now;
        if (FileResult checked = ResolveWriteTarget(target.path, &now); !checked) return checked;
        if (now.readOnly && !options.overwriteReadOnly) {
            return FileResult::Failed(std::string(kReasonReadOnly));
        }
    }

    // The temporary file is born with no more permissions than the target has, so even one left
    // behind by a killed save exposes nothing; O_EXCL makes sure it is a new file of this
    // process, never something planted under that name. It stays locked until it is renamed,
    // which tells a later write that it is no leftover.
    const std::string folder = FolderOf(target.path);
    const std::string name = NameOf(target.path);
    const std::string prefix = (folder == "/" ? "" : folder) + "/" + TemporaryPrefix(name);
    const mode_t mode = existed ? (previous.st_mode & 07777) : 0666;
    std::string temporary;
    Descriptor fd;
    for (int attempt = 0; attempt < 100 && fd.get() < 0; ++attempt) {
        temporary = prefix + RandomSuffix();
        const int created = ::open(
            temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode & 0777);
        if (created < 0) {
            if (errno != EEXIST) return FileResult::FailedCode(errno);
            continue;
        }
        fd.reset(created);
        struct stat st;
        // Taken away as a leftover between its creation and the lock: try another name.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(fd.get(), &st) != 0 ||
            st.st_nlink == 0) {
            fd.reset(-1);
        }
    }
    if (fd.get() < 0) return FileResult::FailedCode(EEXIST);
    const auto failAndRemove = [&](FileResult result) {
        ::unlink(temporary.c_str());
        return result;
    };
    if (existed) {
        // A replaced file keeps its owner, group and permissions, or it is not replaced.
        const bool owned = ::fchown(fd.get(), previous.st_uid, previous.st_gid) == 0;
        if (::fchmod(fd.get(), mode) != 0) return failAndRemove(FileResult::FailedCode(errno));
        struct stat st;
        if (::fstat(fd.get(), &st) != 0) return failAndRemove(FileResult::FailedCode(errno));
        if (!owned || st.st_uid != previous.st_uid || st.st_gid != previous.st_gid ||
            (st.st_mode & 07777) != mode) {
            return failAndRemove(FileResult::Failed(std::string(kReasonOwnerNotKept)));
        }
    }
    if (!WriteAll(fd.get(), bytes)) return failAndRemove(FileResult::FailedCode(errno));
    if (options.sync && ::fsync(fd.get()) != 0) {
        return failAndRemove(FileResult::FailedCode(errno));
    }
    if (::rename(temporary.c_str(), target.path.c_str()) != 0) {
        return failAndRemove(FileResult::FailedCode(errno));
    }
    if (!fd.Close()) return FileResult::FailedCode(errno);
    if (options.sync) SyncFolder(folder);
    if (options.removeLeftovers) RemoveStaleTemporaries(folder, {TemporaryPrefix(name)}, temporary);
    return {};
}

void RemoveLeftoverTemporaries(const std::string& folder, const std::set<std::string>& names) {
    std::set<std::string> prefixes;
    for (const std::string& name : names) prefixes.insert(TemporaryPrefix(name));
    RemoveStaleTemporaries(folder, prefixes, std::string());
}

bool IsTemporaryNameOf(std::string_view target, std::string_view candidate) {
    const std::string prefix = TemporaryPrefix(NameOf(std::string(target)));
    return candidate.size() == prefix.size() + kRandomLength &&
           candidate.substr(0, prefix.size()) == prefix &&
           candidate.find_first_not_of(kNameChars, prefix.size()) == std::string_view::npos;
}

FileSet::Names FileSet::NamesOf(const std::string& path) {
    Names names;
    // A link at the end is followed to where it leads, so the place is that of the file.
    std::string place = path;
    struct stat st;
    if (!HasNul(path) && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            place = resolved;
            std::free(resolved);
        }
    }
    const std::string name = NameOf(place);
    struct stat folder;
    if (HasNul(path) || name.empty() || name == "." || name == ".." ||
        ::stat(FolderOf(place).c_str(), &folder) != 0) {
        return names;
    }
    names.place.emplace(folder.st_dev, folder.st_ino, name);
    if (::stat(path.c_str(), &st) == 0) names.file.emplace(st.st_dev, st.st_ino);
    return names;
}

bool FileSet::Insert(const std::string& path) {
    const Names names = NamesOf(path);
    if (!names.place) return unreachable_.insert(path).second;
    bool added = places_.insert(*names.place).second;
    if (names.file) added = files_.insert(*names.file).second && added;
    return added;
}

bool FileSet::Contains(const std::string& path) const {
    const Names names = NamesOf(path);
    if (!names.place) return unreachable_.count(path) != 0;
    return places_.count(*names.place) != 0 || (names.file && files_.count(*names.file) != 0);
}

FileLock::FileLock(const std::string& path, std::chrono::milliseconds patience) : path_(path) {
    if (HasNul(path)) {
        reason_ = kReasonBadName;
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (true) {
        struct stat st;
        if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            reason_ = kReasonNotRegular;
            return;
        }
        Descriptor fd(
            ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
        if (fd.get() < 0) {
            reason_ = errno == ELOOP ? std::string(kReasonNotRegular) : SystemReason(errno);
            return;
        }
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
            reason_ = kReasonNotRegular;
            return;
        }
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            // The holder before us may have removed the file as it let go: then the lock is on
            // a file nobody else will find, and it is taken again.
            struct stat now;
            if (::lstat(path.c_str(), &now) == 0 && now.st_ino == st.st_ino &&
                now.st_dev == st.st_dev) {
                fd_ = fd.release();
                return;
            }
            continue;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            reason_ = kReasonLocked;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

FileLock::~FileLock() {
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
}

namespace {

LineRead ReadLineOrThrow(std::streambuf* input, const LineRules& rules, std::string* line) {
    using Traits = std::char_traits<char>;
    bool any = false;
    while (true) {
        const auto c = input->sbumpc();
        if (c == Traits::eof()) return any ? LineRead::Line : LineRead::End;
        any = true;
        if (c == '\n') return LineRead::Line;
        if (c == '\r' && rules.carriageReturnEnds) {
            if (input->sgetc() == '\n') input->sbumpc();
            return LineRead::Line;
        }
        if (line->size() == rules.limit) return LineRead::TooLong;
        *line += static_cast<char>(c);
    }
}

}  // namespace

LineRead ReadBoundedLine(std::streambuf* input, const LineRules& rules, std::string* line,
                         int* failure) {
    line->clear();
    if (!input) return LineRead::End;
    // A file buffer reports a failed read by throwing; the reason is the system's.
    errno = 0;
    try {
        return ReadLineOrThrow(input, rules, line);
    } catch (const std::exception&) {
        if (failure) *failure = errno != 0 ? errno : EIO;
        return LineRead::Failed;
    }
}

}  // namespace kalvora
