// The click rules of the individual options: what ticking or unticking one option does to the
// others. Packages make their members standard equipment at price 0, exclusive packages and
// radio packs untick one another, and some options imply or forbid others. Every rule ends in
// a price computation unless noted.
#include <initializer_list>

#include "engine/model/Configuration.h"
#include "engine/model/PriceList.h"

namespace kalvora {

void Configuration::Charge(Opt o) {
    SetPrice(o, ListPrice(o, trim_));
}

// --- Comfort packages --------------------------------------------------------------------------

// When a comfort package goes, radio pack 2 goes back to what the engine allows: the automatic
// gearbox has it as standard equipment.
void Configuration::RadioPackTwoBack() {
    if (engine_ == Petrol16Automatic100) {
        SetOptionStandard(Opt::RadioPack2);
    } else {
        SetOptionAvailable(Opt::RadioPack2);
    }
}

// Whether packs 4, 6 and 7 may come back when a comfort package goes. Not with the automatic
// gearbox, which offers pack 2 only, and not while the other comfort package is being ticked in
// its place: a pack remembered as wanted would untick the package being chosen.
bool Configuration::RadioPacksMayReturn(Opt otherComfortPackage) const {
    return !Checked(otherComfortPackage) && engine_ != Petrol16Automatic100;
}

void Configuration::OnComfortPackageToggled() {
    if (Checked(Opt::ComfortPackage)) {
        SetChecked(Opt::ComfortPlusPackage, false);
        SetWish(Opt::ComfortPlusPackage, 0);
        SetOptionUnavailable(Opt::RadioPack4);
        SetOptionUnavailable(Opt::RadioPack6);
        SetOptionUnavailable(Opt::RadioPack7);
        SetOptionStandard(Opt::RadioPack2);
        SetPrice(Opt::RadioPack2, kIncluded);
        SetShadow(Opt::RadioPack2, kShadowAqua);
        SetOptionStandard(Opt::SecurityPack5);
        SetPrice(Opt::SecurityPack5, kIncluded);
        SetShadow(Opt::SecurityPack5, kShadowAqua);
    } else {
        RadioPackTwoBack();
        SetShadow(Opt::RadioPack2, kShadowNone);
        Charge(Opt::RadioPack2);
        SetOptionAvailable(Opt::SecurityPack5);
        SetShadow(Opt::SecurityPack5, kShadowNone);
        const bool packsBack = RadioPacksMayReturn(Opt::ComfortPlusPackage);
        if (packsBack) SetOptionAvailable(Opt::RadioPack4);
        Charge(Opt::SecurityPack5);
        if (trim_ != Ambiente && packsBack) {
            SetOptionAvailable(Opt::RadioPack6);
            SetOptionAvailable(Opt::RadioPack7);
        }
    }
    if (Checked(Opt::SecurityPack5)) OnSecurityPack5Toggled();
    MarkFiguresDue();
}

// Ticked: the package takes the place of "Комфорт" and brings radio pack 2, safety pack 5 and
// the alloy wheels of the trim, standard at price 0.
void Configuration::ComfortPlusPackageTicked() {
    SetChecked(Opt::ComfortPackage, false);
    SetWish(Opt::ComfortPackage, 0);
    SetOptionUnavailable(Opt::RadioPack4);
    SetOptionUnavailable(Opt::RadioPack6);
    SetOptionUnavailable(Opt::RadioPack7);
    SetOptionStandard(Opt::RadioPack2);
    SetPrice(Opt::RadioPack2, kIncluded);
    SetShadow(Opt::RadioPack2, kShadowGreen);
    SetOptionStandard(Opt::SecurityPack5);
    SetPrice(Opt::SecurityPack5, kIncluded);
    SetShadow(Opt::SecurityPack5, kShadowGreen);
    if (trim_ == Comfort) {
        // The package brings 15" wheels in Comfort and 16" wheels above it.
        SetOptionStandard(Opt::Alloys15);
        SetShadow(Opt::Alloys15, kShadowGreen);
        SetPrice(Opt::Alloys15, kIncluded);
        SetShadow(Opt::Alloys16, kShadowNone);
    } else if (trim_ == Trend || trim_ == Ghia) {
        SetOptionStandard(Opt::Alloys16);
        SetShadow(Opt::Alloys16, kShadowGreen);
        SetPrice(Opt::Alloys16, kIncluded);
        SetShadow(Opt::Alloys15, kShadowNone);
    }
}

// Unticked: what the package brought is offered and charged again as the trim allows.
void Configuration::ComfortPlusPackageUnticked() {
    RadioPackTwoBack();
    Charge(Opt::RadioPack2);
    SetShadow(Opt::RadioPack2, kShadowNone);
    SetOptionAvailable(Opt::SecurityPack5);
    Charge(Opt::SecurityPack5);
    SetShadow(Opt::SecurityPack5, kShadowNone);
    SetOptionAvailable(Opt::SecurityPack1);
    Charge(Opt::SecurityPack1);
    SetOptionAvailable(Opt::Alloys15);
    Charge(Opt::Alloys15);
    SetShadow(Opt::Alloys15, kShadowNone);
    SetOptionAvailable(Opt::Alloys16);
    Charge(Opt::Alloys16);
    SetShadow(Opt::Alloys16, kShadowNone);
    const bool radioPacksBack = RadioPacksMayReturn(Opt::ComfortPackage);
    if (radioPacksBack) SetOptionAvailable(Opt::RadioPack4);
    switch (trim_) {
        case Ambiente:
            // Only a trim change unticks the package here; the trim rules then take safety
            // pack 5 away, as Ambiente does not offer it.
            SetOptionUnavailable(Opt::Alloys16);
            SetEnabled(Opt::SecurityPack5, false);
            break;
        case Comfort:
            // Safety pack 5 is a free choice again, as when "Комфорт" goes.
            SetOptionUnavailable(Opt::Alloys16);
            if (radioPacksBack) {
                SetOptionAvailable(Opt::RadioPack6);
                SetOptionAvailable(Opt::RadioPack7);
            }
            break;
        case Trend:
            if (radioPacksBack) {
                SetOptionAvailable(Opt::RadioPack6);
                SetOptionAvailable(Opt::RadioPack7);
            }
            SetOptionUnavailable(Opt::Alloys15);
            Charge(Opt::Alloys16);
            break;
        case Ghia:
            if (radioPacksBack) {
                SetOptionAvailable(Opt::RadioPack6);
                SetOptionAvailable(Opt::RadioPack7);
            }
            Charge(Opt::SecurityPack5);
            SetOptionUnavailable(Opt::Alloys15);
            Charge(Opt::Alloys16);
            SetOptionStandard(Opt::SecurityPack1);
            SetPrice(Opt::SecurityPack1, kIncluded);
            break;
    }
}

void Configuration::OnComfortPlusPackageToggled() {
    if (Checked(Opt::ComfortPlusPackage)) {
        ComfortPlusPackageTicked();
    } else {
        ComfortPlusPackageUnticked();
    }
    if (Checked(Opt::SecurityPack5)) OnSecurityPack5Toggled();
    MarkFiguresDue();
}

// --- Winter and visibility packages ------------------------------------------------------------

void Configuration::OnWinterPackageToggled() {
    if (Checked(Opt::WinterPackage)) {
        if (Checked(Opt::VisibilityPackage1)) {
            SetChecked(Opt::VisibilityPackage1, false);
            SetWish(Opt::VisibilityPackage1, 0);
        }
        if (Checked(Opt::VisibilityPackage)) {
            SetChecked(Opt::VisibilityPackage, false);
            SetWish(Opt::VisibilityPackage, 0);
        }
        for (Opt member : {Opt::HeatedMirrors, Opt::HeatedFrontSeats, Opt::HeatedWindscreen}) {
            SetChecked(member, true);
            SetEnabled(member, false);
            SetPrice(member, kIncluded);
            SetFont(member, kFontBlue);
        }
    } else {
        SetFont(Opt::HeatedWindscreen, kFontBlack);
        if (Wish(Opt::HeatedFrontSeats) == 0) SetChecked(Opt::HeatedFrontSeats, false);
        SetEnabled(Opt::HeatedFrontSeats, true);
        Charge(Opt::HeatedFrontSeats);
        SetFont(Opt::HeatedFrontSeats, kFontBlack);
        if (Wish(Opt::HeatedMirrors) == 0) SetChecked(Opt::HeatedMirrors, false);
        SetEnabled(Opt::HeatedMirrors, true);
        SetFont(Opt::HeatedMirrors, kFontBlack);
        if (!Checked(Opt::VisibilityPackage1)) {
            if (Wish(Opt::HeatedWindscreen) == 0) SetChecked(Opt::HeatedWindscreen, false);
            SetEnabled(Opt::HeatedWindscreen, true);
            Charge(Opt::HeatedWindscreen);
        }
        if (trim_ == Ghia) {
            // Heated mirrors are standard in Ghia anyway.
            SetPrice(Opt::HeatedMirrors, kIncluded);
            SetEnabled(Opt::HeatedMirrors, false);
            SetChecked(Opt::HeatedMirrors, true);
        } else {
            Charge(Opt::HeatedMirrors);
        }
        if (Checked(Opt::LeatherTrim)) {
            // Leather keeps the heated front seats standard.
            SetEnabled(Opt::HeatedFrontSeats, false);
            SetChecked(Opt::HeatedFrontSeats, true);
            SetPrice(Opt::HeatedFrontSeats, kIncluded);
        }
        if (Checked(Opt::LitHeatedMirrors)) {
            // The puddle-lamp mirrors are heated mirrors too.
            SetOptionStandard(Opt::HeatedMirrors);
            SetPrice(Opt::HeatedMirrors, kIncluded);
        }
    }
    MarkFiguresDue();
}

void Configuration::OnVisibilityPackageToggled() {
    if (Checked(Opt::VisibilityPackage)) {
        SetChecked(Opt::WinterPackage, false);
        SetWish(Opt::WinterPackage, 0);
        SetChecked(Opt::VisibilityPackage1, false);
        SetWish(Opt::VisibilityPackage1, 0);
        SetOptionStandard(Opt::FrontFogLamps);
        SetPrice(Opt::FrontFogLamps, kIncluded);
        SetShadow(Opt::FrontFogLamps, kShadowYellow);
    } else if (trim_ == Comfort && !Checked(Opt::VisibilityPackage1)) {
        SetOptionAvailable(Opt::FrontFogLamps);
        Charge(Opt::FrontFogLamps);
        SetShadow(Opt::FrontFogLamps, kShadowNone);
    } else if (!Checked(Opt::VisibilityPackage1)) {
        // The fog lamps are no longer the package's: no highlight left behind.
        SetShadow(Opt::FrontFogLamps, kShadowNone);
    }
    MarkFiguresDue();
}

void Configuration::OnVisibilityPackage1Toggled() {
    if (Checked(Opt::VisibilityPackage1)) {
        SetOptionStandard(Opt::FrontFogLamps);
        SetPrice(Opt::FrontFogLamps, kIncluded);
        SetChecked(Opt::VisibilityPackage, false);
        SetWish(Opt::VisibilityPackage, 0);
        SetChecked(Opt::WinterPackage, false);
        SetWish(Opt::WinterPackage, 0);
        if (trim_ != Ambiente) {
            SetChecked(Opt::HeatedWindscreen, true);
            SetEnabled(Opt::HeatedWindscreen, false);
            SetPrice(Opt::HeatedWindscreen, kIncluded);
            SetShadow(Opt::HeatedWindscreen, kShadowYellow);
            // Fog lamps are standard from Trend up, so only Comfort marks them as the package's;
            // above it no highlight of the other visibility package may stay on them.
            SetShadow(Opt::FrontFogLamps, trim_ == Comfort ? kShadowYellow : kShadowNone);
        }
    } else {
        SetShadow(Opt::FrontFogLamps, kShadowNone);
        if (trim_ == Comfort && !Checked(Opt::VisibilityPackage)) {
            SetOptionAvailable(Opt::FrontFogLamps);
            Charge(Opt::FrontFogLamps);
        }
        if (trim_ != Ambiente) SetOptionAvailable(Opt::HeatedWindscreen);
        // Also in Ambiente, where the package is left by a trim change and the windscreen keeps
        // its tick: it costs its price again and shows no highlight of the package.
        Charge(Opt::HeatedWindscreen);
        SetShadow(Opt::HeatedWindscreen, kShadowNone);
    }
    MarkFiguresDue();
}

// --- Traveller's package and interior ----------------------------------------------------------

void Configuration::OnTravellerPackageToggled() {
    if (Checked(Opt::TravellerPackage)) {
        SetOptionStandard(Opt::LuggageNet);
        SetPrice(Opt::LuggageNet, kIncluded);
        SetFont(Opt::LuggageNet, kFontDarkGreen);
        SetOptionStandard(Opt::BootCarpet);
        SetPrice(Opt::BootCarpet, kIncluded);
        SetFont(Opt::BootCarpet, kFontDarkGreen);
    } else {
        SetFont(Opt::LuggageNet, kFontBlack);
        SetFont(Opt::BootCarpet, kFontBlack);
        Charge(Opt::LuggageNet);
        Charge(Opt::BootCarpet);
        if (body_ == Wagon) {
            if (trim_ == Ghia) {
                SetOptionAvailable(Opt::LuggageNet);
            } else {
                SetOptionUnavailable(Opt::LuggageNet);
            }
            SetOptionAvailable(Opt::BootCarpet);
        } else {
            SetOptionUnavailable(Opt::BootCarpet);
            SetEnabled(Opt::LuggageNet, false);
            SetEnabled(Opt::TravellerPackage, false);
        }
    }
    MarkFiguresDue();
}

void Configuration::OnStyleInteriorPackageToggled() {
    MarkFiguresDue();
}

// --- Radio packs -------------------------------------------------------------------------------

// Ticking a pack unticks the listed ones, in this order. Packs 2 and 4 leave the steering-wheel
// radio control optional at 50; packs 6 and 7 bring it as standard, and unticking them gives
// it back as the user left it.
void Configuration::RadioPackClick(Opt pack, std::initializer_list<Opt> unticks,
                                   bool bringsSteeringControl) {
    // Only the user's own tick: a pack that a rule ticks (the automatic gearbox's pack 2, a
    // remembered pack coming back) leaves the other wishes, so the user's pack returns when the
    // rule's reason goes.
    const bool chosenByUser = usersClick_ == pack;
    if (chosenByUser) usersClick_.reset();
    if (Checked(pack)) {
        for (Opt other : unticks) {
            // What the user's pack replaces is no longer wanted, as when one comfort package
            // takes the other's place: the trim rules do not bring it back.
            if (chosenByUser && Checked(other)) SetWish(other, 0);
            SetChecked(other, false);
        }
        if (bringsSteeringControl) {
            SetOptionStandard(Opt::SteeringRadioControl);
            SetPrice(Opt::SteeringRadioControl, kIncluded);
        } else {
            SetEnabled(Opt::SteeringRadioControl, true);
            Charge(Opt::SteeringRadioControl);
        }
    } else if (bringsSteeringControl) {
        SetOptionAvailable(Opt::SteeringRadioControl);
        Charge(Opt::SteeringRadioControl);
    }
    MarkFiguresDue();
}

void Configuration::OnRadioPack2Toggled() {
    RadioPackClick(
        Opt::RadioPack2,
        {Opt::RadioPack1, Opt::RadioPack4, Opt::RadioPack6, Opt::RadioPack7, Opt::RadioPack12},
        false);
}

void Configuration::OnRadioPack4Toggled() {
    RadioPackClick(Opt::RadioPack4,
                   {Opt::ComfortPackage, Opt::ComfortPlusPackage, Opt::RadioPack1, Opt::RadioPack2,
                    Opt::RadioPack6, Opt::RadioPack7, Opt::RadioPack12},
                   false);
}

void Configuration::OnRadioPack6Toggled() {
    RadioPackClick(Opt::RadioPack6,
                   {Opt::ComfortPackage, Opt::ComfortPlusPackage, Opt::RadioPack2, Opt::RadioPack4,
                    Opt::RadioPack1, Opt::RadioPack7, Opt::RadioPack12},
                   true);
}

void Configuration::OnRadioPack7Toggled() {
    RadioPackClick(Opt::RadioPack7,
                   {Opt::ComfortPackage, Opt::ComfortPlusPackage, Opt::RadioPack2, Opt::RadioPack4,
                    Opt::RadioPack6, Opt::RadioPack1, Opt::RadioPack12},
                   true);
}

// --- Lights ------------------------------------------------------------------------------------

void Configuration::OnXenonHeadlampsToggled() {
    if (Checked(Opt::XenonHeadlamps)) {
        SetChecked(Opt::AdaptiveHeadlamps, false);
        SetEnabled(Opt::AdaptiveHeadlamps, false);
        // The headlamp washer comes with xenon.
        SetPrice(Opt::HeadlampWashers, kIncluded);
        SetChecked(Opt::HeadlampWashers, true);
        SetEnabled(Opt::HeadlampWashers, false);
    } else {
        SetOptionAvailable(Opt::HeadlampWashers);
        Charge(Opt::HeadlampWashers);
        SetEnabled(Opt::AdaptiveHeadlamps, true);
    }
    MarkFiguresDue();
}

void Configuration::OnAdaptiveHeadlampsToggled() {
    if (Checked(Opt::AdaptiveHeadlamps)) {
        SetChecked(Opt::XenonHeadlamps, false);
        SetEnabled(Opt::XenonHeadlamps, false);
    } else if (trim_ == Trend || trim_ == Ghia) {
        // Xenon is offered from Trend up only.
        SetEnabled(Opt::XenonHeadlamps, true);
    }
    MarkFiguresDue();
}

// --- Safety, seats, mirrors, leather -----------------------------------------------------------

void Configuration::OnSecurityPack5Toggled() {
    if (Checked(Opt::SecurityPack5)) {
        SetChecked(Opt::SecurityPack1, true);
        SetEnabled(Opt::SecurityPack1, false);
        SetPrice(Opt::SecurityPack1, kIncluded);
    } else if (trim_ != Ghia) {
        SetEnabled(Opt::SecurityPack1, true);
        Charge(Opt::SecurityPack1);
        SetChecked(Opt::SecurityPack1, Wish(Opt::SecurityPack1) == 1);
    }
    MarkFiguresDue();
}

void Configuration::OnPowerDriverSeat6WayToggled() {
    if (Checked(Opt::PowerDriverSeat6Way)) {
        SetChecked(Opt::PowerDriverSeatHeight, false);
        SetEnabled(Opt::PowerDriverSeatHeight, false);
        SetChecked(Opt::PassengerSeatHeight, true);
        SetEnabled(Opt::PassengerSeatHeight, false);
        SetPrice(Opt::PassengerSeatHeight, kIncluded);
    } else {
        SetChecked(Opt::PowerDriverSeatHeight, Wish(Opt::PowerDriverSeatHeight) == 1);
        SetEnabled(Opt::PowerDriverSeatHeight, true);
        SetChecked(Opt::PassengerSeatHeight, Wish(Opt::PassengerSeatHeight) == 1);
        SetEnabled(Opt::PassengerSeatHeight, true);
        Charge(Opt::PassengerSeatHeight);
    }
    MarkFiguresDue();
}

void Configuration::OnLitHeatedMirrorsToggled() {
    if (Checked(Opt::LitHeatedMirrors)) {
        SetChecked(Opt::RearElectricWindows, true);
        SetEnabled(Opt::RearElectricWindows, false);
        SetPrice(Opt::RearElectricWindows, kIncluded);
        SetOptionStandard(Opt::HeatedMirrors);
        SetPrice(Opt::HeatedMirrors, kIncluded);
    } else {
        switch (trim_) {
            case Ambiente:
                SetOptionAvailable(Opt::HeatedMirrors);
                Charge(Opt::HeatedMirrors);
                SetEnabled(Opt::RearElectricWindows, false);
                Charge(Opt::RearElectricWindows);
                break;
            case Comfort:
            case Trend:
                SetOptionAvailable(Opt::HeatedMirrors);
                Charge(Opt::HeatedMirrors);
                SetEnabled(Opt::RearElectricWindows, true);
                SetChecked(Opt::RearElectricWindows, Wish(Opt::RearElectricWindows) == 1);
                Charge(Opt::RearElectricWindows);
                break;
            case Ghia:
                SetOptionStandard(Opt::HeatedMirrors);
                SetPrice(Opt::HeatedMirrors, kIncluded);
                SetEnabled(Opt::RearElectricWindows, false);
                SetChecked(Opt::RearElectricWindows, true);
                SetPrice(Opt::RearElectricWindows, kIncluded);
                break;
        }
        if (Checked(Opt::WinterPackage)) {
            SetOptionStandard(Opt::HeatedMirrors);
            SetPrice(Opt::HeatedMirrors, kIncluded);
        }
    }
    MarkFiguresDue();
    if (body_ == Hatchback3Door) {
        // A three-door body has no rear windows to lift.
        SetOptionUnavailable(Opt::RearElectricWindows);
        Charge(Opt::RearElectricWindows);
        SetCaptionEnabled(Opt::RearElectricWindows, false);
    }
}

void Configuration::OnLeatherTrimToggled() {
    if (Checked(Opt::LeatherTrim)) {
        SetOptionStandard(Opt::PassengerAirbag);
        SetOptionStandard(Opt::SideAirbags);
        SetOptionStandard(Opt::HeatedFrontSeats);
        SetPrice(Opt::HeatedFrontSeats, kIncluded);
        if (trim_ == Comfort) {
            Charge(Opt::LeatherTrim);
        } else if (body_ == Hatchback3Door) {
            SetOptionStandard(Opt::PowerDriverSeatHeight);
            SetPrice(Opt::PowerDriverSeatHeight, kIncluded);
        } else {
            SetOptionStandard(Opt::PowerDriverSeat6Way);
            SetPrice(Opt::PowerDriverSeat6Way, kIncluded);
        }
    } else if (trim_ == Comfort) {
        SetOptionAvailable(Opt::PassengerAirbag);
        SetOptionAvailable(Opt::SideAirbags);
        SetOptionAvailable(Opt::HeatedFrontSeats);
        Charge(Opt::HeatedFrontSeats);
        // The winter package keeps its heated seats, in Comfort as in the other trims.
        if (Checked(Opt::WinterPackage)) OnWinterPackageToggled();
    } else {
        // Ghia has both airbags as standard equipment, with or without leather.
        for (Opt airbag : {Opt::PassengerAirbag, Opt::SideAirbags}) {
            if (trim_ == Ghia) {
                SetOptionStandard(airbag);
            } else {
                SetOptionAvailable(airbag);
            }
        }
        SetOptionAvailable(Opt::PowerDriverSeatHeight);
        Charge(Opt::PowerDriverSeatHeight);
        SetOptionAvailable(Opt::PowerDriverSeat6Way);
        Charge(Opt::PowerDriverSeat6Way);
        SetOptionAvailable(Opt::HeatedFrontSeats);
        Charge(Opt::HeatedFrontSeats);
        if (trim_ == Ambiente) {
            // Ambiente offers none of the seat options. The six-way seat goes first: giving it
            // up hands the other seats back as they were wanted, and they must go too.
            SetOptionUnavailable(Opt::PowerDriverSeat6Way);
            SetOptionUnavailable(Opt::PowerDriverSeatHeight);
            SetOptionUnavailable(Opt::PassengerSeatHeight);
            SetOptionUnavailable(Opt::HeatedFrontSeats);
        }
        if (trim_ == Trend && body_ == Hatchback3Door)
            SetOptionUnavailable(Opt::PowerDriverSeat6Way);
        // The winter package keeps its heated seats.
        if (Checked(Opt::WinterPackage)) OnWinterPackageToggled();
    }
    MarkFiguresDue();
    if (Checked(Opt::PowerDriverSeat6Way)) OnPowerDriverSeat6WayToggled();
}

// --- Brakes ------------------------------------------------------------------------------------

void Configuration::OnStabilityControlToggled() {
    if (Checked(Opt::StabilityControl)) {
        // Stability control needs ABS.
        SetOptionStandard(Opt::AntiLockBrakes);
        SetPrice(Opt::AntiLockBrakes, kIncluded);
    } else {
        SetOptionAvailable(Opt::AntiLockBrakes);
        Charge(Opt::AntiLockBrakes);
    }
    MarkFiguresDue();
}

// Also the click rule of the tinted glass, which therefore repeats the ABS part while ABS is off.
void Configuration::OnAntiLockBrakesToggled() {
    if (!Checked(Opt::AntiLockBrakes)) {
        SetWish(Opt::AntiLockBrakes, 0);
        SetChecked(Opt::StabilityControl, false);
    }
    MarkFiguresDue();
}

}  // namespace kalvora
