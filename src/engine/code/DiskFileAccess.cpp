#include "engine/code/DiskFileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "engine/files/FileErrors.h"

namespace kalvora {

DiskFileAccess::DiskFileAccess() {
    IgnoreFileSizeSignal();
}

bool DiskFileAccess::Exists(const std::string& path) {
    // The entry itself, not what it leads to: a link that leads nowhere is there.
    struct stat st;
    return !path.empty() && path.find('\0') == std::string::npos && ::lstat(path.c_str(), &st) == 0;
}

std::string DiskFileAccess::LinkTarget(const std::string& path) {
    WriteTarget target;
    if (!ResolveWriteTarget(path, &target) || !target.link) return {};
    return target.path;
}

bool DiskFileAccess::ReadFirstLine(const std::string& path, std::string* line, std::string* error) {
    // A byte-order mark and the longest line, then one byte to tell a longer line.
    constexpr std::size_t kPrefix = 3 + kMaxLine + 1;
    std::string text;
    if (FileResult read = ReadFilePrefix(path, kPrefix, &text); !read) {
        if (error) *error = read.reason;
        return false;
    }
    const std::string_view first = FirstLineOf(text);
    // Cutting an over-long line could turn it into a valid code (a code, many blanks, then
    // anything): such a file is refused as a whole.
    if (first.size() > kMaxLine) {
        if (error) *error = std::string(kReasonLineTooLong);
        return false;
    }
    *line = std::string(first);
    return true;
}

bool DiskFileAccess::WriteFile(const std::string& path, const std::string& bytes,
                               std::string* error) {
    WriteTarget target;
    FileResult written = ResolveWriteTarget(path, &target);
    if (written) {
        WriteOptions options;
        options.sync = !deferred_;
        options.removeLeftovers = !deferred_;
        written = WriteResolvedTarget(target, bytes, options);
    }
    if (!written) {
        if (error) *error = written.reason;
        return false;
    }
    if (deferred_) {
        const std::size_t slash = target.path.rfind('/');
        const std::string folder = slash == std::string::npos ? std::string(".")
                                   : slash == 0               ? std::string("/")
                                                              : target.path.substr(0, slash);
        unfinished_[folder].insert(target.path.substr(slash + 1));
    }
    return true;
}

FileResult DiskFileAccess::Resolve(const std::string& path, WriteTarget* target) {
    return ResolveWriteTarget(path, target);
}

FileResult DiskFileAccess::WriteResolved(const WriteTarget& target, const std::string& bytes,
                                         WriteOptions options) {
    return WriteResolvedTarget(target, bytes, options);
}

bool DiskFileAccess::FinishDeferred(std::string* error) {
    bool ok = true;
    for (const auto& [folder, names] : unfinished_) {
        RemoveLeftoverTemporaries(folder, names);
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0 || ::syncfs(fd) != 0) {
            if (ok && error) *error = FileResult::FailedCode(errno).reason;
            ok = false;
        }
        if (fd >= 0) ::close(fd);
    }
    unfinished_.clear();
    return ok;
}

}  // namespace kalvora
