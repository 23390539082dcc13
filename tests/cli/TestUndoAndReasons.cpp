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
         "С пакетом «Улучшенной обзорности»: сняты пакет «Зимний» (−400 $), опция «Внешние "
         "зеркала с подогревом», опция «Лобовое стекло с подогревом» и опция «Передние сиденья "
         "с подогревом»; опция «Передние противотуманные фары» стала стандартной",
         {{"ZimBox", "Снято: несовместимо с пакетом «Улучшенной обзорности»"},
          {"ptf", "Входит в пакет «Улучшенной обзорности»: стандартно, цена 0"},
          {"ObzorBox", "Цена 210 $ в комплектации Comfort"},
          {"LobBox", "-"}}},
        {"a trim change moves the body and the engine",
         "trim 3",
         "Комплектация Ghia: кузов Хэтч 3 дв заменён на Хэтч 5 дв; двигатель 1,4 М (80 лс) "
         "заменён на 1,6 М (115 лс); стали стандартными опция «Передние противотуманные фары», "
         "опция «Внешние зеркала с подогревом», опция «Кондиционер», ",
         {{"acBox", "Стандартно в комплектации Ghia, цена 0"},
          {"d15box", "Недоступно в комплектации Ghia"},
          {"KomfBox", "Цена 515 $ в комплектации Ghia"}}},
        {"the comfort package",
         "trim 2\nclick R6Box\nclick KomfBox",
         "С пакетом «Комфорт»: сняты «Радио Пакет №6» (−700 $) и опция «Система управления "
         "радио с рулевой колонки»; стали стандартными «Радио Пакет №2», «Пакет Безопасности "
         "№ 1» и «Пакет Безопасности № 5»; 2 опции стали недоступными",
         {{"R2Box", "Входит в пакет «Комфорт»: стандартно, цена 0"},
          {"R6Box", "Несовместимо с пакетом «Комфорт»"},
          {"RadioBox", "-"}}},
        {"the automatic gearbox",
         "trim 1\nclick Dvig16AT100",
         "Двигатель 1,6 А (100 лс): добавлен «Радио Пакет №2» (+420 $); 3 опции стали "
         "недоступными",
         {{"R2Box", "Обязательно с двигателем 1,6 А (100 лс), цена 420"},
          {"R4Box", "Недоступно с двигателем 1,6 А (100 лс)"}}},
        {"a body",
         "trim 1\nclick Kuzov4dr",
         "Кузов Седан: ",
         {{"TonBox", "Недоступно с кузовом Седан"}, {"ShtorkiBox", "-"}}},
        {"xenon makes the washer standard",
         "trim 2\nclick KsenonBox",
         "С опцией «Ксеноновые фары»: опция «Омыватель фар» стала стандартной",
         {{"OmivBox", "Стандартно с опцией «Ксеноновые фары», цена 0"}}},
        {"leather makes the airbags compulsory at their price",
         "trim 2\nclick KozaBox",
         "С опцией «Кожаная обивка сидений»: добавлены опция «Подушка безопасности переднего "
         "пассажира» (+290 $) и опция «Боковые подушки безопасности» (+290 $); стали "
         "стандартными опция «Передние сиденья с подогревом» и опция «Сиденье водителя с "
         "электро регулировкой по высоте»",
         {{"PBppBox", "Обязательно с опцией «Кожаная обивка сидений», цена 290"},
          {"PodSidBox", "Стандартно с опцией «Кожаная обивка сидений», цена 0"}}},
        {"a trim change names the wheels it swaps and the trim it is in",
         "click d15box\ntrim 2",
         "Комплектация Trend: двигатель 1,4 М (80 лс) заменён на 1,6 М (115 лс); снята опция "
         "«15\" легкосплавные диски» (−460 $); добавлена опция «16\" легкосплавные диски» "
         "(+520 $); стали стандартными опция «Передние противотуманные фары» и опция "
         "«Кондиционер»; 21 опция снова доступна",
         {{"KruizBox", "Недоступно в комплектации Trend"},
          {"YaschBox", "Цена 35 $ в комплектации Trend"}}},
        {"the dealer extras say what they are",
         "",
         "",
         {{"GAIBox",
           "Дополнительная (не заводская) опция дилера: в окне не показывается, её "
           "задаёт только код конфигурации"}}},
        {"a plain option changes nothing else", "trim 1\nclick ZimShinaBox", "", {}},
        // The metallic mark follows a chosen colour, however the configuration came about.
        {"a metallic colour ticks the metallic mark",
         "colour 6",
         "Цвет Deep Rosso Red Metallic: добавлена опция «Окраска кузова в „металлик“» (+275 $)",
         {{"MetallBox", "Отмечено с цветом Deep Rosso Red Metallic"}}},
        {"a decoded metallic colour holds the metallic mark",
         "code Zt!F!!!t!.!!!!!!!!!!",
         "Введённый код: ",
         {{"MetallBox", "Отмечено с цветом Tonic Metallic"}}},
        {"a colour chosen after the tick holds it",
         "click MetallBox\ncolour 6",
         "",
         {{"MetallBox", "Отмечено с цветом Deep Rosso Red Metallic"}}},
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
            .rfind("Отменено: с пакетом «Улучшенной обзорности» — снята опция «Передние "
                   "противотуманные фары»; добавлен пакет «Зимний» (+400 $); стали стандартными",
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
    // The dealer extras have no check box; only a code ticks them.
    EXPECT_EQ(byOption["GAIBox"],
              "GAIBox\tПостановка на учёт в ГАИ, получение талона ТО\thidden\t300\t"
              "Дополнительная (не заводская) опция дилера: в окне не показывается, её задаёт "
              "только код конфигурации");
    s.Script().Config().SetChecked(Opt::EmergencyKit, true);
    std::ostringstream out1, err1;
    ASSERT_EQ(RunCli({"explain", s.Line("print code")}, in, out1, err1), 0) << err1.str();
    EXPECT_NE(out1.str().find("\nNaborBox\t"), std::string::npos);
    EXPECT_NE(out1.str().find("\thidden ticked\t33\tДополнительная"), std::string::npos);
    std::ostringstream out2, err2;
    EXPECT_EQ(RunCli({"explain", "ABC"}, in, out2, err2), 1);
    EXPECT_EQ(out2.str(), "");
}

// --- Properties over random sessions --------------------------------------------------------

UserAction ActionOf(testing::SessionAction kind, int arg) {
    using testing::SessionAction;
    switch (kind) {
        case SessionAction::Click:
            return {ActionKind::Click, arg};
        case SessionAction::Trim:
            return {ActionKind::Trim, arg};
        case SessionAction::Body:
            return {ActionKind::Body, arg};
        case SessionAction::Engine:
            return {ActionKind::Engine, arg};
        case SessionAction::Colour:
            return {ActionKind::Colour, arg};
        case SessionAction::Code:
            return {ActionKind::Code, 0};
        case SessionAction::Reset:
            return {ActionKind::Reset, 0};
        case SessionAction::Equip:
            return {ActionKind::Equip, 0};
    }
    return {};
}

// Random sessions recorded as the window records them, each action one step. After every
// action `check` gets the configuration before and after it and the history.
template <typename Check>
void PlayRecordedSessions(unsigned seeds, Check check) {
    for (unsigned seed = 1; seed <= seeds; ++seed) {
        std::mt19937 random(seed);
        testing::RecordingUi ui;
        Configuration config(ui);
        testing::User user(config);
        ActionHistory history(config);
        ConfigurationSnapshot before;
        UserAction action;
        testing::PlayRandomSession(
            random, ui, config, user, 80,
            [&](int step, const std::string&, testing::SessionAction kind, int arg) {
                if (step == 0) history.Restart({ActionKind::Start, 0});
                action = ActionOf(kind, arg);
                history.Begin(action);
                before.TakeFrom(config);
            },
            [&](int step, const std::string& what, testing::SessionAction) {
                history.End();
                SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) +
                             ": " + what);
                check(action, before, ConfigurationSnapshot(config), history);
                return !::testing::Test::HasFailure();
            });
        if (::testing::Test::HasFailure()) return;
    }
}

// A reason names the trim the car is in, never one it was in when the reason arose; the same
// for the body and the engine.
TEST(ReasonProperties, AReasonThatNamesATrimNamesTheCurrentOne) {
    PlayRecordedSessions(150, [](const UserAction&, const ConfigurationSnapshot&,
                                 const ConfigurationSnapshot& after, const ActionHistory& history) {
        std::vector<std::string> elsewhere;
        for (int t = 0; t < kTrimCount; ++t) {
            if (t != after.Trim()) elsewhere.push_back(std::string(kTrimItems[t]));
        }
        for (int b = 0; b < kBodyCount; ++b) {
            if (b != after.Body())
                elsewhere.push_back("кузовом " + std::string(kBodies[b].caption));
        }
        for (int e = 0; e < kEngineCount; ++e) {
            if (e != after.Engine())
                elsewhere.push_back("двигателем " + std::string(kEngines[e].caption));
        }
        for (int i = 0; i < kOptionCount; ++i) {
            const std::string reason = history.Reason(OptAt(i));
            for (const std::string& words : elsewhere) {
                ASSERT_EQ(reason.find(words), std::string::npos)
                    << Def(OptAt(i)).name << ": " << reason << " (trim " << after.Trim()
                    << ", body " << after.Body() << ", engine " << after.Engine() << ")";
            }
        }
    });
}

// "Standard" is said only of what is ticked, locked and free; what a rule locks in at a price
// is compulsory.
TEST(ReasonProperties, StandardMeansFree) {
    PlayRecordedSessions(150, [](const UserAction&, const ConfigurationSnapshot& before,
                                 const ConfigurationSnapshot& after, const ActionHistory& history) {
        bool becameFreeStandard = false;
        for (int i = 0; i < kOptionCount; ++i) {
            const OptionState& s = after.Option(OptAt(i));
            const std::string reason = history.Reason(OptAt(i));
            const bool standard = s.checked && !s.enabled;
            if (standard && s.price != 0) {
                ASSERT_EQ(reason.find("тандартн"), std::string::npos)
                    << Def(OptAt(i)).name << ": " << reason;
                ASSERT_EQ(reason.rfind("Обязательно", 0), 0u)
                    << Def(OptAt(i)).name << ": " << reason;
            }
            if (standard && s.price == 0 && !Def(OptAt(i)).hidden) {
                ASSERT_EQ(reason.find("бязательно"), std::string::npos)
                    << Def(OptAt(i)).name << ": " << reason;
            }
            const OptionState& was = before.Option(OptAt(i));
            becameFreeStandard |= standard && s.price == 0 && (was.enabled || !was.checked);
        }
        if (!becameFreeStandard) {
            const std::string notice = history.Notice();
            ASSERT_EQ(notice.find("стандартн"), std::string::npos) << notice;
        }
    });
}

// The notice names every option besides the clicked one that a rule ticked or unticked and
// that costs money ticked or unticked.
TEST(ReasonProperties, TheNoticeNamesEveryOptionTheBuyerPaysForOrLoses) {
    PlayRecordedSessions(150, [](const UserAction& action, const ConfigurationSnapshot& before,
                                 const ConfigurationSnapshot& after, const ActionHistory& history) {
        const std::string notice = history.Notice();
        for (int i = 0; i < kOptionCount; ++i) {
            if (action.kind == ActionKind::Click && action.arg == i) continue;
            const OptionState& was = before.Option(OptAt(i));
            const OptionState& is = after.Option(OptAt(i));
            if (was.checked == is.checked || (was.price == 0 && is.price == 0)) continue;
            ASSERT_NE(notice.find(OptionTitle(OptAt(i))), std::string::npos)
                << Def(OptAt(i)).name << " " << was.checked << "->" << is.checked << " "
                << was.price << "->" << is.price << ": " << notice;
        }
    });
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
    // A rejected code stays in the field as typed but changes nothing: no step.
    s.Play("code ABC");
    EXPECT_EQ(s.Script().History().UndoCount(), 7u);
    EXPECT_EQ(s.Line("print code"), "ABC");
    const int writes = s.Files().writes;
    for (int k = 4; k >= 0; --k) {
        s.Play("undo");
        EXPECT_EQ(s.State(), states[k]) << k;
    }
    EXPECT_EQ(s.Line("print notice").rfind("Отменено: «Оснастить» — ", 0), 0u);
    // A rejected code between undos keeps what can be redone.
    s.Play("code ABC");
    for (int k = 1; k <= 5; ++k) {
        s.Play("redo");
        EXPECT_EQ(s.State(), states[k]) << k;
    }
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
        const ActionHistory& history = s.Script().History();
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
            return FocusTarget::CodeField();
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
