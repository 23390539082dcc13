// The fifteen windows of the program and the two of its own commands. The main window and the
// information windows are created at start-up; the documents, the credit, the offer, the
// comparison and "About" are created when first asked for. Every window, once created, stays
// until the program ends.
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
    TrimComparisonWindow* trimComparisonWindow = nullptr;
    EngineComparisonWindow* engineComparisonWindow = nullptr;
    OrderWindow* orderWindow = nullptr;  // the order
    AlloyWheelsWindow* alloyWheelsWindow = nullptr;
    RearBlindsWindow* rearBlindsWindow = nullptr;

    // The windows made on first use: what the main window's buttons open. Each is created
    // the first time it is asked for (and reads its settings then, as it would at start).
    CheckListWindow* CheckList();
    AboutWindow* About();
    CreditWindow* Credit();
    // The current configuration against a second one ("Сравнить...").
    ComparisonWindow* Comparison();
    // The offer letter's preview ("Предложение...").
    OfferWindow* Offer();
    // The credit window if it has been asked for, or nullptr.
    const CreditWindow* CreditIfCreated() const { return creditWindow_; }
    // Whether any window made on first use exists yet.
    bool AnyMadeOnFirstUse() const;

    // The order text that the order window shows: the main window's session keeps it
    // following every price.
    OrderDocument* order = nullptr;
    // The information windows, as the option rows' clicks find them.
    InfoWindows info;

  private:
    CheckListWindow* checkListWindow_ = nullptr;
    AboutWindow* aboutWindow_ = nullptr;
    CreditWindow* creditWindow_ = nullptr;
    ComparisonWindow* comparisonWindow_ = nullptr;
    OfferWindow* offerWindow_ = nullptr;
};

// Creates the main and the information windows in their order and wires the main window to
// all the others.
std::unique_ptr<Windows> CreateWindows();

}  // namespace kalvora::app
