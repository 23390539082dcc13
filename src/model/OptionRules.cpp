// The click rules of the individual options: what ticking or unticking one option does to the
// others. Packages make their members standard equipment at price 0, exclusive packages and
// radio packs untick one another, and some options imply or forbid others. Every rule ends in
// a price computation unless noted.
#include <initializer_list>

#include "model/Configuration.h"
#include "model/PriceList.h"

namespace kalvora {

void Configuration::Charge(Opt o) {
    SetPrice(o, ListPrice(o, trim_));
}

// --- Comfort packages --------------------------------------------------------------------------

// When a comfort package goes, radio pack 2 goes back to what the engine allows: the automatic
// gearbox has it as standard equipment.
void Configuration::RadioPackTwoBack() {
    if (engine_ == Dvig16AT100) {
        SetOptionStandard(Opt::R2Box);
    } else {
        SetOptionAvailable(Opt::R2Box);
    }
}

// Whether packs 4, 6 and 7 may come back when a comfort package goes. Not with the automatic
// gearbox, which offers pack 2 only, and not while the other comfort package is being ticked in
// its place: a pack remembered as wanted would untick the package being chosen.
bool Configuration::RadioPacksMayReturn(Opt otherComfortPackage) const {
    return !Checked(otherComfortPackage) && engine_ != Dvig16AT100;
}

void Configuration::KomfBoxClick() {
    if (Checked(Opt::KomfBox)) {
        SetChecked(Opt::KomfPBox, false);
        SetWish(Opt::KomfPBox, 0);
        SetOptionUnavailable(Opt::R4Box);
        SetOptionUnavailable(Opt::R6Box);
        SetOptionUnavailable(Opt::R7Box);
        SetOptionStandard(Opt::R2Box);
        SetPrice(Opt::R2Box, kIncluded);
        SetShadow(Opt::R2Box, kShadowAqua);
        SetOptionStandard(Opt::PB5Box);
        SetPrice(Opt::PB5Box, kIncluded);
        SetShadow(Opt::PB5Box, kShadowAqua);
    } else {
        RadioPackTwoBack();
        SetShadow(Opt::R2Box, kShadowNone);
        Charge(Opt::R2Box);
        SetOptionAvailable(Opt::PB5Box);
        SetShadow(Opt::PB5Box, kShadowNone);
        const bool packsBack = RadioPacksMayReturn(Opt::KomfPBox);
        if (packsBack) SetOptionAvailable(Opt::R4Box);
        Charge(Opt::PB5Box);
        if (trim_ != Ambiente && packsBack) {
            SetOptionAvailable(Opt::R6Box);
            SetOptionAvailable(Opt::R7Box);
        }
    }
    if (Checked(Opt::PB5Box)) PB5BoxClick();
    MarkFiguresDue();
}

void Configuration::KomfPBoxClick() {
    if (Checked(Opt::KomfPBox)) {
        SetChecked(Opt::KomfBox, false);
        SetWish(Opt::KomfBox, 0);
        SetOptionUnavailable(Opt::R4Box);
        SetOptionUnavailable(Opt::R6Box);
        SetOptionUnavailable(Opt::R7Box);
        SetOptionStandard(Opt::R2Box);
        SetPrice(Opt::R2Box, kIncluded);
        SetShadow(Opt::R2Box, kShadowGreen);
        SetOptionStandard(Opt::PB5Box);
        SetPrice(Opt::PB5Box, kIncluded);
        SetShadow(Opt::PB5Box, kShadowGreen);
        if (trim_ == Comfort) {
            // The package brings 15" wheels in Comfort and 16" wheels above it.
            SetOptionStandard(Opt::d15box);
            SetShadow(Opt::d15box, kShadowGreen);
            SetPrice(Opt::d15box, kIncluded);
            SetShadow(Opt::d16box, kShadowNone);
        } else if (trim_ == Trend || trim_ == Ghia) {
            SetOptionStandard(Opt::d16box);
            SetShadow(Opt::d16box, kShadowGreen);
            SetPrice(Opt::d16box, kIncluded);
            SetShadow(Opt::d15box, kShadowNone);
        }
    } else {
        RadioPackTwoBack();
        Charge(Opt::R2Box);
        SetShadow(Opt::R2Box, kShadowNone);
        SetOptionAvailable(Opt::PB5Box);
        Charge(Opt::PB5Box);
        SetShadow(Opt::PB5Box, kShadowNone);
        SetOptionAvailable(Opt::PB1Box);
        Charge(Opt::PB1Box);
        SetOptionAvailable(Opt::d15box);
        Charge(Opt::d15box);
        SetShadow(Opt::d15box, kShadowNone);
        SetOptionAvailable(Opt::d16box);
        Charge(Opt::d16box);
        SetShadow(Opt::d16box, kShadowNone);
        const bool radioPacksBack = RadioPacksMayReturn(Opt::KomfBox);
        if (radioPacksBack) SetOptionAvailable(Opt::R4Box);
        switch (trim_) {
            case Ambiente:
                // Only a trim change unticks the package here; the trim rules then take safety
                // pack 5 away, as Ambiente does not offer it.
                SetOptionUnavailable(Opt::d16box);
                SetEnabled(Opt::PB5Box, false);
                break;
            case Comfort:
                // Safety pack 5 is a free choice again, as when "Комфорт" goes.
                SetOptionUnavailable(Opt::d16box);
                if (radioPacksBack) {
                    SetOptionAvailable(Opt::R6Box);
                    SetOptionAvailable(Opt::R7Box);
                }
                break;
            case Trend:
                if (radioPacksBack) {
                    SetOptionAvailable(Opt::R6Box);
                    SetOptionAvailable(Opt::R7Box);
                }
                SetOptionUnavailable(Opt::d15box);
                Charge(Opt::d16box);
                break;
            case Ghia:
                if (radioPacksBack) {
                    SetOptionAvailable(Opt::R6Box);
                    SetOptionAvailable(Opt::R7Box);
                }
                Charge(Opt::PB5Box);
                SetOptionUnavailable(Opt::d15box);
                Charge(Opt::d16box);
                SetOptionStandard(Opt::PB1Box);
                SetPrice(Opt::PB1Box, kIncluded);
                break;
        }
    }
    if (Checked(Opt::PB5Box)) PB5BoxClick();
    MarkFiguresDue();
}

// --- Winter and visibility packages ------------------------------------------------------------

void Configuration::ZimBoxClick() {
    if (Checked(Opt::ZimBox)) {
        if (Checked(Opt::Obzor1Box)) {
            SetChecked(Opt::Obzor1Box, false);
            SetWish(Opt::Obzor1Box, 0);
        }
        if (Checked(Opt::ObzorBox)) {
            SetChecked(Opt::ObzorBox, false);
            SetWish(Opt::ObzorBox, 0);
        }
        for (Opt member : {Opt::ZerkBox, Opt::PodSidBox, Opt::LobBox}) {
            SetChecked(member, true);
            SetEnabled(member, false);
            SetPrice(member, kIncluded);
            SetFont(member, kFontBlue);
        }
    } else {
        SetFont(Opt::LobBox, kFontBlack);
        if (Wish(Opt::PodSidBox) == 0) SetChecked(Opt::PodSidBox, false);
        SetEnabled(Opt::PodSidBox, true);
        Charge(Opt::PodSidBox);
        SetFont(Opt::PodSidBox, kFontBlack);
        if (Wish(Opt::ZerkBox) == 0) SetChecked(Opt::ZerkBox, false);
        SetEnabled(Opt::ZerkBox, true);
        SetFont(Opt::ZerkBox, kFontBlack);
        if (!Checked(Opt::Obzor1Box)) {
            if (Wish(Opt::LobBox) == 0) SetChecked(Opt::LobBox, false);
            SetEnabled(Opt::LobBox, true);
            Charge(Opt::LobBox);
        }
        if (trim_ == Ghia) {
            // Heated mirrors are standard in Ghia anyway.
            SetPrice(Opt::ZerkBox, kIncluded);
            SetEnabled(Opt::ZerkBox, false);
            SetChecked(Opt::ZerkBox, true);
        } else {
            Charge(Opt::ZerkBox);
        }
        if (Checked(Opt::KozaBox)) {
            // Leather keeps the heated front seats standard.
            SetEnabled(Opt::PodSidBox, false);
            SetChecked(Opt::PodSidBox, true);
            SetPrice(Opt::PodSidBox, kIncluded);
        }
        if (Checked(Opt::PodsvBox)) {
            // The puddle-lamp mirrors are heated mirrors too.
            SetOptionStandard(Opt::ZerkBox);
            SetPrice(Opt::ZerkBox, kIncluded);
        }
    }
    MarkFiguresDue();
}

void Configuration::ObzorBoxClick() {
    if (Checked(Opt::ObzorBox)) {
        SetChecked(Opt::ZimBox, false);
        SetWish(Opt::ZimBox, 0);
        SetChecked(Opt::Obzor1Box, false);
        SetWish(Opt::Obzor1Box, 0);
        SetOptionStandard(Opt::ptf);
        SetPrice(Opt::ptf, kIncluded);
        SetShadow(Opt::ptf, kShadowYellow);
    } else if (trim_ == Comfort && !Checked(Opt::Obzor1Box)) {
        SetOptionAvailable(Opt::ptf);
        Charge(Opt::ptf);
        SetShadow(Opt::ptf, kShadowNone);
    } else if (!Checked(Opt::Obzor1Box)) {
        // The fog lamps are no longer the package's: no highlight left behind.
        SetShadow(Opt::ptf, kShadowNone);
    }
    MarkFiguresDue();
}

void Configuration::Obzor1BoxClick() {
    if (Checked(Opt::Obzor1Box)) {
        SetOptionStandard(Opt::ptf);
        SetPrice(Opt::ptf, kIncluded);
        SetChecked(Opt::ObzorBox, false);
        SetWish(Opt::ObzorBox, 0);
        SetChecked(Opt::ZimBox, false);
        SetWish(Opt::ZimBox, 0);
        if (trim_ != Ambiente) {
            SetChecked(Opt::LobBox, true);
            SetEnabled(Opt::LobBox, false);
            SetPrice(Opt::LobBox, kIncluded);
            SetShadow(Opt::LobBox, kShadowYellow);
            // Fog lamps are standard from Trend up, so only Comfort marks them as the package's;
            // above it no highlight of the other visibility package may stay on them.
            SetShadow(Opt::ptf, trim_ == Comfort ? kShadowYellow : kShadowNone);
        }
    } else {
        SetShadow(Opt::ptf, kShadowNone);
        if (trim_ == Comfort && !Checked(Opt::ObzorBox)) {
            SetOptionAvailable(Opt::ptf);
            Charge(Opt::ptf);
        }
        if (trim_ != Ambiente) SetOptionAvailable(Opt::LobBox);
        // Also in Ambiente, where the package is left by a trim change and the windscreen keeps
        // its tick: it costs its price again and shows no highlight of the package.
        Charge(Opt::LobBox);
        SetShadow(Opt::LobBox, kShadowNone);
    }
    MarkFiguresDue();
}

// --- Traveller's package and interior ----------------------------------------------------------

void Configuration::PuteshBoxClick() {
    if (Checked(Opt::PuteshBox)) {
        SetOptionStandard(Opt::SetkaBox);
        SetPrice(Opt::SetkaBox, kIncluded);
        SetFont(Opt::SetkaBox, kFontDarkGreen);
        SetOptionStandard(Opt::KovrBagazBox);
        SetPrice(Opt::KovrBagazBox, kIncluded);
        SetFont(Opt::KovrBagazBox, kFontDarkGreen);
    } else {
        SetFont(Opt::SetkaBox, kFontBlack);
        SetFont(Opt::KovrBagazBox, kFontBlack);
        Charge(Opt::SetkaBox);
        Charge(Opt::KovrBagazBox);
        if (body_ == KuzovWag) {
            if (trim_ == Ghia) {
                SetOptionAvailable(Opt::SetkaBox);
            } else {
                SetOptionUnavailable(Opt::SetkaBox);
            }
            SetOptionAvailable(Opt::KovrBagazBox);
        } else {
            SetOptionUnavailable(Opt::KovrBagazBox);
            SetEnabled(Opt::SetkaBox, false);
            SetEnabled(Opt::PuteshBox, false);
        }
    }
    MarkFiguresDue();
}

void Configuration::IntererBoxClick() {
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
            SetOptionStandard(Opt::RadioBox);
            SetPrice(Opt::RadioBox, kIncluded);
        } else {
            SetEnabled(Opt::RadioBox, true);
            Charge(Opt::RadioBox);
        }
    } else if (bringsSteeringControl) {
        SetOptionAvailable(Opt::RadioBox);
        Charge(Opt::RadioBox);
    }
    MarkFiguresDue();
}

void Configuration::R2BoxClick() {
    RadioPackClick(Opt::R2Box, {Opt::R1Box, Opt::R4Box, Opt::R6Box, Opt::R7Box, Opt::R12Box},
                   false);
}

void Configuration::R4BoxClick() {
    RadioPackClick(
        Opt::R4Box,
        {Opt::KomfBox, Opt::KomfPBox, Opt::R1Box, Opt::R2Box, Opt::R6Box, Opt::R7Box, Opt::R12Box},
        false);
}

void Configuration::R6BoxClick() {
    RadioPackClick(
        Opt::R6Box,
        {Opt::KomfBox, Opt::KomfPBox, Opt::R2Box, Opt::R4Box, Opt::R1Box, Opt::R7Box, Opt::R12Box},
        true);
}

void Configuration::R7BoxClick() {
    RadioPackClick(
        Opt::R7Box,
        {Opt::KomfBox, Opt::KomfPBox, Opt::R2Box, Opt::R4Box, Opt::R6Box, Opt::R1Box, Opt::R12Box},
        true);
}

// --- Lights ------------------------------------------------------------------------------------

void Configuration::KsenonBoxClick() {
    if (Checked(Opt::KsenonBox)) {
        SetChecked(Opt::AdaptBox, false);
        SetEnabled(Opt::AdaptBox, false);
        // The headlamp washer comes with xenon.
        SetPrice(Opt::OmivBox, kIncluded);
        SetChecked(Opt::OmivBox, true);
        SetEnabled(Opt::OmivBox, false);
    } else {
        SetOptionAvailable(Opt::OmivBox);
        Charge(Opt::OmivBox);
        SetEnabled(Opt::AdaptBox, true);
    }
    MarkFiguresDue();
}

void Configuration::AdaptBoxClick() {
    if (Checked(Opt::AdaptBox)) {
        SetChecked(Opt::KsenonBox, false);
        SetEnabled(Opt::KsenonBox, false);
    } else if (trim_ == Trend || trim_ == Ghia) {
        // Xenon is offered from Trend up only.
        SetEnabled(Opt::KsenonBox, true);
    }
    MarkFiguresDue();
}

// --- Safety, seats, mirrors, leather -----------------------------------------------------------

void Configuration::PB5BoxClick() {
    if (Checked(Opt::PB5Box)) {
        SetChecked(Opt::PB1Box, true);
        SetEnabled(Opt::PB1Box, false);
        SetPrice(Opt::PB1Box, kIncluded);
    } else if (trim_ != Ghia) {
        SetEnabled(Opt::PB1Box, true);
        Charge(Opt::PB1Box);
        SetChecked(Opt::PB1Box, Wish(Opt::PB1Box) == 1);
    }
    MarkFiguresDue();
}

void Configuration::SidVod6BoxClick() {
    if (Checked(Opt::SidVod6Box)) {
        SetChecked(Opt::SidVodBox, false);
        SetEnabled(Opt::SidVodBox, false);
        SetChecked(Opt::SidPPBox, true);
        SetEnabled(Opt::SidPPBox, false);
        SetPrice(Opt::SidPPBox, kIncluded);
    } else {
        SetChecked(Opt::SidVodBox, Wish(Opt::SidVodBox) == 1);
        SetEnabled(Opt::SidVodBox, true);
        SetChecked(Opt::SidPPBox, Wish(Opt::SidPPBox) == 1);
        SetEnabled(Opt::SidPPBox, true);
        Charge(Opt::SidPPBox);
    }
    MarkFiguresDue();
}

void Configuration::PodsvBoxClick() {
    if (Checked(Opt::PodsvBox)) {
        SetChecked(Opt::StekloBox, true);
        SetEnabled(Opt::StekloBox, false);
        SetPrice(Opt::StekloBox, kIncluded);
        SetOptionStandard(Opt::ZerkBox);
        SetPrice(Opt::ZerkBox, kIncluded);
    } else {
        switch (trim_) {
            case Ambiente:
                SetOptionAvailable(Opt::ZerkBox);
                Charge(Opt::ZerkBox);
                SetEnabled(Opt::StekloBox, false);
                Charge(Opt::StekloBox);
                break;
            case Comfort:
            case Trend:
                SetOptionAvailable(Opt::ZerkBox);
                Charge(Opt::ZerkBox);
                SetEnabled(Opt::StekloBox, true);
                SetChecked(Opt::StekloBox, Wish(Opt::StekloBox) == 1);
                Charge(Opt::StekloBox);
                break;
            case Ghia:
                SetOptionStandard(Opt::ZerkBox);
                SetPrice(Opt::ZerkBox, kIncluded);
                SetEnabled(Opt::StekloBox, false);
                SetChecked(Opt::StekloBox, true);
                SetPrice(Opt::StekloBox, kIncluded);
                break;
        }
        if (Checked(Opt::ZimBox)) {
            SetOptionStandard(Opt::ZerkBox);
            SetPrice(Opt::ZerkBox, kIncluded);
        }
    }
    MarkFiguresDue();
    if (body_ == Kuzov3dr) {
        // A three-door body has no rear windows to lift.
        SetOptionUnavailable(Opt::StekloBox);
        Charge(Opt::StekloBox);
        SetCaptionEnabled(Opt::StekloBox, false);
    }
}

void Configuration::KozaBoxClick() {
    if (Checked(Opt::KozaBox)) {
        SetOptionStandard(Opt::PBppBox);
        SetOptionStandard(Opt::BokPBBox);
        SetOptionStandard(Opt::PodSidBox);
        SetPrice(Opt::PodSidBox, kIncluded);
        if (trim_ == Comfort) {
            Charge(Opt::KozaBox);
        } else if (body_ == Kuzov3dr) {
            SetOptionStandard(Opt::SidVodBox);
            SetPrice(Opt::SidVodBox, kIncluded);
        } else {
            SetOptionStandard(Opt::SidVod6Box);
            SetPrice(Opt::SidVod6Box, kIncluded);
        }
    } else if (trim_ == Comfort) {
        SetOptionAvailable(Opt::PBppBox);
        SetOptionAvailable(Opt::BokPBBox);
        SetOptionAvailable(Opt::PodSidBox);
        Charge(Opt::PodSidBox);
        // The winter package keeps its heated seats, in Comfort as in the other trims.
        if (Checked(Opt::ZimBox)) ZimBoxClick();
    } else {
        // Ghia has both airbags as standard equipment, with or without leather.
        for (Opt airbag : {Opt::PBppBox, Opt::BokPBBox}) {
            if (trim_ == Ghia) {
                SetOptionStandard(airbag);
            } else {
                SetOptionAvailable(airbag);
            }
        }
        SetOptionAvailable(Opt::SidVodBox);
        Charge(Opt::SidVodBox);
        SetOptionAvailable(Opt::SidVod6Box);
        Charge(Opt::SidVod6Box);
        SetOptionAvailable(Opt::PodSidBox);
        Charge(Opt::PodSidBox);
        if (trim_ == Ambiente) {
            // Ambiente offers none of the seat options. The six-way seat goes first: giving it
            // up hands the other seats back as they were wanted, and they must go too.
            SetOptionUnavailable(Opt::SidVod6Box);
            SetOptionUnavailable(Opt::SidVodBox);
            SetOptionUnavailable(Opt::SidPPBox);
            SetOptionUnavailable(Opt::PodSidBox);
        }
        if (trim_ == Trend && body_ == Kuzov3dr) SetOptionUnavailable(Opt::SidVod6Box);
        // The winter package keeps its heated seats.
        if (Checked(Opt::ZimBox)) ZimBoxClick();
    }
    MarkFiguresDue();
    if (Checked(Opt::SidVod6Box)) SidVod6BoxClick();
}

// --- Brakes ------------------------------------------------------------------------------------

void Configuration::IVDBoxClick() {
    if (Checked(Opt::IVDBox)) {
        // Stability control needs ABS.
        SetOptionStandard(Opt::ABSBox);
        SetPrice(Opt::ABSBox, kIncluded);
    } else {
        SetOptionAvailable(Opt::ABSBox);
        Charge(Opt::ABSBox);
    }
    MarkFiguresDue();
}

// Also the click rule of the tinted glass, which therefore repeats the ABS part while ABS is off.
void Configuration::ABSBoxClick() {
    if (!Checked(Opt::ABSBox)) {
        SetWish(Opt::ABSBox, 0);
        SetChecked(Opt::IVDBox, false);
    }
    MarkFiguresDue();
}

}  // namespace kalvora
