// Configuration files in memory, with reading and writing that can be made to fail.
#pragma once

#include <map>
#include <string>

#include "engine/code/ConfigFile.h"

namespace kalvora::testing {

class FakeFileAccess : public FileAccess {
  public:
    bool Exists(const std::string& path) override { return files.count(path) > 0; }

    bool ReadFirstLine(const std::string& path, std::string* line, std::string* error) override {
        ++reads;
        if (!readError.empty()) {
            *error = readError;
            return false;
        }
        const auto it = files.find(path);
        if (it == files.end()) {
            *error = "нет такого файла или каталога";
            return false;
        }
        *line = std::string(FirstLineOf(it->second));
        return true;
    }

    bool WriteFile(const std::string& path, const std::string& bytes, std::string* error) override {
        ++writes;
        if (!writeError.empty()) {
            *error = writeError;
            return false;
        }
        files[path] = bytes;
        return true;
    }

    std::map<std::string, std::string> files;  // path -> content
    std::string readError;                     // when set, every read fails with it
    std::string writeError;                    // when set, every write fails with it
    int reads = 0;
    int writes = 0;
};

}  // namespace kalvora::testing
