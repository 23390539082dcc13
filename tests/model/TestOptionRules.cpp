#include <gtest/gtest.h>

#include "engine/model/Configuration.h"
#include "engine/model/PriceTexts.h"
#include "support/RecordingUi.h"
#include "support/User.h"

namespace kalvora {
namespace {

using testing::RecordingUi;
using testing::User;

class OptionRulesTest : public ::testing::Test {
  protected:
    OptionRulesTest() { config.ApplyTrimRules(); }

    void Choose(int trim, int body = Sedan) {
        user.PickTrim(trim);
        user.ClickBody(body);
    }
    void ExpectStandardAtZero(Opt o) {
        EXPECT_TRUE(config.Checked(o)) << Def(o).name;
        EXPECT_FALSE(config.Enabled(o)) << Def(o).name;
        EXPECT_EQ(config.Price(o), 0) << Def(o).name;
    }

    RecordingUi ui;
    Configuration config{ui};
    User user{config};
};

TEST_F(OptionRulesTest, ComfortPackageReplacesComfortPlus) {
    Choose(Trend);
    user.Click(Opt::ComfortPlusPackage);
    ASSERT_TRUE(config.Checked(Opt::ComfortPlusPackage));
    EXPECT_EQ(config.Option(Opt::RadioPack2).shadow, kShadowGreen);
    user.Click(Opt::ComfortPackage);
    EXPECT_FALSE(config.Checked(Opt::ComfortPlusPackage));
    EXPECT_EQ(config.Wish(Opt::ComfortPlusPackage), 0);
    ExpectStandardAtZero(Opt::RadioPack2);
    ExpectStandardAtZero(Opt::SecurityPack5);
    EXPECT_EQ(config.Option(Opt::RadioPack2).shadow, kShadowAqua);
    EXPECT_EQ(config.Option(Opt::SecurityPack5).shadow, kShadowAqua);
    EXPECT_FALSE(config.Enabled(Opt::RadioPack6));
    // The captions of the package's members stay readable.
    EXPECT_TRUE(config.Option(Opt::RadioPack2).captionEnabled);
}

// A radio pack the user once wanted must not untick the comfort package being chosen, when the
// other comfort package gives way to it.
struct SwapCase {
    Opt from;
    Opt to;
    Opt rememberedPack;
};

class ComfortSwap : public OptionRulesTest, public ::testing::WithParamInterface<SwapCase> {};

TEST_P(ComfortSwap, KeepsThePackageTheUserTicked) {
    const SwapCase& c = GetParam();
    Choose(Trend);
    user.Click(c.rememberedPack);
    user.LeaveOption();  // the pack is remembered as wanted
    user.Click(c.from);
    ASSERT_TRUE(config.Checked(c.from));
    user.Click(c.to);
    EXPECT_TRUE(config.Checked(c.to));
    EXPECT_FALSE(config.Checked(c.from));
    EXPECT_FALSE(config.Checked(c.rememberedPack));
    ExpectStandardAtZero(Opt::RadioPack2);
    ExpectStandardAtZero(Opt::SecurityPack5);
}

INSTANTIATE_TEST_SUITE_P(
    Packages, ComfortSwap,
    ::testing::Values(SwapCase{Opt::ComfortPlusPackage, Opt::ComfortPackage, Opt::RadioPack4},
                      SwapCase{Opt::ComfortPackage, Opt::ComfortPlusPackage, Opt::RadioPack4},
                      SwapCase{Opt::ComfortPackage, Opt::ComfortPlusPackage, Opt::RadioPack6},
                      SwapCase{Opt::ComfortPackage, Opt::ComfortPlusPackage, Opt::RadioPack7}));

TEST_F(OptionRulesTest, UntickingVisibilityPackagesLeavesNoHighlight) {
    Choose(Trend);
    user.Click(Opt::VisibilityPackage);
    EXPECT_EQ(config.Option(Opt::FrontFogLamps).shadow, kShadowYellow);
    user.Click(Opt::VisibilityPackage);
    EXPECT_EQ(config.Option(Opt::FrontFogLamps).shadow, kShadowNone);
    Choose(Comfort);
    user.Click(Opt::VisibilityPackage1);
    EXPECT_EQ(config.Option(Opt::HeatedWindscreen).shadow, kShadowYellow);
    user.PickTrim(Ambiente);  // the package goes, and so does its highlight
    EXPECT_EQ(config.Option(Opt::HeatedWindscreen).shadow, kShadowNone);
}

TEST_F(OptionRulesTest, ComfortPlusBringsWheelsByTrim) {
    Choose(Comfort);
    user.Click(Opt::ComfortPlusPackage);
    ExpectStandardAtZero(Opt::Alloys15);
    EXPECT_EQ(config.Option(Opt::Alloys15).shadow, kShadowGreen);
    Choose(Ghia);
    ExpectStandardAtZero(Opt::Alloys16);
    EXPECT_EQ(config.Option(Opt::Alloys16).shadow, kShadowGreen);
    EXPECT_EQ(config.Option(Opt::Alloys15).shadow, kShadowNone);
}

TEST_F(OptionRulesTest, UntickingComfortPlusRestoresPricesByTrim) {
    Choose(Ghia);
    user.Click(Opt::ComfortPlusPackage);
    user.Click(Opt::ComfortPlusPackage);
    EXPECT_EQ(config.Price(Opt::RadioPack2), 420);
    EXPECT_EQ(config.Price(Opt::SecurityPack5), 110);
    EXPECT_EQ(config.Price(Opt::Alloys16), 570);
    EXPECT_FALSE(config.Enabled(Opt::Alloys15));
    EXPECT_TRUE(config.Enabled(Opt::RadioPack6));
    ExpectStandardAtZero(Opt::SecurityPack1);
}

struct RadioPackCase {
    Opt pack;
    bool steeringControlStandard;
};

class RadioPack : public OptionRulesTest, public ::testing::WithParamInterface<RadioPackCase> {};

TEST_P(RadioPack, UnticksBothComfortPackages) {
    Choose(Trend);
    user.Click(Opt::ComfortPackage);
    // The comfort package makes the other packs unavailable to the user; a decoded code can
    // still tick one.
    config.SetChecked(GetParam().pack, true);
    EXPECT_FALSE(config.Checked(Opt::ComfortPackage));
    EXPECT_FALSE(config.Checked(Opt::ComfortPlusPackage));
    for (Opt other : {Opt::RadioPack2, Opt::RadioPack4, Opt::RadioPack6, Opt::RadioPack7}) {
        if (other != GetParam().pack) {
            EXPECT_FALSE(config.Checked(other)) << Def(other).name;
        }
    }
    if (GetParam().steeringControlStandard) {
        ExpectStandardAtZero(Opt::SteeringRadioControl);
    } else {
        EXPECT_TRUE(config.Enabled(Opt::SteeringRadioControl));
        EXPECT_EQ(config.Price(Opt::SteeringRadioControl), 50);
    }
}

INSTANTIATE_TEST_SUITE_P(Packs, RadioPack,
                         ::testing::Values(RadioPackCase{Opt::RadioPack4, false},
                                           RadioPackCase{Opt::RadioPack6, true},
                                           RadioPackCase{Opt::RadioPack7, true}));

TEST_F(OptionRulesTest, UntickingPackSixGivesTheSteeringControlBackWithItsWish) {
    Choose(Trend);
    user.Click(Opt::SteeringRadioControl);
    user.LeaveOption();
    user.Click(Opt::RadioPack6);
    ExpectStandardAtZero(Opt::SteeringRadioControl);
    user.Click(Opt::RadioPack6);
    EXPECT_TRUE(config.Enabled(Opt::SteeringRadioControl));
    EXPECT_TRUE(config.Checked(Opt::SteeringRadioControl));
    EXPECT_EQ(config.Price(Opt::SteeringRadioControl), 50);
}

TEST_F(OptionRulesTest, RadioPackWishSurvivesATrimChange) {
    Choose(Trend);
    user.Click(Opt::RadioPack7);
    user.PickTrim(Ghia);  // leaving the box remembers pack 7 and forgets the others
    EXPECT_TRUE(config.Checked(Opt::RadioPack7));
    EXPECT_FALSE(config.Checked(Opt::RadioPack2));
}

struct ExclusiveCase {
    Opt ticked;
    Opt other1;
    Opt other2;
};

class ExclusivePackages : public OptionRulesTest,
                          public ::testing::WithParamInterface<ExclusiveCase> {};

TEST_P(ExclusivePackages, UntickTheOthersForGood) {
    const ExclusiveCase& c = GetParam();
    Choose(Comfort);
    user.Click(c.other1);
    user.LeaveOption();
    ASSERT_TRUE(config.Checked(c.other1));
    ASSERT_EQ(config.Wish(c.other1), 1);
    user.Click(c.ticked);
    EXPECT_FALSE(config.Checked(c.other1));
    EXPECT_FALSE(config.Checked(c.other2));
    EXPECT_EQ(config.Wish(c.other1), 0);
    user.PickTrim(Trend);  // a trim change does not bring them back
    EXPECT_TRUE(config.Checked(c.ticked));
    EXPECT_FALSE(config.Checked(c.other1));
    EXPECT_FALSE(config.Checked(c.other2));
}

INSTANTIATE_TEST_SUITE_P(
    WinterAndVisibility, ExclusivePackages,
    ::testing::Values(
        ExclusiveCase{Opt::WinterPackage, Opt::VisibilityPackage, Opt::VisibilityPackage1},
        ExclusiveCase{Opt::VisibilityPackage, Opt::WinterPackage, Opt::VisibilityPackage1},
        ExclusiveCase{Opt::VisibilityPackage1, Opt::WinterPackage, Opt::VisibilityPackage},
        ExclusiveCase{Opt::VisibilityPackage1, Opt::VisibilityPackage, Opt::WinterPackage}));

TEST_F(OptionRulesTest, WinterPackageMakesMirrorsSeatsAndWindscreenStandard) {
    Choose(Trend);
    user.Click(Opt::WinterPackage);
    for (Opt member : {Opt::HeatedMirrors, Opt::HeatedFrontSeats, Opt::HeatedWindscreen}) {
        ExpectStandardAtZero(member);
        EXPECT_EQ(config.Option(member).font, kFontBlue);
        EXPECT_TRUE(config.Option(member).captionEnabled);
    }
    user.Click(Opt::WinterPackage);
    EXPECT_FALSE(config.Checked(Opt::HeatedFrontSeats));
    EXPECT_EQ(config.Price(Opt::HeatedFrontSeats), 210);
    EXPECT_EQ(config.Price(Opt::HeatedMirrors), 150);
    EXPECT_EQ(config.Option(Opt::HeatedWindscreen).font, kFontBlack);
}

TEST_F(OptionRulesTest, InGhiaUntickingWinterLeavesHeatedMirrorsStandard) {
    Choose(Ghia);
    user.Click(Opt::WinterPackage);
    user.Click(Opt::WinterPackage);
    ExpectStandardAtZero(Opt::HeatedMirrors);
}

TEST_F(OptionRulesTest, WithLeatherUntickingWinterKeepsHeatedSeatsStandard) {
    Choose(Trend);
    user.Click(Opt::LeatherTrim);
    user.Click(Opt::WinterPackage);
    user.Click(Opt::WinterPackage);
    ExpectStandardAtZero(Opt::HeatedFrontSeats);
}

TEST_F(OptionRulesTest, VisibilityPackageMakesFogLampsStandardInComfort) {
    Choose(Comfort);
    user.Click(Opt::VisibilityPackage);
    ExpectStandardAtZero(Opt::FrontFogLamps);
    EXPECT_EQ(config.Option(Opt::FrontFogLamps).shadow, kShadowYellow);
    EXPECT_TRUE(config.Option(Opt::FrontFogLamps).captionEnabled);
    user.Click(Opt::VisibilityPackage);
    EXPECT_TRUE(config.Enabled(Opt::FrontFogLamps));
    EXPECT_EQ(config.Price(Opt::FrontFogLamps), 150);
}

TEST_F(OptionRulesTest, XenonBringsTheWasherAndExcludesAdaptiveLighting) {
    Choose(Trend);
    user.Click(Opt::HeadlampWashers);
    user.LeaveOption();
    user.Click(Opt::XenonHeadlamps);
    ExpectStandardAtZero(Opt::HeadlampWashers);
    EXPECT_FALSE(config.Enabled(Opt::AdaptiveHeadlamps));
    EXPECT_FALSE(config.Checked(Opt::AdaptiveHeadlamps));
    user.Click(Opt::XenonHeadlamps);
    EXPECT_TRUE(config.Enabled(Opt::HeadlampWashers));
    EXPECT_TRUE(config.Checked(Opt::HeadlampWashers));  // remembered
    EXPECT_EQ(config.Price(Opt::HeadlampWashers), 200);
    EXPECT_TRUE(config.Enabled(Opt::AdaptiveHeadlamps));
}

TEST_F(OptionRulesTest, UntickingAdaptiveLightingEnablesXenonFromTrendUpOnly) {
    for (int trim : {Ambiente, Comfort}) {
        Choose(trim);
        user.Click(Opt::AdaptiveHeadlamps);
        user.Click(Opt::AdaptiveHeadlamps);
        EXPECT_FALSE(config.Enabled(Opt::XenonHeadlamps)) << trim;
    }
    Choose(Ghia);
    user.Click(Opt::AdaptiveHeadlamps);
    EXPECT_FALSE(config.Enabled(Opt::XenonHeadlamps));
    user.Click(Opt::AdaptiveHeadlamps);
    EXPECT_TRUE(config.Enabled(Opt::XenonHeadlamps));
}

TEST_F(OptionRulesTest, PuddleLampsOnThreeDoorsLeaveRearWindowsUnavailable) {
    Choose(Trend, Hatchback3Door);
    user.Click(Opt::LitHeatedMirrors);
    ASSERT_TRUE(config.Checked(Opt::LitHeatedMirrors));
    EXPECT_FALSE(config.Checked(Opt::RearElectricWindows));
    EXPECT_FALSE(config.Enabled(Opt::RearElectricWindows));
    EXPECT_EQ(config.Price(Opt::RearElectricWindows), 300);
    ExpectStandardAtZero(Opt::HeatedMirrors);
}

TEST_F(OptionRulesTest, PuddleLampsOnFiveDoorsBringRearWindows) {
    Choose(Trend, Hatchback5Door);
    user.Click(Opt::LitHeatedMirrors);
    ExpectStandardAtZero(Opt::RearElectricWindows);
}

TEST_F(OptionRulesTest, SixWaySeatReplacesTheHeightAdjustedOne) {
    Choose(Trend);
    user.Click(Opt::PowerDriverSeatHeight);
    user.LeaveOption();
    user.Click(Opt::PowerDriverSeat6Way);
    EXPECT_FALSE(config.Checked(Opt::PowerDriverSeatHeight));
    EXPECT_FALSE(config.Enabled(Opt::PowerDriverSeatHeight));
    ExpectStandardAtZero(Opt::PassengerSeatHeight);
    user.Click(Opt::PowerDriverSeat6Way);
    EXPECT_TRUE(config.Checked(Opt::PowerDriverSeatHeight));
    EXPECT_EQ(config.Price(Opt::PassengerSeatHeight), 95);
}

TEST_F(OptionRulesTest, LeatherInComfortCostsLessAndBringsSeatsAndBags) {
    Choose(Comfort);
    user.Click(Opt::LeatherTrim);
    EXPECT_EQ(config.Price(Opt::LeatherTrim), 590);
    for (Opt o : {Opt::PassengerAirbag, Opt::SideAirbags}) {
        EXPECT_TRUE(config.Checked(o));
        EXPECT_FALSE(config.Enabled(o));
    }
    ExpectStandardAtZero(Opt::HeatedFrontSeats);
}

TEST_F(OptionRulesTest, LeatherAboveComfortBringsTheElectricSeat) {
    Choose(Trend, Hatchback5Door);
    user.Click(Opt::LeatherTrim);
    ExpectStandardAtZero(Opt::PowerDriverSeat6Way);
    ExpectStandardAtZero(Opt::PassengerSeatHeight);  // through the six-way seat
    Choose(Trend, Hatchback3Door);
    ExpectStandardAtZero(Opt::PowerDriverSeatHeight);
}

TEST_F(OptionRulesTest, SafetyPackFiveMakesPackOneStandard) {
    Choose(Trend);
    if (!config.Checked(Opt::SecurityPack5)) user.Click(Opt::SecurityPack5);
    ExpectStandardAtZero(Opt::SecurityPack1);
    user.Click(Opt::SecurityPack5);
    EXPECT_TRUE(config.Enabled(Opt::SecurityPack1));
    EXPECT_EQ(config.Price(Opt::SecurityPack1), 115);
}

TEST_F(OptionRulesTest, TravellersPackageOnAGhiaWagon) {
    Choose(Ghia, Wagon);
    user.Click(Opt::TravellerPackage);
    for (Opt member : {Opt::LuggageNet, Opt::BootCarpet}) {
        ExpectStandardAtZero(member);
        EXPECT_EQ(config.Option(member).font, kFontDarkGreen);
    }
    user.Click(Opt::TravellerPackage);
    EXPECT_EQ(config.Price(Opt::LuggageNet), 230);
    EXPECT_EQ(config.Price(Opt::BootCarpet), 100);
    EXPECT_EQ(config.Option(Opt::LuggageNet).font, kFontBlack);
}

TEST_F(OptionRulesTest, UntickingAbsAlsoUnticksStabilityControl) {
    Choose(Trend);
    if (!config.Checked(Opt::AntiLockBrakes)) user.Click(Opt::AntiLockBrakes);
    user.Click(Opt::StabilityControl);
    ExpectStandardAtZero(Opt::AntiLockBrakes);
    user.Click(Opt::StabilityControl);
    EXPECT_TRUE(config.Enabled(Opt::AntiLockBrakes));
    EXPECT_EQ(config.Price(Opt::AntiLockBrakes), 400);
    user.Click(Opt::AntiLockBrakes);
    if (!config.Checked(Opt::AntiLockBrakes)) user.Click(Opt::AntiLockBrakes);
    user.Click(Opt::StabilityControl);
    ASSERT_TRUE(config.Checked(Opt::StabilityControl));
    user.Click(Opt::StabilityControl);  // ABS available again with its wish
    user.Click(Opt::AntiLockBrakes);
    EXPECT_FALSE(config.Checked(Opt::AntiLockBrakes));
    EXPECT_FALSE(config.Checked(Opt::StabilityControl));
    EXPECT_EQ(config.Wish(Opt::AntiLockBrakes), 0);
}

TEST_F(OptionRulesTest, AfterAnExplicitAbsUntickStabilityControlGivesAbsBackUnticked) {
    Choose(Trend);
    if (!config.Checked(Opt::AntiLockBrakes)) user.Click(Opt::AntiLockBrakes);
    user.Click(Opt::AntiLockBrakes);  // explicit untick: wish 0
    user.Click(Opt::StabilityControl);
    ExpectStandardAtZero(Opt::AntiLockBrakes);
    user.Click(Opt::StabilityControl);
    EXPECT_FALSE(config.Checked(Opt::AntiLockBrakes));
    EXPECT_TRUE(config.Enabled(Opt::AntiLockBrakes));
}

TEST_F(OptionRulesTest, PriceIsBasePlusSurchargePlusTickedOptions) {
    Choose(Ghia, Wagon);
    user.ClickRails(AluminiumRoofRails);
    for (Opt o :
         {Opt::ComfortPlusPackage, Opt::XenonHeadlamps, Opt::LeatherTrim, Opt::RearParkingSensor})
        user.Click(o);
    std::int64_t total = *config.BaseAmount() + *config.SurchargeAmount();
    for (int i = 0; i < kOptionCount; ++i) {
        if (config.Checked(OptAt(i))) total += config.Price(OptAt(i));
    }
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $" + std::to_string(total));
    EXPECT_EQ(*config.Total(), total);
}

// --- A configuration's price and code do not depend on how it was reached -------------------

TEST_F(OptionRulesTest, WindscreenOfAVisibilityPackageGoesWithItInAmbiente) {
    Choose(Comfort);
    user.Click(Opt::VisibilityPackage1);  // the windscreen comes free with the package
    user.PickTrim(Ambiente);  // the package goes, and the windscreen nobody chose with it
    EXPECT_FALSE(config.Checked(Opt::HeatedWindscreen));
    EXPECT_FALSE(config.Enabled(Opt::HeatedWindscreen));
    EXPECT_EQ(config.Price(Opt::HeatedWindscreen), 170);
}

TEST_F(OptionRulesTest, UntickingLeatherInGhiaKeepsTheStandardAirbags) {
    Choose(Ghia);
    user.Click(Opt::LeatherTrim);
    user.Click(Opt::LeatherTrim);
    ExpectStandardAtZero(Opt::PassengerAirbag);
    ExpectStandardAtZero(Opt::SideAirbags);
}

TEST_F(OptionRulesTest, LeatherLostToAmbienteTakesNoSeatOptionAlong) {
    Choose(Trend);
    user.Click(Opt::PowerDriverSeatHeight);
    user.Click(Opt::PassengerSeatHeight);
    user.Click(Opt::PowerDriverSeat6Way);
    user.Click(Opt::LeatherTrim);
    user.PickTrim(Ambiente);
    for (Opt seat : {Opt::PowerDriverSeatHeight, Opt::PowerDriverSeat6Way, Opt::PassengerSeatHeight,
                     Opt::HeatedFrontSeats}) {
        EXPECT_FALSE(config.Checked(seat)) << Def(seat).name;
        EXPECT_FALSE(config.Enabled(seat)) << Def(seat).name;
    }
}

TEST_F(OptionRulesTest, PuddleLampMirrorsStayHeatedWhenTheWinterPackageGoes) {
    Choose(Trend);
    user.Click(Opt::WinterPackage);
    user.Click(Opt::LitHeatedMirrors);
    user.Click(Opt::VisibilityPackage);  // unticks the winter package
    ASSERT_FALSE(config.Checked(Opt::WinterPackage));
    ExpectStandardAtZero(Opt::HeatedMirrors);
}

TEST_F(OptionRulesTest, AutomaticGearboxKeepsRadioPackTwoWhenAComfortPackageGoes) {
    Choose(Trend);
    user.ClickEngine(Petrol16Automatic100);
    for (Opt package : {Opt::ComfortPackage, Opt::ComfortPlusPackage}) {
        user.Click(package);
        user.Click(package);
        EXPECT_TRUE(config.Checked(Opt::RadioPack2)) << Def(package).name;
        EXPECT_FALSE(config.Enabled(Opt::RadioPack2)) << Def(package).name;
        for (Opt pack : {Opt::RadioPack4, Opt::RadioPack6, Opt::RadioPack7}) {
            EXPECT_FALSE(config.Enabled(pack)) << Def(pack).name;
        }
    }
}

TEST_F(OptionRulesTest, SixWaySeatInTrendCostsItsPriceAfterLeatherWentElsewhere) {
    Choose(Trend);
    user.Click(Opt::LeatherTrim);  // the six-way seat comes free with leather
    user.PickTrim(Comfort);
    user.Click(Opt::LeatherTrim);  // no leather any more
    user.PickTrim(Trend);
    user.Click(Opt::PowerDriverSeat6Way);
    ASSERT_TRUE(config.Checked(Opt::PowerDriverSeat6Way));
    EXPECT_EQ(config.Price(Opt::PowerDriverSeat6Way), 590);
}

TEST_F(OptionRulesTest, UntickingLeatherInComfortKeepsTheWinterPackagesHeatedSeats) {
    Choose(Comfort);
    user.Click(Opt::WinterPackage);
    user.Click(Opt::LeatherTrim);
    user.Click(Opt::LeatherTrim);
    ExpectStandardAtZero(Opt::HeatedFrontSeats);
}

}  // namespace
}  // namespace kalvora
