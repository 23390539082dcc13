// The fifteen windows of the program, created once at start-up and alive until it ends.
#pragma once

#include <memory>

#include "desktop/info/OptionInfo.h"

namespace kalvora {
class ComparisonWindow;
class OrderDocument;
class CheckListWindow;
class OrderWindow;
class CreditWindow;
class OfferWindow;
}  // namespace kalvora

namespace kalvora::app {

class MainWindow;

struct Windows {
    Windows();
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // In the order of creation; the main window first.
    MainWindow* mainWindow = nullptr;
    PreheaterWindow* preheaterWindow = nullptr;
    BodyTypesWindow* bodyTypesWindow = nullptr;
    FogLampWindow* fogLampWindow = nullptr;
    ClimateWindow* climateWindow = nullptr;
    RadioPack2Window* radioPack2Window = nullptr;
    RadioPack7Window* radioPack7Window = nullptr;
    CheckListWindow* checkListWindow = nullptr;  // the check list
    AboutWindow* aboutWindow = nullptr;
    TrimComparisonWindow* trimComparisonWindow = nullptr;
    EngineComparisonWindow* engineComparisonWindow = nullptr;
    OrderWindow* orderWindow = nullptr;  // the order
    CreditWindow* creditWindow = nullptr;
    AlloyWheelsWindow* alloyWheelsWindow = nullptr;
    RearBlindsWindow* rearBlindsWindow = nullptr;
    // The current configuration against a second one ("Сравнить...").
    ComparisonWindow* comparisonWindow = nullptr;
    // The offer letter's preview ("Предложение...").
    OfferWindow* offerWindow = nullptr;

    // The order text that the order window shows: the main window's session keeps it
    // following every price.
    OrderDocument* order = nullptr;
    // The information windows, as the option rows' clicks find them.
    InfoWindows info;
};

// Creates the windows in their order and wires the main window to the others.
std::unique_ptr<Windows> CreateWindows();

}  // namespace kalvora::app
