// "Сбросить всё" and "Оснастить": commands that act on all options at once.
#include <string>

#include "model/Configuration.h"
#include "pricing/ConfigCode.h"

namespace kalvora {

namespace {

enum class Equip : std::uint8_t {
    Mark,  // wanted from now on: the trim rules tick it when it is available
    Tick,  // ticked at once, running its click rule
};

struct EquipStep {
    Opt option;
    Equip action;
};

// What "Оснастить" does to each option that is enabled when it is pressed, in this order.
// Packages that exclude a chosen one (Комфорт, Зимний, Улучшенной обзорности), the radio
// packs, the colour, the fixed extras and the hidden options are left as they are.
constexpr EquipStep kEquipSteps[] = {
    {Opt::ptf, Equip::Mark},         {Opt::KsenonBox, Equip::Mark},
    {Opt::AdaptBox, Equip::Tick},    {Opt::OmivBox, Equip::Mark},
    {Opt::ShtorkiBox, Equip::Mark},  {Opt::ZerkBox, Equip::Mark},
    {Opt::PodsvBox, Equip::Mark},    {Opt::acBox, Equip::Mark},
    {Opt::KlimatBox, Equip::Mark},   {Opt::YaschBox, Equip::Mark},
    {Opt::d15box, Equip::Tick},      {Opt::d16box, Equip::Tick},
    {Opt::StekloBox, Equip::Mark},   {Opt::RadioBox, Equip::Tick},
    {Opt::PB1Box, Equip::Mark},      {Opt::PB5Box, Equip::Mark},
    {Opt::IntererBox, Equip::Mark},  {Opt::KomfPBox, Equip::Mark},
    {Opt::Obzor1Box, Equip::Mark},   {Opt::KozaBox, Equip::Mark},
    {Opt::PuteshBox, Equip::Mark},   {Opt::PodSidBox, Equip::Tick},
    {Opt::SidVodBox, Equip::Mark},   {Opt::SidVod6Box, Equip::Mark},
    {Opt::SidPPBox, Equip::Mark},    {Opt::PBppBox, Equip::Mark},
    {Opt::BokPBBox, Equip::Mark},    {Opt::ABSBox, Equip::Mark},
    {Opt::IVDBox, Equip::Tick},      {Opt::KruizBox, Equip::Mark},
    {Opt::PPBox, Equip::Tick},       {Opt::TonBox, Equip::Mark},
    {Opt::ParkBox, Equip::Mark},     {Opt::KovrPremiumBox, Equip::Tick},
    {Opt::ZimShinaBox, Equip::Tick},
};

}  // namespace

void Configuration::ResetAll() {
    if (!ui_.Confirm("Сброс всех опций. Вы уверены?")) return;
    SetCodeFieldText(kResetCode);
    DecodeCodeField();
}

void Configuration::EquipAll() {
    const Settle settle(*this);
    for (const EquipStep& step : kEquipSteps) {
        // Standard and unavailable options stay as they are.
        if (!Enabled(step.option)) continue;
        if (step.action == Equip::Mark) {
            SetWish(step.option, 1);
        } else {
            SetChecked(step.option, true);
        }
    }
    ApplyTrimRules();
}

}  // namespace kalvora
