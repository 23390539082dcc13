#include "app/Windows.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <utility>

#include "app/MainWindow.h"
#include "credit/CreditWindow.h"
#include "documents/CheckListWindow.h"
#include "documents/ComparisonWindow.h"
#include "documents/OrderDocument.h"
#include "documents/OrderWindow.h"
#include "info/AboutWindow.h"
#include "info/AccessibleComboBox.h"
#include "info/AlloyWheelsWindow.h"
#include "info/BodyTypesWindow.h"
#include "info/ClimateWindow.h"
#include "info/EngineComparisonWindow.h"
#include "info/FogLampWindow.h"
#include "info/PictureView.h"
#include "info/PreheaterWindow.h"
#include "info/PriceLabelHover.h"
#include "info/RadioPack2Window.h"
#include "info/RadioPack7Window.h"
#include "info/RearBlindsWindow.h"
#include "info/ScreenFit.h"
#include "info/TrimComparisonWindow.h"
#include "offer/OfferWindow.h"
#include "settings/WindowSettings.h"

namespace kalvora::app {

namespace {

// The dealer's site, "[About] DealerSite=" in the INI file; empty when not set.
QUrl DealerSite(const QString& iniPath) {
    const WindowSettings ini(QStringLiteral("About"), iniPath);
    const QString text = ini.Text(QStringLiteral("DealerSite")).value_or(QString()).trimmed();
    // An address longer than any dealer's is not one; it is not even parsed.
    if (text.size() > AboutWindow::kLongestDealerSite) return QUrl();
    return QUrl(text, QUrl::StrictMode);
}

// Runs `work` once the window has painted its first frame, when the event loop next comes
// round: what that frame does not show need not delay it.
void AfterFirstFrame(QWidget* window, std::function<void()> work) {
    class FirstPaint : public QObject {
      public:
        FirstPaint(QWidget* window, std::function<void()> work)
            : window_(window), work_(std::move(work)) {}

      protected:
        // Any widget of the window: the window itself paints nothing its children cover.
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint && watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->window() == window_) {
                qApp->removeEventFilter(this);
                // A timer, not a queued call: it fires after the paint has reached the screen.
                auto* timer = new QTimer(this);
                timer->setSingleShot(true);
                connect(timer, &QTimer::timeout, this, [this] {
                    work_();
                    deleteLater();
                });
                timer->start(0);
            }
            return false;
        }

      private:
        QWidget* window_;
        std::function<void()> work_;
    };
    qApp->installEventFilter(new FirstPaint(window, std::move(work)));
}

}  // namespace

Windows::Windows() = default;

// The program ends: the order window keeps its boxes, then every window goes, the last
// created first.
Windows::~Windows() {
    if (ZakazForm) ZakazForm->WriteSettingsIfShown();
    delete Offer;
    delete Comparison;
    QWidget* const secondary[] = {ShtorkiForm, DiskForm, KreditForm, ZakazForm, DvigForm,
                                  KomplForm,   AboutBox, MomoForm,   R7Form,    R2Form,
                                  Klimat_form, ptf_Form, Kozov_form, PPForma};
    for (QWidget* window : secondary) delete window;
    order.reset();
    delete Form1;
}

std::unique_ptr<Windows> CreateWindows() {
    // Before the first list is asked for its name.
    InstallAccessibleComboBoxNames();
    // Whatever the screen and the scale, every window opens wholly on its screen.
    KeepWindowsOnScreen();
    auto w = std::make_unique<Windows>();
    w->Form1 = new MainWindow;
    Configuration& config = w->Form1->Config();
    WindowUi& ui = w->Form1->Ui();

    w->PPForma = new PreheaterWindow;
    w->Kozov_form = new BodyTypesWindow;
    w->ptf_Form = new FogLampWindow;
    w->Klimat_form = new ClimateWindow;
    w->R2Form = new RadioPack2Window;
    w->R7Form = new RadioPack7Window;
    w->MomoForm = new CheckListWindow(config, ui);
    w->AboutBox = new AboutWindow;
    w->KomplForm = new TrimComparisonWindow;
    w->DvigForm = new EngineComparisonWindow;
    w->order = std::make_unique<OrderDocument>(config, ui);
    w->ZakazForm = new OrderWindow(*w->order);
    w->KreditForm = new CreditWindow;
    w->DiskForm = new AlloyWheelsWindow;
    w->ShtorkiForm = new RearBlindsWindow;
    w->Comparison = new ComparisonWindow(config, ui, w->Form1->Files());
    w->Comparison->setAttribute(Qt::WA_QuitOnClose, false);
    // The offer takes the credit's figures once the buyer has opened the credit window.
    w->Offer = new OfferWindow(
        [all = w.get()](const OfferDealer& dealer, const OfferDate& date) {
            const CreditCalculator& credit = all->KreditForm->Calculator();
            return MakeOffer(all->Form1->Config(), dealer, date,
                             credit.Values().CarPrice > 0 ? &credit : nullptr);
        },
        [main = w->Form1]() { return main->SettingsPath(); });
    w->Offer->setAttribute(Qt::WA_QuitOnClose, false);

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
    MainWindow* const main = w->Form1;
    QObject::connect(main, &MainWindow::orderRequested, all->ZakazForm, &OrderWindow::ShowOrder);
    QObject::connect(main, &MainWindow::orderPrintRequested, all->ZakazForm,
                     &OrderWindow::SpeedButton3Click);
    QObject::connect(main, &MainWindow::checkListRequested, all->MomoForm,
                     &CheckListWindow::ComposeAndShow);
    QObject::connect(main, &MainWindow::offerRequested, all->Offer, &OfferWindow::ShowOffer);
    QObject::connect(main, &MainWindow::creditRequested, all->KreditForm,
                     &CreditWindow::ShowForPrice);
    QObject::connect(
        main, &MainWindow::optionInfoRequested, main, [all](Opt option, bool fromInfoButton) {
            OptionInfoClick(option,
                            fromInfoButton ? InfoControl::InfoButton : InfoControl::PriceLabel,
                            all->info, all->Form1->Ui());
        });
    QObject::connect(main, &MainWindow::wheelPicturesRequested, main, [all]() {
        OptionInfoClick(Opt::Alloys15, InfoControl::WheelPictureButton, all->info, all->Form1->Ui());
    });
    QObject::connect(main, &MainWindow::comparisonRequested, all->Comparison,
                     &ComparisonWindow::ShowComparison);
    QObject::connect(main, &MainWindow::aboutRequested, all->AboutBox, [all]() {
        all->AboutBox->SetDealerSite(DealerSite(all->Form1->SettingsPath()));
        ShowInfoWindow(all->AboutBox);
    });
    QObject::connect(main, &MainWindow::trimComparisonRequested, all->KomplForm,
                     [all]() { ShowInfoWindow(all->KomplForm); });
    QObject::connect(main, &MainWindow::bodyComparisonRequested, all->Kozov_form,
                     [all]() { ShowInfoWindow(all->Kozov_form); });
    QObject::connect(main, &MainWindow::engineComparisonRequested, all->DvigForm,
                     [all]() { ShowInfoWindow(all->DvigForm); });
    // The main window forwards the price labels' clicks itself; they get the hover look here.
    for (const OptionDef& def : kOptionTable)
        InstallPriceLabelHover(main->OptionPriceLabel(def.id));

    // The order text, then the comparison, follow every price computation. Each connection
    // ends with the window it serves, so that nothing is refreshed while the program ends.
    ConfigurationSignals& engine = main->Signals();
    QObject::connect(&engine, &ConfigurationSignals::priceComputed, all->ZakazForm,
                     [all]() { all->order->SlovoBoxClick(); });
    QObject::connect(&engine, &ConfigurationSignals::priceComputed, all->Comparison,
                     &ComparisonWindow::FollowCurrent);
    QObject::connect(all->Comparison, &ComparisonWindow::openVariantRequested, main,
                     &MainWindow::OpenVariant);
    all->Comparison->SetFileChooser([&ui]() { return ui.ChooseFileToOpen(); });
    // The information windows' drawings wait until the main window is on the screen.
    AfterFirstFrame(main, &PictureView::DrawPendingPictures);
    return w;
}

}  // namespace kalvora::app
