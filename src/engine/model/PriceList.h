// Every price the rules assign, in whole US dollars: the base prices by trim, engine and body,
// the roof-rail surcharges, and the price each option is charged at, by trim. The rules refer
// to these entries; no price is written inside a rule.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/model/Catalogue.h"

namespace kalvora {

// What an option costs while a package or the trim includes it.
constexpr Dollars kIncluded = 0;

// The base price of a trim, engine and body; none for a combination the factory does not offer.
std::optional<Dollars> BasePrice(int trim, int engine, int body);
// The roof-rail surcharge of a trim; none where the rails are not offered (aluminium rails below
// Trend).
std::optional<Dollars> RailSurcharge(int rails, int trim);

// The price an option is charged at in a trim when nothing includes it.
Dollars ListPrice(Opt option, int trim);
// Leather costs less in Comfort, and less with the three-door body in the other trims.
Dollars LeatherPrice(int trim, bool threeDoor);
// The metallic paint; the special order colour costs more.
Dollars MetallicPrice(bool specialOrderColour);

}  // namespace kalvora
