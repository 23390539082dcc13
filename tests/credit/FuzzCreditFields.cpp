// libFuzzer target: any bytes typed into any field of the credit calculator, with clicks and
// key releases in between, never crash it nor make the program write infinity or "nan" into a
// field or a cell (what the user typed stays as typed, "nan" included).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/credit/CreditCalculator.h"

namespace {

bool ShowsGarbage(const std::string& text) {
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kalvora;
    CreditCalculator calc;
    calc.Open(20000);
    // The text each field last got from the user, typed or dropped.
    std::string typed[kCreditFieldCount];
    // Each record: one byte choosing the action and field, one byte of length, then the text.
    std::size_t i = 0;
    while (i + 2 <= size) {
        const std::uint8_t action = data[i];
        const std::size_t length = data[i + 1] % 24;
        i += 2;
        const std::size_t take = length < size - i ? length : size - i;
        const std::string text(reinterpret_cast<const char*>(data + i), take);
        i += take;
        const auto field = static_cast<CreditField>(action % kCreditFieldCount);
        switch (action / kCreditFieldCount % 4) {
            case 0:
                if (calc.Type(field, text)) typed[static_cast<int>(field)] = text;
                break;
            case 1:
                if (calc.Type(field, text)) typed[static_cast<int>(field)] = text;
                if (field == CreditField::FirstPayment) calc.AcceptFirstPayment();
                calc.KeyUp(field);
                break;
            case 2:
                calc.Click(static_cast<CreditBox>(action % kCreditBoxCount));
                break;
            default:
                calc.DropOnDollars(field);
                typed[static_cast<int>(CreditField::Dollars)] = calc.Text(CreditField::Dollars);
                break;
        }
    }
    for (int f = 0; f < kCreditFieldCount; ++f) {
        const std::string& shown = calc.Text(static_cast<CreditField>(f));
        if (ShowsGarbage(shown) && shown != typed[f]) std::abort();
    }
    if (calc.Grid().size() > static_cast<std::size_t>(kMaxScheduleMonths) + 1) std::abort();
    for (const ScheduleRow& row : calc.Grid()) {
        for (const std::string& cell : row) {
            if (ShowsGarbage(cell)) std::abort();
        }
    }
    return 0;
}
