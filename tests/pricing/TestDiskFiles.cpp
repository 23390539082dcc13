// The program's one file module: who may replace what, what a killed write leaves, names that
// are no names, full disks, lock files that are no files, and lines that never end.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "engine/model/Configuration.h"
#include "engine/code/DiskFileAccess.h"
#include "engine/files/DiskFiles.h"
#include "engine/files/FileErrors.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const std::string& path, const std::string& content, mode_t mode) {
    std::ofstream(path, std::ios::binary) << content;
    ::chmod(path.c_str(), mode);
}

struct TempDir {
    TempDir() {
        char pattern[] = "/tmp/kalvora-files-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
    std::string path;
};

// Runs `body` in a child as the unprivileged user nobody (as `setpriv --reuid=nobody
// --regid=nogroup --clear-groups` would); its return value is the child's exit status.
int AsNobody(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(kNoGroup, kNoGroup, kNoGroup) != 0 ||
            ::setresuid(kNobody, kNobody, kNobody) != 0) {
            ::_exit(99);
        }
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Who may replace a file, as an unprivileged user in a folder that user may write: a file of
// another user is refused as a shell redirection refuses it; the user's own read-only file only
// when the user agreed; owner and permissions of a replaced file stay.
TEST(DiskFiles, AnUnprivilegedUserReplacesOnlyWhatTheUserMayWrite) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
    TempDir dir;
    ::chown(dir.path.c_str(), kNobody, kNoGroup);
    const std::string roots = dir / "root-owned.klv";
    Put(roots, "root\r\n", 0644);
    const std::string own = dir / "ro.klv";
    Put(own, "own\r\n", 0444);
    ::chown(own.c_str(), kNobody, kNoGroup);
    const std::string shared = dir / "shared.klv";
    Put(shared, "shared\r\n", 0666);

    struct Case {
        std::string path;
        bool agreed;
        std::string reason;  // empty: replaced
    };
    const Case cases[] = {
        {roots, false, SystemReason(EACCES)},
        {roots, true, SystemReason(EACCES)},
        {own, false, std::string(kReasonReadOnly)},
        {own, true, ""},
        // Another user's file that anyone may write: replacing it would make it the user's.
        {shared, true, std::string(kReasonOwnerNotKept)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + (c.agreed ? " agreed" : ""));
        struct stat before;
        ASSERT_EQ(::stat(c.path.c_str(), &before), 0);
        const std::string old = Content(c.path);
        const int status = AsNobody([&] {
            WriteOptions options;
            options.overwriteReadOnly = c.agreed;
            const FileResult r = WriteFileAtomically(c.path, "new\r\n", options);
            if (c.reason.empty()) return r.ok ? 0 : 1;
            return !r.ok && r.reason == c.reason ? 0 : 2;
        });
        EXPECT_EQ(status, 0);
        struct stat after;
        ASSERT_EQ(::stat(c.path.c_str(), &after), 0);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(Content(c.path), c.reason.empty() ? "new\r\n" : old);
    }
    // Nothing but the three files is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 3);
}

// Script mode cannot ask, so it refuses a read-only file; the window asks a question that says
// the file is read-only, and writes only on Yes.
TEST(DiskFiles, AReadOnlyFileIsReplacedOnlyAfterAQuestionThatSaysSo) {
    TempDir dir;
    const std::string path = dir / "ro.klv";
    Put(path, "old\r\n", 0444);
    DiskFileAccess disk;
    testing::RecordingUi ui;
    Configuration config(ui);
    config.SetCodeFieldText("####################");
    config.DecodeCodeField();

    EXPECT_EQ(config.SaveToFile(path, disk).outcome, Outcome::Rejected);
    EXPECT_TRUE(ui.questions.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(kReasonReadOnly), std::string::npos) << ui.messages[0];

    ui.answers = {false};
    EXPECT_EQ(config.SaveToFile(path, disk, true).outcome, Outcome::Declined);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_NE(ui.questions[0].find("только для чтения"), std::string::npos);
    EXPECT_EQ(Content(path), "old\r\n");

    ui.answers = {true};
    EXPECT_EQ(config.SaveToFile(path, disk, true).outcome, Outcome::Accepted);
    EXPECT_EQ(Content(path), "####################\r\n");
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
}

// The question names the file a link leads to; if the link is turned elsewhere while the
// question is open, "Yes" still writes the file the question named.
class LinkTurningUi : public testing::RecordingUi {
  public:
    std::function<void()> whileAsking;
    bool Confirm(const std::string& text) override {
        if (whileAsking) whileAsking();
        return RecordingUi::Confirm(text);
    }
};

TEST(DiskFiles, TheOverwriteQuestionAndTheWriteNameTheSameFile) {
    TempDir dir;
    const std::string a = dir / "A.klv";
    const std::string b = dir / "B.klv";
    const std::string link = dir / "link.klv";
    Put(a, "A\r\n", 0644);
    Put(b, "B\r\n", 0644);
    ::symlink(a.c_str(), link.c_str());
    DiskFileAccess disk;
    LinkTurningUi ui;
    ui.answers = {true};
    ui.whileAsking = [&] {
        ::unlink(link.c_str());
        ::symlink(b.c_str(), link.c_str());
    };
    Configuration config(ui);
    config.SetCodeFieldText("####################");
    config.DecodeCodeField();
    EXPECT_EQ(config.SaveToFile(link, disk).outcome, Outcome::Accepted);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_NE(ui.questions[0].find(a), std::string::npos) << ui.questions[0];
    EXPECT_EQ(Content(a), "####################\r\n");
    EXPECT_EQ(Content(b), "B\r\n");
}

// A NUL cuts a path short for the system: such a path is refused whole, and the message shows
// the NUL as \0.
TEST(DiskFiles, APathWithANulIsRefusedAndNeverShownRaw) {
    TempDir dir;
    const std::string path = dir / "nul-target.klv" + std::string(1, '\0') + "/../x";
    DiskFileAccess disk;
    testing::RecordingUi ui;
    Configuration config(ui);
    config.SetCodeFieldText("####################");
    config.DecodeCodeField();
    EXPECT_EQ(config.SaveToFile(path, disk).outcome, Outcome::Rejected);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].find('\0'), std::string::npos);
    EXPECT_NE(ui.messages[0].find(kReasonBadName), std::string::npos);
    EXPECT_NE(ui.messages[0].find("nul-target.klv\\0/../x"), std::string::npos);
    EXPECT_EQ(config.OpenFile(path, disk).outcome, Outcome::Rejected);
    EXPECT_NE(ui.messages.back().find(kReasonBadName), std::string::npos);
    std::string bytes;
    EXPECT_EQ(ReadRegularFile(path, 100, &bytes).reason, kReasonBadName);
    EXPECT_TRUE(fs::is_empty(dir.path));
}

// A temporary file is named after its target, so a user can tell what a leftover belongs to,
// and the next write of the same target removes such leftovers, but never a write in progress
// (it holds a lock), another target's, a link or a file with a second name.
TEST(DiskFiles, LeftoversOfAKilledWriteAreNamedAfterTheTargetAndRemovedByTheNextWrite) {
    TempDir dir;
    const std::string target = dir / "offer.klv";
    Put(target, "old\r\n", 0644);
    const std::string stale = dir / ".offer.klv.k3Xz9Q";
    const std::string busy = dir / ".offer.klv.Busy42";
    const std::string other = dir / ".other.klv.k3Xz9Q";
    const std::string linked = dir / ".offer.klv.Linked";
    const std::string twice = dir / ".offer.klv.Twice1";
    for (const std::string& f : {stale, busy, other, twice}) Put(f, "x", 0644);
    ::symlink(target.c_str(), linked.c_str());
    ::link(twice.c_str(), (dir / "second-name").c_str());
    const int held = ::open(busy.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_TRUE(IsTemporaryNameOf(target, ".offer.klv.k3Xz9Q"));
    EXPECT_FALSE(IsTemporaryNameOf(target, ".offer.klv.k3Xz9"));

    ASSERT_TRUE(WriteFileAtomically(target, "new\r\n"));
    EXPECT_FALSE(fs::exists(stale));
    for (const std::string& f : {busy, other, twice}) EXPECT_TRUE(fs::exists(f)) << f;
    EXPECT_TRUE(fs::is_symlink(linked));
    EXPECT_EQ(Content(target), "new\r\n");
    ::close(held);
}

// A full disk fails the write with the system's reason in Russian; the old file stays whole.
TEST(DiskFiles, AFullDiskKeepsTheOldFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to mount a small file system";
    TempDir dir;
    if (::mount("tmpfs", dir.path.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount";
    }
    const std::string path = dir / "picture.png";
    Put(path, "old", 0644);
    const FileResult r = WriteFileAtomically(path, std::string(256 * 1024, 'x'));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, SystemReason(ENOSPC));
    EXPECT_EQ(Content(path), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
    ::umount(dir.path.c_str());
}

// Reading only ever takes a regular file, and never more than asked for.
TEST(DiskFiles, OnlyRegularFilesAreReadAndNeverBeyondTheLimit) {
    TempDir dir;
    ::mkfifo((dir / "pipe").c_str(), 0644);
    ::symlink("/dev/zero", (dir / "zero").c_str());
    ::symlink("nowhere", (dir / "dangling").c_str());
    ::symlink("loop", (dir / "loop").c_str());
    fs::create_directory(dir / "folder");
    Put(dir / "big", std::string(2000, 'x'), 0644);
    Put(dir / "small", "abc", 0644);
    struct Case {
        const char* name;
        std::string reason;
    };
    const Case cases[] = {
        {"pipe", std::string(kReasonNotRegular)},
        {"zero", std::string(kReasonNotRegular)},
        {"dangling", std::string(kReasonDanglingLink)},
        {"loop", SystemReason(ELOOP)},
        {"folder", SystemReason(EISDIR)},
        {"big", std::string(kReasonTooLarge)},
        {"missing", SystemReason(ENOENT)},
    };
    for (const Case& c : cases) {
        std::string bytes = "untouched";
        EXPECT_EQ(ReadRegularFile(dir / c.name, 1000, &bytes).reason, c.reason) << c.name;
        EXPECT_EQ(bytes, "untouched");
    }
    std::string bytes;
    ASSERT_TRUE(ReadRegularFile(dir / "small", 1000, &bytes));
    EXPECT_EQ(bytes, "abc");
    ASSERT_TRUE(ReadFilePrefix(dir / "big", 10, &bytes));
    EXPECT_EQ(bytes, std::string(10, 'x'));
}

// A lock file that is not a regular file is never opened (a pipe would block, a link to a
// device would be read forever, a folder never goes away), and a held lock is waited for only
// as long as asked.
TEST(DiskFiles, ALockIsTakenOnlyOnARegularFileAndWaitedForBriefly) {
    TempDir dir;
    ::mkfifo((dir / "pipe.lock").c_str(), 0644);
    ::symlink("/dev/zero", (dir / "zero.lock").c_str());
    fs::create_directory(dir / "folder.lock");
    for (const char* name : {"pipe.lock", "zero.lock", "folder.lock"}) {
        const FileLock lock(dir / name, std::chrono::milliseconds(100));
        EXPECT_FALSE(lock.Held()) << name;
        EXPECT_EQ(lock.Reason(), kReasonNotRegular) << name;
    }
    {
        const FileLock first(dir / "a.lock", std::chrono::milliseconds(100));
        ASSERT_TRUE(first.Held());
        const auto start = std::chrono::steady_clock::now();
        const FileLock second(dir / "a.lock", std::chrono::milliseconds(200));
        EXPECT_FALSE(second.Held());
        EXPECT_EQ(second.Reason(), kReasonLocked);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    }
    // Let go, the lock file is gone and the lock can be taken again.
    EXPECT_FALSE(fs::exists(dir / "a.lock"));
    EXPECT_TRUE(FileLock(dir / "a.lock", std::chrono::milliseconds(100)).Held());
}

TEST(DiskFiles, LinesEndAtALineFeedOrALoneCarriageReturnAndAreBounded) {
    struct Case {
        std::string input;
        bool crEnds;
        std::vector<std::string> lines;
        bool tooLong;
    };
    const Case cases[] = {
        {"ab\ncd", false, {"ab", "cd"}, false}, {"ab\rcd\r\nef\n", true, {"ab", "cd", "ef"}, false},
        {"ab\rcd\n", false, {"ab\rcd"}, false}, {"12345678\n", false, {"12345678"}, false},
        {"123456789", false, {}, true},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.input);
        LineRules rules;
        rules.limit = 8;
        rules.carriageReturnEnds = c.crEnds;
        std::vector<std::string> lines;
        std::string line;
        LineRead read;
        while ((read = ReadBoundedLine(in.rdbuf(), rules, &line)) == LineRead::Line) {
            lines.push_back(line);
        }
        EXPECT_EQ(lines, c.lines) << c.input;
        EXPECT_EQ(read == LineRead::TooLong, c.tooLong) << c.input;
    }
}

}  // namespace
}  // namespace kalvora
