// Configuration files on disk.
#pragma once

#include <set>
#include <string>

#include "pricing/ConfigFile.h"

namespace kalvora {

class DiskFileAccess : public FileAccess {
  public:
    // The longest first line read from a file; a code is 20 characters, so anything longer is
    // not a code, and the decoder rejects it whatever follows.
    static constexpr std::size_t kMaxLine = 4096;

    // Ignores SIGXFSZ for the whole process, so that a file-size limit makes a write fail with
    // EFBIG (reported like a full disk) instead of killing the program.
    DiskFileAccess();

    bool Exists(const std::string& path) override;
    std::string LinkTarget(const std::string& path) override;
    bool ReadFirstLine(const std::string& path, std::string* line, std::string* error) override;
    // Writes a temporary file of a unique short name (".k" and six characters) in the target's
    // folder, created exclusively and never through a link, with the target's permissions;
    // syncs it, renames it over the target and syncs the folder. A failed write leaves the
    // previous file as it was and no temporary file behind. A symbolic link to a regular file
    // is written through (the file it points to is replaced, the link stays); a link that
    // leads nowhere, or into a loop, is refused. Folders, devices and pipes are never replaced.
    bool WriteFile(const std::string& path, const std::string& bytes, std::string* error) override;

    // For many files written in one go (kalvora-cli's documents): WriteFile then leaves out the
    // syncs of each file and folder, still writing through a temporary file and a rename, and
    // SyncDeferred flushes the file systems of every folder written since, once each.
    void DeferSyncs(bool defer) { deferSyncs_ = defer; }
    bool SyncDeferred(std::string* error);

  private:
    bool deferSyncs_ = false;
    std::set<std::string> unsynced_;
};

}  // namespace kalvora
