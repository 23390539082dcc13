// The fifteen windows of the program, created once at start-up and alive until it ends.
#pragma once

#include <memory>

#include "info/OptionInfo.h"

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
    MainWindow* Form1 = nullptr;
    PreheaterWindow* PPForma = nullptr;
    BodyTypesWindow* Kozov_form = nullptr;
    FogLampWindow* ptf_Form = nullptr;
    ClimateWindow* Klimat_form = nullptr;
    RadioPack2Window* R2Form = nullptr;
    RadioPack7Window* R7Form = nullptr;
    CheckListWindow* MomoForm = nullptr;  // the check list
    AboutWindow* AboutBox = nullptr;
    TrimComparisonWindow* KomplForm = nullptr;
    EngineComparisonWindow* DvigForm = nullptr;
    OrderWindow* ZakazForm = nullptr;  // the order
    CreditWindow* KreditForm = nullptr;
    AlloyWheelsWindow* DiskForm = nullptr;
    RearBlindsWindow* ShtorkiForm = nullptr;
    // The current configuration against a second one ("Сравнить...").
    ComparisonWindow* Comparison = nullptr;
    // The offer letter's preview ("Предложение...").
    OfferWindow* Offer = nullptr;

    // The order text that the order window shows; it follows every price computation.
    std::unique_ptr<OrderDocument> order;
    // The information windows, as the option rows' clicks find them.
    InfoWindows info;
};

// Creates the windows in their order and wires the main window to the others.
std::unique_ptr<Windows> CreateWindows();

}  // namespace kalvora::app
