// The real disk save in temporary folders full of traps: whatever lies at the target's name or
// beside it, a save either replaces exactly the file it should, keeping its permissions, or
// fails with a Russian reason and changes nothing; and it never leaves a temporary file behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "engine/code/DiskFileAccess.h"
#include "engine/files/DiskFiles.h"
#include "engine/files/FileErrors.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const std::string& path, const std::string& content, mode_t mode) {
    std::ofstream(path, std::ios::binary) << content;
    ::chmod(path.c_str(), mode);
}

// Everything a folder tree holds: kind, permissions, content or link text of every entry.
std::map<std::string, std::string> Snapshot(const std::string& dir) {
    std::map<std::string, std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        const std::string path = entry.path().string();
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0) continue;
        std::string what = std::to_string(st.st_mode) + ":";
        if (S_ISREG(st.st_mode)) what += Content(path);
        if (S_ISLNK(st.st_mode)) what += fs::read_symlink(path).string();
        out[path.substr(dir.size())] = what;
    }
    return out;
}

enum class AtTarget {
    Nothing,
    File,
    LinkToFile,
    DanglingLink,
    LinkLoop,
    Folder,
    Pipe,
    LinkToDevice,
    HardLinkToBystander,
    Count
};

bool Succeeds(AtTarget kind) {
    return kind == AtTarget::Nothing || kind == AtTarget::File || kind == AtTarget::LinkToFile ||
           kind == AtTarget::HardLinkToBystander;
}

std::string RandomName(std::mt19937& random) {
    static const std::string kChars =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-";
    // Now and then a name at the limit of what the file system takes.
    const std::size_t length = random() % 4 == 0 ? 240 + random() % 16 : 1 + random() % 30;
    std::string name;
    while (name.size() < length) name += kChars[random() % kChars.size()];
    if (name == "." || name == "..") name = "x";
    return name;
}

TEST(DiskSave, TrapsAroundTheTargetNeverLoseDataNorLeaveTemporaryFiles) {
    std::mt19937 random(141207);
    const bool root = ::geteuid() == 0;
    DiskFileAccess disk;
    const mode_t modes[] = {0600, 0640, 0644, 0664, 0400};
    for (int run = 0; run < 300; ++run) {
        char pattern[] = "/tmp/kalvora-save-XXXXXX";
        const std::string dir = ::mkdtemp(pattern);
        fs::create_directory(dir + "/other");
        const std::string bystander = dir + "/bystander";
        Put(bystander, "B\n", 0640);
        const std::string name = RandomName(random);
        // Links already carrying the names a temporary file of this target might have.
        for (int planted = random() % 3; planted > 0; --planted) {
            std::string suffix = RandomName(random).substr(0, 6);
            suffix.resize(6, 'x');
            for (char& c : suffix) c = std::isalnum(static_cast<unsigned char>(c)) ? c : 'q';
            const std::string temporary = dir + "/." + name.substr(0, 247) + "." + suffix;
            if (random() % 2) {
                ::link(bystander.c_str(), temporary.c_str());
            } else {
                ::symlink(bystander.c_str(), temporary.c_str());
            }
        }

        const std::string path = dir + "/" + name;
        const auto kind = static_cast<AtTarget>(random() % static_cast<int>(AtTarget::Count));
        const mode_t mode = modes[random() % 5];
        const std::string real = dir + "/other/real";
        switch (kind) {
            case AtTarget::Nothing:
                break;
            case AtTarget::File:
                Put(path, "old content\r\n", mode);
                break;
            case AtTarget::LinkToFile:
                Put(real, "old content\r\n", mode);
                ::symlink(random() % 2 ? real.c_str() : "other/real", path.c_str());
                break;
            case AtTarget::DanglingLink:
                ::symlink((dir + "/other/nowhere").c_str(), path.c_str());
                break;
            case AtTarget::LinkLoop:
                ::symlink((dir + "/other/loop").c_str(), path.c_str());
                ::symlink(path.c_str(), (dir + "/other/loop").c_str());
                break;
            case AtTarget::Folder:
                fs::create_directory(path);
                break;
            case AtTarget::Pipe:
                ::mkfifo(path.c_str(), 0644);
                break;
            case AtTarget::LinkToDevice:
                ::symlink("/dev/null", path.c_str());
                break;
            case AtTarget::HardLinkToBystander:
                ::link(bystander.c_str(), path.c_str());
                break;
            case AtTarget::Count:
                break;
        }
        const bool readOnlyFolder = !root && random() % 8 == 0;
        if (readOnlyFolder) ::chmod(dir.c_str(), 0555);
        // A link's file lives in "other", which stays writable.
        // A read-only file is replaced only when the user agreed, which this save does not say.
        const bool readOnlyFile =
            (kind == AtTarget::File || kind == AtTarget::LinkToFile) && (mode & 0200) == 0;
        const bool expectSuccess =
            Succeeds(kind) && !readOnlyFile && (!readOnlyFolder || kind == AtTarget::LinkToFile);

        const auto before = Snapshot(dir);
        std::string bytes;
        for (int i = random() % 64; i > 0; --i) bytes += static_cast<char>(random() % 256);
        std::string error;
        const bool saved = disk.WriteFile(path, bytes, &error);
        ::chmod(dir.c_str(), 0700);
        const auto after = Snapshot(dir);

        SCOPED_TRACE("run " + std::to_string(run) + " kind " +
                     std::to_string(static_cast<int>(kind)) + " name length " +
                     std::to_string(name.size()) + (readOnlyFolder ? " read-only" : ""));
        ASSERT_EQ(saved, expectSuccess) << error;
        // Nothing appeared but the target itself.
        for (const auto& [entry, what] : after) {
            if (entry != "/" + name) {
                ASSERT_TRUE(before.count(entry)) << "new entry " << entry;
            }
        }
        // Nothing beside the target (or the file a link leads to) changed.
        const std::string changed = kind == AtTarget::LinkToFile ? "/other/real" : "/" + name;
        for (const auto& [entry, what] : before) {
            if (entry != changed) {
                ASSERT_EQ(after.at(entry), what) << entry;
            }
        }
        if (saved) {
            EXPECT_EQ(Content(path), bytes);
            struct stat st;
            ASSERT_EQ(::stat(path.c_str(), &st), 0);
            if (kind == AtTarget::File || kind == AtTarget::LinkToFile) {
                EXPECT_EQ(st.st_mode & 07777, mode);
            }
            if (kind == AtTarget::LinkToFile) {
                EXPECT_TRUE(fs::is_symlink(path));
            }
            EXPECT_EQ(Content(bystander), "B\n");
        } else {
            EXPECT_EQ(after, before);
            // A Russian reason, never the system's English text.
            EXPECT_FALSE(error.empty());
            EXPECT_EQ(error.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos)
                << error;
        }
        fs::remove_all(dir);
    }
}

// Under a file-size limit the write fails like on a full disk: the program is not killed, the
// previous file stays and no temporary file is left. Run in a child, whose limit ends with it.
TEST(DiskSave, AFileSizeLimitFailsTheSaveInsteadOfKillingTheProgram) {
    char pattern[] = "/tmp/kalvora-fsize-XXXXXX";
    const std::string dir = ::mkdtemp(pattern);
    const std::string path = dir + "/a.klv";
    Put(path, "old\r\n", 0644);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DiskFileAccess disk;
        const rlimit limit{8, 8};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        const bool saved = disk.WriteFile(path, "####################\r\n", &error);
        ::_exit(!saved && error == SystemReason(EFBIG) ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Content(path), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

// A save killed in the middle of writing leaves the previous file whole, and the temporary
// file it leaves behind is no more readable than that file. The kill is the default action of
// SIGXFSZ under a file-size limit, in a child.
TEST(DiskSave, ASaveKilledHalfwayLeavesAPrivateTemporaryFileAndTheOldFile) {
    char pattern[] = "/tmp/kalvora-killed-XXXXXX";
    const std::string dir = ::mkdtemp(pattern);
    const std::string path = dir + "/a.klv";
    Put(path, "old\r\n", 0600);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DiskFileAccess disk;
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{8, 8};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        disk.WriteFile(path, "####################\r\n", &error);
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(Content(path), "old\r\n");
    int leftovers = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path() == path) continue;
        ++leftovers;
        // Named after its target, so that a user can tell what it belongs to.
        EXPECT_TRUE(IsTemporaryNameOf(path, entry.path().filename().string())) << entry.path();
        struct stat st;
        ASSERT_EQ(::stat(entry.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0600u);
    }
    EXPECT_EQ(leftovers, 1);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace kalvora
