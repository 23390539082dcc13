// "Сбросить всё" and "Оснастить": commands that act on all options at once.
#include <string>

#include "engine/model/Configuration.h"
#include "engine/code/ConfigCode.h"

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
    {Opt::FrontFogLamps, Equip::Mark},
    {Opt::XenonHeadlamps, Equip::Mark},
    {Opt::AdaptiveHeadlamps, Equip::Tick},
    {Opt::HeadlampWashers, Equip::Mark},
    {Opt::RearSunBlinds, Equip::Mark},
    {Opt::HeatedMirrors, Equip::Mark},
    {Opt::LitHeatedMirrors, Equip::Mark},
    {Opt::AirConditioning, Equip::Mark},
    {Opt::ClimateControl, Equip::Mark},
    {Opt::CooledGloveBox, Equip::Mark},
    {Opt::Alloys15, Equip::Tick},
    {Opt::Alloys16, Equip::Tick},
    {Opt::RearElectricWindows, Equip::Mark},
    {Opt::SteeringRadioControl, Equip::Tick},
    {Opt::SecurityPack1, Equip::Mark},
    {Opt::SecurityPack5, Equip::Mark},
    {Opt::StyleInteriorPackage, Equip::Mark},
    {Opt::ComfortPlusPackage, Equip::Mark},
    {Opt::VisibilityPackage1, Equip::Mark},
    {Opt::LeatherTrim, Equip::Mark},
    {Opt::TravellerPackage, Equip::Mark},
    {Opt::HeatedFrontSeats, Equip::Tick},
    {Opt::PowerDriverSeatHeight, Equip::Mark},
    {Opt::PowerDriverSeat6Way, Equip::Mark},
    {Opt::PassengerSeatHeight, Equip::Mark},
    {Opt::PassengerAirbag, Equip::Mark},
    {Opt::SideAirbags, Equip::Mark},
    {Opt::AntiLockBrakes, Equip::Mark},
    {Opt::StabilityControl, Equip::Tick},
    {Opt::CruiseControl, Equip::Mark},
    {Opt::PreStartHeater, Equip::Tick},
    {Opt::TintedGlass, Equip::Mark},
    {Opt::RearParkingSensor, Equip::Mark},
    {Opt::PremiumMats, Equip::Tick},
    {Opt::WinterTyres, Equip::Tick},
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
