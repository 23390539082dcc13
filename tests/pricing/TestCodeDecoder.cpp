// The code decoder and the start code, through the configuration's own operations.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>

#include "FakeFileAccess.h"
#include "engine/code/ConfigCode.h"
#include "engine/model/Configuration.h"
#include "engine/model/PriceTexts.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

using testing::FakeFileAccess;
using testing::RecordingUi;

const std::string kInvalid = "Недопустимая комбинация кода";
const std::string kConverted =
    "Введённый код был получен предыдущей версией конфигуратора. Сейчас код будет преобразован "
    "в новый.";
const std::string kWorkedExample = "Zt!F!!!t!.!!!!!!!!!!";

// Everything the decoder may change, except the code field itself.
std::string Snapshot(const Configuration& c) {
    std::ostringstream out;
    out << c.Trim() << ' ' << c.Body() << ' ' << c.Rails() << ' ' << c.Engine() << ' '
        << c.PreferredEngine() << ' ' << c.Colour() << ' ' << BasePriceText(c.Figures()) << ' '
        << SurchargeText(c.Figures()) << ' ' << PriceLabelText(c.Figures()) << ' '
        << c.Total().value_or(-1) << ' ' << c.StartupPending() << '\n';
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionState& s = c.Option(OptAt(i));
        out << s.checked << s.enabled << s.wish << s.price << ' ' << s.shadow << ' ' << s.font
            << s.captionEnabled << '\n';
    }
    for (int b = 0; b < kBodyCount; ++b) out << c.BodyEnabled(b);
    for (int r = 0; r < kRailsCount; ++r) out << c.RailsEnabled(r);
    for (int e = 0; e < kEngineCount; ++e) out << c.EngineEnabled(e);
    return out.str();
}

bool IsSettledCode(const std::string& code) {
    if (code.size() != 20) return false;
    int x = 0;
    for (int i = 0; i < 19; ++i) {
        const int v = CodeCharIndex(code[i]);
        if (v == 255) return false;
        x ^= v;
    }
    return x == 0 && CodeCharIndex(code[19]) != 255;
}

std::string CodeOf(int trim, int body, int rails, int engine, int colour, std::set<Opt> ticked) {
    CodeBuilder code(trim, body, rails, engine);
    for (int i = 0; i < kOptionCount; ++i) {
        code.AddOption(i, ticked.count(OptAt(i)) > 0);
        if (i == kOptionsBeforeColour - 1) code.SetColour(colour);
    }
    return code.Finish();
}

class DecoderTest : public ::testing::Test {
  protected:
    // The program after its start code: the reset configuration.
    DecoderTest() {
        config.SetObserver(&ui);
        config.RunStartCode({}, files);
        ui.messages.clear();
        ui.codesDecoded = 0;
    }
    void Decode(const std::string& text) {
        config.SetCodeFieldText(text);
        config.DecodeCodeField();
    }
    RecordingUi ui;
    FakeFileAccess files;
    Configuration config{ui};
};

// --- Rejected codes --------------------------------------------------------------------------

struct RejectedCase {
    const char* name;
    friend void PrintTo(const RejectedCase& c, std::ostream* os) { *os << c.name; }
    std::string text;
    std::string fieldAfterwards;  // the cleaned text stays in the field
};

class RejectedCodeTest : public DecoderTest, public ::testing::WithParamInterface<RejectedCase> {};

TEST_P(RejectedCodeTest, ShowsInvalidCodeAndChangesNothingButTheCleanedField) {
    config.SelectTrim(Trend);  // something other than what any of these codes would give
    ui.messages.clear();
    const std::string before = Snapshot(config);
    Decode(GetParam().text);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kInvalid});
    EXPECT_EQ(config.CodeFieldText(), GetParam().fieldAfterwards);
    EXPECT_EQ(Snapshot(config), before);
    EXPECT_EQ(ui.codesDecoded, 0);
}

std::string Replace(std::string text, std::size_t at, char c) {
    text[at] = c;
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Decoder, RejectedCodeTest,
    ::testing::Values(
        RejectedCase{"Empty", "", ""}, RejectedCase{"OnlyBlanks", "     ", ""},
        RejectedCase{"Nineteen", std::string(19, '#'), std::string(19, '#')},
        RejectedCase{"TwentyOne", std::string(21, '#'), std::string(21, '#')},
        RejectedCase{"Twelve", std::string(12, '#'), std::string(12, '#')},
        RejectedCase{"LeadingBlank", " " + kWorkedExample, " " + kWorkedExample},
        RejectedCase{"TrailingTab", kWorkedExample + "\t", kWorkedExample + "\t"},
        RejectedCase{"DigitZero", Replace(kWorkedExample, 0, '0'), Replace(kWorkedExample, 0, '0')},
        RejectedCase{"SmallL", Replace(kWorkedExample, 2, 'l'), Replace(kWorkedExample, 2, 'l')},
        RejectedCase{"SmallO", Replace(kWorkedExample, 2, 'o'), Replace(kWorkedExample, 2, 'o')},
        RejectedCase{"CapitalI", Replace(kWorkedExample, 2, 'I'), Replace(kWorkedExample, 2, 'I')},
        RejectedCase{"CapitalO", Replace(kWorkedExample, 2, 'O'), Replace(kWorkedExample, 2, 'O')},
        RejectedCase{"Cyrillic", "Ж" + std::string(18, '#'), "Ж" + std::string(18, '#')},
        RejectedCase{"ChangedDataCharacter", Replace(kWorkedExample, 3, 'G'),
                     Replace(kWorkedExample, 3, 'G')},
        RejectedCase{"ChangedFirstCharacter", Replace(kWorkedExample, 0, 'Y'),
                     Replace(kWorkedExample, 0, 'Y')},
        RejectedCase{"DollarInWrongPlace", "Zt!F!!!t!.!!!!!!!!$!", "Zt!F!!!t!.!!!!!!!!.!"},
        RejectedCase{"OldCodeChangedCheck", "##########1", "##########1"},
        RejectedCase{"OldCodeChangedData", "#1#########", "#1#########"},
        RejectedCase{"ColourTwelve", CodeOf(Comfort, Sedan, 0, 1, 12, {}),
                     CodeOf(Comfort, Sedan, 0, 1, 12, {})},
        RejectedCase{"ColourFortyTwo", CodeOf(Comfort, Sedan, 0, 1, 42, {}),
                     CodeOf(Comfort, Sedan, 0, 1, 42, {})},
        RejectedCase{"ColourFiftyNine", CodeOf(Trend, Sedan, 0, 2, 59, {}),
                     CodeOf(Trend, Sedan, 0, 2, 59, {})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DecoderTest, EveryChangeOfOneOfTheFirstNineteenCharactersIsRejected) {
    for (std::size_t at = 0; at < 19; ++at) {
        for (char c : kCodeAlphabet) {
            if (c == kWorkedExample[at]) continue;
            ui.messages.clear();
            Decode(Replace(kWorkedExample, at, c));
            ASSERT_EQ(ui.messages, std::vector<std::string>{kInvalid}) << at << c;
        }
    }
}

TEST_F(DecoderTest, EveryChangeOfOneCharacterOfAnOldCodeIsRejected) {
    const std::string old = "Zt!F!!!t!.!";
    for (std::size_t at = 0; at < old.size(); ++at) {
        for (char c : kCodeAlphabet) {
            if (c == old[at]) continue;
            ui.messages.clear();
            Decode(Replace(old, at, c));
            ASSERT_EQ(ui.messages, std::vector<std::string>{kInvalid}) << at << c;
        }
    }
}

// --- Accepted codes ---------------------------------------------------------------------------

struct AcceptedCase {
    const char* name;
    friend void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.name; }
    std::string text;
    bool old;
    int trim;
    int preferredEngine;
    int colour;
};

class AcceptedCodeTest : public DecoderTest, public ::testing::WithParamInterface<AcceptedCase> {};

TEST_P(AcceptedCodeTest, SetsTheConfigurationAndWritesItsCode) {
    const AcceptedCase& c = GetParam();
    Decode(c.text);
    if (c.old) {
        EXPECT_EQ(ui.messages, std::vector<std::string>{kConverted});
    } else {
        EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
    }
    EXPECT_EQ(config.Trim(), c.trim);
    EXPECT_EQ(config.PreferredEngine(), c.preferredEngine);
    EXPECT_EQ(config.Colour(), c.colour);
    EXPECT_TRUE(IsSettledCode(config.CodeFieldText())) << config.CodeFieldText();
    EXPECT_EQ(ui.codesDecoded, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Decoder, AcceptedCodeTest,
    ::testing::Values(
        AcceptedCase{"ResetCode", std::string(kResetCode), false, Ambiente, 0, 0},
        AcceptedCase{"TrailingBlanks", kWorkedExample + "   ", false, Comfort, 1, 5},
        AcceptedCase{"WorkedExample", kWorkedExample, false, Comfort, 1, 5},
        AcceptedCase{"DollarForPoint", "Zt!F!!!t!$!!!!!!!!!!", false, Comfort, 1, 5},
        // Only the check character changed: every word is XORed with the new check value.
        AcceptedCase{"OtherLastCharacter", "Zt!F!!!t!.!!!!!!!!!#", false, Trend, 7, 7},
        AcceptedCase{"OldResetCode", "###########", true, Ambiente, 0, 0},
        AcceptedCase{"OldWorkedExample", "Zt!F!!!t!.!", true, Comfort, 1, 5},
        AcceptedCase{"OldCodeWithTrailingBlanks", "Zt!F!!!t!.!  ", true, Comfort, 1, 5},
        AcceptedCase{"ColourFifteenIsNoColour", CodeOf(Comfort, Sedan, 0, 1, 15, {}), false,
                     Comfort, 1, 0},
        AcceptedCase{"ColourTwentySixIsSvo", CodeOf(Comfort, Sedan, 0, 1, 26, {}), false, Comfort,
                     1, 11},
        AcceptedCase{"EngineSevenIsPreferred", CodeOf(Trend, Hatchback5Door, 0, 7, 3, {}), false,
                     Trend, 7, 3},
        AcceptedCase{"RoofRailsThree", CodeOf(Trend, Wagon, 3, 2, 1, {}), false, Trend, 2, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DecoderTest, DollarIsShownAsPointEvenWhenTheCodeIsRejected) {
    Decode("$$$");
    EXPECT_EQ(config.CodeFieldText(), "...");
}

TEST_F(DecoderTest, WorkedExampleRestoresClimateControlAndMetallic) {
    Decode(kWorkedExample);
    EXPECT_EQ(config.Body(), Sedan);
    EXPECT_EQ(config.Engine(), Petrol16Manual100);
    EXPECT_TRUE(config.Checked(Opt::ClimateControl));
    EXPECT_EQ(config.Wish(Opt::ClimateControl), 1);
    EXPECT_TRUE(config.Checked(Opt::MetallicPaint));
    EXPECT_FALSE(config.Checked(Opt::LeatherTrim));
    EXPECT_EQ(config.Wish(Opt::LeatherTrim), 0);
}

TEST_F(DecoderTest, OldCodeLeavesTheNineNewerOptionsUntickedAndUnwanted) {
    config.SetChecked(Opt::PremiumMats, true);
    config.SetWish(Opt::PremiumMats, 1);
    config.SetWish(Opt::WinterTyres, 1);
    Decode("Zt!F!!!t!.!");
    EXPECT_FALSE(config.Checked(Opt::PremiumMats));
    EXPECT_EQ(config.Wish(Opt::PremiumMats), 0);
    EXPECT_EQ(config.Wish(Opt::WinterTyres), 0);
    EXPECT_EQ(config.CodeFieldText().size(), 20u);
}

TEST_F(DecoderTest, NewerOptionsOfTheCurrentCodeAreRestored) {
    Decode(CodeOf(Comfort, Hatchback5Door, 0, 1, 3, {Opt::PremiumMats, Opt::WinterTyres}));
    EXPECT_TRUE(config.Checked(Opt::PremiumMats));
    EXPECT_TRUE(config.Checked(Opt::WinterTyres));
    EXPECT_EQ(config.Wish(Opt::WinterTyres), 1);
}

// With "???" the metallic mark is free, so it must come from the code, whatever colour was
// selected before.
TEST_F(DecoderTest, NoColourTakesTheMetallicMarkFromTheCode) {
    Decode(CodeOf(Comfort, Sedan, 0, 1, 1, {}));  // Frozen White, not metallic
    ASSERT_FALSE(config.Checked(Opt::MetallicPaint));
    Decode(CodeOf(Comfort, Sedan, 0, 1, 0, {Opt::MetallicPaint}));
    EXPECT_TRUE(config.Checked(Opt::MetallicPaint));

    Decode(CodeOf(Comfort, Sedan, 0, 1, 5, {Opt::MetallicPaint}));  // Tonic Metallic
    ASSERT_TRUE(config.Checked(Opt::MetallicPaint));
    Decode(std::string(kResetCode));
    EXPECT_FALSE(config.Checked(Opt::MetallicPaint));
    EXPECT_EQ(config.CodeFieldText(), kResetCode);
}

// --- Start code -------------------------------------------------------------------------------

class StartCodeTest : public ::testing::Test {
  protected:
    RecordingUi ui;
    FakeFileAccess files;
    Configuration config{ui};
};

TEST_F(StartCodeTest, WithoutArgumentsDecodesTheResetCode) {
    config.RunStartCode({}, files);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(config.StartupPending());
    EXPECT_EQ(config.Trim(), Ambiente);
    EXPECT_EQ(config.Body(), Hatchback3Door);
    EXPECT_EQ(config.Colour(), 0);
    EXPECT_TRUE(IsSettledCode(config.CodeFieldText()));
}

TEST_F(StartCodeTest, WithSeveralArgumentsIgnoresThemAll) {
    files.files["a.klv"] = kWorkedExample + "\r\n";
    config.RunStartCode({"a.klv", kWorkedExample}, files);
    EXPECT_EQ(config.Trim(), Ambiente);
    EXPECT_EQ(files.reads, 0);
}

TEST_F(StartCodeTest, AnArgumentThatIsNoFileIsTheCode) {
    config.RunStartCode({kWorkedExample}, files);
    EXPECT_EQ(config.Trim(), Comfort);
    EXPECT_EQ(config.Colour(), 5);
}

TEST_F(StartCodeTest, AFileArgumentGivesItsFirstLine) {
    files.files["a.klv"] = kWorkedExample + "\r\n####################\r\n";
    config.RunStartCode({"a.klv"}, files);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(config.Trim(), Comfort);
}

// An argument the program cannot start with (a rejected code, a damaged, unreadable or missing
// file) starts it as without one; the message follows once that configuration has settled, and
// the start code does not run again.
struct FailedStart {
    const char* name;
    std::string argument;
    std::string message;
    friend void PrintTo(const FailedStart& c, std::ostream* os) { *os << c.name; }
};

class FailedStartTest : public StartCodeTest, public ::testing::WithParamInterface<FailedStart> {};

TEST_P(FailedStartTest, StartsTheResetConfigurationThenSaysWhy) {
    files.files["damaged.klv"] = "AAAAAAAAA#AAAAAAAAAA\r\n";
    files.files["locked.klv"] = kWorkedExample + "\r\n";
    if (GetParam().argument == "locked.klv") files.readError = "отказано в доступе";
    const Result result = config.RunStartCode({GetParam().argument}, files);
    EXPECT_EQ(result.outcome, Outcome::Rejected);
    EXPECT_EQ(result.reason, GetParam().message);
    EXPECT_EQ(ui.messages, std::vector<std::string>{GetParam().message});
    EXPECT_FALSE(config.StartupPending());
    EXPECT_EQ(config.DocumentPath(), "");
    EXPECT_FALSE(config.HasUnsavedChanges());
    RecordingUi freshUi;
    Configuration fresh(freshUi);
    fresh.RunStartCode({}, files);
    EXPECT_EQ(Snapshot(config), Snapshot(fresh));

    files.readError.clear();
    config.RunStartCode({kWorkedExample}, files);
    EXPECT_EQ(Snapshot(config), Snapshot(fresh));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, FailedStartTest,
    ::testing::Values(
        FailedStart{"RejectedCode", "nonsense", kInvalid},
        FailedStart{"DamagedFile", "damaged.klv", kInvalid},
        FailedStart{"UnreadableFile", "locked.klv",
                    "Не удалось открыть файл «locked.klv»: отказано в доступе"},
        FailedStart{"MissingFile", "no-such-folder/missing.klv",
                    "Не удалось открыть файл «no-such-folder/missing.klv»: нет такого файла или "
                    "каталога"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartCodeTest, RunsOnlyAtTheFirstActivation) {
    config.RunStartCode({kWorkedExample}, files);
    const std::string after = Snapshot(config);
    config.RunStartCode({}, files);
    EXPECT_EQ(Snapshot(config), after);
    EXPECT_EQ(config.Trim(), Comfort);
}

// --- Random input -----------------------------------------------------------------------------

TEST_F(DecoderTest, RandomTextNeverBreaksTheConfiguration) {
    std::mt19937 random(20261207);
    const std::string extra = "$ 0lIO\t\r\n\x01\xD0\xFF";
    int accepted = 0;
    int rejected = 0;
    for (int run = 0; run < 4000; ++run) {
        std::string text;
        if (run % 3 == 0) {
            // A valid code with a few characters changed or appended.
            text = CodeOf(random() % 4, random() % 4, random() % 4, random() % 8, random() % 64,
                          {OptAt(random() % kOptionCount), OptAt(random() % kOptionCount)});
            for (int k = random() % 3; k > 0; --k)
                text[random() % 20] = kCodeAlphabet[random() % 64];
            if (random() % 4 == 0) text.resize(11);
        } else {
            const int length = random() % 24;
            for (int i = 0; i < length; ++i) {
                text +=
                    random() % 8 ? kCodeAlphabet[random() % 64] : extra[random() % extra.size()];
            }
        }
        const std::string before = Snapshot(config);
        ui.messages.clear();
        Decode(text);
        if (std::find(ui.messages.begin(), ui.messages.end(), kInvalid) != ui.messages.end()) {
            ASSERT_EQ(ui.messages.size(), 1u) << text;
            ASSERT_EQ(Snapshot(config), before) << text;
            ++rejected;
        } else {
            ++accepted;
            ASSERT_TRUE(IsSettledCode(config.CodeFieldText()))
                << text << " -> " << config.CodeFieldText();
            ASSERT_GE(config.Colour(), 0);
            ASSERT_LT(config.Colour(), kColourCount);
        }
    }
    EXPECT_GT(accepted, 200);
    EXPECT_GT(rejected, 2000);
}

}  // namespace
}  // namespace kalvora
