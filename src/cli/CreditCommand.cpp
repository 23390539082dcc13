#include "cli/CreditCommand.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "credit/CreditCalculator.h"
#include "credit/CreditNumber.h"

namespace kalvora {

namespace {

using F = CreditField;

constexpr const char* kUsage =
    "использование: kalvora-cli credit ЦЕНА [--first-percent П] [--rate-promo С] "
    "[--rate-real С] [--repay-after N --repay-by M] [--csv]";

struct Figure {
    const char* name;
    CreditField field;
};

// The figures printed before the schedule, in the order of the window's left panel.
constexpr std::array<Figure, 17> kFigures = {{
    {"price", F::Edit1},
    {"first-percent", F::Edit4},
    {"first-payment", F::Edit5},
    {"credit-sum", F::SumKreditEdit},
    {"rate-promo", F::StavkaF},
    {"rate-real", F::StavkaR},
    {"real-loan", F::SummaR},
    {"term", F::SrokF},
    {"monthly-payment", F::EzemF},
    {"discount", F::SkidkaEdit},
    {"kasko-credit-1", F::Kasko1SumEdit},
    {"kasko-credit-2", F::Kasko2SumEdit},
    {"kasko-credit-3", F::Kasko3SumEdit},
    {"kasko-plain-1", F::Kasko1NSumEdit},
    {"kasko-plain-2", F::Kasko2NSumEdit},
    {"kasko-plain-3", F::Kasko3NSumEdit},
    {"bank-total", F::Edit9},
}};

constexpr std::array<Figure, 2> kTotals = {{{"paid-total", F::Edit10}, {"losses", F::Edit11}}};

constexpr std::array<const char*, 6> kScheduleHeader = {"month",     "bank",  "interest",
                                                        "debt-left", "kasko", "paid"};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

struct Options {
    std::string price;
    std::optional<std::string> firstPercent;
    std::optional<std::string> ratePromo;
    std::optional<std::string> rateReal;
    std::optional<std::string> repayAfter;
    std::optional<std::string> repayBy;
    bool csv = false;
};

// Reads the arguments; on failure returns the message to show.
std::optional<std::string> ReadOptions(const std::vector<std::string>& args, Options& options) {
    bool havePrice = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string>* target = nullptr;
        if (arg == "--csv") {
            options.csv = true;
            continue;
        }
        if (arg == "--first-percent") target = &options.firstPercent;
        if (arg == "--rate-promo") target = &options.ratePromo;
        if (arg == "--rate-real") target = &options.rateReal;
        if (arg == "--repay-after") target = &options.repayAfter;
        if (arg == "--repay-by") target = &options.repayBy;
        if (target != nullptr) {
            if (i + 1 == args.size()) return "нет значения у параметра " + arg;
            *target = args[++i];
            continue;
        }
        if (arg.rfind("--", 0) == 0) return "неизвестный параметр " + arg;
        if (havePrice) return "лишний аргумент " + arg;
        options.price = arg;
        havePrice = true;
    }
    if (!havePrice) return "не указана цена автомобиля";
    if (options.repayAfter.has_value() != options.repayBy.has_value()) {
        return "параметры --repay-after и --repay-by задаются вместе";
    }
    return std::nullopt;
}

// The range an argument must lie in, and the message that names it.
struct Range {
    double low;
    bool lowIncluded;
    double high;
    bool highIncluded;
    bool wholeNumber;
    const char* message;
};

constexpr Range kPriceRange = {1,
                               true,
                               2147483647,
                               true,
                               true,
                               "цена автомобиля должна быть целым числом долларов от 1 до "
                               "2147483647"};
constexpr Range kFirstPercentRange = {
    0,     false, 100,
    false, false, "--first-percent: первый взнос должен быть больше 0 и меньше 100 процентов"};
constexpr Range kPromoRateRange = {
    0.01, true,  100,
    true, false, "--rate-promo: ставка ФМК должна быть от 0,01 до 100 процентов годовых"};
constexpr Range kRealRateRange = {
    0.01, true,  100,
    true, false, "--rate-real: реальная ставка должна быть от 0,01 до 100 процентов годовых"};
constexpr Range kRepayAfterRange = {
    0,    true, kMaxScheduleMonths,
    true, true, "--repay-after должен быть целым числом месяцев от 0 до 1200"};
constexpr Range kRepayByRange = {
    0,    true, kMaxScheduleMonths,
    true, true, "--repay-by должен быть целым числом месяцев от 0 до 1200"};

// The argument as the calculator reads it: a whole number in digits, any other number with a
// point. On failure, `problem` names the range and what was given.
std::optional<std::string> InRange(const std::string& text, const Range& range,
                                   std::string* problem) {
    std::string plain = text;
    for (char& c : plain) {
        if (c == ',') c = '.';
    }
    const std::optional<double> value = ParseDecimal(plain, '.');
    const bool ok = value && (range.lowIncluded ? *value >= range.low : *value > range.low) &&
                    (range.highIncluded ? *value <= range.high : *value < range.high) &&
                    (!range.wholeNumber || *value == std::floor(*value));
    if (!ok) {
        *problem = std::string(range.message) + ", а не «" + text + "»";
        return std::nullopt;
    }
    if (range.wholeNumber) return std::to_string(static_cast<long long>(*value));
    return plain;
}

}  // namespace

int RunCreditCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (const auto problem = ReadOptions(args, options)) {
        err << "ошибка: " << *problem << '\n' << kUsage << '\n';
        return 2;
    }
    // Every number is checked against its range before the calculator sees it, so that no
    // absurd loan is computed (the window paints such fields red; here they are refused).
    std::string problem;
    const std::optional<std::string> price = InRange(options.price, kPriceRange, &problem);
    CreditCalculator calc('.');
    const struct {
        const std::optional<std::string>& text;
        const Range& range;
        CreditField field;
    } inputs[] = {
        {options.firstPercent, kFirstPercentRange, F::Edit4},
        {options.ratePromo, kPromoRateRange, F::StavkaF},
        {options.rateReal, kRealRateRange, F::StavkaR},
        {options.repayAfter, kRepayAfterRange, F::SpustEdit},
        {options.repayBy, kRepayByRange, F::Edit8},
    };
    for (const auto& input : inputs) {
        if (!problem.empty()) break;
        if (!input.text) continue;
        if (const auto value = InRange(*input.text, input.range, &problem)) {
            calc.Type(input.field, *value);
        }
    }
    if (!problem.empty()) {
        err << "ошибка: " << problem << '\n';
        return 2;
    }
    calc.Open(static_cast<std::int32_t>(std::stoll(*price)));

    const char sep = options.csv ? ',' : '\t';
    if (options.csv) out << "field,value\n";
    for (const Figure& f : kFigures) out << f.name << sep << Trimmed(calc.Text(f.field)) << '\n';
    for (const Figure& f : kTotals) out << f.name << sep << Trimmed(calc.Text(f.field)) << '\n';
    out << '\n';
    if (options.csv) {
        for (std::size_t c = 0; c < kScheduleHeader.size(); ++c) {
            out << (c == 0 ? "" : ",") << kScheduleHeader[c];
        }
        out << '\n';
    }
    const auto& grid = calc.Grid();
    for (std::size_t r = 1; r < grid.size(); ++r) {
        for (std::size_t c = 0; c < grid[r].size(); ++c) {
            if (c > 0) out << sep;
            out << Trimmed(grid[r][c]);
        }
        out << '\n';
    }
    return 0;
}

std::optional<std::string> TakeCreditOptions(std::vector<std::string>* args, CreditCalculator& calc,
                                             bool* given) {
    const struct {
        const char* name;
        const Range& range;
        CreditField field;
    } options[] = {
        {"--first-percent", kFirstPercentRange, F::Edit4},
        {"--rate-promo", kPromoRateRange, F::StavkaF},
        {"--rate-real", kRealRateRange, F::StavkaR},
        {"--repay-after", kRepayAfterRange, F::SpustEdit},
        {"--repay-by", kRepayByRange, F::Edit8},
    };
    std::vector<std::string> rest;
    bool repayAfter = false;
    bool repayBy = false;
    for (std::size_t i = 0; i < args->size(); ++i) {
        const std::string& arg = (*args)[i];
        const auto option = std::find_if(std::begin(options), std::end(options),
                                         [&](const auto& o) { return arg == o.name; });
        if (option == std::end(options)) {
            rest.push_back(arg);
            continue;
        }
        if (i + 1 == args->size()) return "нет значения у параметра " + arg;
        std::string problem;
        const auto value = InRange((*args)[++i], option->range, &problem);
        if (!value) return problem;
        calc.Type(option->field, *value);
        *given = true;
        repayAfter = repayAfter || option->field == F::SpustEdit;
        repayBy = repayBy || option->field == F::Edit8;
    }
    if (repayAfter != repayBy) return "параметры --repay-after и --repay-by задаются вместе";
    *args = std::move(rest);
    return std::nullopt;
}

}  // namespace kalvora
