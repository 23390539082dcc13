// ApplyTrimRules: the trim rules. They bring the whole configuration into line with the
// chosen trim, body, roof rails, engine and colour: base price and surcharge, which engines,
// bodies and roof rails may be chosen, which options are available, standard or unavailable and
// at which price, the package rules again, the pictures, and finally the price.
//
// Selecting a body, roof-rail or engine button inside the rules runs the whole rules again,
// nested, before the outer run goes on with its next step.
#include <string>

#include "engine/model/Configuration.h"
#include "engine/model/PriceList.h"

namespace kalvora {

namespace {

// clang-format off
// Engines offered per trim (columns Ambiente, Comfort, Trend, Ghia), by engine Tag.
const bool kEngineAllowed[kEngineCount][kTrimCount] = {
    {true,  true,  false, false},  // Petrol14Manual80
    {false, true,  false, false},  // Petrol16Manual100
    {false, true,  true,  true},   // Petrol16Manual115
    {false, true,  true,  true},   // Petrol16Automatic100
    {false, true,  false, false},  // Diesel18Manual115
    {false, false, true,  true},   // Petrol20Manual145
    {false, true,  true,  true},   // Petrol18Manual125
    {false, true,  true,  true},   // Petrol20Automatic145
};

// The engine the rules select from the preferred engine (rows), by trim (Ambiente, Comfort,
// Trend, Ghia).
const int kEngineSelected[kEngineCount][kTrimCount] = {
    {Petrol14Manual80, Petrol14Manual80,    Petrol16Manual115, Petrol16Manual115},  // 0 Petrol14Manual80
    {Petrol14Manual80, Petrol16Manual100, Petrol16Manual115, Petrol16Manual115},  // 1 Petrol16Manual100
    {Petrol14Manual80, Petrol16Manual115, Petrol16Manual115, Petrol16Manual115},  // 2 Petrol16Manual115
    {Petrol14Manual80, Petrol16Automatic100, Petrol16Automatic100, Petrol16Automatic100},  // 3 Petrol16Automatic100
    {Petrol14Manual80, Diesel18Manual115, Petrol16Manual115, Petrol16Manual115},  // 4 Diesel18Manual115
    {Petrol14Manual80, Petrol16Manual115, Petrol20Manual145, Petrol20Manual145},  // 5 Petrol20Manual145
    {Petrol14Manual80, Petrol18Manual125, Petrol18Manual125, Petrol18Manual125},  // 6 Petrol18Manual125
    {Petrol14Manual80, Petrol20Automatic145, Petrol20Automatic145, Petrol20Automatic145},  // 7 Petrol20Automatic145
};
// clang-format on

// --- The trim block as data ----------------------------------------------------------------

enum class Do : std::uint8_t {
    Available,    // SetOptionAvailable
    Standard,     // SetOptionStandard
    Unavailable,  // SetOptionUnavailable
    Charge,       // the price list's price of the option in this trim
    Include,      // price 0: the trim includes the option
    Enable,       // only whether the user may change it
    Disable,
    Tick,  // only the tick
    Untick,
    TickFromWish,  // ticked when it is wished for
    KeepIfChosen,  // not offered: stays ticked, and may be unticked, only where the user chose it
    MoveTick,      // if the option is ticked: untick it and tick `other`, which takes its wish
    EnableBody,
    DisableBody,
    SelectBody,
    EnableRails,
    DisableRails,
    SelectRails,
    EnableTrimEngines,  // enable the engines of the trim, disable the others
    SelectEngine,
    SelectPreferredEngine,  // the engine the table gives for the preferred engine
};

enum class When : std::uint8_t {
    Always,
    ThreeDoor,  // body Hatchback3Door selected
    NotThreeDoor,
    Wagon,                // body Wagon selected
    WagonAluminium,       // Wagon and AluminiumRoofRails selected
    NoRails,              // NoRoofRails selected
    RadioPacksMayReturn,  // neither KomfBox nor KomfPBox ticked, and no automatic gearbox
};

struct TrimOp {
    Do what;
    int target;  // an option (Opt), a body, a roof-rail or an engine button
    When when = When::Always;
    int other = 0;  // MoveTick: the option that takes over the tick
};

constexpr int O(Opt o) {
    return Index(o);
}

constexpr TrimOp A(Opt o) {
    return {Do::Available, O(o)};
}
constexpr TrimOp S(Opt o) {
    return {Do::Standard, O(o)};
}
constexpr TrimOp U(Opt o) {
    return {Do::Unavailable, O(o)};
}
constexpr TrimOp Charge(Opt o) {
    return {Do::Charge, O(o)};
}
constexpr TrimOp Include(Opt o) {
    return {Do::Include, O(o)};
}
constexpr TrimOp Enable(Opt o) {
    return {Do::Enable, O(o)};
}
constexpr TrimOp Disable(Opt o) {
    return {Do::Disable, O(o)};
}
constexpr TrimOp Tick(Opt o) {
    return {Do::Tick, O(o)};
}
constexpr TrimOp Untick(Opt o) {
    return {Do::Untick, O(o)};
}
constexpr TrimOp TickFromWish(Opt o) {
    return {Do::TickFromWish, O(o)};
}
constexpr TrimOp KeepIfChosen(Opt o) {
    return {Do::KeepIfChosen, O(o)};
}
constexpr TrimOp MoveTick(Opt from, Opt to) {
    return {Do::MoveTick, O(from), When::Always, O(to)};
}
constexpr TrimOp If(When when, TrimOp op) {
    op.when = when;
    return op;
}

// clang-format off
constexpr TrimOp kAmbienteBlock[] = {
    U(Opt::StyleInteriorPackage), U(Opt::ClimateControl), U(Opt::ComfortPackage), U(Opt::ComfortPlusPackage), U(Opt::WinterPackage),
    U(Opt::VisibilityPackage), Charge(Opt::VisibilityPackage), U(Opt::VisibilityPackage1), Charge(Opt::VisibilityPackage1),
    KeepIfChosen(Opt::HeatedWindscreen),
    U(Opt::CruiseControl), U(Opt::PowerDriverSeat6Way), U(Opt::LitHeatedMirrors), U(Opt::RearParkingSensor), U(Opt::CooledGloveBox),
    Charge(Opt::CooledGloveBox),
    A(Opt::SecurityPack1), Charge(Opt::SecurityPack1), U(Opt::SecurityPack5), Charge(Opt::SecurityPack5),
    U(Opt::PowerDriverSeatHeight), U(Opt::HeatedFrontSeats), U(Opt::RearElectricWindows), Charge(Opt::RearElectricWindows),
    U(Opt::PassengerSeatHeight), U(Opt::LeatherTrim), U(Opt::RadioPack6), U(Opt::RadioPack7), U(Opt::XenonHeadlamps),
    A(Opt::SideAirbags), Charge(Opt::SideAirbags), A(Opt::HeatedMirrors), Charge(Opt::HeatedMirrors),
    MoveTick(Opt::Alloys16, Opt::Alloys15), Enable(Opt::Alloys15), Charge(Opt::Alloys15), Disable(Opt::Alloys16),
    A(Opt::PassengerAirbag), Charge(Opt::PassengerAirbag),
    Untick(Opt::RearSunBlinds), Disable(Opt::RearSunBlinds),
    A(Opt::AirConditioning), Charge(Opt::AirConditioning),
    Untick(Opt::HeadlampWashers), Disable(Opt::HeadlampWashers),
    {Do::EnableBody, Hatchback3Door}, {Do::EnableRails, NoRoofRails},
    {Do::SelectRails, BlackRoofRails, When::WagonAluminium}, {Do::DisableRails, AluminiumRoofRails},
    {Do::SelectEngine, Petrol14Manual80}, {Do::EnableTrimEngines, 0},
    Disable(Opt::FrontFogLamps), Charge(Opt::FrontFogLamps), Untick(Opt::FrontFogLamps),
};

constexpr TrimOp kComfortBlock[] = {
    A(Opt::StyleInteriorPackage), A(Opt::ClimateControl), A(Opt::ComfortPackage), Charge(Opt::ComfortPackage),
    A(Opt::ComfortPlusPackage), Charge(Opt::ComfortPlusPackage), A(Opt::WinterPackage), Charge(Opt::WinterPackage),
    A(Opt::VisibilityPackage), Charge(Opt::VisibilityPackage), A(Opt::VisibilityPackage1), Charge(Opt::VisibilityPackage1),
    A(Opt::HeatedWindscreen), U(Opt::CruiseControl), U(Opt::PowerDriverSeat6Way), A(Opt::HeatedFrontSeats), A(Opt::LitHeatedMirrors),
    A(Opt::RearParkingSensor), A(Opt::CooledGloveBox), Charge(Opt::CooledGloveBox),
    A(Opt::SecurityPack1), Charge(Opt::SecurityPack1), A(Opt::SecurityPack5), Charge(Opt::SecurityPack5),
    A(Opt::PowerDriverSeatHeight), Charge(Opt::PowerDriverSeatHeight), A(Opt::RearElectricWindows), Charge(Opt::RearElectricWindows),
    A(Opt::PassengerSeatHeight), A(Opt::LeatherTrim),
    If(When::RadioPacksMayReturn, A(Opt::RadioPack6)), If(When::RadioPacksMayReturn, A(Opt::RadioPack7)),
    U(Opt::XenonHeadlamps), A(Opt::SideAirbags), Charge(Opt::SideAirbags), A(Opt::HeatedMirrors), Charge(Opt::HeatedMirrors),
    A(Opt::Alloys15), Charge(Opt::Alloys15), Disable(Opt::Alloys16), MoveTick(Opt::Alloys16, Opt::Alloys15),
    Charge(Opt::PassengerAirbag), A(Opt::PassengerAirbag),
    If(When::ThreeDoor, Disable(Opt::RearSunBlinds)), If(When::ThreeDoor, Untick(Opt::RearSunBlinds)),
    If(When::ThreeDoor, Disable(Opt::RearElectricWindows)), If(When::ThreeDoor, Untick(Opt::RearElectricWindows)),
    If(When::NotThreeDoor, A(Opt::RearElectricWindows)), If(When::NotThreeDoor, A(Opt::RearSunBlinds)),
    {Do::SelectRails, BlackRoofRails, When::WagonAluminium},
    {Do::EnableRails, NoRoofRails, When::Wagon}, {Do::EnableRails, BlackRoofRails, When::Wagon},
    {Do::DisableRails, AluminiumRoofRails, When::Wagon},
    Include(Opt::AirConditioning), Tick(Opt::AirConditioning), Disable(Opt::AirConditioning), A(Opt::HeadlampWashers), {Do::EnableBody, Hatchback3Door},
    {Do::EnableTrimEngines, 0},
    {Do::SelectPreferredEngine, 0},
    A(Opt::FrontFogLamps), Charge(Opt::FrontFogLamps),
};

constexpr TrimOp kTrendBlock[] = {
    A(Opt::StyleInteriorPackage), A(Opt::ClimateControl), A(Opt::ComfortPackage), Charge(Opt::ComfortPackage),
    A(Opt::ComfortPlusPackage), Charge(Opt::ComfortPlusPackage), A(Opt::WinterPackage), Charge(Opt::WinterPackage),
    A(Opt::VisibilityPackage), Charge(Opt::VisibilityPackage), A(Opt::VisibilityPackage1), Charge(Opt::VisibilityPackage1),
    A(Opt::HeatedWindscreen), U(Opt::CruiseControl), A(Opt::PowerDriverSeat6Way), Charge(Opt::PowerDriverSeat6Way),  // not a price left by leather
    A(Opt::LitHeatedMirrors), A(Opt::RearParkingSensor),
    A(Opt::SecurityPack1), Charge(Opt::SecurityPack1), A(Opt::SecurityPack5), Charge(Opt::SecurityPack5),
    A(Opt::PowerDriverSeatHeight), Charge(Opt::PowerDriverSeatHeight), A(Opt::HeatedFrontSeats), A(Opt::RearElectricWindows),
    Charge(Opt::RearElectricWindows), A(Opt::CooledGloveBox), Charge(Opt::CooledGloveBox), A(Opt::PassengerSeatHeight), A(Opt::LeatherTrim),
    If(When::RadioPacksMayReturn, A(Opt::RadioPack6)), If(When::RadioPacksMayReturn, A(Opt::RadioPack7)),
    A(Opt::XenonHeadlamps), A(Opt::SideAirbags), Charge(Opt::SideAirbags), A(Opt::HeatedMirrors), Charge(Opt::HeatedMirrors),
    MoveTick(Opt::Alloys15, Opt::Alloys16), Disable(Opt::Alloys15), Enable(Opt::Alloys16), Charge(Opt::Alloys16),
    TickFromWish(Opt::Alloys16),
    Charge(Opt::PassengerAirbag), Enable(Opt::PassengerAirbag), TickFromWish(Opt::PassengerAirbag),
    If(When::ThreeDoor, U(Opt::PowerDriverSeat6Way)), If(When::ThreeDoor, U(Opt::RearSunBlinds)), If(When::ThreeDoor, U(Opt::RearElectricWindows)),
    If(When::NotThreeDoor, A(Opt::PowerDriverSeat6Way)), If(When::NotThreeDoor, A(Opt::RearSunBlinds)), If(When::NotThreeDoor, A(Opt::RearElectricWindows)),
    {Do::EnableRails, NoRoofRails, When::Wagon}, {Do::EnableRails, BlackRoofRails, When::Wagon},
    {Do::EnableRails, AluminiumRoofRails, When::Wagon},
    Include(Opt::AirConditioning), Tick(Opt::AirConditioning), Disable(Opt::AirConditioning), A(Opt::HeadlampWashers), {Do::EnableBody, Hatchback3Door},
    {Do::EnableTrimEngines, 0},
    {Do::SelectPreferredEngine, 0},
    Disable(Opt::FrontFogLamps), Include(Opt::FrontFogLamps), Tick(Opt::FrontFogLamps),
};

constexpr TrimOp kGhiaBlock[] = {
    A(Opt::StyleInteriorPackage), A(Opt::ClimateControl), A(Opt::ComfortPackage), Charge(Opt::ComfortPackage),
    A(Opt::ComfortPlusPackage), Charge(Opt::ComfortPlusPackage), A(Opt::WinterPackage), Charge(Opt::WinterPackage),
    A(Opt::VisibilityPackage), Charge(Opt::VisibilityPackage), A(Opt::VisibilityPackage1), Charge(Opt::VisibilityPackage1),
    A(Opt::HeatedWindscreen), A(Opt::LitHeatedMirrors), A(Opt::RearParkingSensor), A(Opt::CruiseControl),
    Tick(Opt::SecurityPack1), Disable(Opt::SecurityPack1), Include(Opt::SecurityPack1), A(Opt::SecurityPack5), Charge(Opt::SecurityPack5),
    A(Opt::PowerDriverSeatHeight), Charge(Opt::PowerDriverSeatHeight), A(Opt::HeatedFrontSeats), A(Opt::PowerDriverSeat6Way),
    Charge(Opt::PowerDriverSeat6Way), S(Opt::CooledGloveBox), Include(Opt::CooledGloveBox), S(Opt::RearElectricWindows),
    Include(Opt::RearElectricWindows), A(Opt::PassengerSeatHeight), A(Opt::LeatherTrim),
    If(When::RadioPacksMayReturn, A(Opt::RadioPack6)), If(When::RadioPacksMayReturn, A(Opt::RadioPack7)),
    A(Opt::XenonHeadlamps), S(Opt::SideAirbags), Include(Opt::SideAirbags), S(Opt::HeatedMirrors), Include(Opt::HeatedMirrors),
    MoveTick(Opt::Alloys15, Opt::Alloys16), Disable(Opt::Alloys15), A(Opt::Alloys16), Charge(Opt::Alloys16),
    Include(Opt::PassengerAirbag), Disable(Opt::PassengerAirbag), Tick(Opt::PassengerAirbag),
    If(When::ThreeDoor, Disable(Opt::RearSunBlinds)), If(When::ThreeDoor, Untick(Opt::RearSunBlinds)),
    If(When::NotThreeDoor, A(Opt::RearSunBlinds)),
    S(Opt::AirConditioning), Include(Opt::AirConditioning), Enable(Opt::HeadlampWashers),  // the washer keeps its tick
    {Do::DisableBody, Hatchback3Door}, {Do::SelectBody, Hatchback5Door, When::ThreeDoor},
    {Do::DisableRails, NoRoofRails, When::Wagon}, {Do::EnableRails, AluminiumRoofRails, When::Wagon},
    {Do::SelectRails, BlackRoofRails, When::NoRails},
    {Do::EnableTrimEngines, 0},
    {Do::SelectPreferredEngine, 0},
    Disable(Opt::FrontFogLamps), Include(Opt::FrontFogLamps), Tick(Opt::FrontFogLamps),
};
// clang-format on

struct Block {
    const TrimOp* begin;
    const TrimOp* end;
};
template <std::size_t N>
constexpr Block BlockOf(const TrimOp (&ops)[N]) {
    return {ops, ops + N};
}

Block TrimBlock(int trim) {
    switch (trim) {
        case Ambiente:
            return BlockOf(kAmbienteBlock);
        case Comfort:
            return BlockOf(kComfortBlock);
        case Trend:
            return BlockOf(kTrendBlock);
        default:
            return BlockOf(kGhiaBlock);
    }
}

// Whether an operation's condition holds; read when the operation runs, after whatever the
// operations before it set off.
bool StepApplies(const Configuration& c, When when) {
    const bool wagon = c.Body() == Wagon;
    switch (when) {
        case When::Always:
            return true;
        case When::ThreeDoor:
            return c.Body() == Hatchback3Door;
        case When::NotThreeDoor:
            return c.Body() != Hatchback3Door;
        case When::Wagon:
            return wagon;
        case When::WagonAluminium:
            return wagon && c.Rails() == AluminiumRoofRails;
        case When::NoRails:
            return wagon && c.Rails() == NoRoofRails;  // Ghia wagon
        case When::RadioPacksMayReturn:
            // A pack remembered as wanted would untick a comfort package, or the pack 2 of the
            // automatic gearbox.
            return !c.Checked(Opt::ComfortPackage) && !c.Checked(Opt::ComfortPlusPackage) &&
                   c.Engine() != Petrol16Automatic100;
    }
    return true;
}

// Runs an operation on an option: its availability, price, tick or whether it may be changed;
// false when the operation is one on a button (most operations are on options, so they are
// told apart by one switch).
bool RunOptionStep(Configuration& c, const TrimOp& op, int trim) {
    const Opt o = OptAt(op.target < kOptionCount ? op.target : 0);
    switch (op.what) {
        case Do::Available:
            c.SetOptionAvailable(o);
            return true;
        case Do::Standard:
            c.SetOptionStandard(o);
            return true;
        case Do::Unavailable:
            c.SetOptionUnavailable(o);
            return true;
        case Do::Charge:
            c.SetPrice(o, ListPrice(o, trim));
            return true;
        case Do::Include:
            c.SetPrice(o, kIncluded);
            return true;
        case Do::Enable:
            c.SetEnabled(o, true);
            return true;
        case Do::Disable:
            c.SetEnabled(o, false);
            return true;
        case Do::Tick:
            c.SetChecked(o, true);
            return true;
        case Do::Untick:
            c.SetChecked(o, false);
            return true;
        case Do::TickFromWish:
            c.SetChecked(o, c.Wish(o) == 1);
            return true;
        case Do::KeepIfChosen:
            if (c.Wish(o) != 1) c.SetChecked(o, false);
            c.SetEnabled(o, c.Checked(o));
            return true;
        case Do::MoveTick:
            if (c.Checked(o)) {
                // The wheels of the other size take over the wish too, so that the next run of
                // these rules keeps them.
                c.SetChecked(o, false);
                c.SetWish(OptAt(op.other), c.Wish(o));
                c.SetChecked(OptAt(op.other), true);
            }
            return true;
        default:  // the button operations
            return false;
    }
}

// Runs an operation on a body, roof-rail or engine button.
void RunButtonStep(Configuration& c, const TrimOp& op, int trim) {
    switch (op.what) {
        case Do::EnableBody:
            c.SetBodyEnabled(op.target, true);
            break;
        case Do::DisableBody:
            c.SetBodyEnabled(op.target, false);
            break;
        case Do::SelectBody:
            c.SelectBody(op.target);
            break;
        case Do::EnableRails:
            c.SetRailsEnabled(op.target, true);
            break;
        case Do::DisableRails:
            c.SetRailsEnabled(op.target, false);
            break;
        case Do::SelectRails:
            c.SelectRails(op.target);
            break;
        case Do::EnableTrimEngines:
            for (int e = 0; e < kEngineCount; ++e) c.SetEngineEnabled(e, kEngineAllowed[e][trim]);
            break;
        case Do::SelectEngine:
            c.SelectEngine(op.target);
            break;
        case Do::SelectPreferredEngine: {
            const int preferred = c.PreferredEngine();
            if (preferred >= 0 && preferred < kEngineCount) {
                c.SelectEngine(kEngineSelected[preferred][trim]);
            }
            break;
        }
        default:  // the option operations
            break;
    }
}

// Runs the trim block of the current trim, one operation at a time.
void RunTrimBlock(Configuration& c, int trim) {
    const Block block = TrimBlock(trim);
    for (const TrimOp* it = block.begin; it != block.end; ++it) {
        if (!StepApplies(c, it->when)) continue;
        if (!RunOptionStep(c, *it, trim)) RunButtonStep(c, *it, trim);
    }
}

// Wagon-only options and roof rails; the spoiler fits the hatchbacks above Ambiente, and
// the sedan has no tinted glass option.
void ApplyBodyOptions(Configuration& c, int trim) {
    if (c.Body() == Wagon) {
        if (trim == Ghia) {
            c.SetOptionAvailable(Opt::LuggageNet);
            c.SetOptionAvailable(Opt::TravellerPackage);
        } else {
            c.SetOptionUnavailable(Opt::LuggageNet);
            c.SetOptionUnavailable(Opt::TravellerPackage);
        }
        c.SetOptionAvailable(Opt::BootCarpet);
        c.SetRailsEnabled(BlackRoofRails, true);
    } else {
        c.SetOptionUnavailable(Opt::BootCarpet);
        c.SetOptionUnavailable(Opt::LuggageNet);
        c.SetOptionUnavailable(Opt::TravellerPackage);
        c.SetRailsEnabled(NoRoofRails, true);
        c.SelectRails(NoRoofRails);
        c.SetRailsEnabled(BlackRoofRails, false);
        c.SetRailsEnabled(AluminiumRoofRails, false);
    }

    if ((c.Body() == Hatchback3Door || c.Body() == Hatchback5Door) && trim != Ambiente) {
        c.SetOptionAvailable(Opt::LongSpoiler);
    } else {
        c.SetOptionUnavailable(Opt::LongSpoiler);
    }
    if (c.Body() == Sedan) {
        c.SetOptionUnavailable(Opt::TintedGlass);
    } else {
        c.SetOptionAvailable(Opt::TintedGlass);
    }
}

// The automatic gearbox comes with radio pack 2 and no other. A comfort package holds pack 2
// too: a pack remembered as wanted does not come back over it, or it would untick the package.
void ApplyRadioPacks(Configuration& c, int trim) {
    if (c.Engine() == Petrol16Automatic100) {
        c.SetOptionStandard(Opt::RadioPack2);
        c.SetOptionUnavailable(Opt::RadioPack4);
        c.SetOptionUnavailable(Opt::RadioPack6);
        c.SetOptionUnavailable(Opt::RadioPack7);
    } else {
        c.SetOptionAvailable(Opt::RadioPack2);
        if (!c.Checked(Opt::ComfortPackage) && !c.Checked(Opt::ComfortPlusPackage)) {
            c.SetOptionAvailable(Opt::RadioPack4);
            if (trim != Ambiente) {
                c.SetOptionAvailable(Opt::RadioPack6);
                c.SetOptionAvailable(Opt::RadioPack7);
            }
        }
    }
}

}  // namespace

void Configuration::ApplyTrimRules() {
    const Settle settle(*this);
    const int trim = trim_;

    // 1-3: base price, the electric heater that comes with the diesel.
    const std::optional<Dollars> base = BasePrice(trim, engine_, body_);
    if (engine_ == Diesel18Manual115) {
        SetOptionAvailable(Opt::ElectricCabinHeater);
    } else {
        SetOptionUnavailable(Opt::ElectricCabinHeater);
    }
    SetBaseAmount(base);

    // 4: leather is cheaper in Comfort, and cheaper with the three-door body.
    SetPrice(Opt::LeatherTrim, LeatherPrice(trim, body_ == Hatchback3Door));

    // 5-7: the options and roof rails that depend on the body.
    ApplyBodyOptions(*this, trim);

    // 8: roof-rail surcharge.
    const int rails = rails_ < 0 ? NoRoofRails : rails_;
    SetSurchargeAmount(RailSurcharge(rails, trim));

    // 9: what the trim offers.
    RunTrimBlock(*this, trim);

    // 10: the radio packs the engine and the comfort packages leave.
    ApplyRadioPacks(*this, trim);

    // 11: body picture.
    SetBodyPicture(body_);

    // 12: package effects again, after the trim block reset their members.
    if (Checked(Opt::ComfortPackage)) OnComfortPackageToggled();
    if (Checked(Opt::ComfortPlusPackage)) OnComfortPlusPackageToggled();
    if (Checked(Opt::VisibilityPackage)) OnVisibilityPackageToggled();
    if (Checked(Opt::VisibilityPackage1)) OnVisibilityPackage1Toggled();
    if (Checked(Opt::WinterPackage)) OnWinterPackageToggled();

    // 13: further option rules.
    if (Checked(Opt::XenonHeadlamps)) OnXenonHeadlampsToggled();
    OnAdaptiveHeadlampsToggled();
    if (Checked(Opt::SecurityPack5)) OnSecurityPack5Toggled();
    if (Checked(Opt::PowerDriverSeat6Way)) OnPowerDriverSeat6WayToggled();
    if (Checked(Opt::LitHeatedMirrors)) OnLitHeatedMirrorsToggled();
    if (Checked(Opt::LeatherTrim)) OnLeatherTrimToggled();
    OnStabilityControlToggled();
    OnTravellerPackageToggled();

    // 14: body-and-shade background picture.
    const Shade shade =
        colour_ >= 0 && colour_ < kColourCount ? kColours[colour_].shade : Shade::None;
    SetShadePicture(body_, shade);

    // 15: the price.
    MarkFiguresDue();
}

}  // namespace kalvora
