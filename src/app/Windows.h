// The fifteen windows of the program, created once at start-up and alive until it ends.
#pragma once

#include <memory>

#include "info/OptionInfo.h"

namespace kalvora {
class ComparisonWindow;
class OrderDocument;
class TMomoForm;
class TZakazForm;
class TKreditForm;
}  // namespace kalvora

namespace kalvora::app {

class TForm1;

struct Windows {
    Windows();
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // In the order of creation; the main window first.
    TForm1* Form1 = nullptr;
    TPPForma* PPForma = nullptr;
    TKozov_form* Kozov_form = nullptr;
    Tptf_Form* ptf_Form = nullptr;
    TKlimat_form* Klimat_form = nullptr;
    TR2Form* R2Form = nullptr;
    TR7Form* R7Form = nullptr;
    TMomoForm* MomoForm = nullptr;  // the check list
    TAboutBox* AboutBox = nullptr;
    TKomplForm* KomplForm = nullptr;
    TDvigForm* DvigForm = nullptr;
    TZakazForm* ZakazForm = nullptr;  // the order
    TKreditForm* KreditForm = nullptr;
    TDiskForm* DiskForm = nullptr;
    TShtorkiForm* ShtorkiForm = nullptr;
    // The current configuration against a second one ("Сравнить...").
    ComparisonWindow* Comparison = nullptr;

    // The order text that the order window shows; it follows every price computation.
    std::unique_ptr<OrderDocument> order;
    // The information windows, as the option rows' clicks find them.
    InfoWindows info;
};

// Creates the windows in their order and wires the main window to the others.
std::unique_ptr<Windows> CreateWindows();

}  // namespace kalvora::app
