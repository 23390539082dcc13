#include "cli/CreditCommand.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "credit/CreditCalculator.h"
#include "credit/CreditNumber.h"
#include "model/IntegerText.h"

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
        if (arg == "--first-percent")
            target = &options.firstPercent;
        if (arg == "--rate-promo")
            target = &options.ratePromo;
        if (arg == "--rate-real")
            target = &options.rateReal;
        if (arg == "--repay-after")
            target = &options.repayAfter;
        if (arg == "--repay-by")
            target = &options.repayBy;
        if (target != nullptr) {
            if (i + 1 == args.size())
                return "нет значения у параметра " + arg;
            *target = args[++i];
            continue;
        }
        if (arg.rfind("--", 0) == 0)
            return "неизвестный параметр " + arg;
        if (havePrice)
            return "лишний аргумент " + arg;
        options.price = arg;
        havePrice = true;
    }
    if (!havePrice)
        return "не указана цена автомобиля";
    if (options.repayAfter.has_value() != options.repayBy.has_value()) {
        return "параметры --repay-after и --repay-by задаются вместе";
    }
    return std::nullopt;
}

// Why the calculator refused an input: the first input field it painted red.
std::optional<std::string> RefusedInput(const CreditCalculator& calc) {
    static constexpr std::array<std::pair<CreditField, const char*>, 6> kInputs = {{
        {F::Edit1, "цена автомобиля должна быть числом, отличным от нуля"},
        {F::Edit4, "первый взнос должен быть числом процентов, отличным от нуля"},
        {F::StavkaF, "ставка ФМК должна быть числом, отличным от нуля"},
        {F::StavkaR, "реальная ставка должна быть числом, отличным от нуля"},
        {F::SpustEdit, "--repay-after должен быть целым числом месяцев от 0 до 1200"},
        {F::Edit8, "--repay-by должен быть целым числом месяцев не больше 1200"},
    }};
    for (const auto& [field, why] : kInputs) {
        if (calc.Colour(field) == kFieldRed) {
            // A repayment month not after the regular months is allowed: it takes one month.
            if (field == F::Edit8 && IntegerOr(calc.Text(F::Edit8), 0) <= kMaxScheduleMonths) {
                continue;
            }
            return std::string(why);
        }
    }
    return std::nullopt;
}

}  // namespace

int RunCreditCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (const auto problem = ReadOptions(args, options)) {
        err << "ошибка: " << *problem << '\n' << kUsage << '\n';
        return 2;
    }
    const auto price = ParseInteger(options.price);
    if (!price || *price == 0) {
        err << "ошибка: цена автомобиля должна быть целым числом долларов, отличным от нуля\n";
        return 2;
    }

    if (options.repayAfter &&
        (!ParseInteger(*options.repayAfter) || !ParseInteger(*options.repayBy))) {
        err << "ошибка: --repay-after и --repay-by должны быть целыми числами месяцев\n";
        return 2;
    }

    CreditCalculator calc('.');
    if (options.firstPercent)
        calc.Type(F::Edit4, *options.firstPercent);
    if (options.ratePromo)
        calc.Type(F::StavkaF, *options.ratePromo);
    if (options.rateReal)
        calc.Type(F::StavkaR, *options.rateReal);
    if (options.repayAfter) {
        calc.Type(F::SpustEdit, *options.repayAfter);
        calc.Type(F::Edit8, *options.repayBy);
    }
    calc.Open(*price);
    if (const auto problem = RefusedInput(calc)) {
        err << "ошибка: " << *problem << '\n';
        return 2;
    }

    const char sep = options.csv ? ',' : '\t';
    if (options.csv)
        out << "field,value\n";
    for (const Figure& f : kFigures)
        out << f.name << sep << Trimmed(calc.Text(f.field)) << '\n';
    for (const Figure& f : kTotals)
        out << f.name << sep << Trimmed(calc.Text(f.field)) << '\n';
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
            if (c > 0)
                out << sep;
            out << Trimmed(grid[r][c]);
        }
        out << '\n';
    }
    return 0;
}

}  // namespace kalvora
