#include "info/OptionInfo.h"

#include <QWidget>
#include <array>
#include <string>

#include "info/AboutWindow.h"
#include "info/AlloyWheelsWindow.h"
#include "info/BodyTypesWindow.h"
#include "info/ClimateWindow.h"
#include "info/EngineComparisonWindow.h"
#include "info/FogLampWindow.h"
#include "info/PreheaterWindow.h"
#include "info/RadioPack2Window.h"
#include "info/RadioPack7Window.h"
#include "info/RearBlindsWindow.h"
#include "info/ScreenFit.h"
#include "info/TrimComparisonWindow.h"
#include "model/UiPort.h"

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
    {Opt::ptf, Show(W::PtfForm), "SpeedButton10", Show(W::PtfForm)},
    {Opt::KsenonBox, Say(T::BiXenon), "SpeedButton11", Say(T::BiXenon)},
    {Opt::OmivBox, Nothing(), "", Nothing()},
    {Opt::AdaptBox, Say(T::AdaptiveLight), "SpeedButton13", Say(T::AdaptiveLight)},
    {Opt::ShtorkiBox, Show(W::ShtorkiForm), "SpeedButton14", Show(W::ShtorkiForm)},
    {Opt::ZerkBox, Nothing(), "", Nothing()},
    {Opt::PodsvBox, Nothing(), "", Nothing()},
    {Opt::LobBox, Nothing(), "", Nothing()},
    {Opt::acBox, Nothing(), "", Nothing()},
    {Opt::KlimatBox, Show(W::KlimatForm), "SpeedButton19", Show(W::KlimatForm)},
    {Opt::YaschBox, Say(T::CooledGloveBox), "SpeedButton20", Say(T::CooledGloveBox)},
    {Opt::d15box, Say(T::Wheels15), "SpeedButton21", Say(T::Wheels15)},
    {Opt::d16box, Say(T::Wheels16), "SpeedButton22", Say(T::Wheels16)},
    {Opt::StekloBox, Nothing(), "", Nothing()},
    {Opt::R1Box, Nothing(), "SpeedButton31", Say(T::RadioPack1)},
    {Opt::R2Box, Show(W::R2Form), "SpeedButton25", Show(W::R2Form)},
    {Opt::R4Box, Nothing(), "SpeedButton28", Say(T::RadioPack4)},
    {Opt::R6Box, Nothing(), "SpeedButton27", Say(T::RadioPack6)},
    {Opt::R7Box, Show(W::R7Form), "SpeedButton29", Show(W::R7Form)},
    {Opt::R12Box, Nothing(), "SpeedButton30", Say(T::RadioPack12)},
    {Opt::RadioBox, Nothing(), "", Nothing()},
    {Opt::PB1Box, Nothing(), "", Nothing()},
    {Opt::PB5Box, Say(T::SafetyPack5), "SpeedButton32", Say(T::SafetyPack5)},
    {Opt::KomfBox, Say(T::KomfortPack), "SpeedButton12", Say(T::KomfortPack)},
    {Opt::KomfPBox, Say(T::KomfortPlusPack), "SpeedButton15", Say(T::KomfortPlusPack)},
    {Opt::ZimBox, Say(T::WinterPack), "SpeedButton16", Say(T::WinterPack)},
    {Opt::ObzorBox, Say(T::VisibilityPack), "SpeedButton17", Say(T::VisibilityPack)},
    {Opt::Obzor1Box, Say(T::VisibilityPack1), "SpeedButton18", Say(T::VisibilityPack1)},
    {Opt::KozaBox, Nothing(), "", Nothing()},
    {Opt::PodSidBox, Say(T::HeatedSeats), "SpeedButton34", Say(T::HeatedSeats)},
    {Opt::SidVodBox, Nothing(), "", Nothing()},
    {Opt::SidVod6Box, Say(T::DriverSeat6), "SpeedButton37", Say(T::DriverSeat6)},
    {Opt::SidPPBox, Nothing(), "", Nothing()},
    {Opt::PBppBox, Nothing(), "SpeedButton42", Nothing()},
    {Opt::BokPBBox, Say(T::SideAirbags), "SpeedButton41", Say(T::SideAirbags)},
    {Opt::MetallBox, Say(T::PaintColours), "SpeedButton39", Say(T::PaintColours)},
    {Opt::ABSBox, Say(T::Abs), "SpeedButton38", Say(T::Abs)},
    {Opt::IVDBox, Say(T::Stability), "SpeedButton48", Say(T::Stability)},
    {Opt::KruizBox, Say(T::CruiseControl), "SpeedButton49", Say(T::CruiseControl)},
    {Opt::PPBox, Show(W::PPForma), "SpeedButton47", Show(W::PPForma)},
    {Opt::ParkBox, Say(T::ParkingSensor), "SpeedButton40", Say(T::ParkingSensor)},
    {Opt::KovrBox, Say(T::RubberMats), "SpeedButton46", Say(T::RubberMats)},
    {Opt::KarterBox, Nothing(), "", Nothing()},
    {Opt::GAIBox, Say(T::Registration), "SpeedButton44", Say(T::Registration)},
    {Opt::NaborBox, Nothing(), "", Nothing()},
    {Opt::SpoilerBox, Nothing(), "", Nothing()},
    {Opt::SetkaBox, Nothing(), "", Nothing()},
    {Opt::ZimShinaBox, Nothing(), "", Nothing()},
    {Opt::IntererBox, Say(T::StylePack), "SpeedButton35", Say(T::StylePack)},
    {Opt::PuteshBox, Say(T::TravellerPack), "SpeedButton33", Say(T::TravellerPack)},
    {Opt::ElectroBox, Nothing(), "", Nothing()},
    {Opt::KovrPremiumBox, Nothing(), "", Nothing()},
    {Opt::KovrBagazBox, Nothing(), "", Nothing()},
    // Tinted windows need no explanation.
    {Opt::TonBox, Nothing(), "", Nothing()},
}};

// The wheel pictures hang on an extra button of the 15-inch wheel row.
constexpr Opt kWheelPictureRow = Opt::d15box;
constexpr std::string_view kWheelPictureButton = "SpeedButton24";
constexpr InfoAction kWheelPictureAction = Show(W::DiskForm);

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

QWidget* InfoWindowWidget(InfoWindow window, const InfoWindows& windows) {
    switch (window) {
        case InfoWindow::None:
            return nullptr;
        case InfoWindow::PPForma:
            return windows.ppForma;
        case InfoWindow::KozovForm:
            return windows.kozovForm;
        case InfoWindow::PtfForm:
            return windows.ptfForm;
        case InfoWindow::KlimatForm:
            return windows.klimatForm;
        case InfoWindow::R2Form:
            return windows.r2Form;
        case InfoWindow::R7Form:
            return windows.r7Form;
        case InfoWindow::AboutBox:
            return windows.aboutBox;
        case InfoWindow::KomplForm:
            return windows.komplForm;
        case InfoWindow::DvigForm:
            return windows.dvigForm;
        case InfoWindow::DiskForm:
            return windows.diskForm;
        case InfoWindow::ShtorkiForm:
            return windows.shtorkiForm;
    }
    return nullptr;
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
