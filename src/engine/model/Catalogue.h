// What can be chosen: trims, bodies, roof rails, engines, paint colours and the option table.
// Everything here is constant data; the current choice lives in Configuration.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvora {

// A price in whole US dollars.
using Dollars = std::int32_t;

// Trim levels, the items of the radio group `Compl`.
enum TrimLevel : int { Ambiente = 0, Comfort = 1, Trend = 2, Ghia = 3 };
constexpr int kTrimCount = 4;

// Body buttons of `GroupBox2`.
enum BodyType : int { Hatchback3Door = 0, Sedan = 1, Hatchback5Door = 2, Wagon = 3 };
constexpr int kBodyCount = 4;

// Roof-rail buttons of `Univers` (meaningful for the wagon only).
enum RoofRails : int { NoRoofRails = 0, BlackRoofRails = 1, AluminiumRoofRails = 2 };
constexpr int kRailsCount = 3;

// Engine buttons of `DvigBox`; the value is the button's Tag.
enum EngineChoice : int {
    Petrol14Manual80 = 0,
    Petrol16Manual100 = 1,
    Petrol16Manual115 = 2,
    Petrol16Automatic100 = 3,
    Diesel18Manual115 = 4,
    Petrol20Manual145 = 5,
    Petrol18Manual125 = 6,
    Petrol20Automatic145 = 7,
};
constexpr int kEngineCount = 8;

// The options, by the name of their check box, in the order in which the price computation
// walks them (which is also the order of their bits in the configuration code).
enum class Opt : std::uint8_t {
    FrontFogLamps,
    XenonHeadlamps,
    HeadlampWashers,
    AdaptiveHeadlamps,
    RearSunBlinds,
    HeatedMirrors,
    LitHeatedMirrors,
    HeatedWindscreen,
    AirConditioning,
    ClimateControl,
    CooledGloveBox,
    Alloys15,
    Alloys16,
    RearElectricWindows,
    RadioPack1,
    RadioPack2,
    RadioPack4,
    RadioPack6,
    RadioPack7,
    RadioPack12,
    SteeringRadioControl,
    SecurityPack1,
    SecurityPack5,
    ComfortPackage,
    ComfortPlusPackage,
    WinterPackage,
    VisibilityPackage,
    VisibilityPackage1,
    LeatherTrim,
    HeatedFrontSeats,
    PowerDriverSeatHeight,
    PowerDriverSeat6Way,
    PassengerSeatHeight,
    PassengerAirbag,
    SideAirbags,
    MetallicPaint,
    AntiLockBrakes,
    StabilityControl,
    CruiseControl,
    PreStartHeater,
    RearParkingSensor,
    RubberMats,
    SumpGuard,
    Registration,
    EmergencyKit,
    LongSpoiler,
    LuggageNet,
    WinterTyres,
    StyleInteriorPackage,
    TravellerPackage,
    ElectricCabinHeater,
    PremiumMats,
    BootCarpet,
    TintedGlass,
};
constexpr int kOptionCount = 54;
constexpr int Index(Opt o) {
    return static_cast<int>(o);
}
constexpr Opt OptAt(int i) {
    return static_cast<Opt>(i);
}

// The rule an option's check box runs when its tick changes.
enum class TickRule : std::uint8_t {
    None,     // radio packs 1 and 12: nothing happens
    Reprice,  // the figures only
    XenonHeadlamps,
    AdaptiveHeadlamps,
    LitHeatedMirrors,
    RadioPack2,
    RadioPack4,
    RadioPack6,
    RadioPack7,
    SecurityPack5,
    StyleInteriorPackage,
    ComfortPackage,
    ComfortPlusPackage,
    WinterPackage,
    VisibilityPackage,
    VisibilityPackage1,
    TravellerPackage,
    LeatherTrim,
    PowerDriverSeat6Way,
    MetallicPaint,
    AntiLockBrakes,
    StabilityControl,
};

// The rule run when the keyboard focus leaves an option's check box.
enum class LeaveRule : std::uint8_t {
    None,
    Remember,  // the wish follows the tick
    RadioPack2,
    RadioPack4,
    RadioPack6,
    RadioPack7,
};

enum class Column : std::uint8_t { Left, Right, Packages };

// One row of the option table.
struct OptionDef {
    Opt id;
    std::string_view name;        // the check box, the option's identifier everywhere
    std::string_view caption;     // shown by the caption label (name + "L")
    std::string_view ownCaption;  // the check box's own caption where it differs, else empty
    std::string_view priceLabel;  // name of the price label
    Dollars price;                // the price before any rule sets one
    bool checked;
    bool enabled;
    int wish;  // the remembered wish at start
    TickRule onTick;
    LeaveRule onLeave;
    bool hidden;
    Column column;  // the option panel's column that shows the option
};

// The option table in the order of the option panel: left column top to bottom, then the
// right column (the packages at its top first).
extern const std::array<OptionDef, kOptionCount> kOptionTable;

// The row of an option.
const OptionDef& Def(Opt o);
// The option whose check box has this name, or false.
bool OptByName(std::string_view name, Opt* out);
// Name of an option's caption label: the check box's name followed by "L".
std::string CaptionLabelName(Opt o);

struct RadioDef {
    std::string_view name;
    std::string_view caption;
};
extern const std::array<std::string_view, kTrimCount> kTrimItems;
extern const std::array<RadioDef, kBodyCount> kBodies;
extern const std::array<RadioDef, kRailsCount> kRails;
extern const std::array<RadioDef, kEngineCount> kEngines;  // indexed by Tag

// Paint colours, the items of `ComboBox1`.
enum class Shade : std::uint8_t { None, Light, Dark, Red, Blue };
struct ColourDef {
    std::string_view item;
    bool metallic;  // the item text contains "Metallic"
    Shade shade;    // picks the body-and-shade picture
    int swatch;     // 1..10 for I1..I10, 0 for none
};
constexpr int kColourCount = 12;
constexpr int kSvoMetallic = 11;
extern const std::array<ColourDef, kColourCount> kColours;

// Pictures whose visibility the rules decide, by the name of their image.
extern const std::array<std::string_view, kBodyCount> kBodyPictures;  // Image3dr ...
// The body-and-shade background pictures by body and shade (Light, Dark, Red, Blue).
extern const std::array<std::array<std::string_view, 4>, kBodyCount> kShadePictures;

// Caption highlight colours, 0xRRGGBB.
using Rgb = std::uint32_t;
constexpr Rgb kShadowNone = 0xDDDDDD;    // the panel colour
constexpr Rgb kShadowAqua = 0x80FFFF;    // part of "Комфорт"
constexpr Rgb kShadowGreen = 0x00FF00;   // part of "Комфорт +"
constexpr Rgb kShadowYellow = 0xEEEEA0;  // part of a visibility package
constexpr Rgb kFontBlack = 0x000000;
constexpr Rgb kFontBlue = 0x0000FF;       // part of "Зимний"
constexpr Rgb kFontDarkGreen = 0x008000;  // part of the traveller's package

}  // namespace kalvora
