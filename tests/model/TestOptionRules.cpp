#include <gtest/gtest.h>

#include "model/Configuration.h"
#include "model/PriceTexts.h"
#include "support/RecordingUi.h"
#include "support/User.h"

namespace kalvora {
namespace {

using testing::RecordingUi;
using testing::User;

class OptionRulesTest : public ::testing::Test {
  protected:
    OptionRulesTest() { config.ApplyTrimRules(); }

    void Choose(int trim, int body = Kuzov4dr) {
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
    user.Click(Opt::KomfPBox);
    ASSERT_TRUE(config.Checked(Opt::KomfPBox));
    EXPECT_EQ(config.Option(Opt::R2Box).shadow, kShadowGreen);
    user.Click(Opt::KomfBox);
    EXPECT_FALSE(config.Checked(Opt::KomfPBox));
    EXPECT_EQ(config.Wish(Opt::KomfPBox), 0);
    ExpectStandardAtZero(Opt::R2Box);
    ExpectStandardAtZero(Opt::PB5Box);
    EXPECT_EQ(config.Option(Opt::R2Box).shadow, kShadowAqua);
    EXPECT_EQ(config.Option(Opt::PB5Box).shadow, kShadowAqua);
    EXPECT_FALSE(config.Enabled(Opt::R6Box));
    // The captions of the package's members stay readable.
    EXPECT_TRUE(config.Option(Opt::R2Box).captionEnabled);
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
    ExpectStandardAtZero(Opt::R2Box);
    ExpectStandardAtZero(Opt::PB5Box);
}

INSTANTIATE_TEST_SUITE_P(Packages, ComfortSwap,
                         ::testing::Values(SwapCase{Opt::KomfPBox, Opt::KomfBox, Opt::R4Box},
                                           SwapCase{Opt::KomfBox, Opt::KomfPBox, Opt::R4Box},
                                           SwapCase{Opt::KomfBox, Opt::KomfPBox, Opt::R6Box},
                                           SwapCase{Opt::KomfBox, Opt::KomfPBox, Opt::R7Box}));

TEST_F(OptionRulesTest, UntickingVisibilityPackagesLeavesNoHighlight) {
    Choose(Trend);
    user.Click(Opt::ObzorBox);
    EXPECT_EQ(config.Option(Opt::ptf).shadow, kShadowYellow);
    user.Click(Opt::ObzorBox);
    EXPECT_EQ(config.Option(Opt::ptf).shadow, kShadowNone);
    Choose(Comfort);
    user.Click(Opt::Obzor1Box);
    EXPECT_EQ(config.Option(Opt::LobBox).shadow, kShadowYellow);
    user.PickTrim(Ambiente);  // the package goes, and so does its highlight
    EXPECT_EQ(config.Option(Opt::LobBox).shadow, kShadowNone);
}

TEST_F(OptionRulesTest, ComfortPlusBringsWheelsByTrim) {
    Choose(Comfort);
    user.Click(Opt::KomfPBox);
    ExpectStandardAtZero(Opt::d15box);
    EXPECT_EQ(config.Option(Opt::d15box).shadow, kShadowGreen);
    Choose(Ghia);
    ExpectStandardAtZero(Opt::d16box);
    EXPECT_EQ(config.Option(Opt::d16box).shadow, kShadowGreen);
    EXPECT_EQ(config.Option(Opt::d15box).shadow, kShadowNone);
}

TEST_F(OptionRulesTest, UntickingComfortPlusRestoresPricesByTrim) {
    Choose(Ghia);
    user.Click(Opt::KomfPBox);
    user.Click(Opt::KomfPBox);
    EXPECT_EQ(config.Price(Opt::R2Box), 420);
    EXPECT_EQ(config.Price(Opt::PB5Box), 110);
    EXPECT_EQ(config.Price(Opt::d16box), 570);
    EXPECT_FALSE(config.Enabled(Opt::d15box));
    EXPECT_TRUE(config.Enabled(Opt::R6Box));
    ExpectStandardAtZero(Opt::PB1Box);
}

struct RadioPackCase {
    Opt pack;
    bool steeringControlStandard;
};

class RadioPack : public OptionRulesTest, public ::testing::WithParamInterface<RadioPackCase> {};

TEST_P(RadioPack, UnticksBothComfortPackages) {
    Choose(Trend);
    user.Click(Opt::KomfBox);
    // The comfort package makes the other packs unavailable to the user; a decoded code can
    // still tick one.
    config.SetChecked(GetParam().pack, true);
    EXPECT_FALSE(config.Checked(Opt::KomfBox));
    EXPECT_FALSE(config.Checked(Opt::KomfPBox));
    for (Opt other : {Opt::R2Box, Opt::R4Box, Opt::R6Box, Opt::R7Box}) {
        if (other != GetParam().pack) {
            EXPECT_FALSE(config.Checked(other)) << Def(other).name;
        }
    }
    if (GetParam().steeringControlStandard) {
        ExpectStandardAtZero(Opt::RadioBox);
    } else {
        EXPECT_TRUE(config.Enabled(Opt::RadioBox));
        EXPECT_EQ(config.Price(Opt::RadioBox), 50);
    }
}

INSTANTIATE_TEST_SUITE_P(Packs, RadioPack,
                         ::testing::Values(RadioPackCase{Opt::R4Box, false},
                                           RadioPackCase{Opt::R6Box, true},
                                           RadioPackCase{Opt::R7Box, true}));

TEST_F(OptionRulesTest, UntickingPackSixGivesTheSteeringControlBackWithItsWish) {
    Choose(Trend);
    user.Click(Opt::RadioBox);
    user.LeaveOption();
    user.Click(Opt::R6Box);
    ExpectStandardAtZero(Opt::RadioBox);
    user.Click(Opt::R6Box);
    EXPECT_TRUE(config.Enabled(Opt::RadioBox));
    EXPECT_TRUE(config.Checked(Opt::RadioBox));
    EXPECT_EQ(config.Price(Opt::RadioBox), 50);
}

TEST_F(OptionRulesTest, RadioPackWishSurvivesATrimChange) {
    Choose(Trend);
    user.Click(Opt::R7Box);
    user.PickTrim(Ghia);  // leaving the box remembers pack 7 and forgets the others
    EXPECT_TRUE(config.Checked(Opt::R7Box));
    EXPECT_FALSE(config.Checked(Opt::R2Box));
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
    ::testing::Values(ExclusiveCase{Opt::ZimBox, Opt::ObzorBox, Opt::Obzor1Box},
                      ExclusiveCase{Opt::ObzorBox, Opt::ZimBox, Opt::Obzor1Box},
                      ExclusiveCase{Opt::Obzor1Box, Opt::ZimBox, Opt::ObzorBox},
                      ExclusiveCase{Opt::Obzor1Box, Opt::ObzorBox, Opt::ZimBox}));

TEST_F(OptionRulesTest, WinterPackageMakesMirrorsSeatsAndWindscreenStandard) {
    Choose(Trend);
    user.Click(Opt::ZimBox);
    for (Opt member : {Opt::ZerkBox, Opt::PodSidBox, Opt::LobBox}) {
        ExpectStandardAtZero(member);
        EXPECT_EQ(config.Option(member).font, kFontBlue);
        EXPECT_TRUE(config.Option(member).captionEnabled);
    }
    user.Click(Opt::ZimBox);
    EXPECT_FALSE(config.Checked(Opt::PodSidBox));
    EXPECT_EQ(config.Price(Opt::PodSidBox), 210);
    EXPECT_EQ(config.Price(Opt::ZerkBox), 150);
    EXPECT_EQ(config.Option(Opt::LobBox).font, kFontBlack);
}

TEST_F(OptionRulesTest, InGhiaUntickingWinterLeavesHeatedMirrorsStandard) {
    Choose(Ghia);
    user.Click(Opt::ZimBox);
    user.Click(Opt::ZimBox);
    ExpectStandardAtZero(Opt::ZerkBox);
}

TEST_F(OptionRulesTest, WithLeatherUntickingWinterKeepsHeatedSeatsStandard) {
    Choose(Trend);
    user.Click(Opt::KozaBox);
    user.Click(Opt::ZimBox);
    user.Click(Opt::ZimBox);
    ExpectStandardAtZero(Opt::PodSidBox);
}

TEST_F(OptionRulesTest, VisibilityPackageMakesFogLampsStandardInComfort) {
    Choose(Comfort);
    user.Click(Opt::ObzorBox);
    ExpectStandardAtZero(Opt::ptf);
    EXPECT_EQ(config.Option(Opt::ptf).shadow, kShadowYellow);
    EXPECT_TRUE(config.Option(Opt::ptf).captionEnabled);
    user.Click(Opt::ObzorBox);
    EXPECT_TRUE(config.Enabled(Opt::ptf));
    EXPECT_EQ(config.Price(Opt::ptf), 150);
}

TEST_F(OptionRulesTest, XenonBringsTheWasherAndExcludesAdaptiveLighting) {
    Choose(Trend);
    user.Click(Opt::OmivBox);
    user.LeaveOption();
    user.Click(Opt::KsenonBox);
    ExpectStandardAtZero(Opt::OmivBox);
    EXPECT_FALSE(config.Enabled(Opt::AdaptBox));
    EXPECT_FALSE(config.Checked(Opt::AdaptBox));
    user.Click(Opt::KsenonBox);
    EXPECT_TRUE(config.Enabled(Opt::OmivBox));
    EXPECT_TRUE(config.Checked(Opt::OmivBox));  // remembered
    EXPECT_EQ(config.Price(Opt::OmivBox), 200);
    EXPECT_TRUE(config.Enabled(Opt::AdaptBox));
}

TEST_F(OptionRulesTest, UntickingAdaptiveLightingEnablesXenonFromTrendUpOnly) {
    for (int trim : {Ambiente, Comfort}) {
        Choose(trim);
        user.Click(Opt::AdaptBox);
        user.Click(Opt::AdaptBox);
        EXPECT_FALSE(config.Enabled(Opt::KsenonBox)) << trim;
    }
    Choose(Ghia);
    user.Click(Opt::AdaptBox);
    EXPECT_FALSE(config.Enabled(Opt::KsenonBox));
    user.Click(Opt::AdaptBox);
    EXPECT_TRUE(config.Enabled(Opt::KsenonBox));
}

TEST_F(OptionRulesTest, PuddleLampsOnThreeDoorsLeaveRearWindowsUnavailable) {
    Choose(Trend, Kuzov3dr);
    user.Click(Opt::PodsvBox);
    ASSERT_TRUE(config.Checked(Opt::PodsvBox));
    EXPECT_FALSE(config.Checked(Opt::StekloBox));
    EXPECT_FALSE(config.Enabled(Opt::StekloBox));
    EXPECT_EQ(config.Price(Opt::StekloBox), 300);
    ExpectStandardAtZero(Opt::ZerkBox);
}

TEST_F(OptionRulesTest, PuddleLampsOnFiveDoorsBringRearWindows) {
    Choose(Trend, Kuzov5dr);
    user.Click(Opt::PodsvBox);
    ExpectStandardAtZero(Opt::StekloBox);
}

TEST_F(OptionRulesTest, SixWaySeatReplacesTheHeightAdjustedOne) {
    Choose(Trend);
    user.Click(Opt::SidVodBox);
    user.LeaveOption();
    user.Click(Opt::SidVod6Box);
    EXPECT_FALSE(config.Checked(Opt::SidVodBox));
    EXPECT_FALSE(config.Enabled(Opt::SidVodBox));
    ExpectStandardAtZero(Opt::SidPPBox);
    user.Click(Opt::SidVod6Box);
    EXPECT_TRUE(config.Checked(Opt::SidVodBox));
    EXPECT_EQ(config.Price(Opt::SidPPBox), 95);
}

TEST_F(OptionRulesTest, LeatherInComfortCostsLessAndBringsSeatsAndBags) {
    Choose(Comfort);
    user.Click(Opt::KozaBox);
    EXPECT_EQ(config.Price(Opt::KozaBox), 590);
    for (Opt o : {Opt::PBppBox, Opt::BokPBBox}) {
        EXPECT_TRUE(config.Checked(o));
        EXPECT_FALSE(config.Enabled(o));
    }
    ExpectStandardAtZero(Opt::PodSidBox);
}

TEST_F(OptionRulesTest, LeatherAboveComfortBringsTheElectricSeat) {
    Choose(Trend, Kuzov5dr);
    user.Click(Opt::KozaBox);
    ExpectStandardAtZero(Opt::SidVod6Box);
    ExpectStandardAtZero(Opt::SidPPBox);  // through the six-way seat
    Choose(Trend, Kuzov3dr);
    ExpectStandardAtZero(Opt::SidVodBox);
}

TEST_F(OptionRulesTest, SafetyPackFiveMakesPackOneStandard) {
    Choose(Trend);
    if (!config.Checked(Opt::PB5Box)) user.Click(Opt::PB5Box);
    ExpectStandardAtZero(Opt::PB1Box);
    user.Click(Opt::PB5Box);
    EXPECT_TRUE(config.Enabled(Opt::PB1Box));
    EXPECT_EQ(config.Price(Opt::PB1Box), 115);
}

TEST_F(OptionRulesTest, TravellersPackageOnAGhiaWagon) {
    Choose(Ghia, KuzovWag);
    user.Click(Opt::PuteshBox);
    for (Opt member : {Opt::SetkaBox, Opt::KovrBagazBox}) {
        ExpectStandardAtZero(member);
        EXPECT_EQ(config.Option(member).font, kFontDarkGreen);
    }
    user.Click(Opt::PuteshBox);
    EXPECT_EQ(config.Price(Opt::SetkaBox), 230);
    EXPECT_EQ(config.Price(Opt::KovrBagazBox), 100);
    EXPECT_EQ(config.Option(Opt::SetkaBox).font, kFontBlack);
}

TEST_F(OptionRulesTest, UntickingAbsAlsoUnticksStabilityControl) {
    Choose(Trend);
    if (!config.Checked(Opt::ABSBox)) user.Click(Opt::ABSBox);
    user.Click(Opt::IVDBox);
    ExpectStandardAtZero(Opt::ABSBox);
    user.Click(Opt::IVDBox);
    EXPECT_TRUE(config.Enabled(Opt::ABSBox));
    EXPECT_EQ(config.Price(Opt::ABSBox), 400);
    user.Click(Opt::ABSBox);
    if (!config.Checked(Opt::ABSBox)) user.Click(Opt::ABSBox);
    user.Click(Opt::IVDBox);
    ASSERT_TRUE(config.Checked(Opt::IVDBox));
    user.Click(Opt::IVDBox);  // ABS available again with its wish
    user.Click(Opt::ABSBox);
    EXPECT_FALSE(config.Checked(Opt::ABSBox));
    EXPECT_FALSE(config.Checked(Opt::IVDBox));
    EXPECT_EQ(config.Wish(Opt::ABSBox), 0);
}

TEST_F(OptionRulesTest, AfterAnExplicitAbsUntickStabilityControlGivesAbsBackUnticked) {
    Choose(Trend);
    if (!config.Checked(Opt::ABSBox)) user.Click(Opt::ABSBox);
    user.Click(Opt::ABSBox);  // explicit untick: wish 0
    user.Click(Opt::IVDBox);
    ExpectStandardAtZero(Opt::ABSBox);
    user.Click(Opt::IVDBox);
    EXPECT_FALSE(config.Checked(Opt::ABSBox));
    EXPECT_TRUE(config.Enabled(Opt::ABSBox));
}

TEST_F(OptionRulesTest, PriceIsBasePlusSurchargePlusTickedOptions) {
    Choose(Ghia, KuzovWag);
    user.ClickRails(AluminiumRoofRails);
    for (Opt o : {Opt::KomfPBox, Opt::KsenonBox, Opt::KozaBox, Opt::ParkBox}) user.Click(o);
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
    user.Click(Opt::Obzor1Box);  // the windscreen comes free with the package
    user.PickTrim(Ambiente);     // the package goes, and the windscreen nobody chose with it
    EXPECT_FALSE(config.Checked(Opt::LobBox));
    EXPECT_FALSE(config.Enabled(Opt::LobBox));
    EXPECT_EQ(config.Price(Opt::LobBox), 170);
}

TEST_F(OptionRulesTest, UntickingLeatherInGhiaKeepsTheStandardAirbags) {
    Choose(Ghia);
    user.Click(Opt::KozaBox);
    user.Click(Opt::KozaBox);
    ExpectStandardAtZero(Opt::PBppBox);
    ExpectStandardAtZero(Opt::BokPBBox);
}

TEST_F(OptionRulesTest, LeatherLostToAmbienteTakesNoSeatOptionAlong) {
    Choose(Trend);
    user.Click(Opt::SidVodBox);
    user.Click(Opt::SidPPBox);
    user.Click(Opt::SidVod6Box);
    user.Click(Opt::KozaBox);
    user.PickTrim(Ambiente);
    for (Opt seat : {Opt::SidVodBox, Opt::SidVod6Box, Opt::SidPPBox, Opt::PodSidBox}) {
        EXPECT_FALSE(config.Checked(seat)) << Def(seat).name;
        EXPECT_FALSE(config.Enabled(seat)) << Def(seat).name;
    }
}

TEST_F(OptionRulesTest, PuddleLampMirrorsStayHeatedWhenTheWinterPackageGoes) {
    Choose(Trend);
    user.Click(Opt::ZimBox);
    user.Click(Opt::PodsvBox);
    user.Click(Opt::ObzorBox);  // unticks the winter package
    ASSERT_FALSE(config.Checked(Opt::ZimBox));
    ExpectStandardAtZero(Opt::ZerkBox);
}

TEST_F(OptionRulesTest, AutomaticGearboxKeepsRadioPackTwoWhenAComfortPackageGoes) {
    Choose(Trend);
    user.ClickEngine(Dvig16AT100);
    for (Opt package : {Opt::KomfBox, Opt::KomfPBox}) {
        user.Click(package);
        user.Click(package);
        EXPECT_TRUE(config.Checked(Opt::R2Box)) << Def(package).name;
        EXPECT_FALSE(config.Enabled(Opt::R2Box)) << Def(package).name;
        for (Opt pack : {Opt::R4Box, Opt::R6Box, Opt::R7Box}) {
            EXPECT_FALSE(config.Enabled(pack)) << Def(pack).name;
        }
    }
}

TEST_F(OptionRulesTest, SixWaySeatInTrendCostsItsPriceAfterLeatherWentElsewhere) {
    Choose(Trend);
    user.Click(Opt::KozaBox);  // the six-way seat comes free with leather
    user.PickTrim(Comfort);
    user.Click(Opt::KozaBox);  // no leather any more
    user.PickTrim(Trend);
    user.Click(Opt::SidVod6Box);
    ASSERT_TRUE(config.Checked(Opt::SidVod6Box));
    EXPECT_EQ(config.Price(Opt::SidVod6Box), 590);
}

TEST_F(OptionRulesTest, UntickingLeatherInComfortKeepsTheWinterPackagesHeatedSeats) {
    Choose(Comfort);
    user.Click(Opt::ZimBox);
    user.Click(Opt::KozaBox);
    user.Click(Opt::KozaBox);
    ExpectStandardAtZero(Opt::PodSidBox);
}

}  // namespace
}  // namespace kalvora
