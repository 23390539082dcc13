// Configuration files on disk, through the program's one file module (DiskFiles.h).
#pragma once

#include <map>
#include <set>
#include <string>

#include "engine/code/ConfigFile.h"

namespace kalvora {

class DiskFileAccess : public FileAccess {
  public:
    // The longest first line read from a file; a code is 20 characters, so anything longer is
    // not a code, and the decoder rejects it whatever follows.
    static constexpr std::size_t kMaxLine = 4096;

    DiskFileAccess();

    bool Exists(const std::string& path) override;
    std::string LinkTarget(const std::string& path) override;
    // Reads a bounded prefix of a regular file; pipes, devices and folders are refused.
    bool ReadFirstLine(const std::string& path, std::string* line, std::string* error) override;
    // WriteFileAtomically: a temporary file beside the target, renamed over it. A failed write
    // leaves the previous file as it was and no temporary file behind.
    bool WriteFile(const std::string& path, const std::string& bytes, std::string* error) override;
    FileResult Resolve(const std::string& path, WriteTarget* target) override;
    FileResult WriteResolved(const WriteTarget& target, const std::string& bytes,
                             WriteOptions options) override;

    // For many files written in one go (kalvora-cli's documents): WriteFile then leaves out the
    // syncs of each file and folder and the look through the folder for leftovers of killed
    // writes, still writing through a temporary file and a rename; FinishDeferred removes those
    // leftovers and flushes the file systems of every folder written since, once each.
    void DeferFolderWork(bool defer) { deferred_ = defer; }
    bool FinishDeferred(std::string* error);

  private:
    bool deferred_ = false;
    // The folders written while deferred, each with the names written in it.
    std::map<std::string, std::set<std::string>> unfinished_;
};

}  // namespace kalvora
