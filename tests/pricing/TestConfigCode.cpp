#include <gtest/gtest.h>

#include <random>
#include <set>

#include "engine/code/ConfigCode.h"
#include "engine/model/Catalogue.h"

namespace kalvora {
namespace {

// Builds the code of a configuration given as trim, body, rails, engine, colour and the set of
// ticked options.
std::string CodeOf(int trim, int body, int rails, int engine, int colour, std::set<Opt> ticked) {
    CodeBuilder code(trim, body, rails, engine);
    for (int i = 0; i < kOptionCount; ++i) {
        code.AddOption(i, ticked.count(OptAt(i)) > 0);
        if (i == kOptionsBeforeColour - 1) code.SetColour(colour);
    }
    return code.Finish();
}

int XorOfFirst19(const std::string& code) {
    int x = 0;
    for (int i = 0; i < 19; ++i) x ^= CodeCharIndex(code[i]);
    return x;
}

TEST(ConfigCode, WorkedExampleComfortSedanWithClimateAndMetallic) {
    EXPECT_EQ(CodeOf(Comfort, Sedan, NoRoofRails, Petrol16Manual100, 5,
                     {Opt::ClimateControl, Opt::MetallicPaint}),
              "Zt!F!!!t!.!!!!!!!!!!");
}

TEST(ConfigCode, OneMoreOptionChangesEveryCharacterButItsOwnWord) {
    EXPECT_EQ(CodeOf(Comfort, Sedan, NoRoofRails, Petrol16Manual100, 5,
                     {Opt::ClimateControl, Opt::MetallicPaint, Opt::RadioPack1}),
              "YskFkkkskpkkkkkkkkkk");
}

TEST(ConfigCode, EverythingZeroIsTheResetCode) {
    EXPECT_EQ(CodeOf(Ambiente, Hatchback3Door, NoRoofRails, Petrol14Manual80, 0, {}),
              std::string(kResetCode));
}

TEST(ConfigCode, LastOptionsLandInTheTopBitsOfWordEleven) {
    // TonBox alone: word 11 = 0b001000 = 8, check word 8, so every other word shows 8 too.
    EXPECT_EQ(
        CodeOf(Ambiente, Hatchback3Door, NoRoofRails, Petrol14Manual80, 0, {Opt::TintedGlass}),
        "88888888888#88888888");
    // KovrPremiumBox alone: word 11 = 0b100000 = 32.
    EXPECT_EQ(
        CodeOf(Ambiente, Hatchback3Door, NoRoofRails, Petrol14Manual80, 0, {Opt::PremiumMats}),
        "UUUUUUUUUUU#UUUUUUUU");
}

TEST(ConfigCode, FirstNineteenCharactersAlwaysXorToZero) {
    std::mt19937 random(7);
    for (int run = 0; run < 2000; ++run) {
        std::set<Opt> ticked;
        for (int i = 0; i < kOptionCount; ++i) {
            if (random() % 2) ticked.insert(OptAt(i));
        }
        const std::string code =
            CodeOf(random() % 4, random() % 4, random() % 3, random() % 8, random() % 12, ticked);
        ASSERT_EQ(code.size(), 20u);
        EXPECT_EQ(XorOfFirst19(code), 0) << code;
    }
}

TEST(ConfigCode, AlphabetHasSixtyFourDistinctCharactersWithoutLookalikes) {
    std::set<char> distinct(kCodeAlphabet.begin(), kCodeAlphabet.end());
    EXPECT_EQ(distinct.size(), 64u);
    for (int v = 0; v < 64; ++v) EXPECT_EQ(CodeCharIndex(kCodeAlphabet[v]), v);
    for (char c : {'0', 'I', 'O', 'l', 'o', '$', ' ', '\0', '\xD0'}) {
        EXPECT_EQ(CodeCharIndex(c), 255) << c;
    }
}

}  // namespace
}  // namespace kalvora
