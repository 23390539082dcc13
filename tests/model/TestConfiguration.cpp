#include <gtest/gtest.h>

#include <functional>

#include "engine/code/ConfigCode.h"
#include "engine/model/Configuration.h"
#include "engine/model/PriceTexts.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

using testing::RecordingUi;

class ConfigurationTest : public ::testing::Test {
  protected:
    ConfigurationTest() {
        config.SetObserver(&ui);
        // A valid base price, so that every price computation produces a price.
        config.SetBaseAmount(15000);
    }
    RecordingUi ui;
    Configuration config{ui};
};

TEST_F(ConfigurationTest, StartsWithTheDesignTimeControls) {
    EXPECT_EQ(config.Trim(), Ghia);
    EXPECT_EQ(config.Body(), Sedan);
    EXPECT_EQ(config.Rails(), NoRoofRails);
    EXPECT_EQ(config.Engine(), Petrol20Automatic145);
    EXPECT_FALSE(config.EngineEnabled(Petrol18Manual125));
    EXPECT_EQ(config.Colour(), -1);
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $12345");
    EXPECT_EQ(SurchargeText(config.Figures()), "0");
    EXPECT_TRUE(config.Checked(Opt::HeatedMirrors));
    EXPECT_FALSE(config.Enabled(Opt::HeatedMirrors));
    EXPECT_EQ(config.Wish(Opt::HeatedMirrors), 1);
    EXPECT_EQ(config.Wish(Opt::PassengerAirbag), 0);
    EXPECT_EQ(config.Price(Opt::LeatherTrim), 1070);
}

TEST_F(ConfigurationTest, ChangingATickRunsItsClickRuleOnce) {
    config.SetChecked(Opt::ClimateControl, true);
    EXPECT_EQ(ui.pricesComputed, 1);
    EXPECT_NE(PriceLabelText(config.Figures()), "Цена: $12345");
}

TEST_F(ConfigurationTest, SettingTheTickItAlreadyHasRunsNothing) {
    config.SetChecked(Opt::ClimateControl, false);
    config.SetChecked(Opt::HeatedMirrors, true);
    EXPECT_EQ(ui.pricesComputed, 0);
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $12345");
}

TEST_F(ConfigurationTest, EnablingPricesAndHighlightsRunNoRule) {
    config.SetEnabled(Opt::ClimateControl, false);
    config.SetPrice(Opt::ClimateControl, 1);
    config.SetShadow(Opt::ClimateControl, kShadowAqua);
    config.SetFont(Opt::ClimateControl, kFontBlue);
    config.SetWish(Opt::ClimateControl, 1);
    EXPECT_EQ(ui.pricesComputed, 0);
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $12345");
}

TEST_F(ConfigurationTest, ObserverHearsOnlyRealChanges) {
    ui.changes = 0;
    config.SetEnabled(Opt::HeatedMirrors, false);
    EXPECT_EQ(ui.changes, 0);
    config.SetEnabled(Opt::HeatedMirrors, true);
    EXPECT_EQ(ui.changes, 1);
}

TEST_F(ConfigurationTest, AvailableBringsBackTheRememberedWish) {
    // Checked with Tag 0: unticked, and its rule runs.
    config.SetChecked(Opt::ClimateControl, true);
    ui.pricesComputed = 0;
    config.SetOptionAvailable(Opt::ClimateControl);
    EXPECT_FALSE(config.Checked(Opt::ClimateControl));
    EXPECT_TRUE(config.Enabled(Opt::ClimateControl));
    EXPECT_EQ(ui.pricesComputed, 1);
    // Already unticked and enabled: nothing runs.
    config.SetOptionAvailable(Opt::ClimateControl);
    EXPECT_EQ(ui.pricesComputed, 1);
    // Tag 1 ticks it again.
    config.SetWish(Opt::ClimateControl, 1);
    config.SetOptionAvailable(Opt::ClimateControl);
    EXPECT_TRUE(config.Checked(Opt::ClimateControl));
}

TEST_F(ConfigurationTest, StandardAndUnavailableDisable) {
    config.SetOptionStandard(Opt::ClimateControl);
    EXPECT_TRUE(config.Checked(Opt::ClimateControl));
    EXPECT_FALSE(config.Enabled(Opt::ClimateControl));
    config.SetOptionUnavailable(Opt::ClimateControl);
    EXPECT_FALSE(config.Checked(Opt::ClimateControl));
    EXPECT_FALSE(config.Enabled(Opt::ClimateControl));
}

TEST_F(ConfigurationTest, SelectingTheSelectedRadioButtonRunsNothing) {
    config.SelectBody(Sedan);
    config.SelectRails(NoRoofRails);
    config.SelectEngine(Petrol20Automatic145);
    config.SelectTrim(Ghia);
    EXPECT_EQ(ui.pricesComputed, 0);
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $12345");
}

TEST_F(ConfigurationTest, SelectingAnotherRadioButtonRunsTheTrimRules) {
    config.SelectBody(Wagon);
    EXPECT_EQ(config.Body(), Wagon);
    EXPECT_NE(PriceLabelText(config.Figures()), "Цена: $12345");
}

TEST_F(ConfigurationTest, EnteringAnEngineButtonStoresThePreferredEngine) {
    config.OnEngineFocused(Diesel18Manual115);
    EXPECT_EQ(config.PreferredEngine(), Diesel18Manual115);
    EXPECT_EQ(ui.pricesComputed, 0);
}

TEST_F(ConfigurationTest, LeavingACheckBoxRemembersTheTick) {
    config.SetChecked(Opt::ClimateControl, true);
    EXPECT_EQ(config.Wish(Opt::ClimateControl), 0);  // not yet: the focus is still there
    config.OptionExit(Opt::ClimateControl);
    EXPECT_EQ(config.Wish(Opt::ClimateControl), 1);
    config.SetChecked(Opt::ClimateControl, false);
    config.OptionExit(Opt::ClimateControl);
    EXPECT_EQ(config.Wish(Opt::ClimateControl), 0);
}

TEST_F(ConfigurationTest, MatsHaveNoExitRule) {
    config.OptionExit(Opt::RubberMats);
    EXPECT_EQ(config.Wish(Opt::RubberMats), 0);
}

TEST_F(ConfigurationTest, LeavingATickedRadioPackForgetsTheOtherPacks) {
    for (Opt pack :
         {Opt::RadioPack1, Opt::RadioPack2, Opt::RadioPack4, Opt::RadioPack7, Opt::RadioPack12}) {
        config.SetWish(pack, 1);
    }
    config.SetChecked(Opt::RadioPack6, true);
    config.OptionExit(Opt::RadioPack6);
    EXPECT_EQ(config.Wish(Opt::RadioPack6), 1);
    for (Opt pack :
         {Opt::RadioPack1, Opt::RadioPack2, Opt::RadioPack4, Opt::RadioPack7, Opt::RadioPack12}) {
        EXPECT_EQ(config.Wish(pack), 0) << Def(pack).name;
    }
}

TEST_F(ConfigurationTest, LeavingAnUntickedRadioPackForgetsOnlyItself) {
    config.SetWish(Opt::RadioPack2, 1);
    config.SetWish(Opt::RadioPack4, 1);
    config.OptionExit(Opt::RadioPack4);
    EXPECT_EQ(config.Wish(Opt::RadioPack4), 0);
    EXPECT_EQ(config.Wish(Opt::RadioPack2), 1);
}

// --- Colours ------------------------------------------------------------------------------

struct ColourCase {
    int index;
    bool metallic;
    Dollars metallicPrice;
    int swatch;
    friend std::ostream& operator<<(std::ostream& os, const ColourCase& c) {
        return os << "colour " << c.index;
    }
};

class ColourChange : public ConfigurationTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(ColourChange, SetsMetallicMarkPriceAndSwatch) {
    const ColourCase& c = GetParam();
    // Start from the opposite metallic mark, so that the colour has to change it.
    config.SetChecked(Opt::MetallicPaint, !c.metallic);
    config.SetColourIndex(c.index);
    config.OnColourChosen();
    EXPECT_EQ(config.Checked(Opt::MetallicPaint), c.metallic);
    EXPECT_EQ(config.Price(Opt::MetallicPaint), c.metallicPrice);
    EXPECT_EQ(config.Pictures().swatch, c.swatch);
}

INSTANTIATE_TEST_SUITE_P(Colours, ColourChange,
                         ::testing::Values(ColourCase{1, false, 275, 1},    // Frozen White
                                           ColourCase{2, false, 275, 2},    // Deep Navy
                                           ColourCase{3, true, 275, 3},     // Jeans Metallic
                                           ColourCase{10, true, 275, 10},   // Aquarius
                                           ColourCase{11, true, 875, 0}));  // SVO Metallic

TEST_F(ConfigurationTest, SvoMetallicShowsNoBodyAndShadePicture) {
    config.SetColourIndex(kSvoMetallic);
    config.OnColourChosen();
    EXPECT_EQ(config.Pictures().shade, Shade::None);
    EXPECT_EQ(config.Pictures().swatch, 0);
}

TEST_F(ConfigurationTest, MetallicMarkFollowsAPlainColour) {
    for (int plain : {1, 2}) {
        config.SetColourIndex(plain);
        config.OnColourChosen();
        config.SetChecked(Opt::MetallicPaint, true);
        EXPECT_FALSE(config.Checked(Opt::MetallicPaint)) << plain;
    }
}

TEST_F(ConfigurationTest, MetallicMarkFollowsAMetallicColour) {
    config.SetColourIndex(4);
    config.OnColourChosen();
    config.SetChecked(Opt::MetallicPaint, false);
    EXPECT_TRUE(config.Checked(Opt::MetallicPaint));
}

TEST_F(ConfigurationTest, WithoutAColourTheMetallicMarkIsFree) {
    for (int none : {0, -1}) {
        config.SetColourIndex(none);
        config.OnColourChosen();
        config.SetChecked(Opt::MetallicPaint, false);
        EXPECT_FALSE(config.Checked(Opt::MetallicPaint));
        config.SetChecked(Opt::MetallicPaint, true);
        EXPECT_TRUE(config.Checked(Opt::MetallicPaint));
        EXPECT_EQ(config.Price(Opt::MetallicPaint), 275);
        EXPECT_EQ(config.Pictures().swatch, 0);
    }
}

// However far an action cascades, the price, the captions and the code are computed once, when
// it ends, and the order text follows once.
TEST(FiguresOncePerAction, EveryUserActionComputesThemOnce) {
    struct Case {
        const char* action;
        std::function<void(Configuration&, RecordingUi&)> run;
    };
    const Case cases[] = {
        {"package click",
         [](Configuration& c, RecordingUi&) { c.SetChecked(Opt::ComfortPackage, true); }},
        {"plain click",
         [](Configuration& c, RecordingUi&) { c.SetChecked(Opt::RearParkingSensor, true); }},
        {"trim", [](Configuration& c, RecordingUi&) { c.SelectTrim(Ghia); }},
        {"body", [](Configuration& c, RecordingUi&) { c.SelectBody(Wagon); }},
        {"engine",
         [](Configuration& c, RecordingUi&) {
             c.OnEngineFocused(Petrol16Automatic100);
             c.SelectEngine(Petrol16Automatic100);
         }},
        {"colour",
         [](Configuration& c, RecordingUi&) {
             c.SetColourIndex(3);
             c.OnColourChosen();
         }},
        {"code",
         [](Configuration& c, RecordingUi&) {
             c.SetCodeFieldText("Zt!F!!!t!.!!!!!!!!!!");
             c.DecodeCodeField();
         }},
        {"equip", [](Configuration& c, RecordingUi&) { c.EquipAll(); }},
        {"reset",
         [](Configuration& c, RecordingUi& ui) {
             ui.answers.push_back(true);
             c.ResetAll();
         }},
    };
    for (const Case& k : cases) {
        RecordingUi ui;
        Configuration config(ui);
        config.SetObserver(&ui);
        config.SetCodeFieldText(kResetCode);
        config.DecodeCodeField();
        config.SelectTrim(Trend);
        const std::string before = config.CodeFieldText();
        ui.pricesComputed = 0;
        k.run(config, ui);
        EXPECT_EQ(ui.pricesComputed, 1) << k.action;
        EXPECT_TRUE(config.Total().has_value()) << k.action;
        if (std::string_view(k.action) != "reset") {
            EXPECT_NE(config.CodeFieldText(), before) << k.action;
        }
    }
}

}  // namespace
}  // namespace kalvora
