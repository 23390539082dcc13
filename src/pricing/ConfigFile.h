// Configuration files (.klv): one line of single-byte text (Windows-1251) holding the code.
// FileAccess does the reading and writing, so that tests can make it fail; the functions below
// turn the field's text into the file's bytes and back.
#pragma once

#include <string>
#include <string_view>

namespace kalvora {

class FileAccess {
  public:
    virtual ~FileAccess() = default;
    // True when a file (not a folder) of that name exists.
    virtual bool Exists(const std::string& path) = 0;
    // The first line: the characters up to the first line feed (a carriage return before it is
    // dropped) or the end of the file, read from a bounded prefix of the file. On failure
    // returns false with the system's description of the error and leaves `line` alone.
    virtual bool ReadFirstLine(const std::string& path, std::string* line, std::string* error) = 0;
    // Replaces the file's content by `bytes`, never destroying the previous file when writing
    // fails. On failure returns false with the system's description of the error.
    virtual bool WriteFile(const std::string& path, const std::string& bytes,
                           std::string* error) = 0;
};

// The field's text (UTF-8) as single-byte Windows-1251 text; a character that code page does
// not have is written as '?'. A code is plain ASCII and passes unchanged.
std::string ToWindows1251(std::string_view utf8);
// Single-byte Windows-1251 text as UTF-8, so that whatever a file holds can be shown.
std::string FromWindows1251(std::string_view bytes);

// The content of a configuration file for the field's text: the text and a CR LF line break.
std::string CodeFileContent(std::string_view fieldText);
// The first line of a configuration file as field text (UTF-8).
bool ReadCodeFile(FileAccess& files, const std::string& path, std::string* line,
                  std::string* error);

}  // namespace kalvora
