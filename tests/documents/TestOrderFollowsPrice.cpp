// The order text as the program keeps it: rebuilt at the end of every price computation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <regex>
#include <string>

#include "engine/documents/OrderDocument.h"
#include "engine/model/Configuration.h"
#include "engine/model/PriceTexts.h"
#include "support/RecordingUi.h"
#include "support/User.h"

namespace kalvora {
namespace {

// A recorder that writes the order text again after every price, as the program does.
class OrderRefreshingUi : public testing::RecordingUi {
  public:
    void PriceComputed() override {
        RecordingUi::PriceComputed();
        if (order) order->OnVerbalToggled();
    }
    OrderDocument* order = nullptr;
};

class OrderFollowsPrice : public ::testing::Test {
  protected:
    OrderFollowsPrice() {
        ui.order = &order;
        config.SetObserver(&ui);
        config.ApplyTrimRules();
    }
    bool Has(const std::string& line) const {
        const auto& m = order.Lines();
        return std::find(m.begin(), m.end(), line) != m.end();
    }
    // The sum of every price tag of the text.
    std::int64_t SumOfTags() const {
        static const std::regex tag(R"(^ *\[\$(-?[0-9]+)\] )");
        std::int64_t sum = 0;
        for (const std::string& line : order.Lines()) {
            std::smatch m;
            if (std::regex_search(line, m, tag)) sum += std::stoll(m[1]);
        }
        return sum;
    }

    OrderRefreshingUi ui;
    Configuration config{ui};
    OrderDocument order{config, ui};
    testing::User user{config};
};

TEST_F(OrderFollowsPrice, GhiaWagonWithXenonAndMetallicPaint) {
    user.PickTrim(Ghia);
    user.ClickBody(Wagon);
    user.ClickEngine(Petrol20Manual145);
    user.ClickRails(BlackRoofRails);
    user.PickColour(7);
    if (!config.Checked(Opt::XenonHeadlamps)) user.Click(Opt::XenonHeadlamps);
    ASSERT_EQ(BasePriceText(config.Figures()), "18560");
    ASSERT_EQ(SurchargeText(config.Figures()), "0");

    EXPECT_TRUE(Has("Тип кузова: универсал"));
    EXPECT_TRUE(Has("Двигатель: 2,0 л (145 л.с.)"));
    EXPECT_TRUE(Has("Цвет окраски кузова: Moondust Silver Metallic"));
    EXPECT_TRUE(Has("[$18560] Комплектация: Ghia"));
    EXPECT_TRUE(Has("[$980] Ксеноновые фары"));
    EXPECT_TRUE(Has("[$275] Окраска кузова в \"металлик\": Moondust Silver Metallic"));
    EXPECT_FALSE(Has("[$0] Черные направляющие багажника"));
    EXPECT_EQ(order.Lines().back(), "Итоговая цена: $" + std::to_string(*config.Total()));
}

struct Step {
    const char* name;
    void (*act)(testing::User&);
};

class EveryChange : public OrderFollowsPrice, public ::testing::WithParamInterface<Step> {};

// Every priced line of the order carries its price, so the tags add up to the total.
TEST_P(EveryChange, RebuildsTheOrderAndItsTagsAddUpToTheTotal) {
    const int before = order.Generations();
    GetParam().act(user);
    ASSERT_GT(order.Generations(), before);
    ASSERT_EQ(PriceLabelText(config.Figures()), "Цена: $" + std::to_string(*config.Total()));
    EXPECT_EQ(SumOfTags(), *config.Total()) << order.Text();
    EXPECT_EQ(order.Lines().back(), "Итоговая цена: $" + std::to_string(*config.Total()));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, EveryChange,
    ::testing::Values(Step{"Trim", [](testing::User& u) { u.PickTrim(Trend); }},
                      Step{"WagonWithAluminiumRails",
                           [](testing::User& u) {
                               u.ClickBody(Wagon);
                               u.ClickRails(AluminiumRoofRails);
                           }},
                      Step{"ComfortPackage",
                           [](testing::User& u) {
                               u.PickTrim(Comfort);
                               u.Click(Opt::ComfortPackage);
                           }},
                      Step{"WinterPackage", [](testing::User& u) { u.Click(Opt::WinterPackage); }},
                      Step{"Leather", [](testing::User& u) { u.Click(Opt::LeatherTrim); }},
                      Step{"Colour", [](testing::User& u) { u.PickColour(kSvoMetallic); }},
                      Step{"Xenon", [](testing::User& u) { u.Click(Opt::XenonHeadlamps); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OrderFollowsPrice, AConfigurationWithoutAPriceKeepsThePreviousText) {
    const std::string text = order.Text();
    const int before = order.Generations();
    config.SetBaseAmount(std::nullopt);
    config.MarkFiguresDue();
    EXPECT_EQ(PriceLabelText(config.Figures()), "XXXXX");
    EXPECT_EQ(order.Generations(), before);
    EXPECT_EQ(order.Text(), text);
}

}  // namespace
}  // namespace kalvora
