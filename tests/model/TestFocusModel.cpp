// The focus model: which rules run when the keyboard focus moves.
#include <gtest/gtest.h>

#include "engine/model/Configuration.h"
#include "engine/model/FocusModel.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

using testing::RecordingUi;

class FocusModelTest : public ::testing::Test {
  protected:
    FocusModelTest() { config.ApplyTrimRules(); }
    RecordingUi ui;
    Configuration config{ui};
    FocusModel focus{config};
};

struct Destination {
    const char* name;
    FocusTarget target;
    friend void PrintTo(const Destination& d, std::ostream* os) { *os << d.name; }
};

class LeavingACheckBoxTest : public FocusModelTest,
                             public ::testing::WithParamInterface<Destination> {};

TEST_P(LeavingACheckBoxTest, StoresItsTickAsTheWish) {
    focus.MoveTo(FocusTarget::OptionBox(Opt::ClimateControl));
    config.SetChecked(Opt::ClimateControl, true);
    ASSERT_EQ(config.Wish(Opt::ClimateControl), 0);
    focus.MoveTo(GetParam().target);
    EXPECT_EQ(config.Wish(Opt::ClimateControl), 1);
    EXPECT_EQ(focus.Current(), GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(
    Focus, LeavingACheckBoxTest,
    ::testing::Values(Destination{"OtherCheckBox", FocusTarget::OptionBox(Opt::HeatedWindscreen)},
                      Destination{"BodyButton", FocusTarget::BodyButton(Hatchback5Door)},
                      Destination{"RoofRails", FocusTarget::RailsButton(NoRoofRails)},
                      Destination{"EngineButton", FocusTarget::EngineButton(Petrol16Automatic100)},
                      Destination{"TrimGroup", FocusTarget::TrimGroup()},
                      Destination{"ColourList", FocusTarget::ColourList()},
                      Destination{"CodeField", FocusTarget::CodeField()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FocusModelTest, StayingOnTheSameCheckBoxRunsNothing) {
    focus.MoveTo(FocusTarget::OptionBox(Opt::ClimateControl));
    config.SetChecked(Opt::ClimateControl, true);
    focus.MoveTo(FocusTarget::OptionBox(Opt::ClimateControl));
    EXPECT_EQ(config.Wish(Opt::ClimateControl), 0);
}

TEST_F(FocusModelTest, LeavingARadioPackRunsItsOwnExitRule) {
    config.SetWish(Opt::RadioPack4, 1);
    focus.MoveTo(FocusTarget::OptionBox(Opt::RadioPack2));
    config.SetChecked(Opt::RadioPack2, true);
    focus.MoveTo(FocusTarget::CodeField());
    EXPECT_EQ(config.Wish(Opt::RadioPack2), 1);
    EXPECT_EQ(config.Wish(Opt::RadioPack4), 0);
}

TEST_F(FocusModelTest, OptionsWithoutExitRuleKeepTheirWish) {
    focus.MoveTo(FocusTarget::OptionBox(Opt::RubberMats));
    config.SetChecked(Opt::RubberMats, false);
    focus.MoveTo(FocusTarget::CodeField());
    EXPECT_EQ(config.Wish(Opt::RubberMats), 0);
    EXPECT_FALSE(config.Checked(Opt::RubberMats));
}

TEST_F(FocusModelTest, EnteringAnEngineButtonMakesItThePreferredEngine) {
    focus.MoveTo(FocusTarget::EngineButton(Diesel18Manual115));
    EXPECT_EQ(config.PreferredEngine(), Diesel18Manual115);
    // Moving between other controls leaves the preference alone.
    focus.MoveTo(FocusTarget::TrimGroup());
    focus.MoveTo(FocusTarget::BodyButton(Hatchback3Door));
    EXPECT_EQ(config.PreferredEngine(), Diesel18Manual115);
    focus.MoveTo(FocusTarget::EngineButton(Petrol16Automatic100));
    EXPECT_EQ(config.PreferredEngine(), Petrol16Automatic100);
}

TEST_F(FocusModelTest, TheExitRuleRunsBeforeTheEntryRule) {
    // Leaving the check box for an engine: the wish is stored before the engine is entered,
    // so a trim change that the entry might cause sees the new wish.
    focus.MoveTo(FocusTarget::OptionBox(Opt::ClimateControl));
    config.SetChecked(Opt::ClimateControl, true);
    focus.MoveTo(FocusTarget::EngineButton(Petrol16Manual100));
    EXPECT_EQ(config.Wish(Opt::ClimateControl), 1);
    EXPECT_EQ(config.PreferredEngine(), Petrol16Manual100);
}

}  // namespace
}  // namespace kalvora
