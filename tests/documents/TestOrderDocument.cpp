#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Scene.h"
#include "engine/documents/OrderDocument.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

using testing::Apply;
using testing::RecordingUi;
using testing::Scene;
using Lines = std::vector<std::string>;

// The Ghia wagon with the 2,0 manual engine, black roof rails that cost nothing, xenon
// headlamps and metallic paint in Moondust Silver.
Scene GhiaWagon() {
    Scene s;
    s.trim = Ghia;
    s.body = Wagon;
    s.engine = Petrol20Manual145;
    s.rails = BlackRoofRails;
    s.colour = 7;
    s.base = 18560;
    s.surcharge = 0;
    s.ticked = {{Opt::XenonHeadlamps, "980"}, {Opt::MetallicPaint, "275"},
                {Opt::HeatedMirrors, "0"},    {Opt::AirConditioning, "0"},
                {Opt::SecurityPack1, "0"},    {Opt::HeadlampWashers, "0"}};
    return s;
}

class OrderDocumentTest : public ::testing::Test {
  protected:
    void Build(const Scene& s) {
        Apply(config, s);
        order.OnVerbalToggled();
    }
    bool Has(const std::string& line) const {
        const Lines& m = order.Lines();
        return std::find(m.begin(), m.end(), line) != m.end();
    }
    RecordingUi ui;
    Configuration config{ui};
    OrderDocument order{config, ui};
};

TEST_F(OrderDocumentTest, HoldsTheInitialTextUntilTheFirstRefresh) {
    EXPECT_EQ(order.Lines(), Lines{"Memo1"});
    EXPECT_TRUE(order.Verbal());
    EXPECT_FALSE(order.Coded());
    EXPECT_TRUE(order.WithPrices());
    EXPECT_FALSE(order.Indented());
}

TEST_F(OrderDocumentTest, VerbalOrderOfTheGhiaWagon) {
    Build(GhiaWagon());
    const Lines expected = {
        "",
        "Заказ составлен 06.12.2026, 18:20:08",
        "",
        "Модель: Ford Focus C307",
        "Тип кузова: универсал",
        "Двигатель: 2,0 л (145 л.с.)",
        "Цвет окраски кузова: Moondust Silver Metallic",
        "[$18560] Комплектация: Ghia",
        "[$980] Ксеноновые фары",
        "[$275] Окраска кузова в \"металлик\": Moondust Silver Metallic",
        "",
        "Итоговая цена: $19815",
    };
    EXPECT_EQ(order.Lines(), expected);
}

TEST_F(OrderDocumentTest, CombinedOrderOfTheGhiaWagon) {
    Build(GhiaWagon());
    order.SetCoded(true);
    ASSERT_EQ(order.Variant(), OrderVariant::Combined);
    const Lines expected = {
        "",
        "Заказ составлен 06.12.2026, 18:20:08",
        "",
        "Модель: Ford Focus C307",
        "Тип кузова: Wagon (универсал)",
        "Двигатель: 2,0L (145MT), механическая коробка передач, 145 л.с.",
        "Цвет окраски кузова: Moondust Silver Metallic",
        "[$18560] Комплектация: Ghia",
        "[$980] H.Inten Hdlmps/K03D0 (Ксеноновые фары)",
        "[$275] Metallic paint (Окраска кузова в \"металлик\"): Moondust Silver Metallic",
        "",
        "Итоговая цена: $19815",
    };
    EXPECT_EQ(order.Lines(), expected);
}

TEST_F(OrderDocumentTest, CodeOrderNamesTheFactoryDesignations) {
    Build(GhiaWagon());
    order.SetCoded(true);
    order.SetVerbal(false);
    ASSERT_EQ(order.Variant(), OrderVariant::Code);
    EXPECT_TRUE(Has("Тип кузова: Wagon"));
    EXPECT_TRUE(Has("Двигатель: 2,0L (145MT)"));
    EXPECT_TRUE(Has("[$980] H.Inten Hdlmps/K03D0"));
    EXPECT_TRUE(Has("[$275] Metallic paint: Moondust Silver Metallic"));
}

// --- The four boxes -------------------------------------------------------------------------

struct BoxCase {
    const char* name;
    std::vector<const char*> clicks;
    bool verbal, coded;
    OrderVariant variant;
    const char* bodyLine;
};

class OrderBoxes : public OrderDocumentTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(OrderBoxes, KeepAtLeastOneDescriptionBoxAndShowItsVariant) {
    Build(GhiaWagon());
    for (const char* box : GetParam().clicks) ASSERT_TRUE(order.ClickBox(box));
    EXPECT_EQ(order.Verbal(), GetParam().verbal);
    EXPECT_EQ(order.Coded(), GetParam().coded);
    EXPECT_EQ(order.Variant(), GetParam().variant);
    EXPECT_TRUE(Has(GetParam().bodyLine)) << order.Text();
}

INSTANTIATE_TEST_SUITE_P(Clicks, OrderBoxes,
                         ::testing::Values(BoxCase{"UntickingTheOnlyVerbalBoxTicksItAgain",
                                                   {"SlovoBox"},
                                                   true,
                                                   false,
                                                   OrderVariant::Verbal,
                                                   "Тип кузова: универсал"},
                                           BoxCase{"UntickingTheOnlyCodeBoxTicksItAgain",
                                                   {"KodBox", "SlovoBox", "KodBox"},
                                                   false,
                                                   true,
                                                   OrderVariant::Code,
                                                   "Тип кузова: Wagon"},
                                           BoxCase{"BothBoxesGiveTheCombinedText",
                                                   {"KodBox"},
                                                   true,
                                                   true,
                                                   OrderVariant::Combined,
                                                   "Тип кузова: Wagon (универсал)"},
                                           BoxCase{"UntickingVerbalAfterCodeGivesTheCodeText",
                                                   {"KodBox", "SlovoBox"},
                                                   false,
                                                   true,
                                                   OrderVariant::Code,
                                                   "Тип кузова: Wagon"},
                                           BoxCase{"PricesKeepTheCodeVariant",
                                                   {"KodBox", "SlovoBox", "CBox"},
                                                   false,
                                                   true,
                                                   OrderVariant::Code,
                                                   "Тип кузова: Wagon"},
                                           BoxCase{
                                               "IndentKeepsTheCombinedVariant",
                                               {"KodBox", "OtstupBox"},
                                               true,
                                               true,
                                               OrderVariant::Combined,
                                               "                 Тип кузова: Wagon (универсал)"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OrderDocumentTest, RetickingTheLastBoxBuildsTheTextTwice) {
    Build(GhiaWagon());
    const int before = order.Generations();
    order.SetVerbal(false);
    EXPECT_TRUE(order.Verbal());
    EXPECT_EQ(order.Generations(), before + 2);
}

TEST_F(OrderDocumentTest, AClickOnAnUnknownNameDoesNothing) {
    Build(GhiaWagon());
    const int before = order.Generations();
    EXPECT_FALSE(order.ClickBox("Memo1"));
    EXPECT_EQ(order.Generations(), before);
}

// --- The line rule ----------------------------------------------------------------------------

struct LineCase {
    const char* name;
    bool prices, indent;
    std::optional<Dollars> price;       // none: an unpriced line
    std::vector<std::string> expected;  // empty: the line is dropped
};

class OrderLineRule : public OrderDocumentTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(OrderLineRule, WritesIndentThenTagThenText) {
    order.SetWithPrices(GetParam().prices);
    order.SetIndented(GetParam().indent);
    const Lines before = order.Lines();
    order.AddOrderLine("Текст", GetParam().price);
    Lines added(order.Lines().begin() + static_cast<long>(before.size()), order.Lines().end());
    EXPECT_EQ(added, GetParam().expected);
}

const std::string k17(17, ' ');

INSTANTIATE_TEST_SUITE_P(
    Lines, OrderLineRule,
    ::testing::Values(LineCase{"PricedLineCarriesATag", true, false, 980, {"[$980] Текст"}},
                      LineCase{"UnpricedLineHasNoTag", true, false, std::nullopt, {"Текст"}},
                      LineCase{"ZeroPricedLineIsDropped", true, false, 0, {}},
                      LineCase{"WithoutPricesNoTag", false, false, 980, {"Текст"}},
                      LineCase{"WithoutPricesZeroIsKept", false, false, 0, {"Текст"}},
                      LineCase{"NegativePriceIsTagged", true, false, -5, {"[$-5] Текст"}},
                      LineCase{"TagComesAfterTheIndent", true, true, 275, {k17 + "[$275] Текст"}},
                      LineCase{"IndentWithoutPrices", false, true, 275, {k17 + "Текст"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OrderDocumentTest, IndentedEmptyLinesAreSeventeenBlanks) {
    order.SetIndented(true);
    Build(GhiaWagon());
    ASSERT_GE(order.Lines().size(), 3u);
    EXPECT_EQ(order.Lines()[0], k17);
    EXPECT_EQ(order.Lines()[2], k17);
    EXPECT_EQ(order.Lines()[7], k17 + "[$18560] Комплектация: Ghia");
}

TEST_F(OrderDocumentTest, BeginsWithAnEmptyLineAndEndsWithTheTotal) {
    Build(GhiaWagon());
    EXPECT_EQ(order.Lines().front(), "");
    EXPECT_EQ(order.Lines().back(), "Итоговая цена: $19815");
    EXPECT_EQ(order.Lines()[order.Lines().size() - 2], "");
}

TEST_F(OrderDocumentTest, APriceOfOneIsAPriceLikeAnyOther) {
    Scene s = GhiaWagon();
    s.ticked.push_back({Opt::CruiseControl, "1"});
    Build(s);
    EXPECT_TRUE(Has("[$1] Круиз контроль")) << order.Text();
}

// --- Which options, rails and extras are written -------------------------------------------

struct ZeroCase {
    const char* name;
    bool verbal, coded, prices;
};

class ZeroPricedOption : public OrderDocumentTest,
                         public ::testing::WithParamInterface<ZeroCase> {};

TEST_P(ZeroPricedOption, GetsNoLineInAnyVariant) {
    Build(GhiaWagon());  // the washer comes with xenon and costs nothing
    order.SetCoded(GetParam().coded);
    order.SetVerbal(GetParam().verbal);
    order.SetWithPrices(GetParam().prices);
    for (const std::string& line : order.Lines()) {
        EXPECT_EQ(line.find("Омыватель фар"), std::string::npos) << line;
        EXPECT_EQ(line.find("Headlamp Jet Wash"), std::string::npos) << line;
        EXPECT_EQ(line.find("Кондиционер"), std::string::npos) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, ZeroPricedOption,
                         ::testing::Values(ZeroCase{"Verbal", true, false, true},
                                           ZeroCase{"VerbalWithoutPrices", true, false, false},
                                           ZeroCase{"Code", false, true, true},
                                           ZeroCase{"CodeWithoutPrices", false, true, false},
                                           ZeroCase{"Combined", true, true, true},
                                           ZeroCase{"CombinedWithoutPrices", true, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ExtraCase {
    const char* name;
    bool prices;
    bool enabled;
    const char* price;
    std::vector<std::string> tail;  // the lines between the options and the closing empty line
};

class DealerExtras : public OrderDocumentTest, public ::testing::WithParamInterface<ExtraCase> {};

TEST_P(DealerExtras, FollowTheSeparatorAndHeading) {
    Scene s = GhiaWagon();
    s.ticked.push_back({Opt::Registration, GetParam().price});
    if (!GetParam().enabled) s.disabled.push_back(Opt::Registration);
    order.SetWithPrices(GetParam().prices);
    Build(s);
    const Lines& m = order.Lines();
    const auto sep = std::find(m.begin(), m.end(), "----------------------");
    ASSERT_NE(sep, m.end());
    const Lines tail(sep, m.end() - 2);
    EXPECT_EQ(tail, GetParam().tail);
}

const std::string kSep = "----------------------";
const std::string kHead = "Дополнительные (не заводские) опции:";
const std::string kGai = "Постановка на учёт в ГАИ, получение талона ТО";

INSTANTIATE_TEST_SUITE_P(
    Extras, DealerExtras,
    ::testing::Values(
        ExtraCase{"PricedExtra", true, true, "300", {kSep, kHead, "[$300] " + kGai}},
        ExtraCase{"ZeroPricedExtraIsDroppedWithPrices", true, true, "0", {kSep, kHead}},
        ExtraCase{"ZeroPricedExtraIsKeptWithoutPrices", false, true, "0", {kSep, kHead, kGai}},
        ExtraCase{"DisabledExtraKeepsOnlyTheHeading", true, false, "300", {kSep, kHead}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OrderDocumentTest, NoExtrasNoSeparator) {
    Build(GhiaWagon());
    EXPECT_FALSE(Has(kSep));
    EXPECT_FALSE(Has(kHead));
}

struct RailCase {
    const char* name;
    int rails;
    Dollars surcharge;
    bool coded;
    const char* expected;  // nullptr: no roof-rail line
};

class RoofRailLine : public OrderDocumentTest, public ::testing::WithParamInterface<RailCase> {};

TEST_P(RoofRailLine, IsWrittenOnlyWhenTheRailsCostSomething) {
    Scene s = GhiaWagon();
    s.rails = GetParam().rails;
    // Roof rails belong to the wagon; with none the car is a sedan.
    if (s.rails == NoRoofRails) s.body = Sedan;
    s.surcharge = GetParam().surcharge;
    order.SetCoded(GetParam().coded);
    Build(s);
    const Lines& m = order.Lines();
    const Lines between(m.begin() + 8, m.end() - 2);
    ASSERT_GE(between.size(), 2u);
    if (GetParam().expected) {
        EXPECT_EQ(between.front(), GetParam().expected);
    } else {
        EXPECT_EQ(between.front().find("Ксеноновые"), 7u) << between.front();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rails, RoofRailLine,
    ::testing::Values(RailCase{"FreeBlackRails", BlackRoofRails, 0, false, nullptr},
                      RailCase{"FreeAluminiumRails", AluminiumRoofRails, 0, false, nullptr},
                      RailCase{"PricedBlackRails", BlackRoofRails, 150, false,
                               "[$150] Черные направляющие багажника"},
                      RailCase{"PricedAluminiumRailsCombined", AluminiumRoofRails, 240, true,
                               "[$240] Roof Rails - Alumin"},
                      RailCase{"NoRailsSelected", NoRoofRails, 150, false, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Designations that depend on the trim --------------------------------------------------

struct TrimCase {
    const char* name;
    int trim;
    Opt option;
    bool verbal, coded;
    const char* expected;  // nullptr: the option gets no line
};

class TrimDesignation : public OrderDocumentTest, public ::testing::WithParamInterface<TrimCase> {};

TEST_P(TrimDesignation, ComesFromTheTrimOrIsLeftOut) {
    Scene s = GhiaWagon();
    s.trim = GetParam().trim;
    s.body = Hatchback5Door;
    s.engine = GetParam().trim == Ambiente ? Petrol14Manual80 : Petrol16Manual115;
    s.rails = NoRoofRails;
    s.ticked = {{GetParam().option, "500"}};
    order.SetCoded(GetParam().coded);
    order.SetVerbal(GetParam().verbal);
    Build(s);
    const Lines& m = order.Lines();
    const Lines options(m.begin() + 8, m.end() - 2);
    if (GetParam().expected) {
        EXPECT_EQ(options, Lines{GetParam().expected});
    } else {
        EXPECT_TRUE(options.empty()) << options.front();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Trims, TrimDesignation,
    ::testing::Values(
        TrimCase{"WheelsOnAmbienteCode", Ambiente, Opt::Alloys16, false, true, nullptr},
        TrimCase{"WheelsOnComfortCombined", Comfort, Opt::Alloys16, true, true, nullptr},
        TrimCase{"WheelsOnComfortVerbal", Comfort, Opt::Alloys16, true, false,
                 "[$500] 16\" легкосплавные диски"},
        TrimCase{"WheelsOnTrendCode", Trend, Opt::Alloys16, false, true,
                 "[$500] 6.5x16\"AW-TRND/K00UY"},
        TrimCase{"WheelsOnGhiaCombined", Ghia, Opt::Alloys16, true, true,
                 "[$500] 6.5x16\"'L'AWhl/K00UX (16\" легкосплавные диски)"},
        TrimCase{"SecurityOnAmbienteCode", Ambiente, Opt::SecurityPack5, false, true, nullptr},
        TrimCase{"SecurityOnGhiaCode", Ghia, Opt::SecurityPack5, false, true,
                 "[$500] Sec Lock Gp  5/K04SY ilo Sec Lock Gp  1/K0192"},
        TrimCase{"ComfortOnAmbienteCombined", Ambiente, Opt::ComfortPackage, true, true, nullptr},
        TrimCase{"ComfortPlusOnTrendCombined", Trend, Opt::ComfortPlusPackage, true, true,
                 "[$500] Radio+CD+Alarm+Alloy for Sport (Пакет \"Комфорт+\")"},
        TrimCase{"WinterOnAmbienteCode", Ambiente, Opt::WinterPackage, false, true, nullptr},
        TrimCase{"VisibilityOnAmbienteCode", Ambiente, Opt::VisibilityPackage, false, true,
                 nullptr},
        TrimCase{"VisibilityOneOnAmbienteCombined", Ambiente, Opt::VisibilityPackage1, true, true,
                 nullptr},
        TrimCase{"VisibilityOneOnComfortCode", Comfort, Opt::VisibilityPackage1, false, true,
                 "[$500] Conven Grp  8/K04Z8"},
        TrimCase{"PackageOnAmbienteVerbal", Ambiente, Opt::WinterPackage, true, false,
                 "[$500] Пакет \"Зимний\""},
        TrimCase{"SpoilerCombinedDropsTheTrailingBlank", Ghia, Opt::LongSpoiler, true, true,
                 "[$500] Large Painted Spoiler (Удлиненный спойлер, окрашенный в цвет кузова)"},
        TrimCase{"SpoilerCodeKeepsTheTrailingBlank", Ghia, Opt::LongSpoiler, false, true,
                 "[$500] Large Painted Spoiler "}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Engines whose texts the factory tables leave open --------------------------------------

TEST_F(OrderDocumentTest, PetrolOneEightCombinedNamesGearboxAndPower) {
    Scene s = GhiaWagon();
    s.trim = Trend;
    s.body = Hatchback5Door;
    s.engine = Petrol18Manual125;
    s.rails = NoRoofRails;
    order.SetCoded(true);
    Build(s);
    EXPECT_TRUE(Has("Двигатель: 1,8L (125MT), механическая коробка передач, 125 л.с."))
        << order.Text();
}

TEST_F(OrderDocumentTest, TwoLitreAutomaticVerbalNamesTheGearbox) {
    Scene s = GhiaWagon();
    s.engine = Petrol20Automatic145;
    Build(s);
    EXPECT_TRUE(Has("Двигатель: 2,0 л (145 л.с.), автоматическая коробка передач")) << order.Text();
}

// --- Combinations without a price -----------------------------------------------------------

TEST_F(OrderDocumentTest, InvalidCombinationIsNamedInsteadOfAPrice) {
    Scene s = GhiaWagon();
    s.base = std::nullopt;
    s.rails = AluminiumRoofRails;
    s.surcharge = std::nullopt;
    Build(s);
    EXPECT_TRUE(Has("Комплектация: Ghia (Недопустимое сочетание параметров)")) << order.Text();
    EXPECT_TRUE(Has("Алюминиевые направляющие багажника (Недопустимое сочетание параметров)"));
    EXPECT_EQ(order.Lines().back(), "Итоговая цена: ");
}

TEST_F(OrderDocumentTest, NoColourSelectedLeavesTheColourNameEmpty) {
    Scene s = GhiaWagon();
    s.colour = -1;
    Build(s);
    EXPECT_TRUE(Has("Цвет окраски кузова: ")) << order.Text();
    EXPECT_TRUE(Has("[$275] Окраска кузова в \"металлик\": "));
}

TEST_F(OrderDocumentTest, ObserverHearsEveryGeneration) {
    int heard = 0;
    order.SetTextObserver([&] { ++heard; });
    Build(GhiaWagon());
    order.SetWithPrices(false);
    EXPECT_EQ(heard, 2);
}

}  // namespace
}  // namespace kalvora
