#include <gtest/gtest.h>

#include "engine/model/Configuration.h"
#include "engine/model/IntegerText.h"
#include "engine/model/PriceTexts.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

using testing::RecordingUi;

// The total a user can check by hand: base + surcharge + every ticked option's price.
std::int64_t HandTotal(const Configuration& c) {
    std::int64_t total = *c.BaseAmount() + *c.SurchargeAmount();
    for (int i = 0; i < kOptionCount; ++i) {
        if (c.Checked(OptAt(i))) total += c.Price(OptAt(i));
    }
    return total;
}

class PriceTest : public ::testing::Test {
  protected:
    PriceTest() { config.SetObserver(&ui); }
    RecordingUi ui;
    Configuration config{ui};
};

TEST_F(PriceTest, BeforeTheTrimRulesHaveRunThePriceIsUnknownAndTheCodeUntouched) {
    config.SetCodeFieldText("typed");
    config.MarkFiguresDue();
    EXPECT_EQ(PriceLabelText(config.Figures()), "XXXXX");
    EXPECT_EQ(BasePriceText(config.Figures()), "BazaLabel");
    EXPECT_EQ(config.CodeFieldText(), "typed");
    EXPECT_FALSE(config.Total());
    EXPECT_EQ(FigureWithoutTotal(config.Figures()), 1);
    EXPECT_EQ(ui.pricesComputed, 0);
}

struct InvalidCase {
    std::optional<Dollars> base;
    std::optional<Dollars> surcharge;
    Dollars standIn;  // the figure that stands for the missing total
    friend std::ostream& operator<<(std::ostream& os, const InvalidCase& c) {
        return os << "base " << c.base.value_or(-1) << " surcharge " << c.surcharge.value_or(-1);
    }
};

class InvalidBase : public PriceTest, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InvalidBase, ShowsXXXXXAndLeavesCodeCaptionsAndOrderAlone) {
    const InvalidCase& c = GetParam();
    config.SetBaseAmount(c.base);
    config.SetSurchargeAmount(c.surcharge);
    config.SetCodeFieldText("before");
    config.SetCaptionEnabled(Opt::ClimateControl, false);
    config.MarkFiguresDue();
    EXPECT_EQ(PriceLabelText(config.Figures()), "XXXXX");
    EXPECT_EQ(ReportTotalText(config.Figures()), "-");
    EXPECT_EQ(DollarTotalText(config.Figures()), "");
    EXPECT_FALSE(config.Total());
    EXPECT_EQ(FigureWithoutTotal(config.Figures()), c.standIn);
    EXPECT_EQ(config.CodeFieldText(), "before");
    EXPECT_FALSE(config.Option(Opt::ClimateControl).captionEnabled);
    EXPECT_EQ(ui.pricesComputed, 0);
}

INSTANTIATE_TEST_SUITE_P(Figures, InvalidBase,
                         ::testing::Values(InvalidCase{std::nullopt, 0, 1},
                                           InvalidCase{std::nullopt, std::nullopt, 1},
                                           InvalidCase{17020, std::nullopt, 17020}));

// What each label reads in every state of its figure.
TEST(PriceTexts, WriteEveryStateOfTheFigures) {
    PriceFigures f;
    EXPECT_EQ(BasePriceText(f), "BazaLabel");
    EXPECT_EQ(SurchargeText(f), "0");
    EXPECT_EQ(PriceLabelText(f), "Цена: $12345");
    EXPECT_EQ(DollarTotalText(f), "$12345");
    EXPECT_EQ(ReportTotalText(f), "12345");
    EXPECT_EQ(FigureWithoutTotal(f), 0);
    f = {true, std::nullopt, std::nullopt, true, std::nullopt};
    EXPECT_EQ(BasePriceText(f), kInvalidCombination);
    EXPECT_EQ(SurchargeText(f), kInvalidCombination);
    f = {true, 17020, 115, true, 17135};
    EXPECT_EQ(BasePriceText(f), "17020");
    EXPECT_EQ(SurchargeText(f), "115");
    EXPECT_EQ(PriceLabelText(f), "Цена: $17135");
    EXPECT_EQ(DollarTotalText(f), "$17135");
    EXPECT_EQ(ReportTotalText(f), "17135");
}

TEST_F(PriceTest, TotalIsBaseSurchargeAndEveryTickedPriceLabelDisabledOnesIncluded) {
    config.SetBaseAmount(17020);
    config.SetSurchargeAmount(115);
    config.SetPrice(Opt::HeatedMirrors, 150);  // ticked and disabled at start
    config.MarkFiguresDue();
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $" + std::to_string(HandTotal(config)));
    EXPECT_EQ(*config.Total(), HandTotal(config));
    EXPECT_EQ(config.CodeFieldText().size(), 20u);
    EXPECT_EQ(ui.pricesComputed, 1);
}

TEST_F(PriceTest, SurchargeZeroIsValid) {
    config.SetBaseAmount(13340);
    config.SetSurchargeAmount(0);
    config.MarkFiguresDue();
    EXPECT_EQ(PriceLabelText(config.Figures()), "Цена: $" + std::to_string(HandTotal(config)));
}

TEST_F(PriceTest, CaptionLabelsFollowTheirCheckBoxes) {
    config.SetBaseAmount(17020);
    config.SetEnabled(Opt::ClimateControl, false);
    config.SetCaptionEnabled(Opt::HeatedMirrors, true);  // ZerkBox is disabled
    config.MarkFiguresDue();
    EXPECT_FALSE(config.Option(Opt::ClimateControl).captionEnabled);
    EXPECT_FALSE(config.Option(Opt::HeatedMirrors).captionEnabled);
    EXPECT_TRUE(config.Option(Opt::LeatherTrim).captionEnabled);
}

TEST_F(PriceTest, MetallicCaptionKeepsItsState) {
    config.SetBaseAmount(17020);
    config.SetCaptionEnabled(Opt::MetallicPaint, false);
    config.MarkFiguresDue();
    EXPECT_FALSE(config.Option(Opt::MetallicPaint).captionEnabled);
}

struct PackageCaptionCase {
    Opt package;
    std::vector<Opt> members;
    friend std::ostream& operator<<(std::ostream& os, const PackageCaptionCase& c) {
        return os << Def(c.package).name;
    }
};

class PackageCaptions : public PriceTest,
                        public ::testing::WithParamInterface<PackageCaptionCase> {};

TEST_P(PackageCaptions, StayReadableWhileThePackageIsTicked) {
    const PackageCaptionCase& c = GetParam();
    config.SetBaseAmount(17020);
    config.SetChecked(c.package, true);
    for (Opt member : c.members) config.SetOptionStandard(member);
    config.MarkFiguresDue();
    for (Opt member : c.members) {
        EXPECT_TRUE(config.Option(member).captionEnabled) << Def(member).name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Packages, PackageCaptions,
    ::testing::Values(
        PackageCaptionCase{Opt::ComfortPackage,
                           {Opt::Alloys15, Opt::Alloys16, Opt::RadioPack2, Opt::SecurityPack5}},
        PackageCaptionCase{Opt::ComfortPlusPackage,
                           {Opt::Alloys15, Opt::Alloys16, Opt::RadioPack2, Opt::SecurityPack5}},
        PackageCaptionCase{Opt::WinterPackage,
                           {Opt::HeatedMirrors, Opt::HeatedFrontSeats, Opt::HeatedWindscreen}},
        PackageCaptionCase{Opt::VisibilityPackage1, {Opt::HeatedWindscreen}},
        PackageCaptionCase{Opt::TravellerPackage, {Opt::LuggageNet, Opt::BootCarpet}}));

TEST_F(PriceTest, FogLampCaptionStaysReadableWithAVisibilityPackageInComfortOnly) {
    config.SetBaseAmount(17020);
    config.SetChecked(Opt::VisibilityPackage, true);
    config.SetEnabled(Opt::FrontFogLamps, false);
    config.MarkFiguresDue();  // trim Ghia
    EXPECT_FALSE(config.Option(Opt::FrontFogLamps).captionEnabled);
}

TEST(IntegerText, ReadsDecimalIntegersOnly) {
    EXPECT_EQ(ParseInteger("17020"), 17020);
    EXPECT_EQ(ParseInteger("-5"), -5);
    EXPECT_EQ(ParseInteger("  42"), 42);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
    for (const char* bad : {"", " ", "-", "12 ", "1e3", "2147483648", "0x10", "BazaLabel"}) {
        EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
    }
    EXPECT_EQ(IntegerOr("12a", 1), 1);
}

}  // namespace
}  // namespace kalvora
