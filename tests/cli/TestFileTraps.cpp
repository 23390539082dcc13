// Every kalvora-cli command that takes a path, run as a user would run it, against whatever
// can lie at that path instead of a plain file: it answers in time with a Russian reason,
// leaves the trap as it was and leaves no file behind. A run that does not end within 30 s is
// killed and fails the test (a hang used to block forever).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;
constexpr const char* kCode = "####################";

std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const std::string& path, const std::string& content, mode_t mode = 0644) {
    std::ofstream(path, std::ios::binary) << content;
    ::chmod(path.c_str(), mode);
}

struct Outcome {
    int status = -1;  // exit status; 128 + signal when killed by one
    bool hung = false;
    std::string out;
    std::string err;
};

struct Options {
    std::string input;
    // Standard input opened from this path instead (a folder: a read that fails).
    std::string inputPath;
    bool asNobody = false;
    rlim_t fileSizeLimit = RLIM_INFINITY;
    // Standard output into a file (which a file-size limit then also limits); otherwise a pipe,
    // so that only the command's own target is limited.
    bool outputToFile = false;
    const char* program = KALVORA_CLI;
};

std::string Drain(int fd) {
    std::string text;
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, n);
    ::close(fd);
    return text;
}

// Runs kalvora-cli with `arguments`, standard input from `options.input`.
Outcome RunCli(const std::vector<std::string>& arguments, const Options& options = {}) {
    char pattern[] = "/tmp/kalvora-run-XXXXXX";
    const std::string io = ::mkdtemp(pattern);
    ::chmod(io.c_str(), 0777);
    Put(io + "/in", options.input, 0644);
    int outPipe[2];
    int errPipe[2];
    if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        const int in =
            ::open((options.inputPath.empty() ? io + "/in" : options.inputPath).c_str(), O_RDONLY);
        const int out = options.outputToFile
                            ? ::open((io + "/out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666)
                            : outPipe[1];
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(errPipe[1], 2);
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        if (options.asNobody &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(kNoGroup, kNoGroup, kNoGroup) != 0 ||
             ::setresuid(kNobody, kNobody, kNobody) != 0)) {
            ::_exit(99);
        }
        const rlimit limit{options.fileSizeLimit, options.fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::vector<char*> argv{const_cast<char*>(options.program)};
        for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(options.program, argv.data());
        ::_exit(98);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    Outcome run;
    std::thread outReader([&] { run.out = Drain(outPipe[0]); });
    std::thread errReader([&] { run.err = Drain(errPipe[0]); });
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            run.hung = true;
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    outReader.join();
    errReader.join();
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (options.outputToFile) run.out = Content(io + "/out");
    fs::remove_all(io);
    return run;
}

// Kind, permissions and content (or link text) of every entry of a folder.
std::map<std::string, std::string> Snapshot(const std::string& dir) {
    std::map<std::string, std::string> out;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string path = entry.path().string();
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0) continue;
        std::string what = std::to_string(st.st_mode) + ":" + std::to_string(st.st_uid) + ":";
        if (S_ISREG(st.st_mode)) what += Content(path);
        if (S_ISLNK(st.st_mode)) what += fs::read_symlink(path).string();
        out[entry.path().filename().string()] = what;
    }
    return out;
}

enum class Use { Read, Write };

struct Trap {
    const char* name;
    Use use;
    const char* reason;
    bool needsRoot = false;
};

// What lies at the path, and what the user reads about it.
const Trap kTraps[] = {
    {"pipe", Use::Read, "это не обычный файл"},
    {"device", Use::Read, "это не обычный файл"},
    {"dangling link", Use::Read, "ссылка указывает на несуществующий файл"},
    {"link loop", Use::Read, "ссылки образуют петлю"},
    // /dev/stdout leads through /proc to the output pipe, which has no name of its own.
    {"link to the standard output", Use::Read, "это не обычный файл"},
    {"folder", Use::Read, "это каталог"},
    {"unreadable file", Use::Read, "отказано в доступе", true},
    {"pipe", Use::Write, "это не обычный файл"},
    {"device", Use::Write, "это не обычный файл"},
    {"dangling link", Use::Write, "ссылка указывает на несуществующий файл"},
    {"link loop", Use::Write, "ссылки образуют петлю"},
    {"link to the standard output", Use::Write, "это не обычный файл"},
    {"folder", Use::Write, "это каталог"},
    {"file the user cannot write", Use::Write, "отказано в доступе", true},
    {"full disk", Use::Write, "на устройстве не осталось места", true},
    {"size limit", Use::Write, "файл больше допустимого размера"},
};

struct Command {
    const char* name;
    Use use;
    // The arguments and the standard input, with the path put in.
    std::vector<std::string> (*arguments)(const std::string& path);
    std::string (*input)(const std::string& path);
};

std::string NoInput(const std::string&) {
    return {};
}

const Command kCommands[] = {
    {"script FILE", Use::Read,
     [](const std::string& p) {
         return std::vector<std::string>{"script", p};
     },
     NoInput},
    {"price FILE", Use::Read,
     [](const std::string& p) {
         return std::vector<std::string>{"price", p};
     },
     NoInput},
    {"order FILE", Use::Read,
     [](const std::string& p) {
         return std::vector<std::string>{"order", p};
     },
     NoInput},
    {"checklist FILE", Use::Read,
     [](const std::string& p) {
         return std::vector<std::string>{"checklist", p};
     },
     NoInput},
    {"explain FILE", Use::Read,
     [](const std::string& p) {
         return std::vector<std::string>{"explain", p};
     },
     NoInput},
    {"diff FILE CODE", Use::Read,
     [](const std::string& p) {
         return std::vector<std::string>{"diff", p, kCode};
     },
     NoInput},
    {"credit FILE", Use::Read,
     [](const std::string& p) {
         return std::vector<std::string>{"credit", p};
     },
     NoInput},
    {"picture FILE PNG", Use::Read,
     [](const std::string& p) {
         return std::vector<std::string>{"picture", p, p + "-out.png"};
     },
     NoInput},
    {"offer FILE PDF", Use::Read,
     [](const std::string& p) {
         return std::vector<std::string>{"offer", p, p + "-out.pdf"};
     },
     NoInput},
    {"price -", Use::Read,
     [](const std::string&) {
         return std::vector<std::string>{"price", "-"};
     },
     [](const std::string& p) { return p + "\n"; }},
    {"script: open FILE", Use::Read,
     [](const std::string&) { return std::vector<std::string>{"script"}; },
     [](const std::string& p) { return "open " + p + "\n"; }},
    {"script: start FILE", Use::Read,
     [](const std::string&) { return std::vector<std::string>{"script"}; },
     [](const std::string& p) { return "start " + p + "\n"; }},
    {"picture CODE PNG", Use::Write,
     [](const std::string& p) {
         return std::vector<std::string>{"picture", kCode, p};
     },
     NoInput},
    {"offer CODE PDF", Use::Write,
     [](const std::string& p) {
         return std::vector<std::string>{"offer", kCode, p};
     },
     NoInput},
    {"script: save FILE yes", Use::Write,
     [](const std::string&) { return std::vector<std::string>{"script"}; },
     [](const std::string& p) { return "start\nsave " + p + " yes\n"; }},
};

class FileTraps : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/kalvora-traps-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        ::chmod(dir_.c_str(), 0777);
    }
    void TearDown() override {
        if (mounted_) ::umount(dir_.c_str());
        fs::remove_all(dir_);
    }

    // Lays the trap; false when this machine cannot.
    bool Lay(const Trap& trap, const std::string& path) {
        const std::string name = trap.name;
        if (name == "pipe") return ::mkfifo(path.c_str(), 0666) == 0;
        if (name == "device") {
            return ::symlink(trap.use == Use::Read ? "/dev/zero" : "/dev/null", path.c_str()) == 0;
        }
        if (name == "dangling link") return ::symlink("nowhere", path.c_str()) == 0;
        if (name == "link to the standard output") {
            return ::symlink("/dev/stdout", path.c_str()) == 0;
        }
        if (name == "link loop") return ::symlink(path.c_str(), path.c_str()) == 0;
        if (name == "folder") return fs::create_directory(path);
        if (name == "unreadable file") {
            Put(path, std::string(kCode) + "\r\n", 0600);
            return true;
        }
        if (name == "file the user cannot write") {
            Put(path, "root's\r\n", 0644);
            return true;
        }
        if (name == "full disk") {
            if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=8k,mode=0777") != 0) return false;
            mounted_ = true;
            Put(path, "old", 0666);
            // Fill what is left.
            Put(dir_ + "/filler", std::string(64 * 1024, 'f'), 0644);
            return true;
        }
        if (name == "size limit") {
            Put(path, "old", 0666);
            return true;
        }
        return false;
    }

    std::string dir_;
    bool mounted_ = false;
};

TEST_F(FileTraps, EveryCommandThatTakesAPathAnswersInTimeAndLeavesTheTrapAsItWas) {
    const bool root = ::geteuid() == 0;
    for (const Command& command : kCommands) {
        for (const Trap& trap : kTraps) {
            if (trap.use != command.use) continue;
            SCOPED_TRACE(std::string(command.name) + " over a " + trap.name);
            TearDown();
            SetUp();
            if (trap.needsRoot && !root) continue;
            const std::string path = dir_ + "/target.klv";
            if (!Lay(trap, path)) continue;
            const auto before = Snapshot(dir_);
            Options options;
            options.input = command.input(path);
            options.asNobody = trap.needsRoot && std::string(trap.name) != "full disk";
            if (std::string(trap.name) == "size limit") options.fileSizeLimit = 16;
            const Outcome run = RunCli(command.arguments(path), options);
            if (run.hung) {
                ADD_FAILURE() << "no answer within 30 s";
                continue;
            }
            if (run.status >= 128) {
                ADD_FAILURE() << "killed by signal " << run.status - 128;
                continue;
            }
            const std::string all = run.out + run.err;
            EXPECT_NE(all.find(trap.reason), std::string::npos) << all;
            EXPECT_EQ(all.find('\0'), std::string::npos);
            // Script mode reports a file error as a message and goes on; the others fail.
            if (command.arguments(path).size() > 1) {
                EXPECT_NE(run.status, 0) << all;
            }
            EXPECT_EQ(Snapshot(dir_), before);
        }
    }
}

// `picture` writes the PNG through a temporary file: the old picture survives any failure, the
// configuration it is drawn from is never its output, and "-" writes to standard output.
TEST_F(FileTraps, PictureWritesWholeFilesNeverItsOwnInputAndToStandardOutputOnDash) {
    const std::string klv = dir_ + "/offer.klv";
    Put(klv, std::string(kCode) + "\r\n");
    for (const std::string& output : {klv, dir_ + "/./offer.klv"}) {
        const Outcome run = RunCli({"picture", klv, output});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("входной файл"), std::string::npos) << run.err;
        EXPECT_EQ(Content(klv), std::string(kCode) + "\r\n");
    }
    ::symlink(klv.c_str(), (dir_ + "/link.png").c_str());
    EXPECT_EQ(RunCli({"picture", klv, dir_ + "/link.png"}).status, 1);
    EXPECT_EQ(Content(klv), std::string(kCode) + "\r\n");

    const Outcome dash = RunCli({"picture", kCode, "-", "--size", "40x20"});
    EXPECT_EQ(dash.status, 0) << dash.err;
    EXPECT_EQ(dash.out.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_FALSE(fs::exists("-"));

    const std::string png = dir_ + "/car.png";
    ASSERT_EQ(RunCli({"picture", kCode, png}).status, 0);
    const std::string good = Content(png);
    Options limited;
    limited.fileSizeLimit = 1024;
    const Outcome cut = RunCli({"picture", kCode, png, "--size", "800x400"}, limited);
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(Content(png), good);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);
}

// With a file-size limit, the programs report the failed write instead of being killed.
TEST_F(FileTraps, AFileSizeLimitIsReportedNotFatal) {
    Options limited;
    limited.fileSizeLimit = 1;
    limited.outputToFile = true;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"credit", "21000"}, std::vector<std::string>{"--help"}}) {
        const Outcome run = RunCli(arguments, limited);
        EXPECT_EQ(run.status, 1) << arguments[0];
        EXPECT_NE(run.err.find("файл больше допустимого размера"), std::string::npos) << run.err;
    }
#ifdef KALVORA_APP
    limited.program = KALVORA_APP;
    const Outcome app = RunCli({"--help"}, limited);
    EXPECT_EQ(app.status, 1);
    EXPECT_NE(app.err.find("файл больше допустимого размера"), std::string::npos) << app.err;
#endif
}

// Codes and file names on the standard input (`diff -`, `price -`, `order -`, ...) are read as a
// .klv file's first line: bounded, a byte-order mark skipped and a lone carriage return ending
// the line. A line without end is refused without being kept (it used to grow without bound).
TEST_F(FileTraps, CodesOnTheStandardInputAreReadInBoundedLines) {
    const std::vector<std::vector<std::string>> commands = {
        {"diff", "-", kCode}, {"price", "-"}, {"order", "-"}, {"explain", "--json", "-"}};
    for (const auto& arguments : commands) {
        SCOPED_TRACE(arguments[0]);
        Options endless;
        endless.input = std::string(4 * 1024 * 1024, 'a');
        const Outcome longLine = RunCli(arguments, endless);
        ASSERT_FALSE(longLine.hung);
        EXPECT_EQ(longLine.status, 2);
        EXPECT_NE(longLine.err.find("kalvora-cli: " + arguments[0] +
                                    ": строка стандартного ввода длиннее 65536 байт"),
                  std::string::npos)
            << longLine.err;
        EXPECT_LT(longLine.out.size() + longLine.err.size(), 64u * 1024) << "the line was kept";

        for (const char* input :
             {"\xEF\xBB\xBF####################\r", "####################\r####################",
              "####################\r\n\r\n####################"}) {
            Options options;
            options.input = input;
            const Outcome run = RunCli(arguments, options);
            EXPECT_EQ(run.status, 0) << run.err;
        }

        // A standard input that cannot be read (here a folder) is said so, not a crash.
        Options folder;
        folder.inputPath = "/";
        const Outcome unreadable = RunCli(arguments, folder);
        EXPECT_EQ(unreadable.status, 2) << unreadable.err;
        EXPECT_NE(unreadable.err.find("kalvora-cli: " + arguments[0] +
                                      ": не удалось прочитать стандартный ввод: "),
                  std::string::npos)
            << unreadable.err;
    }
    Options folder;
    folder.inputPath = "/";
    const Outcome script = RunCli({"script"}, folder);
    EXPECT_EQ(script.status, 2);
    EXPECT_EQ(script.err.rfind("error: 1: не удалось прочитать сценарий: ", 0), 0u) << script.err;
}

}  // namespace
