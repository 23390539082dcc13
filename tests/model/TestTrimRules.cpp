#include <gtest/gtest.h>

#include "engine/code/ConfigCode.h"
#include "engine/model/Configuration.h"
#include "engine/model/PriceTexts.h"
#include "support/RecordingUi.h"
#include "support/User.h"

namespace kalvora {
namespace {

using testing::RecordingUi;
using testing::User;

// The code of what the controls show, built independently of the price computation's walk.
std::string CodeOfControls(const Configuration& c) {
    CodeBuilder code(c.Trim(), c.Body(), c.Rails(), c.Engine());
    for (int i = 0; i < kOptionCount; ++i) {
        code.AddOption(i, c.Checked(OptAt(i)));
        if (OptAt(i) == Opt::EmergencyKit) code.SetColour(c.Colour());
    }
    return code.Finish();
}

// The controls as the program shows them after the trim rules ran on the initial state.
class TrimRulesTest : public ::testing::Test {
  protected:
    TrimRulesTest() { config.ApplyTrimRules(); }

    void Choose(int trim, int body) {
        user.PickTrim(trim);
        user.ClickBody(body);
    }

    RecordingUi ui;
    Configuration config{ui};
    User user{config};
};

struct AmbienteCase {
    int body;
    const char* base;
};

class AmbienteBody : public TrimRulesTest, public ::testing::WithParamInterface<AmbienteCase> {};

TEST_P(AmbienteBody, AlwaysEndsWithTheSmallEngineAndItsBasePrice) {
    // From an engine Ambiente does not offer.
    user.PickTrim(Comfort);
    user.ClickEngine(Diesel18Manual115);
    user.PickTrim(Ambiente);
    user.ClickBody(GetParam().body);
    EXPECT_EQ(config.Engine(), Petrol14Manual80);
    EXPECT_EQ(BasePriceText(config.Figures()), GetParam().base);
    for (int e = 1; e < kEngineCount; ++e) EXPECT_FALSE(config.EngineEnabled(e)) << e;
}

INSTANTIATE_TEST_SUITE_P(Bodies, AmbienteBody,
                         ::testing::Values(AmbienteCase{Hatchback3Door, "12420"},
                                           AmbienteCase{Sedan, "13340"},
                                           AmbienteCase{Hatchback5Door, "12880"},
                                           AmbienteCase{Wagon, "13970"}));

TEST_F(TrimRulesTest, GhiaMovesTheThreeDoorBodyToFiveDoorsAndKeepsItThere) {
    Choose(Trend, Hatchback3Door);
    user.PickTrim(Ghia);
    EXPECT_EQ(config.Body(), Hatchback5Door);
    EXPECT_FALSE(config.BodyEnabled(Hatchback3Door));
    EXPECT_EQ(BasePriceText(config.Figures()), "16550");
    user.PickTrim(Comfort);
    EXPECT_TRUE(config.BodyEnabled(Hatchback3Door));
    EXPECT_EQ(config.Body(), Hatchback5Door);
}

TEST_F(TrimRulesTest, ThePreferredEngineSurvivesATrimThatDoesNotOfferIt) {
    user.PickTrim(Trend);
    user.ClickEngine(Petrol20Manual145);
    user.PickTrim(Comfort);
    EXPECT_EQ(config.Engine(), Petrol16Manual115);
    EXPECT_EQ(config.PreferredEngine(), Petrol20Manual145);
    user.PickTrim(Trend);
    EXPECT_EQ(config.Engine(), Petrol20Manual145);
}

struct PreferredCase {
    int trim;
    int preferred;
    int selected;
};

class PreferredEngine : public TrimRulesTest,
                        public ::testing::WithParamInterface<PreferredCase> {};

TEST_P(PreferredEngine, PicksTheEngineTheTrimOffers) {
    const PreferredCase& c = GetParam();
    user.PickTrim(Comfort);  // offers every engine but the 2.0 manual
    if (c.preferred == Petrol20Manual145) {
        user.PickTrim(Trend);
    }
    user.ClickEngine(c.preferred);
    ASSERT_EQ(config.PreferredEngine(), c.preferred);
    user.PickTrim(c.trim == Comfort ? Trend : Comfort);
    user.PickTrim(c.trim);
    EXPECT_EQ(config.Engine(), c.selected);
    EXPECT_TRUE(config.EngineEnabled(c.selected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, PreferredEngine,
    ::testing::Values(PreferredCase{Trend, Petrol14Manual80, Petrol16Manual115},
                      PreferredCase{Trend, Petrol16Manual100, Petrol16Manual115},
                      PreferredCase{Ghia, Diesel18Manual115, Petrol16Manual115},
                      PreferredCase{Ghia, Petrol16Automatic100, Petrol16Automatic100},
                      PreferredCase{Ghia, Petrol18Manual125, Petrol18Manual125},
                      PreferredCase{Comfort, Petrol20Manual145, Petrol16Manual115},
                      PreferredCase{Comfort, Diesel18Manual115, Diesel18Manual115},
                      PreferredCase{Ambiente, Petrol20Automatic145, Petrol14Manual80}));

TEST_F(TrimRulesTest, GhiaWagonNeedsRoofRailsAndGivesTheBlackOnesFree) {
    Choose(Ghia, Wagon);
    EXPECT_FALSE(config.RailsEnabled(NoRoofRails));
    EXPECT_EQ(config.Rails(), BlackRoofRails);
    EXPECT_EQ(SurchargeText(config.Figures()), "0");
    user.ClickRails(AluminiumRoofRails);
    EXPECT_EQ(SurchargeText(config.Figures()), "115");
}

TEST_F(TrimRulesTest, AluminiumRailsBecomeBlackBelowTrend) {
    for (int trim : {Ambiente, Comfort}) {
        Choose(Trend, Wagon);
        user.ClickRails(AluminiumRoofRails);
        ASSERT_EQ(config.Rails(), AluminiumRoofRails);
        user.PickTrim(trim);
        EXPECT_EQ(config.Rails(), BlackRoofRails) << trim;
        EXPECT_EQ(SurchargeText(config.Figures()), "90") << trim;
        EXPECT_FALSE(config.RailsEnabled(AluminiumRoofRails)) << trim;
    }
}

TEST_F(TrimRulesTest, AnyOtherBodyForcesNoRoofRails) {
    Choose(Trend, Wagon);
    user.ClickRails(AluminiumRoofRails);
    user.ClickBody(Hatchback5Door);
    EXPECT_EQ(config.Rails(), NoRoofRails);
    EXPECT_EQ(SurchargeText(config.Figures()), "0");
    EXPECT_FALSE(config.RailsEnabled(BlackRoofRails));
    EXPECT_FALSE(config.RailsEnabled(AluminiumRoofRails));
}

TEST_F(TrimRulesTest, AutomaticGearboxComesWithRadioPackTwoOnly) {
    user.PickTrim(Trend);
    const Dollars r2Price = config.Price(Opt::RadioPack2);
    user.ClickEngine(Petrol16Automatic100);
    EXPECT_TRUE(config.Checked(Opt::RadioPack2));
    EXPECT_FALSE(config.Enabled(Opt::RadioPack2));
    EXPECT_EQ(config.Price(Opt::RadioPack2), r2Price);
    for (Opt pack : {Opt::RadioPack4, Opt::RadioPack6, Opt::RadioPack7}) {
        EXPECT_FALSE(config.Checked(pack)) << Def(pack).name;
        EXPECT_FALSE(config.Enabled(pack)) << Def(pack).name;
    }
}

struct LeatherCase {
    int trim;
    int body;
    Dollars price;
};

class LeatherPrice : public TrimRulesTest, public ::testing::WithParamInterface<LeatherCase> {};

TEST_P(LeatherPrice, DependsOnTrimAndBody) {
    Choose(GetParam().trim, GetParam().body);
    EXPECT_EQ(config.Price(Opt::LeatherTrim), GetParam().price);
}

INSTANTIATE_TEST_SUITE_P(Table, LeatherPrice,
                         ::testing::Values(LeatherCase{Comfort, Hatchback3Door, 590},
                                           LeatherCase{Comfort, Wagon, 590},
                                           LeatherCase{Trend, Hatchback3Door, 950},
                                           LeatherCase{Ambiente, Hatchback3Door, 950},
                                           LeatherCase{Trend, Sedan, 1070},
                                           LeatherCase{Ghia, Hatchback5Door, 1070}));

// Ambiente does not offer the heated windscreen: one the user chose stays, and the user may
// give it up; once given up, it is no longer offered.
TEST_F(TrimRulesTest, AmbienteKeepsAChosenWindscreenUntilTheUserUnticksIt) {
    user.PickTrim(Comfort);
    user.Click(Opt::HeatedWindscreen);
    user.LeaveOption();
    user.PickTrim(Ambiente);
    EXPECT_TRUE(config.Checked(Opt::HeatedWindscreen));
    EXPECT_TRUE(config.Enabled(Opt::HeatedWindscreen));
    user.Click(Opt::HeatedWindscreen);
    EXPECT_FALSE(config.Checked(Opt::HeatedWindscreen));
    user.PickColour(1);
    EXPECT_FALSE(config.Checked(Opt::HeatedWindscreen));
    EXPECT_FALSE(config.Enabled(Opt::HeatedWindscreen));
}

TEST_F(TrimRulesTest, ChangingOnlyTheColourStartsNoNestedRun) {
    user.PickTrim(Trend);
    user.PickColour(7);
    // One run of the trim rules: the options they touch may price several times, but the
    // selection stays and the final price is the same configuration's.
    EXPECT_EQ(config.Body(), Sedan);
    EXPECT_EQ(config.Engine(), Petrol16Manual115);
    EXPECT_EQ(config.Pictures().shade, Shade::Light);
    EXPECT_EQ(config.Pictures().shadeBody, Sedan);
    EXPECT_EQ(config.Pictures().swatch, 7);
}

TEST_F(TrimRulesTest, ColourChangeRederivesOptionsFromTheirRememberedWish) {
    user.PickTrim(Trend);
    user.Click(Opt::RearParkingSensor);  // ticked, but the focus has not left it yet
    user.PickColour(3);                  // the focus leaves first: the wish is stored
    EXPECT_TRUE(config.Checked(Opt::RearParkingSensor));
    EXPECT_EQ(config.Wish(Opt::RearParkingSensor), 1);
}

TEST_F(TrimRulesTest, BodyPicturesFollowTheBody) {
    user.PickColour(6);  // Deep Rosso Red: shade red
    for (int body : {Hatchback3Door, Sedan, Hatchback5Door, Wagon}) {
        user.PickTrim(Trend);
        user.ClickBody(body);
        EXPECT_EQ(config.Pictures().body, body);
        EXPECT_EQ(config.Pictures().shadeBody, body);
        EXPECT_EQ(config.Pictures().shade, Shade::Red);
    }
}

// Every trim, body, roof rails, engine and colour, chosen as a user would: afterwards the
// window must show a priced, consistent configuration.
TEST_F(TrimRulesTest, EveryCombinationEndsConsistent) {
    int combinations = 0;
    for (int trim = 0; trim < kTrimCount; ++trim) {
        for (int body = 0; body < kBodyCount; ++body) {
            for (int rails = 0; rails < kRailsCount; ++rails) {
                for (int engine = 0; engine < kEngineCount; ++engine) {
                    for (int colour = 0; colour < kColourCount; colour += 5) {
                        user.PickTrim(trim);
                        user.ClickBody(body);
                        user.ClickRails(rails);
                        user.ClickEngine(engine);
                        user.PickColour(colour);
                        ++combinations;
                        SCOPED_TRACE(::testing::Message()
                                     << "trim " << trim << " body " << body << " rails " << rails
                                     << " engine " << engine << " colour " << colour);
                        ASSERT_NE(BasePriceText(config.Figures()), kInvalidCombination);
                        ASSERT_NE(SurchargeText(config.Figures()), kInvalidCombination);
                        ASSERT_EQ(PriceLabelText(config.Figures()).rfind("Цена: $", 0), 0u);
                        ASSERT_EQ(config.Trim(), trim);
                        ASSERT_GE(config.Body(), 0);
                        ASSERT_TRUE(config.BodyEnabled(config.Body()));
                        ASSERT_GE(config.Engine(), 0);
                        ASSERT_TRUE(config.EngineEnabled(config.Engine()));
                        ASSERT_GE(config.Rails(), 0);
                        if (config.Body() == Wagon) {
                            ASSERT_TRUE(config.RailsEnabled(config.Rails()));
                        } else {
                            ASSERT_EQ(config.Rails(), NoRoofRails);
                        }
                        ASSERT_EQ(config.Colour(), colour);
                        ASSERT_EQ(config.CodeFieldText(), CodeOfControls(config));
                    }
                }
            }
        }
    }
    EXPECT_EQ(combinations, 4 * 4 * 3 * 8 * 3);
}

}  // namespace
}  // namespace kalvora
