// What each action changed, why every option is what it is, and undo and redo of whole
// actions, played as scenarios.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <sstream>

#include "cli/CliMain.h"
#include "cli/ScriptSession.h"
#include "cli/StateDump.h"
#include "pricing/FakeFileAccess.h"
#include "support/RandomSession.h"

namespace kalvora::cli {
namespace {

using kalvora::testing::FakeFileAccess;

// A scenario session whose output is read line by line.
class Session {
  public:
    Session() : session_(out_, files_) {}

    // Plays the lines (separated by '\n') and returns what they printed.
    std::string Play(const std::string& lines) {
        out_.str({});
        std::istringstream in(lines);
        std::string text;
        while (std::getline(in, text)) session_.Run(ScriptLine::Parse(++number_, text));
        return out_.str();
    }
    std::string Line(const std::string& command) {
        std::string text = Play(command);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return text;
    }
    std::string State() { return Play("print state"); }

    ScriptSession& Script() { return session_; }
    FakeFileAccess& Files() { return files_; }

  private:
    std::ostringstream out_;
    FakeFileAccess files_;
    ScriptSession session_;
    int number_ = 0;
};

// --- Notices and reasons -------------------------------------------------------------------

struct ReasonCase {
    const char* name;
    const char* actions;
    const char* notice;  // the notice must begin with this ("" for none)
    std::vector<std::pair<const char*, const char*>> why;
};

TEST(Reasons, EveryRuleEffectNamesTheUsersChoice) {
    const ReasonCase cases[] = {
        {"visibility package drops the winter package",
         "trim 1\nclick ZimBox\nclick ObzorBox",
         "С пакетом «Улучшенной обзорности»: снят пакет «Зимний» (−400 $); опция «Передние "
         "противотуманные фары» стала стандартной",
         {{"ZimBox", "Снято: несовместимо с пакетом «Улучшенной обзорности»"},
          {"ptf", "Входит в пакет «Улучшенной обзорности»: стандартно, цена 0"},
          {"ObzorBox", "Цена 210 $ в комплектации Comfort"},
          {"LobBox", "-"}}},
        {"a trim change moves the body and the engine",
         "trim 3",
         "Комплектация Ghia: кузов Хэтч 3 дв заменён на Хэтч 5 дв; двигатель 1,4 М (80 лс) "
         "заменён на 1,6 М (115 лс); 8 опций стали стандартными",
         {{"acBox", "Стандартно в комплектации Ghia, цена 0"},
          {"d15box", "Недоступно в комплектации Ghia"},
          {"KomfBox", "Цена 515 $ в комплектации Ghia"}}},
        {"the comfort package",
         "trim 2\nclick R6Box\nclick KomfBox",
         "С пакетом «Комфорт»: снят «Радио Пакет №6» (−700 $)",
         {{"R2Box", "Входит в пакет «Комфорт»: стандартно, цена 0"},
          {"R6Box", "Несовместимо с пакетом «Комфорт»"},
          {"RadioBox", "-"}}},
        {"the automatic gearbox",
         "trim 1\nclick Dvig16AT100",
         "Двигатель 1,6 А (100 лс): «Радио Пакет №2» стал стандартным",
         {{"R2Box", "Стандартно с двигателем 1,6 А (100 лс), цена 420"},
          {"R4Box", "Недоступно с двигателем 1,6 А (100 лс)"}}},
        {"a body",
         "trim 1\nclick Kuzov4dr",
         "Кузов Седан: ",
         {{"TonBox", "Недоступно с кузовом Седан"}, {"ShtorkiBox", "-"}}},
        {"xenon makes the washer standard",
         "trim 2\nclick KsenonBox",
         "С опцией «Ксеноновые фары»: опция «Омыватель фар» стала стандартной",
         {{"OmivBox", "Стандартно с опцией «Ксеноновые фары», цена 0"}}},
        {"a plain option changes nothing else", "trim 1\nclick ZimShinaBox", "", {}},
        {"the start explains the reset configuration",
         "",
         "",
         {{"KsenonBox", "Недоступно в комплектации Ambiente"},
          {"R1Box", "Недоступно для этого автомобиля"},
          {"ZimShinaBox", "-"}}},
    };
    for (const ReasonCase& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        s.Play(std::string("start\n") + c.actions);
        const std::string notice = s.Line("print notice");
        if (*c.notice == '\0') {
            EXPECT_EQ(notice, "");
        } else {
            EXPECT_EQ(notice.substr(0, std::string(c.notice).size()), c.notice) << notice;
        }
        for (const auto& [option, reason] : c.why) {
            EXPECT_EQ(s.Line(std::string("print why ") + option), reason) << option;
        }
    }
}

TEST(Reasons, ChangesAreListedOptionByOptionWithTheTotals) {
    Session s;
    s.Play("start\ntrim 1\nclick ZimBox\nclick ObzorBox");
    EXPECT_EQ(s.Play("print changes"),
              "action click ObzorBox\n"
              "option ptf standard price 150 0\n"
              "option ZerkBox available price 0 150\n"
              "option LobBox available price 0 170\n"
              "option ZimBox unticked\n"
              "option PodSidBox available price 0 210\n"
              "total 14510 14320\n.\n");
    s.Play("undo");
    EXPECT_EQ(s.Play("print changes").rfind("action undo click ObzorBox\noption ptf available", 0),
              0u);
    EXPECT_EQ(
        s.Line("print notice")
            .rfind("Отменено: с пакетом «Улучшенной обзорности» — добавлен пакет «Зимний» (+400 $)",
                   0),
        0u);
}

TEST(Reasons, ExplainPrintsEveryOptionWithItsStateAndReason) {
    // Trend with the comfort package, as a code.
    Session s;
    s.Play("start\ntrim 2\nclick KomfBox");
    const std::string code = s.Line("print code");
    std::istringstream in;
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"explain", code}, in, out, err), 0) << err.str();
    std::istringstream lines(out.str());
    std::string line;
    int count = 0;
    std::map<std::string, std::string> byOption;
    while (std::getline(lines, line)) {
        ++count;
        byOption[line.substr(0, line.find('\t'))] = line;
    }
    EXPECT_EQ(count, kOptionCount);
    EXPECT_EQ(byOption["R2Box"],
              "R2Box\tРадио Пакет №2 (CD магнитола, 6 динамиков)\tstandard\t0\t"
              "Входит в пакет «Комфорт»: стандартно, цена 0");
    EXPECT_EQ(byOption["KomfBox"], "KomfBox\tПакет \"Комфорт\"\tticked\t540\t");
    EXPECT_EQ(byOption["KruizBox"],
              "KruizBox\tКруиз контроль\tunavailable\t230\t"
              "Недоступно в комплектации Trend");
    std::ostringstream out2, err2;
    EXPECT_EQ(RunCli({"explain", "ABC"}, in, out2, err2), 1);
    EXPECT_EQ(out2.str(), "");
}

// --- Undo and redo -------------------------------------------------------------------------

TEST(Undo, EveryWholeConfigurationActionIsOneStep) {
    Session s;
    s.Play("start\ntrim 2\nclick KomfBox");
    s.Files().files["offer.klv"] = s.Line("print code") + "\r\n";
    std::vector<std::string> states{s.State()};
    for (const char* action :
         {"equip", "reset yes", "code Zt!F!!!t!.!!!!!!!!!#", "open offer.klv", "colour 3"}) {
        s.Play(action);
        states.push_back(s.State());
    }
    // Nothing changed, no step: a reset answered No, an unreadable file.
    s.Files().readError = "Input/output error";
    s.Play("reset no\nopen offer.klv");
    ASSERT_EQ(s.Script().History().UndoCount(), 7u);  // the trim, the package and the five
    // A rejected code changed the code field only; its undo shows the configuration's code.
    s.Play("code ABC");
    EXPECT_EQ(s.Script().History().UndoCount(), 8u);
    const int writes = s.Files().writes;
    s.Play("undo");
    EXPECT_EQ(s.State(), states[5]);
    for (int k = 4; k >= 0; --k) {
        s.Play("undo");
        EXPECT_EQ(s.State(), states[k]) << k;
    }
    EXPECT_EQ(s.Line("print notice").rfind("Отменено: «Оснастить» — ", 0), 0u);
    for (int k = 1; k <= 5; ++k) {
        s.Play("redo");
        EXPECT_EQ(s.State(), states[k]) << k;
    }
    s.Play("redo\nredo");  // the typed code, then nothing more
    EXPECT_EQ(s.Line("print code"), "ABC");
    EXPECT_FALSE(s.Script().History().CanRedo());
    EXPECT_EQ(s.Files().writes, writes);
    // A new action drops what could be redone.
    s.Play("undo\nclick ZimShinaBox\nredo");
    EXPECT_FALSE(s.Script().History().CanRedo());
}

TEST(Undo, WishRememberedWhenTheFocusLeftBelongsToTheStepBefore) {
    Session s;
    s.Play("start\ntrim 1\nclick KlimatBox\nclick ZimShinaBox");
    const std::string ticked = s.State();
    s.Play("undo");
    // The climate box's wish was remembered when the click on the tyres took the focus.
    EXPECT_NE(s.State().find("option KlimatBox 1 1 1"), std::string::npos);
    s.Play("undo\nredo\nredo");
    EXPECT_EQ(s.State(), ticked);
}

TEST(Undo, AThousandStepsAndMoreGoBackToTheStart) {
    Session s;
    s.Play("start\ntrim 2");
    const std::string start = s.State();
    std::string clicks;
    for (int i = 0; i < 1200; ++i) clicks += i % 2 ? "click KomfBox\n" : "click ZimShinaBox\n";
    s.Play(clicks);
    for (int i = 0; i < 1200; ++i) s.Play("undo");
    EXPECT_EQ(s.State(), start);
    EXPECT_EQ(s.Script().History().RedoCount(), 1200u);
}

// Random sessions of many actions: undoing all of them gives back the starting state byte for
// byte, redoing all of them the final one.
TEST(Undo, RandomSessionsUndoAndRedoToTheSameBytes) {
    std::vector<std::string> clickable;
    for (const OptionDef& d : kOptionTable) {
        if (!d.hidden) clickable.emplace_back(d.name);
    }
    for (const RadioDef& d : kBodies) clickable.emplace_back(d.name);
    for (const RadioDef& d : kRails) clickable.emplace_back(d.name);
    for (const RadioDef& d : kEngines) clickable.emplace_back(d.name);

    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        Session s;
        s.Files().files["a.klv"] = "Zt!F!!!t!.!!!!!!!!!#\r\n";
        s.Files().files["old.klv"] = "###########\r\n";
        s.Play("start");
        const std::string start = s.State();
        std::vector<std::string> codes{"####################"};
        for (int i = 0; i < 220; ++i) {
            const int kind = pick(100);
            std::string line;
            if (kind < 55) {
                line = "click " + clickable[pick(int(clickable.size()))];
            } else if (kind < 65) {
                line = "trim " + std::to_string(pick(kTrimCount));
            } else if (kind < 72) {
                line = "colour " + std::to_string(pick(kColourCount));
            } else if (kind < 76) {
                line = "code " + codes[pick(int(codes.size()))];
            } else if (kind < 78) {
                line = pick(2) ? "reset yes" : "reset no";
            } else if (kind < 81) {
                line = "equip";
            } else if (kind < 83) {
                line = pick(2) ? "open a.klv" : "open old.klv";
            } else if (kind < 88) {
                line = "focus " + clickable[pick(int(clickable.size()))];
            } else if (kind < 94) {
                line = "undo";
            } else {
                line = "redo";
            }
            s.Play(line);
            if (pick(10) == 0) codes.push_back(s.Line("print code"));
        }
        const std::string final = s.State();
        ActionHistory& history = s.Script().History();
        const std::size_t redoable = history.RedoCount();
        while (history.CanUndo()) s.Play("undo");
        ASSERT_EQ(s.State(), start);
        while (history.CanRedo()) s.Play("redo");
        // Redo goes past where the session ended when it ended on undos.
        for (std::size_t k = 0; k < redoable; ++k) s.Play("undo");
        ASSERT_EQ(s.State(), final);
    }
}

// The state dump without the code field, which may still hold a rejected code the user typed:
// that text is not part of the configuration, and an undo shows the configuration's code.
std::string WithoutCodeField(const std::string& state) {
    std::istringstream in(state);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("code ", 0) != 0) out += line + "\n";
    }
    return out;
}

// Where an action leaves the keyboard focus: on the control it clicks or picks from, in the
// code field after a decoded code; "Оснастить" does not move it.
std::optional<FocusTarget> FocusAfter(const testing::SessionStep& step) {
    switch (step.kind) {
        case testing::SessionAction::Click:
            return FocusTarget::OptionBox(OptAt(step.arg));
        case testing::SessionAction::Trim:
            return FocusTarget::TrimGroup();
        case testing::SessionAction::Body:
            return FocusTarget::BodyButton(step.arg);
        case testing::SessionAction::Engine:
            return FocusTarget::EngineButton(step.arg);
        case testing::SessionAction::Colour:
            return FocusTarget::ColourList();
        case testing::SessionAction::Code:
        case testing::SessionAction::Reset:
            return FocusTarget::Edit1();
        case testing::SessionAction::Equip:
            break;
    }
    return std::nullopt;
}

// An action undone leaves no trace: after S, A, undo, B the configuration is what S, B leaves,
// remembered wishes and the preferred engine included. The one difference a user can see is
// the focus, which stays where A put it (on the box A clicked, say); so the session without A
// moves the focus there before B, as a click that does not act would, and the box that loses it
// remembers its wish.
TEST(Undo, AnUndoneActionLeavesNoTrace) {
    const auto draw = [](std::mt19937& random) {
        while (true) {
            const testing::SessionStep step = testing::DrawSessionStep(random);
            if (!testing::ScriptLineOf(step).empty()) return step;
        }
    };
    int compared = 0;
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        std::mt19937 random(seed);
        std::string prefix = "start\n";
        const unsigned length = random() % 30;
        for (unsigned i = 0; i < length; ++i) prefix += testing::ScriptLineOf(draw(random)) + "\n";
        const testing::SessionStep a = draw(random);
        const testing::SessionStep b = draw(random);
        SCOPED_TRACE(prefix + testing::ScriptLineOf(a) + "\nundo\n" + testing::ScriptLineOf(b));

        Session undone;
        undone.Play(prefix);
        const std::size_t steps = undone.Script().History().UndoCount();
        undone.Play(testing::ScriptLineOf(a));
        // An action that changed nothing is no step: the undo would take back one of S.
        if (undone.Script().History().UndoCount() == steps) continue;
        undone.Play("undo\n" + testing::ScriptLineOf(b));

        Session direct;
        direct.Play(prefix);
        if (const auto focus = FocusAfter(a)) direct.Script().Focus().MoveToClicked(*focus);
        direct.Play(testing::ScriptLineOf(b));

        ASSERT_EQ(WithoutCodeField(undone.State()), WithoutCodeField(direct.State()));
        ASSERT_EQ(undone.Script().Config().ConfigurationCode(),
                  direct.Script().Config().ConfigurationCode());
        ++compared;
    }
    EXPECT_GT(compared, 500);
}

}  // namespace
}  // namespace kalvora::cli
