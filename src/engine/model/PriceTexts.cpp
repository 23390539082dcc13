#include "engine/model/PriceTexts.h"

namespace kalvora {

namespace {

// What the price label reads before the first price computation.
constexpr std::string_view kFirstPriceLabel = "Цена: $12345";
constexpr std::string_view kPricePrefix = "Цена: ";
constexpr std::string_view kNoTotal = "XXXXX";

std::string AmountText(const std::optional<Dollars>& amount) {
    return amount ? std::to_string(*amount) : std::string(kInvalidCombination);
}

}  // namespace

std::string BasePriceText(const PriceFigures& figures) {
    return figures.baseSet ? AmountText(figures.base) : std::string("BazaLabel");
}

std::string SurchargeText(const PriceFigures& figures) {
    return AmountText(figures.surcharge);
}

std::string DollarTotalText(const PriceFigures& figures) {
    if (!figures.computed) return std::string(kFirstPriceLabel.substr(kPricePrefix.size()));
    return figures.total ? "$" + std::to_string(*figures.total) : std::string();
}

std::string PriceLabelText(const PriceFigures& figures) {
    if (figures.computed && !figures.total) return std::string(kNoTotal);
    return std::string(kPricePrefix) + DollarTotalText(figures);
}

std::string ReportTotalText(const PriceFigures& figures) {
    if (figures.computed && !figures.total) return "-";
    return DollarTotalText(figures).substr(1);
}

Dollars FigureWithoutTotal(const PriceFigures& figures) {
    if (!figures.computed) return 0;
    return figures.base.value_or(1);
}

}  // namespace kalvora
