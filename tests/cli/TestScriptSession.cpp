// Script mode through its library: what a scenario prints, how bad lines stop it, and how the
// focus follows the clicks.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "cli/ScriptSession.h"
#include "engine/code/ConfigCode.h"
#include "engine/credit/CreditDump.h"
#include "engine/documents/DocumentViews.h"
#include "pricing/FakeFileAccess.h"
#include "support/RecordingUi.h"

namespace kalvora::cli {
namespace {

using kalvora::testing::FakeFileAccess;

struct Played {
    int status;
    std::string out;
    std::string err;
};

Played Play(const std::string& script, FileAccess& files) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunScript(in, out, err, files);
    return {status, out.str(), err.str()};
}

Played Play(const std::string& script) {
    FakeFileAccess files;
    return Play(script, files);
}

// --- Lines that cannot be played -------------------------------------------------------------

struct BadLine {
    const char* name;
    std::string line;
    std::string why;
    friend void PrintTo(const BadLine& c, std::ostream* os) { *os << c.name; }
};

class BadLineTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadLineTest, StopsWithExitTwoAndKeepsWhatWasPrinted) {
    const Played run =
        Play("start\nprint price\n\n# a comment\n" + GetParam().line + "\nprint code\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "Цена: $12420\n");
    EXPECT_EQ(run.err, "error: 5: " + GetParam().why + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Script, BadLineTest,
    ::testing::Values(
        BadLine{"UnknownCommand", "kredit", "неизвестная команда «kredit»"},
        BadLine{"CommandIsCaseSensitive", "Print price", "неизвестная команда «Print»"},
        BadLine{"LeadingBlank", " print price", "строка начинается с пробела"},
        BadLine{"NulInsideTheLine", std::string("kre\0dit", 7), "неизвестная команда «kre\\0dit»"},
        BadLine{"CarriageReturnsInsideTheLine", "start\rprint price\r",
                "неизвестная команда «start\\rprint»"},
        BadLine{"LongestLineExceeded", std::string(kMaxScriptLine + 1, '#'),
                "строка длиннее 65536 байт"},
        BadLine{"UnknownView", "print nothing", "неизвестный вид «nothing»"},
        BadLine{"PrintWithoutView", "print", "ожидается «print ВИД»"},
        BadLine{"TrimTooLarge", "trim 4", "«4» не число от 0 до 3"},
        BadLine{"TrimNotANumber", "trim x", "«x» не число от 0 до 3"},
        BadLine{"TrimWithSign", "trim +1", "«+1» не число от 0 до 3"},
        BadLine{"TrimMissing", "trim", "ожидается «trim N»"},
        BadLine{"TrimTwice", "trim 1 2", "ожидается «trim N»"},
        BadLine{"ColourTooLarge", "colour 12", "«12» не число от 0 до 11"},
        BadLine{"ColourNegative", "colour -1", "«-1» не число от 0 до 11"},
        BadLine{"ClickUnknown", "click Nothing", "неизвестный элемент «Nothing»"},
        BadLine{"ClickHiddenOption", "click KarterBox", "«KarterBox» скрыт"},
        BadLine{"ClickCodeField", "click Edit1", "неизвестный элемент «Edit1»"},
        BadLine{"ClickTwoNames", "click ptf KsenonBox", "ожидается «click ИМЯ»"},
        BadLine{"FocusUnknown", "focus Nothing", "неизвестный элемент «Nothing»"},
        BadLine{"ResetWithoutAnswer", "reset", "ожидается «reset yes|no»"},
        BadLine{"ResetOtherAnswer", "reset maybe", "ответ должен быть yes или no, а не «maybe»"},
        BadLine{"SaveWithoutAnswer", "save a.klv", "ожидается «save ПУТЬ yes|no»"},
        BadLine{"SaveWithoutPath", "save yes", "ожидается «save ПУТЬ yes|no»"},
        BadLine{"OpenWithoutPath", "open", "ожидается «open ПУТЬ»"},
        BadLine{"EquipWithArgument", "equip all", "ожидается «equip»"},
        BadLine{"ClockWithoutTime", "clock 01.01.2027", "ожидается «clock ДАТА ВРЕМЯ»"},
        BadLine{"CreditWithArgument", "credit 100", "ожидается «credit»"},
        BadLine{"CreditSetUnknownField", "credit-set Edit99 1", "неизвестное поле «Edit99»"},
        BadLine{"CreditSetWithoutField", "credit-set", "ожидается «credit-set ПОЛЕ ТЕКСТ»"},
        BadLine{"CreditSetComputedField", "credit-set SumKreditEdit 5",
                "поле «SumKreditEdit» заполняет программа"},
        BadLine{"CreditClickUnknownBox", "credit-click CheckBox9",
                "неизвестный флажок «CheckBox9»"},
        BadLine{"CreditKeyOutsideConverter", "credit-key Edit4 5",
                "«Edit4» не поле пересчёта валют (Nd, Nr, Ne)"},
        BadLine{"DecimalTwoCharacters", "decimal ,.", "разделитель — один символ, а не «,.»"},
        BadLine{"DecimalDigit", "decimal 1", "цифра «1» не может быть разделителем"},
        BadLine{"DecimalSign", "decimal -", "знак «-» не может быть разделителем"},
        BadLine{"DecimalExponentLetter", "decimal e", "буква «e» не может быть разделителем"},
        BadLine{"DecimalCyrillicLetter", "decimal ж", "буква «ж» не может быть разделителем"},
        BadLine{"DecimalArabicDigit", "decimal ٣", "цифра «٣» не может быть разделителем"},
        BadLine{"DecimalMinusSign", "decimal −", "знак «−» не может быть разделителем"},
        BadLine{"DecimalGreekLetter", "decimal λ", "буква «λ» не может быть разделителем"},
        BadLine{"DecimalArabicLetter", "decimal ب", "буква «ب» не может быть разделителем"},
        BadLine{"DecimalTab", "decimal \t",
                "пробел или невидимый символ не может быть разделителем"},
        BadLine{"DecimalNoBreakSpace", "decimal \u00a0",
                "пробел или невидимый символ не может быть разделителем"},
        BadLine{"DecimalBrokenUtf8", "decimal \xd9", "разделитель — один символ, а не «\xd9»"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Output ----------------------------------------------------------------------------------

TEST(ScriptOutput, LineBreaksInsideMessagesAreEscaped) {
    const Played run = Play("start\nsave a.klv yes\nsave a.klv yes\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "message: Ваша конфигурация сохранена в файл:\\r\\ra.klv\n"
              "confirm: Такой файл уже существует. Перезаписать? -> yes\n"
              "message: Ваша конфигурация сохранена в файл:\\r\\ra.klv\n");
}

// Every view keeps one paragraph a line, whatever the code or the clock text holds.
TEST(ScriptOutput, NoViewWritesARawCarriageReturn) {
    const Played run = Play(
        "start\nclock 01.01.2027 12:00\r00\nprint order\nprint checklist\ncode ab\rc\n"
        "print code\nprint order\nprint checklist\nprint state\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    EXPECT_NE(run.out.find("12:00\\r00"), std::string::npos);
}

TEST(ScriptOutput, SaveKeepsBlanksInsideThePath) {
    FakeFileAccess files;
    const Played run = Play("start\nsave my car.klv no\n", files);
    EXPECT_EQ(files.files.count("my car.klv"), 1u);
}

TEST(ScriptOutput, CarriageReturnsAtLineEndsAreIgnored) {
    const Played run = Play("start\r\nprint price\r\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Цена: $12420\n");
}

TEST(ScriptOutput, AByteOrderMarkBeforeTheFirstCommandIsIgnored) {
    EXPECT_EQ(Play("\xEF\xBB\xBFstart\nprint price\n").out, "Цена: $12420\n");
    EXPECT_EQ(Play("start\n\xEF\xBB\xBFprint price\n").status, 2);
}

TEST(ScriptOutput, CodeTakesTheRestOfTheLineVerbatim) {
    const Played run = Play("start\ncode ##  ##\nprint code\n");
    EXPECT_EQ(run.out, "message: Недопустимая комбинация кода\n##  ##\n");
}

TEST(ScriptOutput, AnUnansweredConfirmationIsNo) {
    FakeFileAccess files;
    ScriptLine line = ScriptLine::Parse(1, "start");
    std::ostringstream out;
    ScriptSession session(out, files);
    session.Run(line);
    EXPECT_FALSE(session.Ui().Confirm("Вопрос?"));
    EXPECT_EQ(out.str(), "confirm: Вопрос? -> no\n");
}

// --- Other windows ---------------------------------------------------------------------------

// The order window follows the main window's price computations and its own boxes.
TEST(ScriptWindows, PrintOrderShowsTheOrderWindowsText) {
    const Played run =
        Play("start\ncode Zt!F!!!t!.!!!!!!!!!!\nclick KodBox\nclick CBox\nprint order\n");

    kalvora::testing::RecordingUi ui;  // the same default clock as script mode
    FakeFileAccess files;
    Configuration config(ui);
    OrderDocument order(config, ui);
    config.RunStartCode({"Zt!F!!!t!.!!!!!!!!!!"}, files);
    order.OnVerbalToggled();
    order.ClickBox("KodBox");
    order.ClickBox("CBox");
    std::ostringstream expected;
    PrintOrderView(order, expected);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected.str());
}

TEST(ScriptWindows, PrintCheckListComposesWithTheScenariosClock) {
    const Played run = Play("clock 01.02.2027 09:08:07\nstart\nprint checklist\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("####################"), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.size() - 2), ".\n");
}

TEST(ScriptWindows, CreditCommandsActOnTheCreditWindow) {
    const Played run = Play(
        "start\ncode Zt!F!!!t!.!!!!!!!!!!\ncredit\ncredit-set Edit4 25\ncredit-set Edit5 "
        "4000\ncredit-click FixBox\ncredit-key Nd 100\nprint credit\n");

    CreditCalculator credit;
    credit.Open(16215);
    credit.Type(CreditField::FirstPercent, "25");
    credit.Type(CreditField::FirstPayment, "4000");
    credit.AcceptFirstPayment();
    credit.Click(CreditBox::FixedDiscount);
    credit.Type(CreditField::Dollars, "100");
    credit.KeyUp(CreditField::Dollars);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, CreditDump(credit));
}

TEST(ScriptWindows, DecimalChangesHowTheCreditWindowWritesNumbers) {
    // The window was made with the default separator; numbers are read and written with the
    // new one from now on.
    const Played run = Play("start\ndecimal .\ncredit\nprint credit\n");
    CreditCalculator credit;
    credit.SetDecimalSeparator('.');
    credit.Open(12420);
    EXPECT_EQ(run.out, CreditDump(credit));
}

// Any visible character that is no digit, sign or letter is a separator: the Arabic "٫", the
// raised point "·", a semicolon. Numbers are written and read with it.
TEST(ScriptWindows, AnyOtherVisibleCharacterIsADecimalSeparator) {
    for (const std::string mark : {"٫", "·", ";", "'", "\u2396"}) {
        SCOPED_TRACE(mark);
        const Played run = Play("start\ndecimal " + mark + "\ncredit\ncredit-set StavkaR 12" +
                                mark + "5\nprint credit\n");
        ASSERT_EQ(run.status, 0) << run.err;
        CreditCalculator credit;
        credit.SetDecimalSeparator(mark);
        credit.Open(12420);
        credit.Type(CreditField::RateReal, "12" + mark + "5");
        EXPECT_EQ(run.out, CreditDump(credit));
        EXPECT_NE(run.out.find("StavkaR\t12" + mark + "5\tffffff"), std::string::npos) << run.out;
        // The same figures as with a comma, in the same columns: a separator of two bytes
        // still takes one place.
        CreditCalculator comma;
        comma.Open(12420);
        comma.Type(CreditField::RateReal, "12,5");
        const std::string expected = CreditDump(comma);
        ASSERT_EQ(expected.find(mark), std::string::npos);
        std::string shown = run.out;
        for (std::size_t at = shown.find(mark); at != std::string::npos; at = shown.find(mark, at))
            shown.replace(at, mark.size(), ",");
        EXPECT_EQ(shown, expected);
    }
}

// --- Random sessions -------------------------------------------------------------------------

// Thousands of commands in random order always play to the end, and every code the program
// writes into the field is a settled one.
TEST(ScriptRandom, RandomSessionsPlayToTheEnd) {
    const std::vector<std::string> commands = {
        "click KlimatBox",
        "click KuzovWag",
        "click Kuzov3dr",
        "click Univers2",
        "trim 0",
        "trim 1",
        "trim 2",
        "trim 3",
        "colour 0",
        "colour 5",
        "colour 11",
        "click MetallBox",
        "click KomfPBox",
        "click KomfBox",
        "click ZimBox",
        "click Obzor1Box",
        "click R6Box",
        "click KozaBox",
        "click ABSBox",
        "click IVDBox",
        "click ptf",
        "click AdaptBox",
        "click KsenonBox",
        "click Dvig16AT100",
        "click Dvig20MT145",
        "focus Dvig18TD115",
        "focus Edit1",
        "equip",
        "reset yes",
        "reset no",
        "code Zt!F!!!t!.!!!!!!!!!!",
        "code Zt!F!!!t!.!",
        "code ####################",
        "code bad",
        "save a.klv yes",
        "open a.klv",
        "click KodBox",
        "click CBox",
        "print order",
        "print checklist",
        "credit",
        "credit-set Edit4 30",
        "credit-set Edit5 1000",
        "credit-click FixBox",
        "credit-key Nd 10",
        "print credit",
        "decimal .",
        "decimal ,",
        "print code",
    };
    std::mt19937 random(1207);
    std::string script = "start\n";
    for (int i = 0; i < 3000; ++i) script += commands[random() % commands.size()] + "\n";
    FakeFileAccess files;
    const Played run = Play(script, files);
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    int codes = 0;
    while (std::getline(lines, line)) {
        if (line.size() != 20 || line.find(' ') != std::string::npos) continue;
        int x = 0;
        bool code = true;
        for (int i = 0; i < 19 && code; ++i) {
            const int v = CodeCharIndex(line[i]);
            code = v != 255;
            x ^= v;
        }
        if (!code || CodeCharIndex(line[19]) == 255) continue;
        EXPECT_EQ(x, 0) << line;
        ++codes;
    }
    EXPECT_GT(codes, 20);
}

// --- Focus -----------------------------------------------------------------------------------

class ScriptFocusTest : public ::testing::Test {
  protected:
    ScriptFocusTest() : session(out, files) { Run("start"); }
    void Run(const std::string& text) { session.Run(ScriptLine::Parse(1, text)); }
    Configuration& Config() { return session.Config(); }
    std::ostringstream out;
    FakeFileAccess files;
    ScriptSession session;
};

TEST_F(ScriptFocusTest, AClickedOptionRemembersItsTickOnlyWhenTheFocusLeaves) {
    Run("trim 1");
    Run("click KlimatBox");
    EXPECT_TRUE(Config().Checked(Opt::ClimateControl));
    EXPECT_EQ(Config().Wish(Opt::ClimateControl), 0);
    Run("focus Edit1");
    EXPECT_EQ(Config().Wish(Opt::ClimateControl), 1);
}

TEST_F(ScriptFocusTest, TheFocusMovesBeforeTheClickedControlActs) {
    Run("trim 1");
    Run("click KlimatBox");
    // The trim rules make climate control available with the wish stored just before.
    Run("trim 2");
    EXPECT_TRUE(Config().Checked(Opt::ClimateControl));
}

TEST_F(ScriptFocusTest, OtherWindowsKeepTheirOwnFocus) {
    Run("trim 1");
    Run("click KlimatBox");
    Run("click CBox");
    Run("credit");
    Run("credit-set Edit4 30");
    EXPECT_EQ(session.Focus().Current(), FocusTarget::OptionBox(Opt::ClimateControl));
    EXPECT_EQ(Config().Wish(Opt::ClimateControl), 0);
    Run("focus SlovoBox");
    EXPECT_EQ(session.Focus().Current(), FocusTarget::OptionBox(Opt::ClimateControl));
}

TEST_F(ScriptFocusTest, ToolButtonsTakeNoFocus) {
    Run("trim 1");
    Run("click KlimatBox");
    Run("reset no");
    Run("equip");
    Run("save a.klv no");
    EXPECT_EQ(session.Focus().Current(), FocusTarget::OptionBox(Opt::ClimateControl));
}

TEST_F(ScriptFocusTest, DecodingGivesTheFocusToTheCodeFieldAfterwards) {
    Run("trim 1");
    Run("click KlimatBox");
    Run("reset yes");
    EXPECT_EQ(session.Focus().Current(), FocusTarget::CodeField());
    // The exit rule ran after the decode: the wish follows the unticked box of Ambiente.
    EXPECT_EQ(Config().Wish(Opt::ClimateControl), 0);
}

TEST_F(ScriptFocusTest, ARejectedCodeLeavesTheFocusWhereItWas) {
    files.files["bad.klv"] = "nonsense\r\n";
    Run("click AdaptBox");
    Run("open bad.klv");
    EXPECT_EQ(session.Focus().Current(), FocusTarget::OptionBox(Opt::AdaptiveHeadlamps));
}

TEST_F(ScriptFocusTest, EnteringAnEngineButtonMakesItThePreferredEngine) {
    Run("trim 1");
    Run("focus Dvig16AT100");
    EXPECT_EQ(Config().PreferredEngine(), Petrol16Automatic100);
    EXPECT_EQ(Config().Engine(), Petrol14Manual80);  // only a click selects it
    Run("click Dvig18TD115");
    EXPECT_EQ(Config().PreferredEngine(), Diesel18Manual115);
    EXPECT_EQ(Config().Engine(), Diesel18Manual115);
}

TEST_F(ScriptFocusTest, DisabledControlsIgnoreClicksAndFocus) {
    // Ambiente: xenon headlamps and all engines but the 1,4 are disabled.
    const int preferred = Config().PreferredEngine();
    Run("click KsenonBox");
    Run("focus Dvig20AT145");
    Run("click Dvig20AT145");
    EXPECT_FALSE(Config().Checked(Opt::XenonHeadlamps));
    EXPECT_EQ(Config().PreferredEngine(), preferred);
    // The start code left the focus in the code field.
    EXPECT_EQ(session.Focus().Current(), FocusTarget::CodeField());
}

TEST_F(ScriptFocusTest, PickingTheSelectedColourAgainRunsNothing) {
    Run("colour 3");
    Run("click MetallBox");  // follows the colour: ticked again at once
    EXPECT_TRUE(Config().Checked(Opt::MetallicPaint));
    out.str("");
    Run("colour 3");
    EXPECT_TRUE(Config().Checked(Opt::MetallicPaint));
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace kalvora::cli
