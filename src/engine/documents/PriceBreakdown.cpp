#include "engine/documents/PriceBreakdown.h"

#include <algorithm>

#include "engine/documents/Comparison.h"
#include "engine/documents/OrderDocument.h"

namespace kalvora {

std::optional<PriceBreakdown> BreakDownPrice(const Configuration& config) {
    const std::optional<ConfigurationFacts> facts = ReadFacts(config);
    if (!facts) return std::nullopt;
    PriceBreakdown b;
    b.trim = std::string(kTrimItems[facts->trim]);
    b.basePrice = facts->basePrice;
    b.railsPrice = facts->railsPrice;
    b.total = facts->total;
    std::vector<PriceBreakdown::Item> paid;
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionFact& fact = facts->options[i];
        if (fact.presence == Presence::Absent) continue;
        const Opt o = OptAt(i);
        if (o == Opt::MetallicPaint) {
            b.metallic = fact.price;
            continue;
        }
        b.paidOptions += fact.price;
        if (fact.price != 0) paid.push_back({o, std::string(OrderOptionText(o)), fact.price});
    }
    b.paidOptionCount = paid.size();
    // Dearest first; equal prices keep the order of the option table's walk.
    std::stable_sort(paid.begin(), paid.end(),
                     [](const auto& x, const auto& y) { return x.price > y.price; });
    if (paid.size() > PriceBreakdown::kLargestShown) paid.resize(PriceBreakdown::kLargestShown);
    b.largest = std::move(paid);
    return b;
}

std::vector<std::string> PriceBreakdownLines(const PriceBreakdown& b) {
    auto dollars = [](std::int64_t amount) { return "$" + std::to_string(amount); };
    std::vector<std::string> lines;
    lines.push_back("Базовая цена (" + b.trim + "): " + dollars(b.basePrice));
    lines.push_back("Направляющие багажника: " + dollars(b.railsPrice));
    lines.push_back("Металлик: " + dollars(b.metallic));
    lines.push_back("Платные опции (" + std::to_string(b.paidOptionCount) +
                    "): " + dollars(b.paidOptions));
    for (const PriceBreakdown::Item& item : b.largest) {
        lines.push_back("    " + item.name + ": " + dollars(item.price));
    }
    if (b.paidOptionCount > b.largest.size()) {
        std::int64_t rest = b.paidOptions;
        for (const PriceBreakdown::Item& item : b.largest) rest -= item.price;
        lines.push_back("    и ещё " + std::to_string(b.paidOptionCount - b.largest.size()) +
                        " на " + dollars(rest));
    }
    lines.push_back(dollars(b.basePrice) + " + " + dollars(b.railsPrice) + " + " +
                    dollars(b.metallic) + " + " + dollars(b.paidOptions) + " = " +
                    dollars(b.total));
    return lines;
}

}  // namespace kalvora
