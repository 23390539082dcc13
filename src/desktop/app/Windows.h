// The fifteen windows of the program and the two of its own commands. The main window is
// created at start-up; every other window when it is first asked for, and then it stays until
// the program ends.
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

    // Created at start-up.
    MainWindow* mainWindow = nullptr;

    // The windows made on first use: what the main window's buttons and the option rows open.
    // Each is created the first time it is asked for (and reads its settings when shown, as
    // it did when it was made at start).
    // The order window ("Заказ..."), which shows the order text below.
    OrderWindow* OrderForm();
    CheckListWindow* CheckList();
    AboutWindow* About();
    CreditWindow* Credit();
    // The current configuration against a second one ("Сравнить...").
    ComparisonWindow* Comparison();
    // The offer letter's preview ("Предложение...").
    OfferWindow* Offer();
    // An information window ("About" among them), or nullptr for InfoWindow::None.
    QWidget* Info(InfoWindow which);
    // Whether any window made on first use exists yet.
    bool AnyMadeOnFirstUse() const;

    // The order text that the order window shows: the main window's session keeps it
    // following every price, and the order window follows it once made.
    OrderDocument* order = nullptr;
    // The information windows, as the option rows' clicks find them; they are made through
    // Info() when first asked for.
    InfoWindows info;

  private:
    QWidget* MakeInfo(InfoWindow which);

    OrderWindow* orderWindow_ = nullptr;
    CheckListWindow* checkListWindow_ = nullptr;
    AboutWindow* aboutWindow_ = nullptr;
    CreditWindow* creditWindow_ = nullptr;
    ComparisonWindow* comparisonWindow_ = nullptr;
    OfferWindow* offerWindow_ = nullptr;
};

// Creates the main window and wires it to all the others.
std::unique_ptr<Windows> CreateWindows();

}  // namespace kalvora::app
