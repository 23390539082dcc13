// Access to configuration files (.klv). The rules decide and format; this interface does the
// reading and writing, so that tests can make it fail.
#pragma once

#include <string>

namespace kalvora {

class FileAccess {
  public:
    virtual ~FileAccess() = default;
    virtual bool Exists(const std::string& path) = 0;
    // The first line: the characters up to the first line feed (a carriage return before it is
    // dropped) or the end of the file, read from a bounded prefix of the file. On failure
    // returns false with the system's description of the error.
    virtual bool ReadFirstLine(const std::string& path, std::string* line, std::string* error) = 0;
    // Replaces the file's content by `bytes`, never destroying the previous file when writing
    // fails. On failure returns false with the system's description of the error.
    virtual bool WriteFile(const std::string& path, const std::string& bytes,
                           std::string* error) = 0;
};

}  // namespace kalvora
