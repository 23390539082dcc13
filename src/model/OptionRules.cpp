// The click rules of the individual options: what ticking or unticking one option does to the
// others. Packages make their members standard equipment at price 0, exclusive packages and
// radio packs untick one another, and some options imply or forbid others. Every rule ends in
// a price computation unless noted.
#include <initializer_list>

#include "model/Configuration.h"

namespace kalvora {

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
        SetTag(Opt::KomfPBox, 0);
        SetOptionUnavailable(Opt::R4Box);
        SetOptionUnavailable(Opt::R6Box);
        SetOptionUnavailable(Opt::R7Box);
        SetOptionStandard(Opt::R2Box);
        SetPrice(Opt::R2Box, "0");
        SetShadow(Opt::R2Box, kShadowAqua);
        SetOptionStandard(Opt::PB5Box);
        SetPrice(Opt::PB5Box, "0");
        SetShadow(Opt::PB5Box, kShadowAqua);
    } else {
        RadioPackTwoBack();
        SetShadow(Opt::R2Box, kShadowNone);
        SetPrice(Opt::R2Box, "420");
        SetOptionAvailable(Opt::PB5Box);
        SetShadow(Opt::PB5Box, kShadowNone);
        const bool packsBack = RadioPacksMayReturn(Opt::KomfPBox);
        if (packsBack) SetOptionAvailable(Opt::R4Box);
        if (trim_ == Ambiente) {
            SetPrice(Opt::PB5Box, "200");
        } else {
            SetPrice(Opt::PB5Box, trim_ == Ghia ? "110" : "200");
            if (packsBack) {
                SetOptionAvailable(Opt::R6Box);
                SetOptionAvailable(Opt::R7Box);
            }
        }
    }
    if (Checked(Opt::PB5Box)) PB5BoxClick();
    PriceButtonClick();
}

void Configuration::KomfPBoxClick() {
    if (Checked(Opt::KomfPBox)) {
        SetChecked(Opt::KomfBox, false);
        SetTag(Opt::KomfBox, 0);
        SetOptionUnavailable(Opt::R4Box);
        SetOptionUnavailable(Opt::R6Box);
        SetOptionUnavailable(Opt::R7Box);
        SetOptionStandard(Opt::R2Box);
        SetPrice(Opt::R2Box, "0");
        SetShadow(Opt::R2Box, kShadowGreen);
        SetOptionStandard(Opt::PB5Box);
        SetPrice(Opt::PB5Box, "0");
        SetShadow(Opt::PB5Box, kShadowGreen);
        if (trim_ == Comfort) {
            // The package brings 15" wheels in Comfort and 16" wheels above it.
            SetOptionStandard(Opt::d15box);
            SetShadow(Opt::d15box, kShadowGreen);
            SetPrice(Opt::d15box, "0");
            SetShadow(Opt::d16box, kShadowNone);
        } else if (trim_ == Trend || trim_ == Ghia) {
            SetOptionStandard(Opt::d16box);
            SetShadow(Opt::d16box, kShadowGreen);
            SetPrice(Opt::d16box, "0");
            SetShadow(Opt::d15box, kShadowNone);
        }
    } else {
        RadioPackTwoBack();
        SetPrice(Opt::R2Box, "420");
        SetShadow(Opt::R2Box, kShadowNone);
        SetOptionAvailable(Opt::PB5Box);
        SetPrice(Opt::PB5Box, "200");
        SetShadow(Opt::PB5Box, kShadowNone);
        SetOptionAvailable(Opt::PB1Box);
        SetPrice(Opt::PB1Box, "115");
        SetOptionAvailable(Opt::d15box);
        SetPrice(Opt::d15box, "460");
        SetShadow(Opt::d15box, kShadowNone);
        SetOptionAvailable(Opt::d16box);
        SetPrice(Opt::d16box, "520");
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
                SetPrice(Opt::d16box, "520");
                break;
            case Ghia:
                if (radioPacksBack) {
                    SetOptionAvailable(Opt::R6Box);
                    SetOptionAvailable(Opt::R7Box);
                }
                SetPrice(Opt::PB5Box, "110");
                SetOptionUnavailable(Opt::d15box);
                SetPrice(Opt::d16box, "570");
                SetOptionStandard(Opt::PB1Box);
                SetPrice(Opt::PB1Box, "0");
                break;
        }
    }
    if (Checked(Opt::PB5Box)) PB5BoxClick();
    PriceButtonClick();
}

// --- Winter and visibility packages ------------------------------------------------------------

void Configuration::ZimBoxClick() {
    if (Checked(Opt::ZimBox)) {
        if (Checked(Opt::Obzor1Box)) {
            SetChecked(Opt::Obzor1Box, false);
            SetTag(Opt::Obzor1Box, 0);
        }
        if (Checked(Opt::ObzorBox)) {
            SetChecked(Opt::ObzorBox, false);
            SetTag(Opt::ObzorBox, 0);
        }
        for (Opt member : {Opt::ZerkBox, Opt::PodSidBox, Opt::LobBox}) {
            SetChecked(member, true);
            SetEnabled(member, false);
            SetPrice(member, "0");
            SetFont(member, kFontBlue);
        }
    } else {
        SetFont(Opt::LobBox, kFontBlack);
        if (Tag(Opt::PodSidBox) == 0) SetChecked(Opt::PodSidBox, false);
        SetEnabled(Opt::PodSidBox, true);
        SetPrice(Opt::PodSidBox, "210");
        SetFont(Opt::PodSidBox, kFontBlack);
        if (Tag(Opt::ZerkBox) == 0) SetChecked(Opt::ZerkBox, false);
        SetEnabled(Opt::ZerkBox, true);
        SetFont(Opt::ZerkBox, kFontBlack);
        if (!Checked(Opt::Obzor1Box)) {
            if (Tag(Opt::LobBox) == 0) SetChecked(Opt::LobBox, false);
            SetEnabled(Opt::LobBox, true);
            SetPrice(Opt::LobBox, "170");
        }
        if (trim_ == Ghia) {
            // Heated mirrors are standard in Ghia anyway.
            SetPrice(Opt::ZerkBox, "0");
            SetEnabled(Opt::ZerkBox, false);
            SetChecked(Opt::ZerkBox, true);
        } else {
            SetPrice(Opt::ZerkBox, "150");
        }
        if (Checked(Opt::KozaBox)) {
            // Leather keeps the heated front seats standard.
            SetEnabled(Opt::PodSidBox, false);
            SetChecked(Opt::PodSidBox, true);
            SetPrice(Opt::PodSidBox, "0");
        }
        if (Checked(Opt::PodsvBox)) {
            // The puddle-lamp mirrors are heated mirrors too.
            SetOptionStandard(Opt::ZerkBox);
            SetPrice(Opt::ZerkBox, "0");
        }
    }
    PriceButtonClick();
}

void Configuration::ObzorBoxClick() {
    if (Checked(Opt::ObzorBox)) {
        SetChecked(Opt::ZimBox, false);
        SetTag(Opt::ZimBox, 0);
        SetChecked(Opt::Obzor1Box, false);
        SetTag(Opt::Obzor1Box, 0);
        SetOptionStandard(Opt::ptf);
        SetPrice(Opt::ptf, "0");
        SetShadow(Opt::ptf, kShadowYellow);
    } else if (trim_ == Comfort && !Checked(Opt::Obzor1Box)) {
        SetOptionAvailable(Opt::ptf);
        SetPrice(Opt::ptf, "150");
        SetShadow(Opt::ptf, kShadowNone);
    } else if (!Checked(Opt::Obzor1Box)) {
        // The fog lamps are no longer the package's: no highlight left behind.
        SetShadow(Opt::ptf, kShadowNone);
    }
    PriceButtonClick();
}

void Configuration::Obzor1BoxClick() {
    if (Checked(Opt::Obzor1Box)) {
        SetOptionStandard(Opt::ptf);
        SetPrice(Opt::ptf, "0");
        SetChecked(Opt::ObzorBox, false);
        SetTag(Opt::ObzorBox, 0);
        SetChecked(Opt::ZimBox, false);
        SetTag(Opt::ZimBox, 0);
        if (trim_ != Ambiente) {
            SetChecked(Opt::LobBox, true);
            SetEnabled(Opt::LobBox, false);
            SetPrice(Opt::LobBox, "0");
            SetShadow(Opt::LobBox, kShadowYellow);
            // Fog lamps are standard from Trend up, so only Comfort marks them as the package's;
            // above it no highlight of the other visibility package may stay on them.
            SetShadow(Opt::ptf, trim_ == Comfort ? kShadowYellow : kShadowNone);
        }
    } else {
        SetShadow(Opt::ptf, kShadowNone);
        if (trim_ == Comfort && !Checked(Opt::ObzorBox)) {
            SetOptionAvailable(Opt::ptf);
            SetPrice(Opt::ptf, "150");
        }
        if (trim_ != Ambiente) SetOptionAvailable(Opt::LobBox);
        // Also in Ambiente, where the package is left by a trim change and the windscreen keeps
        // its tick: it costs its price again and shows no highlight of the package.
        SetPrice(Opt::LobBox, "170");
        SetShadow(Opt::LobBox, kShadowNone);
    }
    PriceButtonClick();
}

// --- Traveller's package and interior ----------------------------------------------------------

void Configuration::PuteshBoxClick() {
    if (Checked(Opt::PuteshBox)) {
        SetOptionStandard(Opt::SetkaBox);
        SetPrice(Opt::SetkaBox, "0");
        SetFont(Opt::SetkaBox, kFontDarkGreen);
        SetOptionStandard(Opt::KovrBagazBox);
        SetPrice(Opt::KovrBagazBox, "0");
        SetFont(Opt::KovrBagazBox, kFontDarkGreen);
    } else {
        SetFont(Opt::SetkaBox, kFontBlack);
        SetFont(Opt::KovrBagazBox, kFontBlack);
        SetPrice(Opt::SetkaBox, "230");
        SetPrice(Opt::KovrBagazBox, "100");
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
    PriceButtonClick();
}

void Configuration::IntererBoxClick() {
    PriceButtonClick();
}

// --- Radio packs -------------------------------------------------------------------------------

// Ticking a pack unticks the listed ones, in this order. Packs 2 and 4 leave the steering-wheel
// radio control optional at 50; packs 6 and 7 bring it as standard, and unticking them gives
// it back as the user left it.
void Configuration::RadioPackClick(Opt pack, std::initializer_list<Opt> unticks,
                                   bool bringsSteeringControl) {
    if (Checked(pack)) {
        for (Opt other : unticks) {
            // What this pack replaces is no longer wanted, as when one comfort package takes
            // the other's place: the trim rules do not bring it back.
            if (Checked(other)) SetTag(other, 0);
            SetChecked(other, false);
        }
        if (bringsSteeringControl) {
            SetOptionStandard(Opt::RadioBox);
            SetPrice(Opt::RadioBox, "0");
        } else {
            SetEnabled(Opt::RadioBox, true);
            SetPrice(Opt::RadioBox, "50");
        }
    } else if (bringsSteeringControl) {
        SetOptionAvailable(Opt::RadioBox);
        SetPrice(Opt::RadioBox, "50");
    }
    PriceButtonClick();
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
        SetPrice(Opt::OmivBox, "0");
        SetChecked(Opt::OmivBox, true);
        SetEnabled(Opt::OmivBox, false);
    } else {
        SetOptionAvailable(Opt::OmivBox);
        SetPrice(Opt::OmivBox, "200");
        SetEnabled(Opt::AdaptBox, true);
    }
    PriceButtonClick();
}

void Configuration::AdaptBoxClick() {
    if (Checked(Opt::AdaptBox)) {
        SetChecked(Opt::KsenonBox, false);
        SetEnabled(Opt::KsenonBox, false);
    } else if (trim_ == Trend || trim_ == Ghia) {
        // Xenon is offered from Trend up only.
        SetEnabled(Opt::KsenonBox, true);
    }
    PriceButtonClick();
}

// --- Safety, seats, mirrors, leather -----------------------------------------------------------

void Configuration::PB5BoxClick() {
    if (Checked(Opt::PB5Box)) {
        SetChecked(Opt::PB1Box, true);
        SetEnabled(Opt::PB1Box, false);
        SetPrice(Opt::PB1Box, "0");
    } else if (trim_ != Ghia) {
        SetEnabled(Opt::PB1Box, true);
        SetPrice(Opt::PB1Box, "115");
        SetChecked(Opt::PB1Box, Tag(Opt::PB1Box) == 1);
    }
    PriceButtonClick();
}

void Configuration::SidVod6BoxClick() {
    if (Checked(Opt::SidVod6Box)) {
        SetChecked(Opt::SidVodBox, false);
        SetEnabled(Opt::SidVodBox, false);
        SetChecked(Opt::SidPPBox, true);
        SetEnabled(Opt::SidPPBox, false);
        SetPrice(Opt::SidPPBox, "0");
    } else {
        SetChecked(Opt::SidVodBox, Tag(Opt::SidVodBox) == 1);
        SetEnabled(Opt::SidVodBox, true);
        SetChecked(Opt::SidPPBox, Tag(Opt::SidPPBox) == 1);
        SetEnabled(Opt::SidPPBox, true);
        SetPrice(Opt::SidPPBox, "95");
    }
    PriceButtonClick();
}

void Configuration::PodsvBoxClick() {
    if (Checked(Opt::PodsvBox)) {
        SetChecked(Opt::StekloBox, true);
        SetEnabled(Opt::StekloBox, false);
        SetPrice(Opt::StekloBox, "0");
        SetOptionStandard(Opt::ZerkBox);
        SetPrice(Opt::ZerkBox, "0");
    } else {
        switch (trim_) {
            case Ambiente:
                SetOptionAvailable(Opt::ZerkBox);
                SetPrice(Opt::ZerkBox, "150");
                SetEnabled(Opt::StekloBox, false);
                SetPrice(Opt::StekloBox, "300");
                break;
            case Comfort:
            case Trend:
                SetOptionAvailable(Opt::ZerkBox);
                SetPrice(Opt::ZerkBox, "150");
                SetEnabled(Opt::StekloBox, true);
                SetChecked(Opt::StekloBox, Tag(Opt::StekloBox) == 1);
                SetPrice(Opt::StekloBox, "300");
                break;
            case Ghia:
                SetOptionStandard(Opt::ZerkBox);
                SetPrice(Opt::ZerkBox, "0");
                SetEnabled(Opt::StekloBox, false);
                SetChecked(Opt::StekloBox, true);
                SetPrice(Opt::StekloBox, "0");
                break;
        }
        if (Checked(Opt::ZimBox)) {
            SetOptionStandard(Opt::ZerkBox);
            SetPrice(Opt::ZerkBox, "0");
        }
    }
    PriceButtonClick();
    if (body_ == Kuzov3dr) {
        // A three-door body has no rear windows to lift.
        SetOptionUnavailable(Opt::StekloBox);
        SetPrice(Opt::StekloBox, "300");
        SetCaptionEnabled(Opt::StekloBox, false);
    }
}

void Configuration::KozaBoxClick() {
    if (Checked(Opt::KozaBox)) {
        SetOptionStandard(Opt::PBppBox);
        SetOptionStandard(Opt::BokPBBox);
        SetOptionStandard(Opt::PodSidBox);
        SetPrice(Opt::PodSidBox, "0");
        if (trim_ == Comfort) {
            SetPrice(Opt::KozaBox, "590");
        } else if (body_ == Kuzov3dr) {
            SetOptionStandard(Opt::SidVodBox);
            SetPrice(Opt::SidVodBox, "0");
        } else {
            SetOptionStandard(Opt::SidVod6Box);
            SetPrice(Opt::SidVod6Box, "0");
        }
    } else if (trim_ == Comfort) {
        SetOptionAvailable(Opt::PBppBox);
        SetOptionAvailable(Opt::BokPBBox);
        SetOptionAvailable(Opt::PodSidBox);
        SetPrice(Opt::PodSidBox, "210");
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
        SetPrice(Opt::SidVodBox, "175");
        SetOptionAvailable(Opt::SidVod6Box);
        SetPrice(Opt::SidVod6Box, "590");
        SetOptionAvailable(Opt::PodSidBox);
        SetPrice(Opt::PodSidBox, "210");
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
    PriceButtonClick();
    if (Checked(Opt::SidVod6Box)) SidVod6BoxClick();
}

// --- Brakes ------------------------------------------------------------------------------------

void Configuration::IVDBoxClick() {
    if (Checked(Opt::IVDBox)) {
        // Stability control needs ABS.
        SetOptionStandard(Opt::ABSBox);
        SetPrice(Opt::ABSBox, "0");
    } else {
        SetOptionAvailable(Opt::ABSBox);
        SetPrice(Opt::ABSBox, "400");
    }
    PriceButtonClick();
}

// Also the click rule of the tinted glass, which therefore repeats the ABS part while ABS is off.
void Configuration::ABSBoxClick() {
    if (!Checked(Opt::ABSBox)) {
        SetTag(Opt::ABSBox, 0);
        SetChecked(Opt::IVDBox, false);
    }
    PriceButtonClick();
}

}  // namespace kalvora
