// ComplButtonClick: the trim rules. They bring the whole configuration into line with the
// chosen trim, body, roof rails, engine and colour: base price and surcharge, which engines,
// bodies and roof rails may be chosen, which options are available, standard or unavailable and
// at which price, the package rules again, the pictures, and finally the price.
//
// Selecting a body, roof-rail or engine button inside the rules runs the whole rules again,
// nested, before the outer run goes on with its next step.
#include <string>

#include "model/Configuration.h"

namespace kalvora {

namespace {

// Marks a combination the factory does not offer; every value from kNotAPrice up is shown as
// the message instead of a number.
constexpr int kInvalid = 111100000;
constexpr int kNotAPrice = 100000;
constexpr int kNone = 0;  // no such body in this row

struct BasePriceRow {
    int trim;
    int engine;
    int byBody[kBodyCount];  // Kuzov3dr, Kuzov4dr, Kuzov5dr, KuzovWag
};

// clang-format off
const BasePriceRow kBasePrices[] = {
    {Ambiente, Dvig14MT,    {12420, 13340, 12880, 13970}},
    {Comfort,  Dvig14MT,    {14110, 15070, 14590, 15720}},
    {Comfort,  Dvig16MT100, {14590, 15550, 15070, 16200}},
    {Comfort,  Dvig16MT115, {15060, 16020, 15540, 16670}},
    {Comfort,  Dvig18MT125, {15060, 16020, 15540, 16670}},
    {Comfort,  Dvig16AT100, {15770, 16730, 16250, 17380}},
    {Comfort,  Dvig18TD115, {17070, 18030, 17550, 18680}},
    {Comfort,  Dvig20AT145, {17140, 18100, 17620, 18750}},
    {Trend,    Dvig16MT115, {15300, 16260, 15780, 16910}},
    {Trend,    Dvig18MT125, {15300, 16260, 15780, 16910}},
    {Trend,    Dvig16AT100, {16010, 16970, 16490, 17620}},
    {Trend,    Dvig20MT145, {16190, 17150, 16670, 17800}},
    {Trend,    Dvig20AT145, {17380, 18340, 17860, 18990}},
    {Ghia,     Dvig16MT115, {kNone, 17020, 16550, 17670}},
    {Ghia,     Dvig18MT125, {kNone, 17020, 16550, 17670}},
    {Ghia,     Dvig16AT100, {kNone, 17730, 17260, 18380}},
    {Ghia,     Dvig20MT145, {kNone, 17910, 17440, 18560}},
    {Ghia,     Dvig20AT145, {kNone, 19100, 18630, 19750}},
};

// Roof-rail surcharge by rails (rows) and trim (columns Ambiente, Comfort, Trend, Ghia).
const int kRailSurcharge[kRailsCount][kTrimCount] = {
    {0,        0,        0,   0},    // Univers0: none
    {90,       90,       90,  0},    // Univers1: black rails
    {kInvalid, kInvalid, 115, 115},  // Univers2: aluminium rails
};

// Engines offered per trim (columns Ambiente, Comfort, Trend, Ghia), by engine Tag.
const bool kEngineAllowed[kEngineCount][kTrimCount] = {
    {true,  true,  false, false},  // Dvig14MT
    {false, true,  false, false},  // Dvig16MT100
    {false, true,  true,  true},   // Dvig16MT115
    {false, true,  true,  true},   // Dvig16AT100
    {false, true,  false, false},  // Dvig18TD115
    {false, false, true,  true},   // Dvig20MT145
    {false, true,  true,  true},   // Dvig18MT125
    {false, true,  true,  true},   // Dvig20AT145
};

// The engine the rules select from the preferred engine (rows), by trim (Ambiente, Comfort,
// Trend, Ghia).
const int kEngineSelected[kEngineCount][kTrimCount] = {
    {Dvig14MT, Dvig14MT,    Dvig16MT115, Dvig16MT115},  // 0 Dvig14MT
    {Dvig14MT, Dvig16MT100, Dvig16MT115, Dvig16MT115},  // 1 Dvig16MT100
    {Dvig14MT, Dvig16MT115, Dvig16MT115, Dvig16MT115},  // 2 Dvig16MT115
    {Dvig14MT, Dvig16AT100, Dvig16AT100, Dvig16AT100},  // 3 Dvig16AT100
    {Dvig14MT, Dvig18TD115, Dvig16MT115, Dvig16MT115},  // 4 Dvig18TD115
    {Dvig14MT, Dvig16MT115, Dvig20MT145, Dvig20MT145},  // 5 Dvig20MT145
    {Dvig14MT, Dvig18MT125, Dvig18MT125, Dvig18MT125},  // 6 Dvig18MT125
    {Dvig14MT, Dvig20AT145, Dvig20AT145, Dvig20AT145},  // 7 Dvig20AT145
};
// clang-format on

// --- The trim block as data ----------------------------------------------------------------

enum class Do : std::uint8_t {
    Available,    // SetOptionAvailable
    Standard,     // SetOptionStandard
    Unavailable,  // SetOptionUnavailable
    Price,        // write the price text
    Enable,       // only whether the user may change it
    Disable,
    Tick,  // only the tick
    Untick,
    TickFromTag,   // tick = (Tag = 1)
    KeepIfChosen,  // not offered: stays ticked, and may be unticked, only where the user chose it
    MoveTick,      // if the option is ticked: untick it and tick `other`, which takes its Tag
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
    ThreeDoor,  // body Kuzov3dr selected
    NotThreeDoor,
    Wagon,                // body KuzovWag selected
    WagonAluminium,       // KuzovWag and Univers2 selected
    NoRails,              // Univers0 selected
    RadioPacksMayReturn,  // neither KomfBox nor KomfPBox ticked, and no automatic gearbox
};

struct TrimOp {
    Do what;
    int target;  // an option (Opt), a body, a roof-rail or an engine button
    const char* price = nullptr;
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
constexpr TrimOp Price(Opt o, const char* p) {
    return {Do::Price, O(o), p};
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
constexpr TrimOp TickFromTag(Opt o) {
    return {Do::TickFromTag, O(o)};
}
constexpr TrimOp KeepIfChosen(Opt o) {
    return {Do::KeepIfChosen, O(o)};
}
constexpr TrimOp MoveTick(Opt from, Opt to) {
    return {Do::MoveTick, O(from), nullptr, When::Always, O(to)};
}
constexpr TrimOp If(When when, TrimOp op) {
    op.when = when;
    return op;
}

// clang-format off
constexpr TrimOp kAmbienteBlock[] = {
    U(Opt::IntererBox), U(Opt::KlimatBox), U(Opt::KomfBox), U(Opt::KomfPBox), U(Opt::ZimBox),
    U(Opt::ObzorBox), Price(Opt::ObzorBox, "140"), U(Opt::Obzor1Box), Price(Opt::Obzor1Box, "360"),
    KeepIfChosen(Opt::LobBox),
    U(Opt::KruizBox), U(Opt::SidVod6Box), U(Opt::PodsvBox), U(Opt::ParkBox), U(Opt::YaschBox),
    Price(Opt::YaschBox, "35"),
    A(Opt::PB1Box), Price(Opt::PB1Box, "115"), U(Opt::PB5Box), Price(Opt::PB5Box, "200"),
    U(Opt::SidVodBox), U(Opt::PodSidBox), U(Opt::StekloBox), Price(Opt::StekloBox, "300"),
    U(Opt::SidPPBox), U(Opt::KozaBox), U(Opt::R6Box), U(Opt::R7Box), U(Opt::KsenonBox),
    A(Opt::BokPBBox), Price(Opt::BokPBBox, "290"), A(Opt::ZerkBox), Price(Opt::ZerkBox, "150"),
    MoveTick(Opt::d16box, Opt::d15box), Enable(Opt::d15box), Price(Opt::d15box, "460"), Disable(Opt::d16box),
    A(Opt::PBppBox), Price(Opt::PBppBox, "290"),
    Untick(Opt::ShtorkiBox), Disable(Opt::ShtorkiBox),
    A(Opt::acBox), Price(Opt::acBox, "1150"),
    Untick(Opt::OmivBox), Disable(Opt::OmivBox),
    {Do::EnableBody, Kuzov3dr}, {Do::EnableRails, Univers0},
    {Do::SelectRails, Univers1, nullptr, When::WagonAluminium}, {Do::DisableRails, Univers2},
    {Do::SelectEngine, Dvig14MT}, {Do::EnableTrimEngines, 0},
    Disable(Opt::ptf), Price(Opt::ptf, "150"), Untick(Opt::ptf),
};

constexpr TrimOp kComfortBlock[] = {
    A(Opt::IntererBox), A(Opt::KlimatBox), A(Opt::KomfBox), Price(Opt::KomfBox, "540"),
    A(Opt::KomfPBox), Price(Opt::KomfPBox, "820"), A(Opt::ZimBox), Price(Opt::ZimBox, "400"),
    A(Opt::ObzorBox), Price(Opt::ObzorBox, "210"), A(Opt::Obzor1Box), Price(Opt::Obzor1Box, "360"),
    A(Opt::LobBox), U(Opt::KruizBox), U(Opt::SidVod6Box), A(Opt::PodSidBox), A(Opt::PodsvBox),
    A(Opt::ParkBox), A(Opt::YaschBox), Price(Opt::YaschBox, "35"),
    A(Opt::PB1Box), Price(Opt::PB1Box, "115"), A(Opt::PB5Box), Price(Opt::PB5Box, "200"),
    A(Opt::SidVodBox), Price(Opt::SidVodBox, "175"), A(Opt::StekloBox), Price(Opt::StekloBox, "300"),
    A(Opt::SidPPBox), A(Opt::KozaBox),
    If(When::RadioPacksMayReturn, A(Opt::R6Box)), If(When::RadioPacksMayReturn, A(Opt::R7Box)),
    U(Opt::KsenonBox), A(Opt::BokPBBox), Price(Opt::BokPBBox, "290"), A(Opt::ZerkBox), Price(Opt::ZerkBox, "150"),
    A(Opt::d15box), Price(Opt::d15box, "460"), Disable(Opt::d16box), MoveTick(Opt::d16box, Opt::d15box),
    Price(Opt::PBppBox, "290"), A(Opt::PBppBox),
    If(When::ThreeDoor, Disable(Opt::ShtorkiBox)), If(When::ThreeDoor, Untick(Opt::ShtorkiBox)),
    If(When::ThreeDoor, Disable(Opt::StekloBox)), If(When::ThreeDoor, Untick(Opt::StekloBox)),
    If(When::NotThreeDoor, A(Opt::StekloBox)), If(When::NotThreeDoor, A(Opt::ShtorkiBox)),
    {Do::SelectRails, Univers1, nullptr, When::WagonAluminium},
    {Do::EnableRails, Univers0, nullptr, When::Wagon}, {Do::EnableRails, Univers1, nullptr, When::Wagon},
    {Do::DisableRails, Univers2, nullptr, When::Wagon},
    Price(Opt::acBox, "0"), Tick(Opt::acBox), Disable(Opt::acBox), A(Opt::OmivBox), {Do::EnableBody, Kuzov3dr},
    {Do::EnableTrimEngines, 0},
    {Do::SelectPreferredEngine, 0},
    A(Opt::ptf), Price(Opt::ptf, "150"),
};

constexpr TrimOp kTrendBlock[] = {
    A(Opt::IntererBox), A(Opt::KlimatBox), A(Opt::KomfBox), Price(Opt::KomfBox, "540"),
    A(Opt::KomfPBox), Price(Opt::KomfPBox, "870"), A(Opt::ZimBox), Price(Opt::ZimBox, "400"),
    A(Opt::ObzorBox), Price(Opt::ObzorBox, "140"), A(Opt::Obzor1Box), Price(Opt::Obzor1Box, "250"),
    A(Opt::LobBox), U(Opt::KruizBox), A(Opt::SidVod6Box), Price(Opt::SidVod6Box, "590"),  // not a price left by leather
    A(Opt::PodsvBox), A(Opt::ParkBox),
    A(Opt::PB1Box), Price(Opt::PB1Box, "115"), A(Opt::PB5Box), Price(Opt::PB5Box, "200"),
    A(Opt::SidVodBox), Price(Opt::SidVodBox, "175"), A(Opt::PodSidBox), A(Opt::StekloBox),
    Price(Opt::StekloBox, "300"), A(Opt::YaschBox), Price(Opt::YaschBox, "35"), A(Opt::SidPPBox), A(Opt::KozaBox),
    If(When::RadioPacksMayReturn, A(Opt::R6Box)), If(When::RadioPacksMayReturn, A(Opt::R7Box)),
    A(Opt::KsenonBox), A(Opt::BokPBBox), Price(Opt::BokPBBox, "290"), A(Opt::ZerkBox), Price(Opt::ZerkBox, "150"),
    MoveTick(Opt::d15box, Opt::d16box), Disable(Opt::d15box), Enable(Opt::d16box), Price(Opt::d16box, "520"),
    TickFromTag(Opt::d16box),
    Price(Opt::PBppBox, "290"), Enable(Opt::PBppBox), TickFromTag(Opt::PBppBox),
    If(When::ThreeDoor, U(Opt::SidVod6Box)), If(When::ThreeDoor, U(Opt::ShtorkiBox)), If(When::ThreeDoor, U(Opt::StekloBox)),
    If(When::NotThreeDoor, A(Opt::SidVod6Box)), If(When::NotThreeDoor, A(Opt::ShtorkiBox)), If(When::NotThreeDoor, A(Opt::StekloBox)),
    {Do::EnableRails, Univers0, nullptr, When::Wagon}, {Do::EnableRails, Univers1, nullptr, When::Wagon},
    {Do::EnableRails, Univers2, nullptr, When::Wagon},
    Price(Opt::acBox, "0"), Tick(Opt::acBox), Disable(Opt::acBox), A(Opt::OmivBox), {Do::EnableBody, Kuzov3dr},
    {Do::EnableTrimEngines, 0},
    {Do::SelectPreferredEngine, 0},
    Disable(Opt::ptf), Price(Opt::ptf, "0"), Tick(Opt::ptf),
};

constexpr TrimOp kGhiaBlock[] = {
    A(Opt::IntererBox), A(Opt::KlimatBox), A(Opt::KomfBox), Price(Opt::KomfBox, "515"),
    A(Opt::KomfPBox), Price(Opt::KomfPBox, "815"), A(Opt::ZimBox), Price(Opt::ZimBox, "290"),
    A(Opt::ObzorBox), Price(Opt::ObzorBox, "140"), A(Opt::Obzor1Box), Price(Opt::Obzor1Box, "250"),
    A(Opt::LobBox), A(Opt::PodsvBox), A(Opt::ParkBox), A(Opt::KruizBox),
    Tick(Opt::PB1Box), Disable(Opt::PB1Box), Price(Opt::PB1Box, "0"), A(Opt::PB5Box), Price(Opt::PB5Box, "110"),
    A(Opt::SidVodBox), Price(Opt::SidVodBox, "175"), A(Opt::PodSidBox), A(Opt::SidVod6Box),
    Price(Opt::SidVod6Box, "590"), S(Opt::YaschBox), Price(Opt::YaschBox, "0"), S(Opt::StekloBox),
    Price(Opt::StekloBox, "0"), A(Opt::SidPPBox), A(Opt::KozaBox),
    If(When::RadioPacksMayReturn, A(Opt::R6Box)), If(When::RadioPacksMayReturn, A(Opt::R7Box)),
    A(Opt::KsenonBox), S(Opt::BokPBBox), Price(Opt::BokPBBox, "0"), S(Opt::ZerkBox), Price(Opt::ZerkBox, "0"),
    MoveTick(Opt::d15box, Opt::d16box), Disable(Opt::d15box), A(Opt::d16box), Price(Opt::d16box, "570"),
    Price(Opt::PBppBox, "0"), Disable(Opt::PBppBox), Tick(Opt::PBppBox),
    If(When::ThreeDoor, Disable(Opt::ShtorkiBox)), If(When::ThreeDoor, Untick(Opt::ShtorkiBox)),
    If(When::NotThreeDoor, A(Opt::ShtorkiBox)),
    S(Opt::acBox), Price(Opt::acBox, "0"), Enable(Opt::OmivBox),  // the washer keeps its tick
    {Do::DisableBody, Kuzov3dr}, {Do::SelectBody, Kuzov5dr, nullptr, When::ThreeDoor},
    {Do::DisableRails, Univers0, nullptr, When::Wagon}, {Do::EnableRails, Univers2, nullptr, When::Wagon},
    {Do::SelectRails, Univers1, nullptr, When::NoRails},
    {Do::EnableTrimEngines, 0},
    {Do::SelectPreferredEngine, 0},
    Disable(Opt::ptf), Price(Opt::ptf, "0"), Tick(Opt::ptf),
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

int BasePrice(int trim, int engine, int body) {
    for (const BasePriceRow& row : kBasePrices) {
        if (row.trim == trim && row.engine == engine && body >= 0 && body < kBodyCount &&
            row.byBody[body] != kNone) {
            return row.byBody[body];
        }
    }
    return kInvalid;
}

std::string PriceText(int value) {
    return value >= kNotAPrice ? std::string(kInvalidCombination) : std::to_string(value);
}

// Runs the trim block of the current trim, one operation at a time; each condition is read when
// its operation runs, after whatever the operations before it set off.
void RunTrimBlock(Configuration& c, int trim) {
    const Block block = TrimBlock(trim);
    for (const TrimOp* it = block.begin; it != block.end; ++it) {
        const TrimOp& op = *it;
        const bool wagon = c.Body() == KuzovWag;
        bool applies = true;
        switch (op.when) {
            case When::Always:
                break;
            case When::ThreeDoor:
                applies = c.Body() == Kuzov3dr;
                break;
            case When::NotThreeDoor:
                applies = c.Body() != Kuzov3dr;
                break;
            case When::Wagon:
                applies = wagon;
                break;
            case When::WagonAluminium:
                applies = wagon && c.Rails() == Univers2;
                break;
            case When::NoRails:
                applies = wagon && c.Rails() == Univers0;
                break;  // Ghia wagon
            case When::RadioPacksMayReturn:
                // A pack remembered as wanted would untick a comfort package, or the pack 2
                // of the automatic gearbox.
                applies = !c.Checked(Opt::KomfBox) && !c.Checked(Opt::KomfPBox) &&
                          c.Engine() != Dvig16AT100;
                break;
        }
        if (!applies) continue;
        const Opt o = OptAt(op.target < kOptionCount ? op.target : 0);
        switch (op.what) {
            case Do::Available:
                c.SetOptionAvailable(o);
                break;
            case Do::Standard:
                c.SetOptionStandard(o);
                break;
            case Do::Unavailable:
                c.SetOptionUnavailable(o);
                break;
            case Do::Price:
                c.SetPrice(o, op.price);
                break;
            case Do::Enable:
                c.SetEnabled(o, true);
                break;
            case Do::Disable:
                c.SetEnabled(o, false);
                break;
            case Do::Tick:
                c.SetChecked(o, true);
                break;
            case Do::Untick:
                c.SetChecked(o, false);
                break;
            case Do::TickFromTag:
                c.SetChecked(o, c.Tag(o) == 1);
                break;
            case Do::KeepIfChosen:
                if (c.Tag(o) != 1) c.SetChecked(o, false);
                c.SetEnabled(o, c.Checked(o));
                break;
            case Do::MoveTick:
                if (c.Checked(o)) {
                    // The wheels of the other size take over the wish too, so that the next
                    // run of these rules keeps them.
                    c.SetChecked(o, false);
                    c.SetTag(OptAt(op.other), c.Tag(o));
                    c.SetChecked(OptAt(op.other), true);
                }
                break;
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
                for (int e = 0; e < kEngineCount; ++e)
                    c.SetEngineEnabled(e, kEngineAllowed[e][trim]);
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
        }
    }
}

}  // namespace

void Configuration::ComplButtonClick() {
    const int trim = trim_;

    // 1-3: base price, the electric heater that comes with the diesel.
    const int base = BasePrice(trim, engine_, body_);
    if (engine_ == Dvig18TD115) {
        SetOptionAvailable(Opt::ElectroBox);
    } else {
        SetOptionUnavailable(Opt::ElectroBox);
    }
    SetBazaLabel(PriceText(base));

    // 4: leather is cheaper in Comfort, and cheaper with the three-door body.
    SetPrice(Opt::KozaBox, trim == Comfort ? "590" : (body_ == Kuzov3dr ? "950" : "1070"));

    // 5: wagon-only options and roof rails.
    if (body_ == KuzovWag) {
        if (trim == Ghia) {
            SetOptionAvailable(Opt::SetkaBox);
            SetOptionAvailable(Opt::PuteshBox);
        } else {
            SetOptionUnavailable(Opt::SetkaBox);
            SetOptionUnavailable(Opt::PuteshBox);
        }
        SetOptionAvailable(Opt::KovrBagazBox);
        SetRailsEnabled(Univers1, true);
    } else {
        SetOptionUnavailable(Opt::KovrBagazBox);
        SetOptionUnavailable(Opt::SetkaBox);
        SetOptionUnavailable(Opt::PuteshBox);
        SetRailsEnabled(Univers0, true);
        SelectRails(Univers0);
        SetRailsEnabled(Univers1, false);
        SetRailsEnabled(Univers2, false);
    }

    // 6-7: the spoiler fits the hatchbacks above Ambiente; the sedan has no tinted glass option.
    if ((body_ == Kuzov3dr || body_ == Kuzov5dr) && trim != Ambiente) {
        SetOptionAvailable(Opt::SpoilerBox);
    } else {
        SetOptionUnavailable(Opt::SpoilerBox);
    }
    if (body_ == Kuzov4dr) {
        SetOptionUnavailable(Opt::TonBox);
    } else {
        SetOptionAvailable(Opt::TonBox);
    }

    // 8: roof-rail surcharge.
    const int rails = rails_ < 0 ? Univers0 : rails_;
    SetUnLabel(PriceText(kRailSurcharge[rails][trim]));

    // 9: what the trim offers.
    RunTrimBlock(*this, trim);

    // 10: the automatic gearbox comes with radio pack 2 and no other. A comfort package holds
    // pack 2 too: a pack remembered as wanted does not come back over it, or it would untick
    // the package.
    if (engine_ == Dvig16AT100) {
        SetOptionStandard(Opt::R2Box);
        SetOptionUnavailable(Opt::R4Box);
        SetOptionUnavailable(Opt::R6Box);
        SetOptionUnavailable(Opt::R7Box);
    } else {
        SetOptionAvailable(Opt::R2Box);
        if (!Checked(Opt::KomfBox) && !Checked(Opt::KomfPBox)) {
            SetOptionAvailable(Opt::R4Box);
            if (trim != Ambiente) {
                SetOptionAvailable(Opt::R6Box);
                SetOptionAvailable(Opt::R7Box);
            }
        }
    }

    // 11: body picture.
    SetBodyPicture(body_);

    // 12: package effects again, after the trim block reset their members.
    if (Checked(Opt::KomfBox)) KomfBoxClick();
    if (Checked(Opt::KomfPBox)) KomfPBoxClick();
    if (Checked(Opt::ObzorBox)) ObzorBoxClick();
    if (Checked(Opt::Obzor1Box)) Obzor1BoxClick();
    if (Checked(Opt::ZimBox)) ZimBoxClick();

    // 13: further option rules.
    if (Checked(Opt::KsenonBox)) KsenonBoxClick();
    AdaptBoxClick();
    if (Checked(Opt::PB5Box)) PB5BoxClick();
    if (Checked(Opt::SidVod6Box)) SidVod6BoxClick();
    if (Checked(Opt::PodsvBox)) PodsvBoxClick();
    if (Checked(Opt::KozaBox)) KozaBoxClick();
    IVDBoxClick();
    PuteshBoxClick();

    // 14: body-and-shade background picture.
    const Shade shade =
        colour_ >= 0 && colour_ < kColourCount ? kColours[colour_].shade : Shade::None;
    SetShadePicture(body_, shade);

    // 15: the price.
    PriceButtonClick();
}

}  // namespace kalvora
