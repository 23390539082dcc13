#include "desktop/app/Windows.h"

#include <QApplication>
#include <QFile>
#include <QUrl>
#include <utility>

#include "desktop/app/MainWindow.h"
#include "desktop/credit/CreditWindow.h"
#include "desktop/documents/CheckListWindow.h"
#include "desktop/documents/ComparisonWindow.h"
#include "engine/documents/OrderDocument.h"
#include "desktop/documents/OrderWindow.h"
#include "desktop/info/AboutWindow.h"
#include "desktop/info/AccessibleComboBox.h"
#include "desktop/info/AlloyWheelsWindow.h"
#include "desktop/info/BodyTypesWindow.h"
#include "desktop/info/ClimateWindow.h"
#include "desktop/info/EngineComparisonWindow.h"
#include "desktop/info/FogLampWindow.h"
#include "desktop/info/PreheaterWindow.h"
#include "desktop/info/PriceLabelHover.h"
#include "desktop/info/RadioPack2Window.h"
#include "desktop/info/RadioPack7Window.h"
#include "desktop/info/RearBlindsWindow.h"
#include "desktop/info/ScreenFit.h"
#include "desktop/info/TrimComparisonWindow.h"
#include "desktop/offer/OfferWindow.h"
#include "desktop/settings/WindowSettings.h"

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

}  // namespace

Windows::Windows() = default;

// The program ends: the order window keeps its boxes, then every window goes, the last
// created first.
Windows::~Windows() {
    if (orderWindow) orderWindow->WriteSettingsIfShown();
    delete offerWindow;
    delete comparisonWindow;
    QWidget* const secondary[] = {rearBlindsWindow, alloyWheelsWindow,      creditWindow,
                                  orderWindow,      engineComparisonWindow, trimComparisonWindow,
                                  aboutWindow,      checkListWindow,        radioPack7Window,
                                  radioPack2Window, climateWindow,          fogLampWindow,
                                  bodyTypesWindow,  preheaterWindow};
    for (QWidget* window : secondary) delete window;
    delete mainWindow;
}

std::unique_ptr<Windows> CreateWindows() {
    // Before the first list is asked for its name.
    InstallAccessibleComboBoxNames();
    // Whatever the screen and the scale, every window opens wholly on its screen.
    KeepWindowsOnScreen();
    auto w = std::make_unique<Windows>();
    w->mainWindow = new MainWindow;
    Configuration& config = w->mainWindow->Config();
    WindowUi& ui = w->mainWindow->Ui();

    w->preheaterWindow = new PreheaterWindow;
    w->bodyTypesWindow = new BodyTypesWindow;
    w->fogLampWindow = new FogLampWindow;
    w->climateWindow = new ClimateWindow;
    w->radioPack2Window = new RadioPack2Window;
    w->radioPack7Window = new RadioPack7Window;
    w->checkListWindow = new CheckListWindow(config, ui);
    w->aboutWindow = new AboutWindow;
    w->trimComparisonWindow = new TrimComparisonWindow;
    w->engineComparisonWindow = new EngineComparisonWindow;
    w->order = &w->mainWindow->Verbs().Order();
    w->orderWindow = new OrderWindow(*w->order);
    w->creditWindow = new CreditWindow;
    w->alloyWheelsWindow = new AlloyWheelsWindow;
    w->rearBlindsWindow = new RearBlindsWindow;
    w->comparisonWindow = new ComparisonWindow(config, ui, w->mainWindow->Files());
    w->comparisonWindow->setAttribute(Qt::WA_QuitOnClose, false);
    // The offer's credit page is the credit window's calculator; it is put in once the buyer
    // has opened the credit window, and the preview's check box takes it out again.
    w->offerWindow = new OfferWindow(
        [all = w.get()](const OfferDealer& dealer, const OfferDate& date, bool withCredit) {
            return MakeOffer(all->mainWindow->Config(), dealer, date,
                             withCredit ? &all->creditWindow->Calculator() : nullptr);
        },
        [main = w->mainWindow]() { return main->SettingsPath(); },
        [all = w.get()]() { return all->creditWindow->Calculator().Values().CarPrice > 0; });
    w->offerWindow->setAttribute(Qt::WA_QuitOnClose, false);
    w->offerWindow->SetFileContext(
        [main = w->mainWindow]() { return main->Ui().dialogFolder; },
        [main = w->mainWindow]() {
            return QFile::decodeName(main->Config().DocumentPath().c_str());
        });

    // Closing a secondary window only hides it; the main window alone ends the program.
    QWidget* const secondary[] = {
        w->preheaterWindow,      w->bodyTypesWindow,        w->fogLampWindow,   w->climateWindow,
        w->radioPack2Window,     w->radioPack7Window,       w->checkListWindow, w->aboutWindow,
        w->trimComparisonWindow, w->engineComparisonWindow, w->orderWindow,     w->creditWindow,
        w->alloyWheelsWindow,    w->rearBlindsWindow};
    for (QWidget* window : secondary) window->setAttribute(Qt::WA_QuitOnClose, false);

    w->info.preheater = w->preheaterWindow;
    w->info.bodyTypes = w->bodyTypesWindow;
    w->info.fogLamps = w->fogLampWindow;
    w->info.climate = w->climateWindow;
    w->info.radioPack2 = w->radioPack2Window;
    w->info.radioPack7 = w->radioPack7Window;
    w->info.about = w->aboutWindow;
    w->info.trimComparison = w->trimComparisonWindow;
    w->info.engineComparison = w->engineComparisonWindow;
    w->info.alloyWheels = w->alloyWheelsWindow;
    w->info.rearBlinds = w->rearBlindsWindow;

    // What the main window's buttons and labels open.
    Windows* const all = w.get();
    MainWindow* const main = w->mainWindow;
    QObject::connect(main, &MainWindow::orderRequested, all->orderWindow, &OrderWindow::ShowOrder);
    QObject::connect(main, &MainWindow::orderPrintRequested, all->orderWindow,
                     &OrderWindow::PrintClick);
    QObject::connect(main, &MainWindow::checkListRequested, all->checkListWindow,
                     &CheckListWindow::ComposeAndShow);
    QObject::connect(main, &MainWindow::offerRequested, all->offerWindow, &OfferWindow::ShowOffer);
    QObject::connect(main, &MainWindow::creditRequested, all->creditWindow,
                     &CreditWindow::ShowForPrice);
    QObject::connect(
        main, &MainWindow::optionInfoRequested, main, [all](Opt option, bool fromInfoButton) {
            OptionInfoClick(option,
                            fromInfoButton ? InfoControl::InfoButton : InfoControl::PriceLabel,
                            all->info, all->mainWindow->Ui());
        });
    QObject::connect(main, &MainWindow::wheelPicturesRequested, main, [all]() {
        OptionInfoClick(Opt::Alloys15, InfoControl::WheelPictureButton, all->info,
                        all->mainWindow->Ui());
    });
    QObject::connect(main, &MainWindow::comparisonRequested, all->comparisonWindow,
                     &ComparisonWindow::ShowComparison);
    QObject::connect(main, &MainWindow::aboutRequested, all->aboutWindow, [all]() {
        all->aboutWindow->SetDealerSite(DealerSite(all->mainWindow->SettingsPath()));
        ShowInfoWindow(all->aboutWindow);
    });
    QObject::connect(main, &MainWindow::trimComparisonRequested, all->trimComparisonWindow,
                     [all]() { ShowInfoWindow(all->trimComparisonWindow); });
    QObject::connect(main, &MainWindow::bodyComparisonRequested, all->bodyTypesWindow,
                     [all]() { ShowInfoWindow(all->bodyTypesWindow); });
    QObject::connect(main, &MainWindow::engineComparisonRequested, all->engineComparisonWindow,
                     [all]() { ShowInfoWindow(all->engineComparisonWindow); });
    // The main window forwards the price labels' clicks itself; they get the hover look here.
    for (const OptionDef& def : kOptionTable)
        InstallPriceLabelHover(main->OptionPriceLabel(def.id));

    // The comparison follows every price (the session keeps the order text). The connection
    // ends with the window it serves, so that nothing is refreshed while the program ends.
    QObject::connect(&main->Signals(), &SessionSignals::priceComputed, all->comparisonWindow,
                     &ComparisonWindow::FollowCurrent);
    QObject::connect(all->comparisonWindow, &ComparisonWindow::openVariantRequested, main,
                     &MainWindow::OpenVariant);
    all->comparisonWindow->SetFileChooser([&ui]() { return ui.ChooseFileToOpen(); });
    // The information windows' drawings are made when a window is first shown (a few
    // milliseconds each), not at start: most sessions open few of them, if any.
    return w;
}

}  // namespace kalvora::app
