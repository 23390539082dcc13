// What the car picture shows follows the configuration as the rules leave it.
#include <gtest/gtest.h>

#include "engine/code/DiskFileAccess.h"
#include "engine/model/CarLook.h"
#include "support/RecordingUi.h"
#include "support/User.h"

namespace kalvora {
namespace {

class CarLookTest : public ::testing::Test {
  protected:
    CarLookTest() { config.RunStartCode({}, files); }
    testing::RecordingUi ui;
    Configuration config{ui};
    DiskFileAccess files;
    testing::User user{config};
};

TEST_F(CarLookTest, RailsShowOnlyOnTheWagonAndWheelsFollowTheTicks) {
    user.PickTrim(Trend);
    user.ClickBody(Wagon);
    user.ClickRails(AluminiumRoofRails);
    EXPECT_EQ(LookOf(config).body, Wagon);
    EXPECT_EQ(LookOf(config).rails, RailsLook::Aluminium);
    user.ClickRails(BlackRoofRails);
    EXPECT_EQ(LookOf(config).rails, RailsLook::Black);

    // Another body keeps the rail button selected but shows no rails.
    user.ClickBody(Hatchback5Door);
    EXPECT_EQ(LookOf(config).rails, RailsLook::None);

    const WheelLook start = LookOf(config).wheels;
    user.Click(Opt::Alloys16);
    EXPECT_EQ(LookOf(config).wheels, config.Checked(Opt::Alloys16) ? WheelLook::Alloy16 : start);
    if (config.Checked(Opt::Alloys16)) {
        user.Click(Opt::Alloys16);
        EXPECT_NE(LookOf(config).wheels, WheelLook::Alloy16);
    }
}

TEST_F(CarLookTest, EveryColourWithAShadeHasItsOwnPaintTheOthersAreGrey) {
    for (int c = 0; c < kColourCount; ++c) {
        user.PickColour(c);
        const CarLook look = LookOf(config);
        if (kColours[std::size_t(c)].shade == Shade::None) {
            EXPECT_EQ(look.paint, kNeutralPaint) << c;
            EXPECT_FALSE(look.metallic) << c;
        } else {
            EXPECT_NE(look.paint, kNeutralPaint) << c;
            EXPECT_EQ(look.metallic, kColours[std::size_t(c)].metallic) << c;
            for (int other = 1; other < c; ++other) {
                if (kColours[std::size_t(other)].shade != Shade::None) {
                    EXPECT_NE(PaintOf(other), look.paint) << c << " " << other;
                }
            }
        }
    }
    EXPECT_EQ(PaintOf(-1), kNeutralPaint);
    EXPECT_EQ(PaintOf(kColourCount), kNeutralPaint);
}

}  // namespace
}  // namespace kalvora
