// Configuration files on disk.
#pragma once

#include "pricing/ConfigFile.h"

namespace kalvora {

class DiskFileAccess : public FileAccess {
  public:
    // The longest first line read from a file; a code is 20 characters, so anything longer is
    // not a code, and the decoder rejects it whatever follows.
    static constexpr std::size_t kMaxLine = 4096;

    bool Exists(const std::string& path) override;
    bool ReadFirstLine(const std::string& path, std::string* line, std::string* error) override;
    // Writes a temporary file beside the target and renames it over the target, so a failed
    // write leaves the previous file as it was.
    bool WriteFile(const std::string& path, const std::string& bytes, std::string* error) override;
};

}  // namespace kalvora
