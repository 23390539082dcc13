// Thousands of random user sessions; after every action the window must show a consistent
// configuration.
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "engine/model/Configuration.h"
#include "engine/model/PriceTexts.h"
#include "support/RandomSession.h"

namespace kalvora {
namespace {

using testing::RecordingUi;
using testing::User;

// Which packages may leave a highlight of each kind.
bool HighlightHasItsPackage(const Configuration& c, Opt o) {
    const OptionState& s = c.Option(o);
    switch (s.shadow) {
        case kShadowNone:
            break;
        case kShadowAqua:
            if (!c.Checked(Opt::ComfortPackage)) return false;
            break;
        case kShadowGreen:
            if (!c.Checked(Opt::ComfortPlusPackage)) return false;
            break;
        case kShadowYellow:
            if (!c.Checked(Opt::VisibilityPackage) && !c.Checked(Opt::VisibilityPackage1))
                return false;
            break;
        default:
            return false;
    }
    switch (s.font) {
        case kFontBlack:
            return true;
        case kFontBlue:
            return c.Checked(Opt::WinterPackage);
        case kFontDarkGreen:
            return c.Checked(Opt::TravellerPackage);
        default:
            return false;
    }
}

void ExpectConsistent(const Configuration& c) {
    const auto base = c.BaseAmount();
    const auto surcharge = c.SurchargeAmount();
    if (!base || !surcharge) {
        ASSERT_EQ(PriceLabelText(c.Figures()), "XXXXX");
    } else {
        std::int64_t total = *base + *surcharge;
        for (int i = 0; i < kOptionCount; ++i) {
            if (c.Checked(OptAt(i))) total += c.Price(OptAt(i));
        }
        ASSERT_EQ(PriceLabelText(c.Figures()), "Цена: $" + std::to_string(total));
    }
    ASSERT_GE(c.Trim(), 0);
    ASSERT_LT(c.Trim(), kTrimCount);
    ASSERT_GE(c.Body(), 0);
    ASSERT_TRUE(c.BodyEnabled(c.Body()));
    ASSERT_GE(c.Engine(), 0);
    ASSERT_TRUE(c.EngineEnabled(c.Engine()));
    ASSERT_GE(c.Colour(), 0);
    ASSERT_LT(c.Colour(), kColourCount);
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionState& s = c.Option(OptAt(i));
        if (!s.checked && OptAt(i) != Opt::MetallicPaint) {
            ASSERT_EQ(s.captionEnabled, s.enabled) << Def(OptAt(i)).name << " looks choosable";
        }
        ASSERT_TRUE(HighlightHasItsPackage(c, OptAt(i)))
            << Def(OptAt(i)).name << " shadow " << std::hex << c.Option(OptAt(i)).shadow << " font "
            << c.Option(OptAt(i)).font << " Komf " << c.Checked(Opt::ComfortPackage) << " KomfP "
            << c.Checked(Opt::ComfortPlusPackage) << " trim " << c.Trim() << " engine "
            << c.Engine();
    }
}

// The code on screen, typed into a fresh session, settles to the same code.
void ExpectCodeRoundTrip(const Configuration& c) {
    RecordingUi ui;
    Configuration fresh(ui);
    fresh.SetCodeFieldText(c.CodeFieldText());
    fresh.DecodeCodeField();
    ASSERT_TRUE(ui.messages.empty()) << ui.messages.front();
    ASSERT_EQ(fresh.CodeFieldText(), c.CodeFieldText());
    ASSERT_EQ(PriceLabelText(fresh.Figures()), PriceLabelText(c.Figures()));
}

// An action of the session as a line of a kalvora-cli script.
std::string ScriptLine(const std::string& what) {
    const auto number = [&] { return std::stoi(what.substr(what.find(' ') + 1)); };
    if (what.rfind("body ", 0) == 0) return "click " + std::string(kBodies[number()].name);
    if (what.rfind("engine ", 0) == 0) return "click " + std::string(kEngines[number()].name);
    if (what == "reset") return "reset yes";
    return what;
}

std::vector<bool> Ticks(const Configuration& c) {
    std::vector<bool> ticks;
    for (int i = 0; i < kOptionCount; ++i) ticks.push_back(c.Checked(OptAt(i)));
    return ticks;
}

// Running the trim rules again over an unchanged choice changes no tick: re-choosing the trim,
// or a colour of the same shade group and metallic state (the same colour included). `pick`
// chooses among those colours and between colour and trim.
void ExpectSettled(Configuration& c, User& user, unsigned pick, std::string& script) {
    user.LeaveOption();
    const std::vector<bool> before = Ticks(c);
    const int colour = c.Colour();
    std::string what = "trim rules again";
    if (pick % 2 == 0 && colour >= 1) {
        std::vector<int> alike;
        for (int k = 1; k < kColourCount; ++k) {
            if (kColours[k].shade == kColours[colour].shade &&
                kColours[k].metallic == kColours[colour].metallic) {
                alike.push_back(k);
            }
        }
        const int k = alike[pick / 2 % alike.size()];
        what = "colour " + std::to_string(colour) + " to " + std::to_string(k);
        script += "colour " + std::to_string(k) + "\n";
        user.PickColour(k);
    } else {
        script += "# the trim rules again\n";
        c.OnTrimChosen();
    }
    const std::vector<bool> after = Ticks(c);
    for (int i = 0; i < kOptionCount; ++i) {
        ASSERT_EQ(before[i], after[i]) << what << " changed " << Def(OptAt(i)).name;
    }
}

TEST(RandomSessions, EveryActionLeavesAConsistentWindow) {
    std::mt19937 random(2007);
    std::mt19937 settling(11);  // apart, so that the sessions stay those of the seed
    for (int session = 0; session < 300; ++session) {
        RecordingUi ui;
        Configuration config(ui);
        User user(config);
        std::string rejectedText;
        bool typedForeignCode = false;
        std::string script = "start\n";  // the session so far, to replay with kalvora-cli
        testing::PlayRandomSession(
            random, ui, config, user, 60,
            [&](int step, const std::string& what, testing::SessionAction action) {
                script += ScriptLine(what) + "\n";
                SCOPED_TRACE("session " + std::to_string(session) + " step " +
                             std::to_string(step) + ": " + what + "\n" + script);
                ExpectConsistent(config);
                if (HasFatalFailure()) return false;
                // A rejected code stays in the field as typed until the next price computation;
                // otherwise the field holds the configuration's code.
                if (!ui.messages.empty() && ui.messages.back() == "Недопустимая комбинация кода") {
                    rejectedText = config.CodeFieldText();
                }
                ui.messages.clear();
                // A typed code that passes its check can hold what no configuration of the
                // program has (radio pack 1 beside pack 2, say), which settles differently from
                // different starting points; after one, the session no longer checks the round
                // trip.
                if (action == testing::SessionAction::Code &&
                    rejectedText != config.CodeFieldText()) {
                    typedForeignCode = true;
                }
                if (!typedForeignCode && config.CodeFieldText() != rejectedText) {
                    ExpectCodeRoundTrip(config);
                }
                if (HasFatalFailure()) return false;
                ExpectSettled(config, user, settling(), script);
                return !HasFatalFailure();
            });
        if (HasFatalFailure()) return;
    }
}

// A radio pack's wish is the user's to drop: only ticking another pack does it. A rule that ticks
// one (the automatic gearbox's pack 2, a remembered pack coming back with a trim) leaves every
// wish, so the user's pack returns when the rule's reason goes.
TEST(RandomSessions, NoRuleForgetsARadioPackTheUserWants) {
    constexpr Opt kPacks[] = {Opt::RadioPack1, Opt::RadioPack2, Opt::RadioPack4,
                              Opt::RadioPack6, Opt::RadioPack7, Opt::RadioPack12};
    std::mt19937 random(1412);
    int kept = 0;
    for (int session = 0; session < 300; ++session) {
        RecordingUi ui;
        Configuration config(ui);
        User user(config);
        std::vector<int> wishes;
        const auto takeWishes = [&] {
            // The focus leaves the box first: its exit rule is the user's, not a rule's.
            user.LeaveOption();
            wishes.clear();
            for (Opt pack : kPacks) wishes.push_back(config.Wish(pack));
        };
        takeWishes();
        testing::PlayRandomSession(
            random, ui, config, user, 60,
            [&](int step, const std::string& what, testing::SessionAction action) {
                const bool byRules = action == testing::SessionAction::Trim ||
                                     action == testing::SessionAction::Body ||
                                     action == testing::SessionAction::Engine ||
                                     action == testing::SessionAction::Colour;
                for (std::size_t k = 0; byRules && k < std::size(kPacks); ++k) {
                    if (wishes[k] == 1) ++kept;
                    EXPECT_TRUE(wishes[k] == 0 || config.Wish(kPacks[k]) == 1)
                        << "session " << session << " step " << step << ": " << what << " forgot "
                        << Def(kPacks[k]).name;
                }
                takeWishes();
                return !HasFailure();
            });
        if (HasFailure()) return;
    }
    // The sessions did want radio packs when the rules ran.
    EXPECT_GT(kept, 200);
}

}  // namespace
}  // namespace kalvora
