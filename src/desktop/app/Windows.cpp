#include "desktop/app/Windows.h"

#include <QApplication>
#include <QFile>
#include <QUrl>
#include <algorithm>
#include <iterator>
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

Windows::Windows() {
    info.makeOnFirstUse = [this](InfoWindow which) { return MakeInfo(which); };
}

// The program ends: the order window keeps its boxes, then every window goes, in the order
// they went when all were made at start: the last made then first.
Windows::~Windows() {
    if (orderWindow_) orderWindow_->WriteSettingsIfShown();
    delete offerWindow_;
    delete comparisonWindow_;
    QWidget* const secondary[] = {info.rearBlinds, info.alloyWheels,      creditWindow_,
                                  orderWindow_,    info.engineComparison, info.trimComparison,
                                  aboutWindow_,    checkListWindow_,      info.radioPack7,
                                  info.radioPack2, info.climate,          info.fogLamps,
                                  info.bodyTypes,  info.preheater};
    for (QWidget* window : secondary) delete window;
    delete mainWindow;
}

bool Windows::AnyMadeOnFirstUse() const {
    const QWidget* const made[] = {
        orderWindow_,        checkListWindow_,      aboutWindow_,     creditWindow_,
        comparisonWindow_,   offerWindow_,          info.preheater,   info.bodyTypes,
        info.fogLamps,       info.climate,          info.radioPack2,  info.radioPack7,
        info.trimComparison, info.engineComparison, info.alloyWheels, info.rearBlinds};
    return std::any_of(std::begin(made), std::end(made),
                       [](const QWidget* window) { return window != nullptr; });
}

namespace {

// Closing a secondary window only hides it; the main window alone ends the program.
template <typename W>
W* Secondary(W* window) {
    window->setAttribute(Qt::WA_QuitOnClose, false);
    return window;
}

}  // namespace

QWidget* Windows::Info(InfoWindow which) {
    return InfoWindowWidget(which, info);
}

// An information window not made yet; InfoWindowWidget() asks for it.
QWidget* Windows::MakeInfo(InfoWindow which) {
    switch (which) {
        case InfoWindow::None:
            return nullptr;
        case InfoWindow::Preheater:
            return info.preheater = Secondary(new PreheaterWindow);
        case InfoWindow::BodyTypes:
            return info.bodyTypes = Secondary(new BodyTypesWindow);
        case InfoWindow::FogLamps:
            return info.fogLamps = Secondary(new FogLampWindow);
        case InfoWindow::Climate:
            return info.climate = Secondary(new ClimateWindow);
        case InfoWindow::RadioPack2:
            return info.radioPack2 = Secondary(new RadioPack2Window);
        case InfoWindow::RadioPack7:
            return info.radioPack7 = Secondary(new RadioPack7Window);
        case InfoWindow::About:
            return About();
        case InfoWindow::TrimComparison:
            return info.trimComparison = Secondary(new TrimComparisonWindow);
        case InfoWindow::EngineComparison:
            return info.engineComparison = Secondary(new EngineComparisonWindow);
        case InfoWindow::AlloyWheels:
            return info.alloyWheels = Secondary(new AlloyWheelsWindow);
        case InfoWindow::RearBlinds:
            return info.rearBlinds = Secondary(new RearBlindsWindow);
    }
    return nullptr;
}

OrderWindow* Windows::OrderForm() {
    if (!orderWindow_) orderWindow_ = Secondary(new OrderWindow(*order));
    return orderWindow_;
}

CheckListWindow* Windows::CheckList() {
    if (!checkListWindow_) {
        checkListWindow_ = Secondary(new CheckListWindow(mainWindow->Config(), mainWindow->Ui()));
    }
    return checkListWindow_;
}

AboutWindow* Windows::About() {
    if (!aboutWindow_) {
        aboutWindow_ = Secondary(new AboutWindow);
        info.about = aboutWindow_;
    }
    return aboutWindow_;
}

CreditWindow* Windows::Credit() {
    if (!creditWindow_) {
        creditWindow_ = Secondary(new CreditWindow);
    }
    return creditWindow_;
}

ComparisonWindow* Windows::Comparison() {
    if (!comparisonWindow_) {
        MainWindow* const main = mainWindow;
        comparisonWindow_ =
            Secondary(new ComparisonWindow(main->Config(), main->Ui(), main->Files()));
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
        offerWindow_ = Secondary(new OfferWindow(
            [this](const OfferDealer& dealer, const OfferDate& date, bool withCredit) {
                return MakeOffer(mainWindow->Config(), dealer, date,
                                 withCredit ? &Credit()->Calculator() : nullptr);
            },
            [main = mainWindow]() { return main->SettingsPath(); },
            [this]() {
                return creditWindow_ && creditWindow_->Calculator().Values().CarPrice > 0;
            }));
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

    w->order = &w->mainWindow->Verbs().Order();

    // What the main window's buttons and labels open; the windows made on first use are made
    // by the click that first asks for them.
    Windows* const all = w.get();
    MainWindow* const main = w->mainWindow;
    QObject::connect(main, &MainWindow::orderRequested, main,
                     [all]() { all->OrderForm()->ShowOrder(); });
    QObject::connect(main, &MainWindow::orderPrintRequested, main,
                     [all]() { all->OrderForm()->PrintClick(); });
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
    QObject::connect(main, &MainWindow::trimComparisonRequested, main,
                     [all]() { ShowInfoWindow(InfoWindow::TrimComparison, all->info); });
    QObject::connect(main, &MainWindow::bodyComparisonRequested, main,
                     [all]() { ShowInfoWindow(InfoWindow::BodyTypes, all->info); });
    QObject::connect(main, &MainWindow::engineComparisonRequested, main,
                     [all]() { ShowInfoWindow(InfoWindow::EngineComparison, all->info); });
    // The main window forwards the price labels' clicks itself; they get the hover look here.
    for (const OptionDef& def : kOptionTable)
        InstallPriceLabelHover(main->OptionPriceLabel(def.id));
    // The information windows, with their drawings, are made when a window is first asked
    // for (a few milliseconds each), not at start: most sessions open few of them, if any.
    return w;
}

}  // namespace kalvora::app
