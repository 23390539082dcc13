// Every read and write of a path that a user, a setting or the working directory names goes
// through here; nothing else in the program opens such a path.
//
// Reading: only regular files are read (pipes, devices and folders are refused before they are
// opened, and once more after), never more than a given number of bytes.
// Writing: a temporary file in the target's folder, named after the target
// (".offer.klv.k3Xz9Q"), renamed over the target; the target's owner and permissions are kept
// or the write is refused; a target the user may not write is refused, a read-only one only
// when the caller says the user agreed. Temporary files left by a killed write of the same
// target are removed by the next write. Every failure has a Russian reason (FileErrors.h).
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <set>
#include <streambuf>
#include <string>
#include <string_view>
#include <tuple>

namespace kalvora {

// The outcome of a file operation: success, or the reason in Russian.
struct FileResult {
    bool ok = true;
    std::string reason;

    static FileResult Failed(std::string why) { return {false, std::move(why)}; }
    static FileResult FailedCode(int code);
    explicit operator bool() const { return ok; }
};

// Ignores SIGXFSZ for the whole process, so that a file-size limit makes a write fail with
// EFBIG ("файл больше допустимого размера") instead of killing the program. Both programs
// call it first thing (and DiskFileAccess when it is made).
void IgnoreFileSizeSignal();

// What lies at a path, following links.
enum class PathKind { Missing, Regular, Other };
PathKind KindOf(const std::string& path);

// The whole content of a regular file of at most `limit` bytes.
FileResult ReadRegularFile(const std::string& path, std::size_t limit, std::string* bytes);
// The first `limit` bytes of a regular file (fewer when it is shorter).
FileResult ReadFilePrefix(const std::string& path, std::size_t limit, std::string* bytes);

// The file a write of `path` replaces or creates, resolved once: a link to a regular file is
// its final file, so a question can name exactly what the write will replace.
struct WriteTarget {
    std::string path;       // the file written (the link's final file for a link)
    bool exists = false;    // a file is there now
    bool link = false;      // `path` was reached through a symbolic link
    bool readOnly = false;  // it exists, the user may not write it but owns it (or is root)
};
FileResult ResolveWriteTarget(const std::string& path, WriteTarget* target);

struct WriteOptions {
    // A read-only file is replaced (the user was asked); otherwise it is refused.
    bool overwriteReadOnly = false;
    // The file and its folder are synced before the write reports success. A caller writing
    // many files in one go may leave this out and flush the file system once at the end.
    bool sync = true;
    // Temporary files that killed writes of the same target left are removed, which lists the
    // target's folder. A caller writing many files into one folder leaves this out and calls
    // RemoveLeftoverTemporaries once at the end.
    bool removeLeftovers = true;
};

// Writes `bytes` as the file `path` (see the top of this file).
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                               WriteOptions options = {});
// The same for a target resolved before: no link is followed again, so what a question named
// is what is written, whatever happened to a link meanwhile.
FileResult WriteResolvedTarget(const WriteTarget& target, std::string_view bytes,
                               WriteOptions options = {});

// The temporary name a write of `target` uses: "." + the target's file name + "." + six
// characters, in the target's folder (the file name shortened when the whole would be too
// long for the file system).
bool IsTemporaryNameOf(std::string_view target, std::string_view candidate);

// Removes what killed writes of the files `names` (names without a folder) left in `folder`,
// looking through the folder once; as a write does for its own target.
void RemoveLeftoverTemporaries(const std::string& folder, const std::set<std::string>& names);

// Files told apart by what they are rather than how they are named (the files a run reads, the
// files it has written): a link, a folder reached another way ("out/../out/a.txt") or a hard
// link names a file already there. A file that does not exist yet is its folder and its name in
// it. Each operation costs a few system calls and a lookup, however many files the set holds.
class FileSet {
  public:
    // Adds the file `path` names; false when it was there already.
    bool Insert(const std::string& path);
    // True when `path` names a file of the set: by its place (folder and name, a link followed)
    // or, for a file that exists, by what it is.
    bool Contains(const std::string& path) const;

  private:
    using Identity = std::pair<unsigned long long, unsigned long long>;
    using Place = std::tuple<unsigned long long, unsigned long long, std::string>;
    struct Names {
        std::optional<Place> place;    // none when the folder cannot be reached
        std::optional<Identity> file;  // none when nothing is there yet
    };
    static Names NamesOf(const std::string& path);

    // Device and inode of the file itself (shared by its hard links).
    std::set<Identity> files_;
    // Device and inode of the folder, and the name in it.
    std::set<Place> places_;
    // Paths whose folder cannot be reached, as they were written.
    std::set<std::string> unreachable_;
};

// A lock held on a regular lock file for a short while: taken within `patience` or not at all.
// A lock file that is not a regular file (a pipe, a folder, a link) is never opened.
class FileLock {
  public:
    FileLock(const std::string& path, std::chrono::milliseconds patience);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();
    bool Held() const { return fd_ >= 0; }
    const std::string& Reason() const { return reason_; }

  private:
    std::string path_;
    std::string reason_;
    int fd_ = -1;
};

// Reading lines from a stream (the standard input, a scenario) without ever keeping more than
// `limit` bytes of one line. Failed: the stream could not be read (a folder, a descriptor
// opened for writing only); the system's error number goes to `*failure` when given.
enum class LineRead { Line, End, TooLong, Failed };
struct LineRules {
    std::size_t limit = 64 * 1024;
    // A carriage return alone also ends a line (as in a .klv file); a CR LF pair is one break.
    bool carriageReturnEnds = false;
};
LineRead ReadBoundedLine(std::streambuf* input, const LineRules& rules, std::string* line,
                         int* failure = nullptr);

}  // namespace kalvora
