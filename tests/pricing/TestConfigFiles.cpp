// Saving and opening .klv files: through the configuration with files in memory, and on disk.
#include <gtest/gtest.h>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "FakeFileAccess.h"
#include "engine/model/Configuration.h"
#include "engine/model/PriceTexts.h"
#include "engine/code/ConfigCode.h"
#include "engine/code/DiskFileAccess.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testing::FakeFileAccess;
using testing::RecordingUi;

const std::string kWorkedExample = "Zt!F!!!t!.!!!!!!!!!!";
const std::string kOverwrite = "Такой файл уже существует. Перезаписать?";

std::string Saved(const std::string& path) {
    return "Ваша конфигурация сохранена в файл:\r\r" + path;
}

std::string Snapshot(const Configuration& c, bool withField = true) {
    std::ostringstream out;
    out << c.Trim() << c.Body() << c.Rails() << c.Engine() << c.PreferredEngine() << c.Colour()
        << BasePriceText(c.Figures()) << SurchargeText(c.Figures()) << PriceLabelText(c.Figures())
        << c.Total().value_or(-1);
    if (withField) out << c.CodeFieldText();
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionState& s = c.Option(OptAt(i));
        out << s.checked << s.enabled << s.wish << s.price << s.shadow << s.font
            << s.captionEnabled;
    }
    return out.str();
}

class ConfigFileTest : public ::testing::Test {
  protected:
    ConfigFileTest() {
        config.RunStartCode({kWorkedExample}, files);
        ui.messages.clear();
    }
    RecordingUi ui;
    FakeFileAccess files;
    Configuration config{ui};
};

// --- Save -------------------------------------------------------------------------------------

TEST_F(ConfigFileTest, SaveWritesTheFieldAndALineBreakAndSaysWhere) {
    config.SaveToFile("/home/u/a.klv", files);
    EXPECT_EQ(files.files["/home/u/a.klv"], config.CodeFieldText() + "\r\n");
    EXPECT_EQ(files.files["/home/u/a.klv"].size(), 22u);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(ui.messages, std::vector<std::string>{Saved("/home/u/a.klv")});
}

TEST_F(ConfigFileTest, SaveOverAnExistingFileAskedNoLeavesItUntouched) {
    files.files["a.klv"] = "old content\r\nsecond line";
    ui.answers = {false};
    config.SaveToFile("a.klv", files);
    EXPECT_EQ(ui.questions, std::vector<std::string>{kOverwrite});
    EXPECT_EQ(files.files["a.klv"], "old content\r\nsecond line");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(files.writes, 0);
}

TEST_F(ConfigFileTest, SaveOverAnExistingFileAskedYesReplacesItCompletely) {
    files.files["a.klv"] = "old content that is longer than a code\r\nsecond line";
    ui.answers = {true};
    config.SaveToFile("a.klv", files);
    EXPECT_EQ(files.files["a.klv"], config.CodeFieldText() + "\r\n");
    EXPECT_EQ(ui.messages, std::vector<std::string>{Saved("a.klv")});
}

TEST_F(ConfigFileTest, AFailedWriteShowsTheSystemErrorAndNoSuccess) {
    files.writeError = "на устройстве не осталось места";
    config.SaveToFile("a.klv", files);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{
                  "Не удалось сохранить файл «a.klv»: на устройстве не осталось места"});
}

// A typed code the decoder rejected stays in the field for correcting; the file holds the
// configuration on screen, which opens again.
TEST_F(ConfigFileTest, SaveWritesTheConfigurationOnScreenNotARejectedCode) {
    const std::string onScreen = config.CodeFieldText();
    config.SetCodeFieldText("код?");
    EXPECT_EQ(config.DecodeCodeField().outcome, Outcome::Rejected);
    EXPECT_EQ(config.SaveToFile("a.klv", files).outcome, Outcome::Accepted);
    EXPECT_EQ(files.files["a.klv"], onScreen + "\r\n");
    EXPECT_EQ(config.OpenFile("a.klv", files).outcome, Outcome::Accepted);
    EXPECT_EQ(config.CodeFieldText(), onScreen);
}

// Before the start code there is no configuration code yet: a save writes the field as the
// program left it, never a code the decoder rejected, and opens as that field does.
TEST(ConfigFileBeforeStart, SaveNeverWritesARejectedCode) {
    RecordingUi ui;
    FakeFileAccess files;
    Configuration config(ui);
    config.SetCodeFieldText("ABC");
    EXPECT_EQ(config.DecodeCodeField().outcome, Outcome::Rejected);
    EXPECT_EQ(config.CodeFieldText(), "ABC");
    EXPECT_EQ(config.SaveToFile("z.klv", files).outcome, Outcome::Accepted);
    EXPECT_EQ(files.files["z.klv"], "\r\n");
    // After the start the configuration's code, as always.
    config.RunStartCode({}, files);
    config.SetCodeFieldText("ABC");
    config.DecodeCodeField();
    config.SaveToFile("y.klv", files);
    EXPECT_EQ(files.files["y.klv"], config.ConfigurationCode() + "\r\n");
}

// --- Open -------------------------------------------------------------------------------------

struct OpenCase {
    const char* name;
    friend void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }
    std::string content;
};

class OpenCodeFileTest : public ConfigFileTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenCodeFileTest, OpensLikeTypingTheCodeOfItsFirstLine) {
    RecordingUi typedUi;
    Configuration typed(typedUi);
    typed.RunStartCode({"####################"}, files);
    typed.SetCodeFieldText(kWorkedExample);
    typed.DecodeCodeField();

    config.RunStartCode({}, files);
    config.SetCodeFieldText("####################");
    config.DecodeCodeField();
    files.files["a.klv"] = GetParam().content;
    config.OpenFile("a.klv", files);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(Snapshot(config), Snapshot(typed));
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenCodeFileTest,
    ::testing::Values(OpenCase{"CarriageReturnLineFeed", kWorkedExample + "\r\n"},
                      OpenCase{"BareLineFeed", kWorkedExample + "\n"},
                      OpenCase{"NoLineBreak", kWorkedExample},
                      OpenCase{"TrailingBlanks", kWorkedExample + "    \r\n"},
                      OpenCase{"FurtherLinesIgnored", kWorkedExample + "\r\nanything\r\n\xFF\x00"},
                      OpenCase{"DollarForPoint", "Zt!F!!!t!$!!!!!!!!!!\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigFileTest, AFailedReadShowsTheSystemErrorAndChangesNothing) {
    files.files["a.klv"] = "####################\r\n";
    files.readError = "ошибка ввода-вывода";
    const std::string before = Snapshot(config);
    config.OpenFile("a.klv", files);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"Не удалось открыть файл «a.klv»: ошибка ввода-вывода"});
    EXPECT_EQ(Snapshot(config), before);
}

// A file that holds no valid code changes nothing: not the configuration, not the field (which
// may hold a code being typed), not the open document or whether it has unsaved changes. The
// message names the file and says what is wrong with it.
struct NoCodeCase {
    const char* name;
    std::string content;
    const char* reason;
    friend void PrintTo(const NoCodeCase& c, std::ostream* os) { *os << c.name; }
};

class OpenNoCodeTest : public ConfigFileTest, public ::testing::WithParamInterface<NoCodeCase> {};

TEST_P(OpenNoCodeTest, ChangesNothingAndSaysWhatIsWrong) {
    // A saved document with a change since, and a code being typed.
    config.SaveToFile("saved.klv", files);
    config.SetChecked(Opt::XenonHeadlamps, !config.Checked(Opt::XenonHeadlamps));
    ASSERT_TRUE(config.HasUnsavedChanges());
    config.SetCodeFieldText("Zt!F!!");
    ui.messages.clear();
    const std::string before = Snapshot(config);

    files.files["broken.klv"] = GetParam().content;
    const Result result = config.OpenFile("broken.klv", files);
    EXPECT_EQ(result.outcome, Outcome::Rejected);
    const std::string message =
        std::string("Не удалось открыть файл «broken.klv»: ") + GetParam().reason;
    EXPECT_EQ(ui.messages, std::vector<std::string>{message});
    EXPECT_EQ(result.reason, message);
    EXPECT_EQ(Snapshot(config), before);
    EXPECT_EQ(config.DocumentPath(), "saved.klv");
    EXPECT_TRUE(config.HasUnsavedChanges());
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenNoCodeTest,
    ::testing::Values(
        NoCodeCase{"Empty", "", "файл пуст"},
        NoCodeCase{"EmptyFirstLine", "\r\n" + kWorkedExample, "файл пуст"},
        NoCodeCase{"Text", "no code here\r\n", "в нём нет допустимого кода конфигурации"},
        NoCodeCase{"SingleByteText", "\xEA\xEE\xE4\r\n", "в нём нет допустимого кода конфигурации"},
        NoCodeCase{"Binary", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
                   "в нём нет допустимого кода конфигурации"},
        NoCodeCase{"DamagedCode", "AAAAAAAAA#AAAAAAAAAA\r\n",
                   "в нём нет допустимого кода конфигурации"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigFileTest, AnOldCodeOpensConvertedAndIsSavedInTheNewForm) {
    files.files["old.klv"] = "Zt!F!!!t!.!\r\n";
    config.OpenFile("old.klv", files);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("предыдущей версией"), std::string::npos);
    ui.answers = {true};
    config.SaveToFile("old.klv", files);
    EXPECT_EQ(files.files["old.klv"].size(), 22u);
    EXPECT_EQ(files.files["old.klv"], config.CodeFieldText() + "\r\n");
}

TEST_F(ConfigFileTest, ASavedFileOpensBackToTheSameConfiguration) {
    config.SaveToFile("a.klv", files);
    const std::string code = config.CodeFieldText();
    const std::string price = PriceLabelText(config.Figures());
    config.SetCodeFieldText("####################");
    config.DecodeCodeField();
    ASSERT_NE(config.CodeFieldText(), code);
    config.OpenFile("a.klv", files);
    // The wishes of standard options may differ; everything the code holds is back.
    EXPECT_EQ(config.CodeFieldText(), code);
    EXPECT_EQ(PriceLabelText(config.Figures()), price);
}

// --- On disk ----------------------------------------------------------------------------------

class DiskFileTest : public ::testing::Test {
  protected:
    DiskFileTest() {
        char name[] = "/tmp/kalvora-files-XXXXXX";
        dir = ::mkdtemp(name);
    }
    ~DiskFileTest() override { fs::remove_all(dir); }
    std::string Write(const std::string& name, const std::string& content) {
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    static std::string Content(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string dir;
    DiskFileAccess disk;
};

struct LineCase {
    const char* name;
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
    std::string content;
    std::string line;
};

class FirstLineTest : public DiskFileTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(FirstLineTest, ReadsUpToTheFirstLineBreak) {
    const std::string path = Write("a.klv", GetParam().content);
    std::string line = "unchanged";
    std::string error;
    ASSERT_TRUE(disk.ReadFirstLine(path, &line, &error)) << error;
    EXPECT_EQ(line, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Disk, FirstLineTest,
    ::testing::Values(LineCase{"CarriageReturnLineFeed", "abc\r\ndef\r\n", "abc"},
                      LineCase{"BareLineFeed", "abc\ndef", "abc"},
                      LineCase{"NoLineBreak", "abc", "abc"}, LineCase{"Empty", "", ""},
                      LineCase{"EmptyFirstLine", "\r\nabc", ""},
                      LineCase{"LoneCarriageReturnEndsTheLine", "ab\rc\r\r\n", "ab"},
                      LineCase{"ByteOrderMarkSkipped",
                               "\xEF\xBB\xBF"
                               "abc\r\n",
                               "abc"},
                      LineCase{"ByteOrderMarkOnlyAtTheStart", "a\xEF\xBB\xBF\n", "a\xEF\xBB\xBF"},
                      LineCase{"LongestLineAfterAMark",
                               "\xEF\xBB\xBF" + std::string(DiskFileAccess::kMaxLine, 'x'),
                               std::string(DiskFileAccess::kMaxLine, 'x')},
                      LineCase{"NulBytes", std::string("a\0b\n", 4), std::string("a\0b", 3)},
                      LineCase{"LongSecondLine", "abc\n" + std::string(100000, 'x'), "abc"},
                      LineCase{"LongestLine", std::string(DiskFileAccess::kMaxLine, 'x') + "\n",
                               std::string(DiskFileAccess::kMaxLine, 'x')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiskFileTest, FilesThatAreNoConfigurationFilesFailWithTheSystemsReason) {
    const std::string longLine = Write("long.klv", std::string(100000, '#'));
    const std::string codeThenBlanks =
        Write("blanks.klv", "####################" + std::string(6000, ' ') + "x\r\n");
    fs::create_directory(dir + "/folder.klv");
    const struct {
        std::string path;
        std::string error;
    } cases[] = {
        {longLine, "первая строка слишком длинная"},
        {codeThenBlanks, "первая строка слишком длинная"},
        {dir + "/folder.klv", "это каталог"},
        {dir + "/missing.klv", "нет такого файла или каталога"},
        {"/dev/null", "это не обычный файл"},
    };
    for (const auto& c : cases) {
        std::string line = "unchanged";
        std::string error;
        EXPECT_FALSE(disk.ReadFirstLine(c.path, &line, &error)) << c.path;
        EXPECT_EQ(error, c.error) << c.path;
        EXPECT_EQ(line, "unchanged");
    }
}

// Whatever has a name in its folder is there, so an argument naming it is read as a path and
// the reading says what is wrong with it; only a name with nothing behind it may be a code.
TEST_F(DiskFileTest, ExistsForEveryNameInAFolder) {
    EXPECT_TRUE(disk.Exists(Write("a.klv", "")));
    fs::create_directory(dir + "/folder");
    EXPECT_TRUE(disk.Exists(dir + "/folder"));
    fs::create_symlink("missing", dir + "/dangling");
    EXPECT_TRUE(disk.Exists(dir + "/dangling"));
    EXPECT_FALSE(disk.Exists(dir + "/missing"));
    EXPECT_FALSE(disk.Exists(""));
}

TEST_F(DiskFileTest, WriteReplacesTheContentAndKeepsThePermissions) {
    const std::string path = Write("a.klv", "a much longer previous content\r\n");
    ::chmod(path.c_str(), 0640);
    std::string error;
    ASSERT_TRUE(disk.WriteFile(path, "####################\r\n", &error)) << error;
    EXPECT_EQ(Content(path), "####################\r\n");
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(DiskFileTest, AFailedWriteLeavesNothingBehind) {
    fs::create_directory(dir + "/folder.klv");
    std::string error;
    EXPECT_FALSE(disk.WriteFile(dir + "/folder.klv", "x\r\n", &error));
    EXPECT_EQ(error, "это каталог");
    EXPECT_FALSE(disk.WriteFile(dir + "/missing/a.klv", "x\r\n", &error));
    EXPECT_EQ(error, "нет такого файла или каталога");
    EXPECT_FALSE(disk.WriteFile("", "x\r\n", &error));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_directory(dir + "/folder.klv"));
}

TEST_F(DiskFileTest, WritingThroughALinkReplacesTheFileItPointsTo) {
    const std::string real = Write("real.klv", "old\r\n");
    const std::string link = dir + "/link.klv";
    fs::create_symlink(real, link);
    std::string error;
    ASSERT_TRUE(disk.WriteFile(link, "####################\r\n", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Content(real), "####################\r\n");
}

// Saving over a link asks about the file that will really be replaced; a link that leads
// nowhere is refused with a reason, not replaced by a file.
TEST_F(DiskFileTest, SavingOverALinkNamesTheRealFileAndRefusesADanglingOne) {
    const std::string real = Write("real.klv", "old\r\n");
    fs::create_symlink(real, dir + "/link.klv");
    fs::create_symlink(dir + "/nowhere.klv", dir + "/dangling.klv");
    RecordingUi ui;
    Configuration config(ui);
    config.RunStartCode({kWorkedExample}, disk);
    ui.answers = {true};
    config.SaveToFile(dir + "/link.klv", disk);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0],
              kOverwrite + "\r\rЭто ссылка: будет перезаписан файл «" + real + "».");
    EXPECT_EQ(Content(real), config.CodeFieldText() + "\r\n");
    ui.messages.clear();
    config.SaveToFile(dir + "/dangling.klv", disk);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Не удалось сохранить файл «" + dir +
                                                    "/dangling.klv»: ссылка указывает на "
                                                    "несуществующий файл"});
    EXPECT_TRUE(fs::is_symlink(dir + "/dangling.klv"));
}

TEST_F(DiskFileTest, DevicesAreNeverReplaced) {
    std::string error;
    EXPECT_FALSE(disk.WriteFile("/dev/null", "x\r\n", &error));
    EXPECT_EQ(error, "это не обычный файл");
    EXPECT_FALSE(fs::is_regular_file("/dev/null"));
}

TEST_F(DiskFileTest, SaveAndOpenThroughTheConfigurationOnDisk) {
    RecordingUi ui;
    Configuration config(ui);
    config.RunStartCode({kWorkedExample}, disk);
    const std::string path = dir + "/saved.klv";
    config.SaveToFile(path, disk);
    EXPECT_EQ(Content(path), config.CodeFieldText() + "\r\n");
    const std::string code = config.CodeFieldText();
    config.SetCodeFieldText("####################");
    config.DecodeCodeField();
    config.OpenFile(path, disk);
    EXPECT_EQ(config.CodeFieldText(), code);
    EXPECT_EQ(ui.messages.size(), 1u);  // only the message of the save
}

TEST_F(DiskFileTest, RandomFileContentNeverBreaksTheConfiguration) {
    RecordingUi ui;
    Configuration config(ui);
    config.RunStartCode({}, disk);
    std::mt19937 random(1207);
    // A file in memory, so that thousands of rewrites cost no disk time.
    const int fd = ::memfd_create("random.klv", 0);
    ASSERT_GE(fd, 0);
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    int rejected = 0;
    int unreadable = 0;
    for (int run = 0; run < 3000; ++run) {
        std::string content;
        if (run % 10 == 0) {
            // One endless line: more than any code.
            content.assign(5000 + random() % 5000, ' ');
            for (char& c : content) c = random() % 3 ? kCodeAlphabet[random() % 64] : ' ';
        } else {
            const int length = random() % 40;
            for (int i = 0; i < length; ++i) {
                content += run % 2 ? static_cast<char>(random() % 256)
                                   : (random() % 6 ? kCodeAlphabet[random() % 64]
                                                   : "\r\n $"[random() % 4]);
            }
        }
        ASSERT_EQ(::ftruncate(fd, 0), 0);
        ASSERT_EQ(::pwrite(fd, content.data(), content.size(), 0),
                  static_cast<ssize_t>(content.size()));
        const std::string before = Snapshot(config, false);  // the field itself may change
        const std::string fieldBefore = config.CodeFieldText();
        ui.messages.clear();
        const Result result = config.OpenFile(path, disk);
        if (result.Succeeded()) {
            ASSERT_EQ(config.CodeFieldText().size(), 20u);
            continue;
        }
        // Whatever went wrong, nothing changed at all, and the message says so.
        ASSERT_EQ(config.CodeFieldText(), fieldBefore);
        ASSERT_EQ(Snapshot(config, false), before);
        ASSERT_EQ(ui.messages, std::vector<std::string>{result.reason});
        const bool holdsNoCode = result.reason.find("кода конфигурации") != std::string::npos ||
                                 result.reason.find("файл пуст") != std::string::npos;
        ++(holdsNoCode ? rejected : unreadable);
    }
    ::close(fd);
    // Both ways of failing were met.
    EXPECT_GT(rejected, 1000);
    EXPECT_GT(unreadable, 10);
}

}  // namespace
}  // namespace kalvora
