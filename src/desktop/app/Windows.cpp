#include "desktop/app/Windows.h"

#include <QApplication>
#include <QFile>
#include <QUrl>
#include <utility>

#include "desktop/app/MainWindow.h"
#include "desktop/credit/CreditWindow.h"
#include "desktop/documents/CheckListWindow.h"
#include "desktop/documents/ComparisonWindow.h"
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
#include "engine/documents/OrderDocument.h"

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
    delete offerWindow_;
    delete comparisonWindow_;
    QWidget* const secondary[] = {rearBlindsWindow, alloyWheelsWindow,      creditWindow_,
                                  orderWindow,      engineComparisonWindow, trimComparisonWindow,
                                  aboutWindow_,     checkListWindow_,       radioPack7Window,
                                  radioPack2Window, climateWindow,          fogLampWindow,
                                  bodyTypesWindow,  preheaterWindow};
    for (QWidget* window : secondary) delete window;
    delete mainWindow;
}

bool Windows::AnyMadeOnFirstUse() const {
    return checkListWindow_ || aboutWindow_ || creditWindow_ || comparisonWindow_ || offerWindow_;
}

CheckListWindow* Windows::CheckList() {
    if (!checkListWindow_) {
        checkListWindow_ = new CheckListWindow(mainWindow->Config(), mainWindow->Ui());
        checkListWindow_->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return checkListWindow_;
}

AboutWindow* Windows::About() {
    if (!aboutWindow_) {
        aboutWindow_ = new AboutWindow;
        aboutWindow_->setAttribute(Qt::WA_QuitOnClose, false);
        info.about = aboutWindow_;
    }
    return aboutWindow_;
}

CreditWindow* Windows::Credit() {
    if (!creditWindow_) {
        creditWindow_ = new CreditWindow;
        creditWindow_->setAttribute(Qt::WA_QuitOnClose, false);
    }
    return creditWindow_;
}

ComparisonWindow* Windows::Comparison() {
    if (!comparisonWindow_) {
        MainWindow* const main = mainWindow;
        comparisonWindow_ = new ComparisonWindow(main->Config(), main->Ui(), main->Files());
        comparisonWindow_->setAttribute(Qt::WA_QuitOnClose, false);
        // The comparison follows every price (the session keeps the order text). The
        // connection ends with the window it serves, so that nothing is refreshed while the
        // program ends.
        QObject::connect(&main->Signals(), &SessionSignals::priceComputed, comparisonWindow_,
                         &ComparisonWindow::FollowCurrent);
        QObject::connect(comparisonWindow_, &ComparisonWindow::openVariantRequested, main,
                         &MainWindow::OpenVariant);
        comparisonWindow_->SetFileChooser([main]() { return main->Ui().ChooseFileToOpen(); });
    }
    return comparisonWindow_;
}

OfferWindow* Windows::Offer() {
    if (!offerWindow_) {
        // The offer's credit page is the credit window's calculator; it is put in once the
        // buyer has opened the credit window, and the preview's check box takes it out again.
        offerWindow_ = new OfferWindow(
            [this](const OfferDealer& dealer, const OfferDate& date, bool withCredit) {
                return MakeOffer(mainWindow->Config(), dealer, date,
                                 withCredit ? &Credit()->Calculator() : nullptr);
            },
            [main = mainWindow]() { return main->SettingsPath(); },
            [this]() {
                return creditWindow_ && creditWindow_->Calculator().Values().CarPrice > 0;
            });
        offerWindow_->setAttribute(Qt::WA_QuitOnClose, false);
        offerWindow_->SetFileContext(
            [main = mainWindow]() { return main->Ui().dialogFolder; },
            [main = mainWindow]() {
                return QFile::decodeName(main->Config().DocumentPath().c_str());
            });
    }
    return offerWindow_;
}

std::unique_ptr<Windows> CreateWindows() {
    // Before the first list is asked for its name.
    InstallAccessibleComboBoxNames();
    // Whatever the screen and the scale, every window opens wholly on its screen.
    KeepWindowsOnScreen();
    auto w = std::make_unique<Windows>();
    w->mainWindow = new MainWindow;

    w->preheaterWindow = new PreheaterWindow;
    w->bodyTypesWindow = new BodyTypesWindow;
    w->fogLampWindow = new FogLampWindow;
    w->climateWindow = new ClimateWindow;
    w->radioPack2Window = new RadioPack2Window;
    w->radioPack7Window = new RadioPack7Window;
    w->trimComparisonWindow = new TrimComparisonWindow;
    w->engineComparisonWindow = new EngineComparisonWindow;
    w->order = &w->mainWindow->Verbs().Order();
    w->orderWindow = new OrderWindow(*w->order);
    w->alloyWheelsWindow = new AlloyWheelsWindow;
    w->rearBlindsWindow = new RearBlindsWindow;

    // Closing a secondary window only hides it; the main window alone ends the program.
    QWidget* const secondary[] = {
        w->preheaterWindow,      w->bodyTypesWindow,        w->fogLampWindow,
        w->climateWindow,        w->radioPack2Window,       w->radioPack7Window,
        w->trimComparisonWindow, w->engineComparisonWindow, w->orderWindow,
        w->alloyWheelsWindow,    w->rearBlindsWindow};
    for (QWidget* window : secondary) window->setAttribute(Qt::WA_QuitOnClose, false);

    w->info.preheater = w->preheaterWindow;
    w->info.bodyTypes = w->bodyTypesWindow;
    w->info.fogLamps = w->fogLampWindow;
    w->info.climate = w->climateWindow;
    w->info.radioPack2 = w->radioPack2Window;
    w->info.radioPack7 = w->radioPack7Window;
    w->info.trimComparison = w->trimComparisonWindow;
    w->info.engineComparison = w->engineComparisonWindow;
    w->info.alloyWheels = w->alloyWheelsWindow;
    w->info.rearBlinds = w->rearBlindsWindow;

    // What the main window's buttons and labels open; the windows made on first use are made
    // by the click that first asks for them.
    Windows* const all = w.get();
    MainWindow* const main = w->mainWindow;
    QObject::connect(main, &MainWindow::orderRequested, all->orderWindow, &OrderWindow::ShowOrder);
    QObject::connect(main, &MainWindow::orderPrintRequested, all->orderWindow,
                     &OrderWindow::PrintClick);
    QObject::connect(main, &MainWindow::checkListRequested, main,
                     [all]() { all->CheckList()->ComposeAndShow(); });
    QObject::connect(main, &MainWindow::offerRequested, main,
                     [all]() { all->Offer()->ShowOffer(); });
    QObject::connect(main, &MainWindow::creditRequested, main,
                     [all](std::int32_t price) { all->Credit()->ShowForPrice(price); });
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
    QObject::connect(main, &MainWindow::comparisonRequested, main,
                     [all]() { all->Comparison()->ShowComparison(); });
    QObject::connect(main, &MainWindow::aboutRequested, main, [all]() {
        AboutWindow* about = all->About();
        about->SetDealerSite(DealerSite(all->mainWindow->SettingsPath()));
        ShowInfoWindow(about);
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
    // The information windows' drawings are made when a window is first shown (a few
    // milliseconds each), not at start: most sessions open few of them, if any.
    return w;
}

}  // namespace kalvora::app
