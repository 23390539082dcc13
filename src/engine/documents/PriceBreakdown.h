// Where a configuration's price comes from: the base price of trim, body and engine, the roof
// rails, the metallic paint and the paid options, which add up to the total. The figures are the
// ones the order description prints: the base price and surcharge labels and the price label of
// every ticked option.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/Configuration.h"

namespace kalvora {

struct PriceBreakdown {
    struct Item {
        Opt option;
        std::string name;  // as the verbal order text names it
        std::int32_t price;
    };
    static constexpr std::size_t kLargestShown = 5;

    std::string trim;  // the trim level whose base price it is
    std::int32_t basePrice = 0;
    std::int32_t railsPrice = 0;
    std::int32_t metallic = 0;        // the metallic paint, 0 when not ticked
    std::int64_t paidOptions = 0;     // every other ticked option
    std::size_t paidOptionCount = 0;  // how many of them cost something
    std::int32_t total = 0;
    std::vector<Item> largest;  // the dearest paid options, dearest first, at most five
};

// The breakdown of the configuration's current price, or nothing when it has none ("XXXXX").
std::optional<PriceBreakdown> BreakDownPrice(const Configuration& config);

// The breakdown in words, one line each: the four parts, the dearest options, the sum.
std::vector<std::string> PriceBreakdownLines(const PriceBreakdown& breakdown);

}  // namespace kalvora
