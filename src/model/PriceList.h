// Every price the rules assign, in whole US dollars: the base prices by trim, engine and body,
// the roof-rail surcharges, and the price each option is charged at, by trim. The rules refer
// to these entries; no price is written inside a rule.
#pragma once

#include <cstdint>

#include "model/Catalogue.h"

namespace kalvora {

using Dollars = std::int32_t;

// What an option costs while a package or the trim includes it.
constexpr Dollars kIncluded = 0;

// Marks a combination the factory does not offer; every value from kNotAPrice up is shown as
// the message instead of a number.
constexpr Dollars kInvalidPrice = 111100000;
constexpr Dollars kNotAPrice = 100000;

// The base price of a trim, engine and body, or kInvalidPrice.
Dollars BasePrice(int trim, int engine, int body);
// The roof-rail surcharge of a trim, or kInvalidPrice (aluminium rails below Trend).
Dollars RailSurcharge(int rails, int trim);

// The price an option is charged at in a trim when nothing includes it.
Dollars ListPrice(Opt option, int trim);
// Leather costs less in Comfort, and less with the three-door body in the other trims.
Dollars LeatherPrice(int trim, bool threeDoor);
// The metallic paint; the special order colour costs more.
Dollars MetallicPrice(bool specialOrderColour);

}  // namespace kalvora
