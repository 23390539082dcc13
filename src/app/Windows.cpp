#include "app/Windows.h"

#include <QSettings>
#include <QUrl>

#include "app/TForm1.h"
#include "credit/TKreditForm.h"
#include "documents/ComparisonWindow.h"
#include "documents/OrderDocument.h"
#include "documents/TMomoForm.h"
#include "documents/TZakazForm.h"
#include "info/PriceLabelHover.h"
#include "info/TAboutBox.h"
#include "info/TDiskForm.h"
#include "info/TDvigForm.h"
#include "info/TKlimat_form.h"
#include "info/TKomplForm.h"
#include "info/TKozov_form.h"
#include "info/TPPForma.h"
#include "info/TR2Form.h"
#include "info/TR7Form.h"
#include "info/TShtorkiForm.h"
#include "info/Tptf_Form.h"

namespace kalvora::app {

namespace {

// The dealer's site, "[About] DealerSite=" in the INI file; empty when not set.
QUrl DealerSite(const QString& iniPath) {
    const QSettings ini(iniPath, QSettings::IniFormat);
    return QUrl(ini.value(QStringLiteral("About/DealerSite")).toString().trimmed(),
                QUrl::StrictMode);
}

}  // namespace

Windows::Windows() = default;

// The program ends: the order window keeps its boxes, then every window goes, the last
// created first.
Windows::~Windows() {
    if (ZakazForm) ZakazForm->WriteSettingsIfShown();
    if (Form1) Form1->Ui().refreshOrder = nullptr;
    delete Comparison;
    QWidget* const secondary[] = {ShtorkiForm, DiskForm, KreditForm, ZakazForm, DvigForm,
                                  KomplForm,   AboutBox, MomoForm,   R7Form,    R2Form,
                                  Klimat_form, ptf_Form, Kozov_form, PPForma};
    for (QWidget* window : secondary) delete window;
    order.reset();
    delete Form1;
}

std::unique_ptr<Windows> CreateWindows() {
    auto w = std::make_unique<Windows>();
    w->Form1 = new TForm1;
    Configuration& config = w->Form1->Config();
    WindowUi& ui = w->Form1->Ui();

    w->PPForma = new TPPForma;
    w->Kozov_form = new TKozov_form;
    w->ptf_Form = new Tptf_Form;
    w->Klimat_form = new TKlimat_form;
    w->R2Form = new TR2Form;
    w->R7Form = new TR7Form;
    w->MomoForm = new TMomoForm(config, ui);
    w->AboutBox = new TAboutBox;
    w->KomplForm = new TKomplForm;
    w->DvigForm = new TDvigForm;
    w->order = std::make_unique<OrderDocument>(config, ui);
    w->ZakazForm = new TZakazForm(*w->order);
    w->KreditForm = new TKreditForm;
    w->DiskForm = new TDiskForm;
    w->ShtorkiForm = new TShtorkiForm;
    w->Comparison = new ComparisonWindow(config, ui, w->Form1->Files());
    w->Comparison->setAttribute(Qt::WA_QuitOnClose, false);

    // Closing a secondary window only hides it; the main window alone ends the program.
    QWidget* const secondary[] = {w->PPForma,   w->Kozov_form, w->ptf_Form,  w->Klimat_form,
                                  w->R2Form,    w->R7Form,     w->MomoForm,  w->AboutBox,
                                  w->KomplForm, w->DvigForm,   w->ZakazForm, w->KreditForm,
                                  w->DiskForm,  w->ShtorkiForm};
    for (QWidget* window : secondary) window->setAttribute(Qt::WA_QuitOnClose, false);

    w->info.ppForma = w->PPForma;
    w->info.kozovForm = w->Kozov_form;
    w->info.ptfForm = w->ptf_Form;
    w->info.klimatForm = w->Klimat_form;
    w->info.r2Form = w->R2Form;
    w->info.r7Form = w->R7Form;
    w->info.aboutBox = w->AboutBox;
    w->info.komplForm = w->KomplForm;
    w->info.dvigForm = w->DvigForm;
    w->info.diskForm = w->DiskForm;
    w->info.shtorkiForm = w->ShtorkiForm;

    // What the main window's buttons and labels open.
    Windows* const all = w.get();
    MainWindowHooks hooks;
    hooks.showOrder = [all]() { all->ZakazForm->ShowOrder(); };
    hooks.printOrder = [all]() { all->ZakazForm->SpeedButton3Click(); };
    hooks.showCheckList = [all]() { all->MomoForm->ComposeAndShow(); };
    hooks.showCredit = [all](std::int32_t price) { all->KreditForm->ShowForPrice(price); };
    hooks.showOptionInfo = [all](Opt option, bool fromInfoButton) {
        OptionInfoClick(option, fromInfoButton ? InfoControl::InfoButton : InfoControl::PriceLabel,
                        all->info, all->Form1->Ui());
    };
    hooks.showWheels = [all]() {
        OptionInfoClick(Opt::d15box, InfoControl::WheelPictureButton, all->info, all->Form1->Ui());
    };
    hooks.showComparison = [all]() { all->Comparison->ShowComparison(); };
    hooks.showAbout = [all]() {
        all->AboutBox->SetDealerSite(DealerSite(all->Form1->SettingsPath()));
        ShowInfoWindow(all->AboutBox);
    };
    hooks.showTrimComparison = [all]() { ShowInfoWindow(all->KomplForm); };
    hooks.showBodyComparison = [all]() { ShowInfoWindow(all->Kozov_form); };
    hooks.showEngineComparison = [all]() { ShowInfoWindow(all->DvigForm); };
    // The main window forwards the price labels' clicks itself; they get the hover look here.
    hooks.installPriceLabel = [](QLabel* label, Opt) { InstallPriceLabelHover(label); };
    w->Form1->SetHooks(std::move(hooks));
    // The order text follows every price computation.
    ui.refreshOrder = [all]() {
        all->order->SlovoBoxClick();
        all->Comparison->FollowCurrent();
    };
    all->Comparison->SetOpenVariant(
        [all](const std::string& code) { all->Form1->OpenVariant(code); });
    all->Comparison->SetFileChooser([&ui]() { return ui.ChooseFileToOpen(); });
    return w;
}

}  // namespace kalvora::app
