// Where the main window hands over to the windows of the other subsystems. Each hook is wired
// once, in Windows.cpp; an empty hook does nothing.
#pragma once

#include <cstdint>
#include <functional>

#include "model/Catalogue.h"

class QLabel;

namespace kalvora::app {

struct MainWindowHooks {
    // "Заказ...": show the order window (its text follows every price computation).
    std::function<void()> showOrder;
    // Ctrl+P: print the order text (the order window's "Печать...").
    std::function<void()> printOrder;
    // "Check List...": compose the acceptance check list from the controls and show it.
    std::function<void()> showCheckList;
    // "Кредит...": open the credit window modally with the configured price.
    std::function<void(std::int32_t currentPrice)> showCredit;
    // A click on an option's price label (fromInfoButton false) or on the information button
    // left of it (true).
    std::function<void(Opt option, bool fromInfoButton)> showOptionInfo;
    // The second information button of the 15" wheel row, which shows the wheels themselves.
    std::function<void()> showWheels;
    // "About ...", "Сравнение комплектаций", "Сравнение типов кузовов", "Сравнение двигателей".
    std::function<void()> showAbout;
    std::function<void()> showTrimComparison;
    std::function<void()> showBodyComparison;
    std::function<void()> showEngineComparison;
    // "Сравнить...": show the comparison window with the current configuration.
    std::function<void()> showComparison;
    // Called once for every option's price label when the window is built, to give it its
    // hover look.
    std::function<void(QLabel* priceLabel, Opt option)> installPriceLabel;
};

}  // namespace kalvora::app
