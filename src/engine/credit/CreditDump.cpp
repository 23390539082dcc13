#include "engine/credit/CreditDump.h"

#include <cstdio>

namespace kalvora {

std::string CreditDump(const CreditCalculator& calculator) {
    std::string out;
    for (int i = 0; i < kCreditFieldCount; ++i) {
        const auto field = static_cast<CreditField>(i);
        char colour[8];
        std::snprintf(colour, sizeof colour, "%06x",
                      static_cast<unsigned>(calculator.Colour(field) & 0xffffffu));
        out += CreditFieldName(field);
        out += '\t';
        out += calculator.Text(field);
        out += '\t';
        out += colour;
        out += '\n';
    }
    out += "Label20\t" + calculator.CreditSumFormula() + '\n';
    out += "Label19-hint\t" + calculator.DiscountFormula() + '\n';
    const std::vector<ScheduleRow> grid = calculator.Grid();
    out += "grid " + std::to_string(grid.size()) + '\n';
    for (std::size_t r = 1; r < grid.size(); ++r) {
        out += "row";
        for (const std::string& cell : grid[r]) {
            out += '\t';
            out += cell;
        }
        out += '\n';
    }
    out += ".\n";
    return out;
}

}  // namespace kalvora
