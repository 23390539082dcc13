#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "Scene.h"
#include "engine/documents/CheckList.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

using testing::Apply;
using testing::RecordingUi;
using testing::Scene;

std::vector<int> Range(int from, int to) {
    std::vector<int> rows;
    for (int r = from; r <= to; ++r) rows.push_back(r);
    return rows;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Inspection items listed for every car, whatever the body or engine.
std::vector<int> EveryCar() {
    std::vector<int> rows = Join({{70, 71, 73, 75},
                                  Range(78, 90),
                                  {92},
                                  Range(94, 97),
                                  {115},
                                  Range(136, 145),
                                  Range(157, 163),
                                  Range(166, 192),
                                  Range(197, 199),
                                  Range(201, 204)});
    return rows;
}

struct ListCase {
    const char* name;
    Scene scene;
    std::vector<int> listed;
    std::vector<int> absent;
};

Scene Car(int trim, int body, int engine, int colour, std::vector<Opt> ticked) {
    Scene s;
    s.trim = trim;
    s.body = body;
    s.engine = engine;
    s.colour = colour;
    s.rails = body == Wagon ? BlackRoofRails : NoRoofRails;
    s.ticked.clear();
    for (Opt o : ticked) s.ticked.push_back({o, "100"});
    return s;
}

class CheckListRows : public ::testing::TestWithParam<ListCase> {
  protected:
    RecordingUi ui;
    Configuration config{ui};
};

TEST_P(CheckListRows, ListTheItemsOfTheConfiguration) {
    Apply(config, GetParam().scene);
    const std::vector<int> rows = CheckList::ListedRows(config);
    const std::set<int> got(rows.begin(), rows.end());
    for (int r : GetParam().listed) EXPECT_TRUE(got.count(r)) << "row " << r << " missing";
    for (int r : GetParam().absent) EXPECT_FALSE(got.count(r)) << "row " << r << " listed";
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, CheckListRows,
    ::testing::Values(
        ListCase{"AmbienteFiveDoorWithoutAlloys",
                 Car(Ambiente, Hatchback5Door, Petrol14Manual80, 0, {}),
                 Join({Range(2, 14),
                       {42, 48, 51, 56, 194, 195, 72, 74, 77, 91, 93, 98, 164, 165},
                       EveryCar()}),
                 Join({{1, 15, 76, 99, 200, 43, 44, 45, 57, 58, 59, 205, 206},
                       Range(16, 41),
                       Range(60, 69),
                       Range(100, 114)})},
        ListCase{"GhiaWagonAutomaticWithSixteenInchAlloys",
                 Car(Ghia, Wagon, Petrol20Automatic145, 4, {Opt::Alloys16}),
                 Join({{1},
                       Range(3, 15),
                       Range(16, 20),
                       Range(28, 41),
                       {45, 49, 50, 55, 57, 58, 63, 205, 194, 195, 77, 98},
                       EveryCar()}),
                 {2, 21, 22, 27, 42, 43, 56, 200, 206, 76, 99}},
        ListCase{"TrendThreeDoorWithRearWindows",
                 Car(Trend, Hatchback3Door, Petrol20Manual145, 1, {Opt::RearElectricWindows}),
                 Join({Range(21, 27), {43, 46, 50, 55, 56, 60, 200, 205, 206}, EveryCar()}),
                 {30, 72, 74, 91, 93, 164, 165, 15, 61, 76, 99}},
        ListCase{"SedanHasBootButNoTailgateOrRearWiper",
                 Car(Comfort, Sedan, Petrol16Automatic100, 11, {Opt::Alloys15, Opt::RadioPack6}),
                 Join({{76, 99, 44, 47, 52, 57, 151, 152, 153, 154, 155, 16}, EveryCar()}),
                 Join({{77, 98, 194, 195, 42, 56, 15, 27, 148}, Range(60, 69)})},
        ListCase{"OptionsAddTheirChecks",
                 Car(Comfort, Hatchback5Door, Diesel18Manual115, 2,
                     {Opt::XenonHeadlamps, Opt::SecurityPack5, Opt::LeatherTrim,
                      Opt::StabilityControl, Opt::AirConditioning, Opt::WinterPackage,
                      Opt::TintedGlass, Opt::StyleInteriorPackage, Opt::AntiLockBrakes}),
                 {16,  37,  50,  54,  56,  61,  100, 101, 102, 103, 104, 111, 112, 113, 114, 116,
                  117, 122, 123, 124, 125, 126, 127, 130, 131, 193, 196, 210, 211, 212, 217},
                 {105, 118, 128, 129, 200, 216}},
        ListCase{"PetrolOneEightHasEngineBayInsulation",
                 Car(Trend, Hatchback5Door, Petrol18Manual125, 10,
                     {Opt::FrontFogLamps, Opt::RadioPack12}),
                 {22, 56, 69, 146, 149, 200, 216},
                 {51, 52, 53, 54, 55, 57, 147}}),
    [](const auto& info) { return std::string(info.param.name); });

class CheckListText : public ::testing::Test {
  protected:
    std::vector<std::string> Compose() { return CheckList::Compose(config, ui); }
    static int Count(const std::vector<std::string>& lines, const std::string& line) {
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }
    RecordingUi ui;
    Configuration config{ui};
};

TEST_F(CheckListText, HasHeaderItemsAndFooterAroundTheListedRows) {
    Apply(config, Car(Ghia, Sedan, Petrol20Manual145, 7, {}));
    const std::vector<std::string> lines = Compose();
    const std::vector<int> rows = CheckList::ListedRows(config);
    ASSERT_EQ(lines.size(), rows.size() + 7);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1],
              "        Перечень контролируемых параметров для конфигурации: "
              "\"ABCDEFGHIJKLMNOPQRST\"");
    EXPECT_EQ(lines[2], "        -----");
    EXPECT_EQ(lines[3], "");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(lines[4 + i], "        " + std::string(CheckList::RowText(rows[i])));
    }
    EXPECT_EQ(lines[lines.size() - 3], "");
    EXPECT_EQ(lines[lines.size() - 2], "        -----");
    EXPECT_EQ(lines.back(),
              "        Список подготовлен Конфигуратором Kalvora от Dravel, Версия 1.12, "
              "06.12.2026, 18:20:08");
}

TEST_F(CheckListText, EmptyCodeGivesTwoQuotes) {
    Scene s = Car(Ghia, Sedan, Petrol20Manual145, 7, {});
    s.code = "";
    Apply(config, s);
    EXPECT_EQ(Compose()[1], "        Перечень контролируемых параметров для конфигурации: \"\"");
}

TEST_F(CheckListText, HeadlampWasherIsListedOnceForXenonAndWasher) {
    Apply(config,
          Car(Ghia, Sedan, Petrol20Manual145, 7, {Opt::XenonHeadlamps, Opt::HeadlampWashers}));
    EXPECT_EQ(Count(Compose(), "        Омыватель фар, работает при включенном ближнем свете"), 1);
}

TEST_F(CheckListText, SvoMetallicHasNoColourLineAndEachPaintCheckOnce) {
    Apply(config, Car(Ghia, Wagon, Petrol20Manual145, kSvoMetallic, {}));
    const std::vector<std::string> lines = Compose();
    for (const std::string& line : lines) EXPECT_NE(line.rfind("        Цвет ", 0), 0u) << line;
    int paintLines = 0;
    for (int row = 70; row <= 89; ++row) {
        const int n = Count(lines, "        " + std::string(CheckList::RowText(row)));
        EXPECT_LE(n, 1) << row;
        paintLines += n;
    }
    EXPECT_EQ(paintLines, 19);  // the wagon has no boot lid
}

TEST_F(CheckListText, FrozenWhiteIsCalledDiamondWhite) {
    Apply(config, Car(Ghia, Sedan, Petrol20Manual145, 1, {}));
    EXPECT_EQ(Count(Compose(), "        Цвет Diamond White"), 1);
}

TEST_F(CheckListText, RowTextOutsideTheTableIsEmpty) {
    EXPECT_TRUE(CheckList::RowText(0).empty());
    EXPECT_TRUE(CheckList::RowText(CheckList::kRowCount + 1).empty());
    EXPECT_EQ(CheckList::RowText(217), "Тонированные стёкла");
}

}  // namespace
}  // namespace kalvora
