// The fifteen windows of the program, created once at start-up and alive until it ends.
#pragma once

class QWidget;

namespace kalvora::app {

class TForm1;

struct Windows {
    // In the order of creation; the main window first.
    TForm1* Form1 = nullptr;
    QWidget* PPForma = nullptr;      // TPPForma
    QWidget* Kozov_form = nullptr;   // TKozov_form
    QWidget* ptf_Form = nullptr;     // Tptf_Form
    QWidget* Klimat_form = nullptr;  // TKlimat_form
    QWidget* R2Form = nullptr;       // TR2Form
    QWidget* R7Form = nullptr;       // TR7Form
    QWidget* MomoForm = nullptr;     // TMomoForm, the check list
    QWidget* AboutBox = nullptr;     // TAboutBox
    QWidget* KomplForm = nullptr;    // TKomplForm
    QWidget* DvigForm = nullptr;     // TDvigForm
    QWidget* ZakazForm = nullptr;    // TZakazForm, the order
    QWidget* KreditForm = nullptr;   // TKreditForm
    QWidget* DiskForm = nullptr;     // TDiskForm
    QWidget* ShtorkiForm = nullptr;  // TShtorkiForm
};

// Creates the windows in their order and wires the main window to the others.
Windows CreateWindows();
// Destroys them at program end, the last created first.
void DestroyWindows(Windows& windows);

}  // namespace kalvora::app
