// Configuration files (.klv): one line of single-byte text (Windows-1251) holding the code.
// FileAccess does the reading and writing, so that tests can make it fail; the functions below
// turn the field's text into the file's bytes and back.
#pragma once

#include <string>
#include <string_view>

#include "engine/files/DiskFiles.h"

namespace kalvora {

class FileAccess {
  public:
    virtual ~FileAccess() = default;
    // True when something of that name is there: a file, a folder, a pipe, a link (even one
    // that leads nowhere). An argument that names something is read as a path, not as a code.
    virtual bool Exists(const std::string& path) = 0;
    // For a symbolic link to an existing file, the file it leads to; otherwise empty.
    virtual std::string LinkTarget(const std::string&) { return {}; }
    // The first line (see FirstLineOf), read from a bounded prefix of the file. On failure
    // returns false with the reason in Russian (FileErrors.h) and leaves `line` alone.
    virtual bool ReadFirstLine(const std::string& path, std::string* line, std::string* error) = 0;
    // Replaces the file's content by `bytes`, never destroying the previous file when writing
    // fails. On failure returns false with the reason in Russian.
    virtual bool WriteFile(const std::string& path, const std::string& bytes,
                           std::string* error) = 0;
    // The file a save of `path` would replace or create, resolved once (see DiskFiles.h), so
    // that the overwrite question and the write name the same file.
    virtual FileResult Resolve(const std::string& path, WriteTarget* target) {
        target->path = LinkTarget(path);
        target->link = !target->path.empty();
        if (!target->link) target->path = path;
        target->exists = Exists(path);
        return {};
    }
    // Writes the target resolved before; a read-only one only when `options` allow it.
    virtual FileResult WriteResolved(const WriteTarget& target, const std::string& bytes,
                                     WriteOptions) {
        std::string error;
        if (!WriteFile(target.path, bytes, &error)) return FileResult::Failed(error);
        return {};
    }
};

// The field's text (UTF-8) as single-byte Windows-1251 text; a character that code page does
// not have is written as '?'. A code is plain ASCII and passes unchanged.
std::string ToWindows1251(std::string_view utf8);
// Single-byte Windows-1251 text as UTF-8, so that whatever a file holds can be shown.
std::string FromWindows1251(std::string_view bytes);

// The first line of a file's bytes: a UTF-8 byte-order mark at the very beginning is skipped,
// and the line ends at the first line feed, carriage return (alone or before a line feed) or
// the end of the bytes. A file edited on any system opens the same way.
std::string_view FirstLineOf(std::string_view bytes);

// The content of a configuration file for the field's text: the text and a CR LF line break.
std::string CodeFileContent(std::string_view fieldText);
// The first line of a configuration file as field text (UTF-8). On failure `error` is the whole
// sentence to show, naming the file.
bool ReadCodeFile(FileAccess& files, const std::string& path, std::string* line,
                  std::string* error);

}  // namespace kalvora
