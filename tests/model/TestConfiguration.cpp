#include <gtest/gtest.h>

#include <functional>

#include "model/Configuration.h"
#include "model/PriceTexts.h"
#include "pricing/ConfigCode.h"
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
    EXPECT_EQ(config.Body(), Kuzov4dr);
    EXPECT_EQ(config.Rails(), NoRoofRails);
    EXPECT_EQ(config.Engine(), Dvig20AT145);
    EXPECT_FALSE(config.EngineEnabled(Dvig18MT125));
    EXPECT_EQ(config.Colour(), -1);
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $12345");
    EXPECT_EQ(SurchargeText(config.Figures()), "0");
    EXPECT_TRUE(config.Checked(Opt::ZerkBox));
    EXPECT_FALSE(config.Enabled(Opt::ZerkBox));
    EXPECT_EQ(config.Wish(Opt::ZerkBox), 1);
    EXPECT_EQ(config.Wish(Opt::PBppBox), 0);
    EXPECT_EQ(config.Price(Opt::KozaBox), 1070);
}

TEST_F(ConfigurationTest, ChangingATickRunsItsClickRuleOnce) {
    config.SetChecked(Opt::KlimatBox, true);
    EXPECT_EQ(ui.pricesComputed, 1);
    EXPECT_NE(PriceLabelText(config.Figures()), "Цена: $12345");
}

TEST_F(ConfigurationTest, SettingTheTickItAlreadyHasRunsNothing) {
    config.SetChecked(Opt::KlimatBox, false);
    config.SetChecked(Opt::ZerkBox, true);
    EXPECT_EQ(ui.pricesComputed, 0);
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $12345");
}

TEST_F(ConfigurationTest, EnablingPricesAndHighlightsRunNoRule) {
    config.SetEnabled(Opt::KlimatBox, false);
    config.SetPrice(Opt::KlimatBox, 1);
    config.SetShadow(Opt::KlimatBox, kShadowAqua);
    config.SetFont(Opt::KlimatBox, kFontBlue);
    config.SetWish(Opt::KlimatBox, 1);
    EXPECT_EQ(ui.pricesComputed, 0);
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $12345");
}

TEST_F(ConfigurationTest, ObserverHearsOnlyRealChanges) {
    ui.changes = 0;
    config.SetEnabled(Opt::ZerkBox, false);
    EXPECT_EQ(ui.changes, 0);
    config.SetEnabled(Opt::ZerkBox, true);
    EXPECT_EQ(ui.changes, 1);
}

TEST_F(ConfigurationTest, AvailableBringsBackTheRememberedWish) {
    // Checked with Tag 0: unticked, and its rule runs.
    config.SetChecked(Opt::KlimatBox, true);
    ui.pricesComputed = 0;
    config.SetOptionAvailable(Opt::KlimatBox);
    EXPECT_FALSE(config.Checked(Opt::KlimatBox));
    EXPECT_TRUE(config.Enabled(Opt::KlimatBox));
    EXPECT_EQ(ui.pricesComputed, 1);
    // Already unticked and enabled: nothing runs.
    config.SetOptionAvailable(Opt::KlimatBox);
    EXPECT_EQ(ui.pricesComputed, 1);
    // Tag 1 ticks it again.
    config.SetWish(Opt::KlimatBox, 1);
    config.SetOptionAvailable(Opt::KlimatBox);
    EXPECT_TRUE(config.Checked(Opt::KlimatBox));
}

TEST_F(ConfigurationTest, StandardAndUnavailableDisable) {
    config.SetOptionStandard(Opt::KlimatBox);
    EXPECT_TRUE(config.Checked(Opt::KlimatBox));
    EXPECT_FALSE(config.Enabled(Opt::KlimatBox));
    config.SetOptionUnavailable(Opt::KlimatBox);
    EXPECT_FALSE(config.Checked(Opt::KlimatBox));
    EXPECT_FALSE(config.Enabled(Opt::KlimatBox));
}

TEST_F(ConfigurationTest, SelectingTheSelectedRadioButtonRunsNothing) {
    config.SelectBody(Kuzov4dr);
    config.SelectRails(NoRoofRails);
    config.SelectEngine(Dvig20AT145);
    config.SelectTrim(Ghia);
    EXPECT_EQ(ui.pricesComputed, 0);
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $12345");
}

TEST_F(ConfigurationTest, SelectingAnotherRadioButtonRunsTheTrimRules) {
    config.SelectBody(KuzovWag);
    EXPECT_EQ(config.Body(), KuzovWag);
    EXPECT_NE(PriceLabelText(config.Figures()), "Цена: $12345");
}

TEST_F(ConfigurationTest, EnteringAnEngineButtonStoresThePreferredEngine) {
    config.OnEngineFocused(Dvig18TD115);
    EXPECT_EQ(config.PreferredEngine(), Dvig18TD115);
    EXPECT_EQ(ui.pricesComputed, 0);
}

TEST_F(ConfigurationTest, LeavingACheckBoxRemembersTheTick) {
    config.SetChecked(Opt::KlimatBox, true);
    EXPECT_EQ(config.Wish(Opt::KlimatBox), 0);  // not yet: the focus is still there
    config.OptionExit(Opt::KlimatBox);
    EXPECT_EQ(config.Wish(Opt::KlimatBox), 1);
    config.SetChecked(Opt::KlimatBox, false);
    config.OptionExit(Opt::KlimatBox);
    EXPECT_EQ(config.Wish(Opt::KlimatBox), 0);
}

TEST_F(ConfigurationTest, MatsHaveNoExitRule) {
    config.OptionExit(Opt::KovrBox);
    EXPECT_EQ(config.Wish(Opt::KovrBox), 0);
}

TEST_F(ConfigurationTest, LeavingATickedRadioPackForgetsTheOtherPacks) {
    for (Opt pack : {Opt::R1Box, Opt::R2Box, Opt::R4Box, Opt::R7Box, Opt::R12Box}) {
        config.SetWish(pack, 1);
    }
    config.SetChecked(Opt::R6Box, true);
    config.OptionExit(Opt::R6Box);
    EXPECT_EQ(config.Wish(Opt::R6Box), 1);
    for (Opt pack : {Opt::R1Box, Opt::R2Box, Opt::R4Box, Opt::R7Box, Opt::R12Box}) {
        EXPECT_EQ(config.Wish(pack), 0) << Def(pack).name;
    }
}

TEST_F(ConfigurationTest, LeavingAnUntickedRadioPackForgetsOnlyItself) {
    config.SetWish(Opt::R2Box, 1);
    config.SetWish(Opt::R4Box, 1);
    config.OptionExit(Opt::R4Box);
    EXPECT_EQ(config.Wish(Opt::R4Box), 0);
    EXPECT_EQ(config.Wish(Opt::R2Box), 1);
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
    config.SetChecked(Opt::MetallBox, !c.metallic);
    config.SetColourIndex(c.index);
    config.OnColourChosen();
    EXPECT_EQ(config.Checked(Opt::MetallBox), c.metallic);
    EXPECT_EQ(config.Price(Opt::MetallBox), c.metallicPrice);
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
        config.SetChecked(Opt::MetallBox, true);
        EXPECT_FALSE(config.Checked(Opt::MetallBox)) << plain;
    }
}

TEST_F(ConfigurationTest, MetallicMarkFollowsAMetallicColour) {
    config.SetColourIndex(4);
    config.OnColourChosen();
    config.SetChecked(Opt::MetallBox, false);
    EXPECT_TRUE(config.Checked(Opt::MetallBox));
}

TEST_F(ConfigurationTest, WithoutAColourTheMetallicMarkIsFree) {
    for (int none : {0, -1}) {
        config.SetColourIndex(none);
        config.OnColourChosen();
        config.SetChecked(Opt::MetallBox, false);
        EXPECT_FALSE(config.Checked(Opt::MetallBox));
        config.SetChecked(Opt::MetallBox, true);
        EXPECT_TRUE(config.Checked(Opt::MetallBox));
        EXPECT_EQ(config.Price(Opt::MetallBox), 275);
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
        {"package click", [](Configuration& c, RecordingUi&) { c.SetChecked(Opt::KomfBox, true); }},
        {"plain click", [](Configuration& c, RecordingUi&) { c.SetChecked(Opt::ParkBox, true); }},
        {"trim", [](Configuration& c, RecordingUi&) { c.SelectTrim(Ghia); }},
        {"body", [](Configuration& c, RecordingUi&) { c.SelectBody(KuzovWag); }},
        {"engine",
         [](Configuration& c, RecordingUi&) {
             c.OnEngineFocused(Dvig16AT100);
             c.SelectEngine(Dvig16AT100);
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
