// What a click on an option's price label or on its small information button shows: an
// explanation in a message box, one of the information windows, or nothing. The main window
// forwards those clicks here; none of this changes the configuration.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "desktop/info/InfoTexts.h"
#include "engine/model/Catalogue.h"

class QWidget;

namespace kalvora {

class UiPort;
class PreheaterWindow;
class BodyTypesWindow;
class FogLampWindow;
class ClimateWindow;
class RadioPack2Window;
class RadioPack7Window;
class AboutWindow;
class TrimComparisonWindow;
class EngineComparisonWindow;
class AlloyWheelsWindow;
class RearBlindsWindow;

enum class InfoWindow : std::uint8_t;

// The information windows of the main program. One not made yet is made by `makeOnFirstUse`
// when it is first asked for; a missing one (nothing made, nothing to make it) shows nothing.
struct InfoWindows {
    PreheaterWindow* preheater = nullptr;
    BodyTypesWindow* bodyTypes = nullptr;
    FogLampWindow* fogLamps = nullptr;
    ClimateWindow* climate = nullptr;
    RadioPack2Window* radioPack2 = nullptr;
    RadioPack7Window* radioPack7 = nullptr;
    AboutWindow* about = nullptr;
    TrimComparisonWindow* trimComparison = nullptr;
    EngineComparisonWindow* engineComparison = nullptr;
    AlloyWheelsWindow* alloyWheels = nullptr;
    RearBlindsWindow* rearBlinds = nullptr;
    // Makes the window and fills in its pointer above; returns it, or nullptr.
    std::function<QWidget*(InfoWindow)> makeOnFirstUse;
};

enum class InfoWindow : std::uint8_t {
    None,
    Preheater,
    BodyTypes,
    FogLamps,
    Climate,
    RadioPack2,
    RadioPack7,
    About,
    TrimComparison,
    EngineComparison,
    AlloyWheels,
    RearBlinds,
};

// One click action: a message (text set), a window (window set) or nothing (neither).
struct InfoAction {
    InfoText text = InfoText::None;
    InfoWindow window = InfoWindow::None;
};

// The clickable controls of an option row. The 15-inch wheel row has a second button with
// the wheel pictures (`SpeedButton24`) besides its ordinary information button.
enum class InfoControl : std::uint8_t { PriceLabel, InfoButton, WheelPictureButton };

// One row of the click table.
struct OptionInfoDef {
    Opt option;
    InfoAction label;             // click on the price label
    std::string_view buttonName;  // the information button, empty when the row has none
    InfoAction button;            // click on the information button
};

// The click table, one row per option in the order of Opt.
const OptionInfoDef& OptionInfo(Opt option);

// What a click on this control of this option's row does.
InfoAction OptionInfoAction(Opt option, InfoControl control);

// Whether the row has this control as a button (the price label always exists), and its name.
bool HasInfoButton(Opt option, InfoControl control);
std::string_view InfoButtonName(Opt option, InfoControl control);

// Runs a click on the price label or an information button of an option's row: shows the
// explanation through ui.ShowMessage, or shows the window, or does nothing.
void OptionInfoClick(Opt option, InfoControl control, const InfoWindows& windows, UiPort& ui);

// Runs an action as a click would.
void RunInfoAction(const InfoAction& action, const InfoWindows& windows, UiPort& ui);

// The window behind a name, made now if it was not yet, or nullptr.
QWidget* InfoWindowWidget(InfoWindow window, const InfoWindows& windows);

// Shows an information window modally (the rest of the program waits until it is closed) and
// brings it to the front. The window keeps its content; closing it only hides it. Used by the
// comparison buttons and "About ..." of the main window as well.
void ShowInfoWindow(QWidget* window);
void ShowInfoWindow(InfoWindow window, const InfoWindows& windows);

}  // namespace kalvora
