// "Сбросить всё" and "Оснастить" through the configuration's operations.
#include <gtest/gtest.h>

#include "engine/code/ConfigFile.h"
#include "engine/model/Configuration.h"
#include "engine/model/PriceTexts.h"
#include "support/RecordingUi.h"
#include "support/User.h"

namespace kalvora {
namespace {

using testing::RecordingUi;
using testing::User;

// No file is ever named here.
class NoFiles : public FileAccess {
  public:
    bool Exists(const std::string&) override { return false; }
    bool ReadFirstLine(const std::string&, std::string*, std::string*) override { return false; }
    bool WriteFile(const std::string&, const std::string&, std::string*) override { return false; }
};

const char kResetQuestion[] = "Сброс всех опций. Вы уверены?";

class ResetAndEquipTest : public ::testing::Test {
  protected:
    ResetAndEquipTest() {
        config.RunStartCode({}, files);
        ui.messages.clear();
    }
    void Decode(const std::string& code) {
        config.SetCodeFieldText(code);
        config.DecodeCodeField();
    }
    RecordingUi ui;
    NoFiles files;
    Configuration config{ui};
    User user{config};
};

TEST_F(ResetAndEquipTest, ResetAnsweredNoChangesNothing) {
    Decode("Zt!F!!!t!.!!!!!!!!!!");
    const std::string code = config.CodeFieldText();
    const std::string price = PriceLabelText(config.Figures());
    ui.answers = {false};
    config.ResetAll();
    EXPECT_EQ(ui.questions, std::vector<std::string>{kResetQuestion});
    EXPECT_EQ(config.CodeFieldText(), code);
    EXPECT_EQ(PriceLabelText(config.Figures()), price);
    EXPECT_EQ(config.Trim(), Comfort);
}

TEST_F(ResetAndEquipTest, ResetAnsweredYesGivesTheConfigurationOfAStartWithoutArguments) {
    RecordingUi freshUi;
    Configuration fresh(freshUi);
    fresh.RunStartCode({}, files);

    Decode("Zt!F!!!t!.!!!!!!!!!!");
    user.PickTrim(Ghia);
    user.ClickBody(Wagon);
    user.PickColour(kSvoMetallic);
    user.Click(Opt::LeatherTrim);
    ui.answers = {true};
    config.ResetAll();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(config.CodeFieldText(), fresh.CodeFieldText());
    EXPECT_EQ(PriceLabelText(config.Figures()), PriceLabelText(fresh.Figures()));
    EXPECT_EQ(config.Colour(), 0);
    // The metallic paint of the previous colour goes as well.
    EXPECT_FALSE(config.Checked(Opt::MetallicPaint));
}

TEST_F(ResetAndEquipTest, EquipLeavesStandardAndUnavailableOptionsAlone) {
    // Ambiente: most options are unavailable, air conditioning and safety pack 1 available.
    const Opt untouchable[] = {Opt::XenonHeadlamps, Opt::ClimateControl, Opt::ComfortPlusPackage,
                               Opt::LeatherTrim,    Opt::FrontFogLamps,  Opt::RearElectricWindows,
                               Opt::CruiseControl};
    for (Opt o : untouchable) ASSERT_FALSE(config.Enabled(o)) << Def(o).name;
    config.EquipAll();
    for (Opt o : untouchable) {
        EXPECT_FALSE(config.Checked(o)) << Def(o).name;
        EXPECT_EQ(config.Wish(o), 0) << Def(o).name;
    }
    EXPECT_TRUE(config.Checked(Opt::AirConditioning));
    EXPECT_TRUE(config.Checked(Opt::SecurityPack1));
    EXPECT_TRUE(config.Checked(Opt::PremiumMats));
}

TEST_F(ResetAndEquipTest, EquipDoesNotTouchTheExcludedPackagesAndExtras) {
    user.PickTrim(Trend);
    config.EquipAll();
    for (Opt o :
         {Opt::ComfortPackage, Opt::WinterPackage, Opt::VisibilityPackage, Opt::MetallicPaint,
          Opt::RubberMats, Opt::LuggageNet, Opt::SumpGuard, Opt::Registration, Opt::EmergencyKit}) {
        EXPECT_FALSE(config.Checked(o)) << Def(o).name;
    }
    EXPECT_TRUE(config.Checked(Opt::ComfortPlusPackage));
    EXPECT_TRUE(config.Checked(Opt::VisibilityPackage1));
}

TEST_F(ResetAndEquipTest, EquipInGhiaWagonBringsTheTravellersPackage) {
    user.PickTrim(Ghia);
    user.ClickBody(Wagon);
    ASSERT_FALSE(config.Checked(Opt::TravellerPackage));
    config.EquipAll();
    EXPECT_TRUE(config.Checked(Opt::TravellerPackage));
    for (Opt member : {Opt::LuggageNet, Opt::BootCarpet}) {
        EXPECT_TRUE(config.Checked(member)) << Def(member).name;
        EXPECT_FALSE(config.Enabled(member)) << Def(member).name;
        EXPECT_EQ(config.Price(member), 0) << Def(member).name;
        EXPECT_EQ(config.Option(member).font, kFontDarkGreen) << Def(member).name;
    }
}

TEST_F(ResetAndEquipTest, EquippedWishesComeBackAfterATrimChange) {
    user.PickTrim(Trend);
    config.EquipAll();
    user.PickTrim(Ambiente);
    EXPECT_FALSE(config.Checked(Opt::ClimateControl));
    user.PickTrim(Ghia);
    EXPECT_TRUE(config.Checked(Opt::ClimateControl));
    EXPECT_TRUE(config.Checked(Opt::RearParkingSensor));
    // Cruise control was not offered in Trend when the button was pressed.
    EXPECT_FALSE(config.Checked(Opt::CruiseControl));
}

}  // namespace
}  // namespace kalvora
