// The session's verbs as a front end sees them: each verb tells its observer once, after every
// rule has run, whether it was a step, and what it changed; the order text already follows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/model/Catalogue.h"
#include "engine/session/Session.h"
#include "pricing/FakeFileAccess.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

using testing::FakeFileAccess;
using testing::RecordingUi;

// What the observer saw: every notice, with the configuration as it stood at that moment.
struct Watcher : SessionObserver {
    explicit Watcher(Session& s) : session(s) { s.SetObserver(this); }
    void SessionChanged(const SessionChange& change) override {
        changes.push_back(change);
        codes.push_back(session.Config().CodeFieldText());
        orders.push_back(session.Order().Text());
    }
    Session& session;
    std::vector<SessionChange> changes;
    std::vector<std::string> codes;
    std::vector<std::string> orders;
};

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() { session.RunStartCode({}, files); }
    RecordingUi ui;
    FakeFileAccess files;
    Session session{ui};
};

struct VerbCase {
    const char* name;
    std::function<void(Session&, FakeFileAccess&)> verb;
    bool step;  // an undoable step with its report
};

TEST_F(SessionTest, EveryVerbTellsOnceAfterItsRulesHaveRun) {
    const std::string code = session.Config().CodeFieldText();
    const VerbCase cases[] = {
        {"trim", [](Session& s, FakeFileAccess&) { s.ChooseTrim(2); }, true},
        {"body", [](Session& s, FakeFileAccess&) { s.ChooseBody(2); }, true},
        {"rails", [](Session& s, FakeFileAccess&) { s.ChooseRails(1); }, true},
        {"engine", [](Session& s, FakeFileAccess&) { s.ClickEngine(3); }, true},
        {"colour", [](Session& s, FakeFileAccess&) { s.ChooseColour(4); }, true},
        {"option", [](Session& s, FakeFileAccess&) { s.ClickOption(Opt::ComfortPackage, true); },
         true},
        {"code", [code](Session& s, FakeFileAccess&) { s.DecodeCode(code); }, true},
        {"variant", [code](Session& s, FakeFileAccess&) { s.OpenVariant(code); }, true},
        {"reset", [](Session& s, FakeFileAccess&) { s.ResetAll(); }, true},
        {"equip", [](Session& s, FakeFileAccess&) { s.EquipAll(); }, true},
        {"open", [](Session& s, FakeFileAccess& f) { s.OpenFile("a.klv", f); }, true},
        {"undo", [](Session& s, FakeFileAccess&) { s.Undo(); }, true},
        {"redo", [](Session& s, FakeFileAccess&) { s.Redo(); }, true},
        {"save", [](Session& s, FakeFileAccess& f) { s.SaveToFile("b.klv", f, false); }, false},
        {"wish", [](Session& s, FakeFileAccess&) { s.RememberWish(Opt::XenonHeadlamps); }, false},
        {"typed", [](Session& s, FakeFileAccess&) { s.TypeCode("123"); }, false},
        {"trim rules", [](Session& s, FakeFileAccess&) { s.ApplyTrimRules(); }, false},
    };
    files.files["a.klv"] = code;
    for (const VerbCase& c : cases) {
        SCOPED_TRACE(c.name);
        Watcher watcher(session);
        c.verb(session, files);
        ASSERT_EQ(watcher.changes.size(), 1u);
        const SessionChange& told = watcher.changes[0];
        EXPECT_FALSE(told.direct);
        EXPECT_EQ(told.report != nullptr, c.step);
        // Told after the figures: the code the observer reads is the one the verb left.
        EXPECT_EQ(watcher.codes[0], session.Config().CodeFieldText());
        if (told.priced) {
            EXPECT_EQ(watcher.orders[0], session.Order().Text());
        }
        session.SetObserver(nullptr);
    }
}

TEST_F(SessionTest, UndoReturnsToTheStateBeforeTheVerbAndReportsIt) {
    const std::string before = session.Config().CodeFieldText();
    const std::string order = session.Order().Text();
    session.ChooseTrim(3);
    ASSERT_NE(session.Config().CodeFieldText(), before);
    ASSERT_NE(session.Order().Text(), order);
    Watcher watcher(session);
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(session.Config().CodeFieldText(), before);
    // The order describes the configuration on screen again, not the one undone.
    EXPECT_EQ(session.Order().Text(), order);
    ASSERT_EQ(watcher.changes.size(), 1u);
    ASSERT_NE(watcher.changes[0].report, nullptr);
    EXPECT_TRUE(watcher.changes[0].report->changed);
    EXPECT_FALSE(session.Undo()) << "the start code is where undo stops";
    session.SetObserver(nullptr);
}

TEST_F(SessionTest, ADecodeRunsTheExitRuleOfTheFocusedBoxAndTakesTheFocus) {
    session.Focus().MoveTo(FocusTarget::OptionBox(Opt::XenonHeadlamps));
    Watcher watcher(session);
    session.DecodeCode(session.Config().CodeFieldText());
    ASSERT_EQ(watcher.changes.size(), 1u);
    EXPECT_TRUE(watcher.changes[0].codeDecoded);
    EXPECT_EQ(session.Focus().Current(), FocusTarget::CodeField());
    session.SetObserver(nullptr);
}

}  // namespace
}  // namespace kalvora
