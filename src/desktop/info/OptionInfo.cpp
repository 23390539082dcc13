#include "desktop/info/OptionInfo.h"

#include <QWidget>
#include <array>
#include <string>

#include "desktop/info/AboutWindow.h"
#include "desktop/info/AlloyWheelsWindow.h"
#include "desktop/info/BodyTypesWindow.h"
#include "desktop/info/ClimateWindow.h"
#include "desktop/info/EngineComparisonWindow.h"
#include "desktop/info/FogLampWindow.h"
#include "desktop/info/PreheaterWindow.h"
#include "desktop/info/RadioPack2Window.h"
#include "desktop/info/RadioPack7Window.h"
#include "desktop/info/RearBlindsWindow.h"
#include "desktop/info/ScreenFit.h"
#include "desktop/info/TrimComparisonWindow.h"
#include "engine/model/UiPort.h"

namespace kalvora {
namespace {

constexpr InfoAction Nothing() {
    return {};
}
constexpr InfoAction Say(InfoText text) {
    return {text, InfoWindow::None};
}
constexpr InfoAction Show(InfoWindow window) {
    return {InfoText::None, window};
}

using T = InfoText;
using W = InfoWindow;

// Rows without a button have no explanation at all; their price label only lights up under the
// mouse. The radio packs 1, 4, 6 and 12 explain themselves through their button only, and the
// front passenger's airbag has a button that shows nothing.
constexpr std::array<OptionInfoDef, kOptionCount> kClickTable = {{
    {Opt::FrontFogLamps, Show(W::FogLamps), "SpeedButton10", Show(W::FogLamps)},
    {Opt::XenonHeadlamps, Say(T::BiXenon), "SpeedButton11", Say(T::BiXenon)},
    {Opt::HeadlampWashers, Nothing(), "", Nothing()},
    {Opt::AdaptiveHeadlamps, Say(T::AdaptiveLight), "SpeedButton13", Say(T::AdaptiveLight)},
    {Opt::RearSunBlinds, Show(W::RearBlinds), "SpeedButton14", Show(W::RearBlinds)},
    {Opt::HeatedMirrors, Nothing(), "", Nothing()},
    {Opt::LitHeatedMirrors, Nothing(), "", Nothing()},
    {Opt::HeatedWindscreen, Nothing(), "", Nothing()},
    {Opt::AirConditioning, Nothing(), "", Nothing()},
    {Opt::ClimateControl, Show(W::Climate), "SpeedButton19", Show(W::Climate)},
    {Opt::CooledGloveBox, Say(T::CooledGloveBox), "SpeedButton20", Say(T::CooledGloveBox)},
    {Opt::Alloys15, Say(T::Wheels15), "SpeedButton21", Say(T::Wheels15)},
    {Opt::Alloys16, Say(T::Wheels16), "SpeedButton22", Say(T::Wheels16)},
    {Opt::RearElectricWindows, Nothing(), "", Nothing()},
    {Opt::RadioPack1, Nothing(), "SpeedButton31", Say(T::RadioPack1)},
    {Opt::RadioPack2, Show(W::RadioPack2), "SpeedButton25", Show(W::RadioPack2)},
    {Opt::RadioPack4, Nothing(), "SpeedButton28", Say(T::RadioPack4)},
    {Opt::RadioPack6, Nothing(), "SpeedButton27", Say(T::RadioPack6)},
    {Opt::RadioPack7, Show(W::RadioPack7), "SpeedButton29", Show(W::RadioPack7)},
    {Opt::RadioPack12, Nothing(), "SpeedButton30", Say(T::RadioPack12)},
    {Opt::SteeringRadioControl, Nothing(), "", Nothing()},
    {Opt::SecurityPack1, Nothing(), "", Nothing()},
    {Opt::SecurityPack5, Say(T::SafetyPack5), "SpeedButton32", Say(T::SafetyPack5)},
    {Opt::ComfortPackage, Say(T::ComfortPack), "SpeedButton12", Say(T::ComfortPack)},
    {Opt::ComfortPlusPackage, Say(T::ComfortPlusPack), "SpeedButton15", Say(T::ComfortPlusPack)},
    {Opt::WinterPackage, Say(T::WinterPack), "SpeedButton16", Say(T::WinterPack)},
    {Opt::VisibilityPackage, Say(T::VisibilityPack), "SpeedButton17", Say(T::VisibilityPack)},
    {Opt::VisibilityPackage1, Say(T::VisibilityPack1), "SpeedButton18", Say(T::VisibilityPack1)},
    {Opt::LeatherTrim, Nothing(), "", Nothing()},
    {Opt::HeatedFrontSeats, Say(T::HeatedSeats), "SpeedButton34", Say(T::HeatedSeats)},
    {Opt::PowerDriverSeatHeight, Nothing(), "", Nothing()},
    {Opt::PowerDriverSeat6Way, Say(T::DriverSeat6), "SpeedButton37", Say(T::DriverSeat6)},
    {Opt::PassengerSeatHeight, Nothing(), "", Nothing()},
    {Opt::PassengerAirbag, Nothing(), "SpeedButton42", Nothing()},
    {Opt::SideAirbags, Say(T::SideAirbags), "SpeedButton41", Say(T::SideAirbags)},
    {Opt::MetallicPaint, Say(T::PaintColours), "SpeedButton39", Say(T::PaintColours)},
    {Opt::AntiLockBrakes, Say(T::Abs), "SpeedButton38", Say(T::Abs)},
    {Opt::StabilityControl, Say(T::Stability), "SpeedButton48", Say(T::Stability)},
    {Opt::CruiseControl, Say(T::CruiseControl), "SpeedButton49", Say(T::CruiseControl)},
    {Opt::PreStartHeater, Show(W::Preheater), "SpeedButton47", Show(W::Preheater)},
    {Opt::RearParkingSensor, Say(T::ParkingSensor), "SpeedButton40", Say(T::ParkingSensor)},
    {Opt::RubberMats, Say(T::RubberMats), "SpeedButton46", Say(T::RubberMats)},
    {Opt::SumpGuard, Nothing(), "", Nothing()},
    {Opt::Registration, Say(T::Registration), "SpeedButton44", Say(T::Registration)},
    {Opt::EmergencyKit, Nothing(), "", Nothing()},
    {Opt::LongSpoiler, Nothing(), "", Nothing()},
    {Opt::LuggageNet, Nothing(), "", Nothing()},
    {Opt::WinterTyres, Nothing(), "", Nothing()},
    {Opt::StyleInteriorPackage, Say(T::StylePack), "SpeedButton35", Say(T::StylePack)},
    {Opt::TravellerPackage, Say(T::TravellerPack), "SpeedButton33", Say(T::TravellerPack)},
    {Opt::ElectricCabinHeater, Nothing(), "", Nothing()},
    {Opt::PremiumMats, Nothing(), "", Nothing()},
    {Opt::BootCarpet, Nothing(), "", Nothing()},
    // Tinted windows need no explanation.
    {Opt::TintedGlass, Nothing(), "", Nothing()},
}};

// The wheel pictures hang on an extra button of the 15-inch wheel row.
constexpr Opt kWheelPictureRow = Opt::Alloys15;
constexpr std::string_view kWheelPictureButton = "SpeedButton24";
constexpr InfoAction kWheelPictureAction = Show(W::AlloyWheels);

constexpr bool TableFollowsOptionOrder() {
    for (int i = 0; i < kOptionCount; ++i) {
        if (kClickTable[static_cast<std::size_t>(i)].option != OptAt(i)) {
            return false;
        }
    }
    return true;
}
static_assert(TableFollowsOptionOrder(), "the click table must list the options in Opt order");

}  // namespace

const OptionInfoDef& OptionInfo(Opt option) {
    return kClickTable[static_cast<std::size_t>(Index(option))];
}

InfoAction OptionInfoAction(Opt option, InfoControl control) {
    switch (control) {
        case InfoControl::PriceLabel:
            return OptionInfo(option).label;
        case InfoControl::InfoButton:
            return OptionInfo(option).button;
        case InfoControl::WheelPictureButton:
            return option == kWheelPictureRow ? kWheelPictureAction : Nothing();
    }
    return Nothing();
}

std::string_view InfoButtonName(Opt option, InfoControl control) {
    switch (control) {
        case InfoControl::PriceLabel:
            return {};
        case InfoControl::InfoButton:
            return OptionInfo(option).buttonName;
        case InfoControl::WheelPictureButton:
            return option == kWheelPictureRow ? kWheelPictureButton : std::string_view();
    }
    return {};
}

bool HasInfoButton(Opt option, InfoControl control) {
    return !InfoButtonName(option, control).empty();
}

namespace {

QWidget* MadeInfoWindow(InfoWindow window, const InfoWindows& windows) {
    switch (window) {
        case InfoWindow::None:
            return nullptr;
        case InfoWindow::Preheater:
            return windows.preheater;
        case InfoWindow::BodyTypes:
            return windows.bodyTypes;
        case InfoWindow::FogLamps:
            return windows.fogLamps;
        case InfoWindow::Climate:
            return windows.climate;
        case InfoWindow::RadioPack2:
            return windows.radioPack2;
        case InfoWindow::RadioPack7:
            return windows.radioPack7;
        case InfoWindow::About:
            return windows.about;
        case InfoWindow::TrimComparison:
            return windows.trimComparison;
        case InfoWindow::EngineComparison:
            return windows.engineComparison;
        case InfoWindow::AlloyWheels:
            return windows.alloyWheels;
        case InfoWindow::RearBlinds:
            return windows.rearBlinds;
    }
    return nullptr;
}

}  // namespace

QWidget* InfoWindowWidget(InfoWindow window, const InfoWindows& windows) {
    if (QWidget* made = MadeInfoWindow(window, windows)) return made;
    if (window == InfoWindow::None || !windows.makeOnFirstUse) return nullptr;
    return windows.makeOnFirstUse(window);
}

void ShowInfoWindow(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    // On a small screen or at a large scale the window is brought within reach.
    FitIntoScreen(*window);
    window->raise();
    window->activateWindow();
}

void ShowInfoWindow(InfoWindow window, const InfoWindows& windows) {
    ShowInfoWindow(InfoWindowWidget(window, windows));
}

void RunInfoAction(const InfoAction& action, const InfoWindows& windows, UiPort& ui) {
    if (action.text != InfoText::None) {
        ui.ShowMessage(std::string(ExplanationText(action.text)));
        return;
    }
    ShowInfoWindow(action.window, windows);
}

void OptionInfoClick(Opt option, InfoControl control, const InfoWindows& windows, UiPort& ui) {
    RunInfoAction(OptionInfoAction(option, control), windows, ui);
}

}  // namespace kalvora
