#include "engine/model/PriceList.h"

namespace kalvora {

namespace {

constexpr Dollars kNone = 0;  // no such body in this row

struct BasePriceRow {
    int trim;
    int engine;
    Dollars byBody[kBodyCount];  // Hatchback3Door, Sedan, Hatchback5Door, Wagon
};

// clang-format off
const BasePriceRow kBasePrices[] = {
    {Ambiente, Petrol14Manual80,    {12420, 13340, 12880, 13970}},
    {Comfort,  Petrol14Manual80,    {14110, 15070, 14590, 15720}},
    {Comfort,  Petrol16Manual100, {14590, 15550, 15070, 16200}},
    {Comfort,  Petrol16Manual115, {15060, 16020, 15540, 16670}},
    {Comfort,  Petrol18Manual125, {15060, 16020, 15540, 16670}},
    {Comfort,  Petrol16Automatic100, {15770, 16730, 16250, 17380}},
    {Comfort,  Diesel18Manual115, {17070, 18030, 17550, 18680}},
    {Comfort,  Petrol20Automatic145, {17140, 18100, 17620, 18750}},
    {Trend,    Petrol16Manual115, {15300, 16260, 15780, 16910}},
    {Trend,    Petrol18Manual125, {15300, 16260, 15780, 16910}},
    {Trend,    Petrol16Automatic100, {16010, 16970, 16490, 17620}},
    {Trend,    Petrol20Manual145, {16190, 17150, 16670, 17800}},
    {Trend,    Petrol20Automatic145, {17380, 18340, 17860, 18990}},
    {Ghia,     Petrol16Manual115, {kNone, 17020, 16550, 17670}},
    {Ghia,     Petrol18Manual125, {kNone, 17020, 16550, 17670}},
    {Ghia,     Petrol16Automatic100, {kNone, 17730, 17260, 18380}},
    {Ghia,     Petrol20Manual145, {kNone, 17910, 17440, 18560}},
    {Ghia,     Petrol20Automatic145, {kNone, 19100, 18630, 19750}},
};

// Roof-rail surcharge by rails (rows) and trim (columns Ambiente, Comfort, Trend, Ghia).
// Empty where the rails are not offered.
const std::optional<Dollars> kRailSurcharge[kRailsCount][kTrimCount] = {
    {0,  0,  0,   0},    // NoRoofRails: none
    {90, 90, 90,  0},    // BlackRoofRails: black rails
    {{}, {}, 115, 115},  // AluminiumRoofRails: aluminium rails
};

// What an option is charged at, by trim (Ambiente, Comfort, Trend, Ghia), where the rules set
// its price; where a trim includes the option the rules write kIncluded instead.
struct OptionPrice {
    Opt option;
    Dollars byTrim[kTrimCount];
};

const OptionPrice kOptionPrices[] = {
    {Opt::ComfortPackage,        {540,  540,  540,  515}},
    {Opt::ComfortPlusPackage,    {820,  820,  870,  815}},
    {Opt::WinterPackage,         {400,  400,  400,  290}},
    {Opt::VisibilityPackage,     {140,  210,  140,  140}},
    {Opt::VisibilityPackage1,    {360,  360,  250,  250}},
    {Opt::SecurityPack5,         {200,  200,  200,  110}},
    {Opt::Alloys16,              {520,  520,  520,  570}},
    {Opt::LeatherTrim,           {1070, 590,  1070, 1070}},
    {Opt::Alloys15,              {460,  460,  460,  460}},
    {Opt::SecurityPack1,         {115,  115,  115,  115}},
    {Opt::RadioPack2,            {420,  420,  420,  420}},
    {Opt::SteeringRadioControl,  {50,   50,   50,   50}},
    {Opt::HeatedFrontSeats,      {210,  210,  210,  210}},
    {Opt::HeatedWindscreen,      {170,  170,  170,  170}},
    {Opt::HeatedMirrors,         {150,  150,  150,  150}},
    {Opt::FrontFogLamps,         {150,  150,  150,  150}},
    {Opt::LuggageNet,            {230,  230,  230,  230}},
    {Opt::BootCarpet,            {100,  100,  100,  100}},
    {Opt::HeadlampWashers,       {200,  200,  200,  200}},
    {Opt::PassengerSeatHeight,   {95,   95,   95,   95}},
    {Opt::RearElectricWindows,   {300,  300,  300,  300}},
    {Opt::PowerDriverSeatHeight, {175,  175,  175,  175}},
    {Opt::PowerDriverSeat6Way,   {590,  590,  590,  590}},
    {Opt::AntiLockBrakes,        {400,  400,  400,  400}},
    {Opt::CooledGloveBox,        {35,   35,   35,   35}},
    {Opt::SideAirbags,           {290,  290,  290,  290}},
    {Opt::PassengerAirbag,       {290,  290,  290,  290}},
    {Opt::AirConditioning,       {1150, 1150, 1150, 1150}},
};
// clang-format on

constexpr Dollars kLeatherThreeDoor = 950;
constexpr Dollars kMetallic = 275;
constexpr Dollars kMetallicSpecialOrder = 875;

}  // namespace

std::optional<Dollars> BasePrice(int trim, int engine, int body) {
    for (const BasePriceRow& row : kBasePrices) {
        if (row.trim == trim && row.engine == engine && body >= 0 && body < kBodyCount &&
            row.byBody[body] != kNone) {
            return row.byBody[body];
        }
    }
    return std::nullopt;
}

std::optional<Dollars> RailSurcharge(int rails, int trim) {
    return kRailSurcharge[rails][trim];
}

Dollars ListPrice(Opt option, int trim) {
    for (const OptionPrice& entry : kOptionPrices) {
        if (entry.option == option) return entry.byTrim[trim];
    }
    // Options whose price no rule changes keep the catalogue's.
    return 0;
}

Dollars LeatherPrice(int trim, bool threeDoor) {
    return trim != Comfort && threeDoor ? kLeatherThreeDoor : ListPrice(Opt::LeatherTrim, trim);
}

Dollars MetallicPrice(bool specialOrderColour) {
    return specialOrderColour ? kMetallicSpecialOrder : kMetallic;
}

}  // namespace kalvora
