// Opening the credit calculator the way the worked examples do.
#pragma once

#include <string>

#include "engine/credit/CreditCalculator.h"

namespace kalvora::testing {

using F = CreditField;
using B = CreditBox;

// A calculator as created, with the maker's discount fixed or computed, opened with `price`.
inline void OpenWith(CreditCalculator& calc, std::int32_t price, bool fixedDiscount) {
    calc.SetChecked(CreditBox::FixedDiscount, fixedDiscount);
    calc.Open(price);
}

// The cell texts of one month row without their padding blanks.
inline std::string Cell(const CreditCalculator& calc, int month, int column) {
    const std::string text = calc.Grid().at(static_cast<std::size_t>(month)).at(column);
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

inline std::string Shown(const CreditCalculator& calc, CreditField field) {
    const std::string text = calc.Text(field);
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace kalvora::testing
