// The texts that show the configuration's figures: the base price, roof-rail surcharge and price
// labels, the total in the order description and in an action's report, and the one figure
// handed on where a price must be given while there is no total. The window, the state dump and
// the documents all write them from here, so they read alike everywhere.
#pragma once

#include <string>
#include <string_view>

#include "engine/model/Configuration.h"

namespace kalvora {

// Shown instead of a base price or surcharge for a combination the factory does not offer.
constexpr std::string_view kInvalidCombination = "Недопустимое сочетание параметров";

// The base price label: the figure, kInvalidCombination, or "BazaLabel" before the trim rules
// have first set it.
std::string BasePriceText(const PriceFigures& figures);
// The roof-rail surcharge label: the figure or kInvalidCombination ("0" at the start).
std::string SurchargeText(const PriceFigures& figures);
// The price label: "Цена: $N"; "XXXXX" when the last computation came to no total; and
// "Цена: $12345" before the first one.
std::string PriceLabelText(const PriceFigures& figures);
// The price label's figure with its dollar sign, as the order description's last line gives it:
// "$N", empty without a total, "$12345" before the first computation.
std::string DollarTotalText(const PriceFigures& figures);
// The total as an action's report names it: "N", "-" without a total, "12345" before the first
// computation.
std::string ReportTotalText(const PriceFigures& figures);

// The figure that stands for the price where a number must be given although there is no
// total: 0 before the first price computation, the base price when only the roof-rail surcharge
// is not offered, and 1 when the base price is not offered either. The credit calculator opens
// on it and the state dump shows it.
Dollars FigureWithoutTotal(const PriceFigures& figures);

}  // namespace kalvora
