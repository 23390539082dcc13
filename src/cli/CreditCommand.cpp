#include "cli/CreditCommand.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "cli/CommandLineStart.h"
#include "cli/JsonViews.h"
#include "engine/credit/CreditCalculator.h"
#include "engine/credit/CreditNumber.h"
#include "engine/documents/Comparison.h"

namespace kalvora {

namespace {

using F = CreditField;

struct Figure {
    const char* name;
    CreditField field;
};

// The figures printed before the schedule, in the order of the window's left panel.
constexpr std::array<Figure, 17> kFigures = {{
    {"price", F::Price},
    {"first-percent", F::FirstPercent},
    {"first-payment", F::FirstPayment},
    {"credit-sum", F::CreditSum},
    {"rate-promo", F::RatePromo},
    {"rate-real", F::RateReal},
    {"real-loan", F::RealLoan},
    {"term", F::Term},
    {"monthly-payment", F::MonthlyPayment},
    {"discount", F::Discount},
    {"kasko-credit-1", F::KaskoCredit1},
    {"kasko-credit-2", F::KaskoCredit2},
    {"kasko-credit-3", F::KaskoCredit3},
    {"kasko-plain-1", F::KaskoPlain1},
    {"kasko-plain-2", F::KaskoPlain2},
    {"kasko-plain-3", F::KaskoPlain3},
    {"bank-total", F::BankTotal},
}};

constexpr std::array<Figure, 2> kTotals = {{{"paid-total", F::PaidTotal}, {"losses", F::Losses}}};

constexpr std::array<const char*, 6> kScheduleHeader = {"month",     "bank",  "interest",
                                                        "debt-left", "kasko", "paid"};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
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

// True for digits only, after an optional minus (which the range then refuses with its message).
bool WholeNumberText(const std::string& text) {
    const std::size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
    return text.size() > first && text.find_first_not_of("0123456789", first) == std::string::npos;
}

// The argument as the calculator reads it: a whole number in digits, any other number with a
// point. On failure, `problem` names the range and what was given. A whole number is digits
// alone: "21,000", "21.000" and "1e3" are not read as 21 or 1000 dollars.
std::optional<std::string> InRange(const std::string& text, const Range& range,
                                   std::string* problem) {
    if (range.wholeNumber && !WholeNumberText(text)) {
        *problem = std::string(range.message) + ", а не «" + text + "»";
        return std::nullopt;
    }
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

std::vector<cli::OptionRule> CreditOptionRules() {
    return {{"--first-percent", true},
            {"--rate-promo", true},
            {"--rate-real", true},
            {"--repay-after", true},
            {"--repay-by", true}};
}

void CreditTerms::ApplyTo(CreditCalculator& calc) const {
    for (const Input& input : inputs) calc.Type(input.field, input.text);
}

std::optional<CreditTerms> ReadCreditTerms(const cli::ParsedArguments& parsed,
                                           std::string* problem) {
    const std::optional<std::string> repayAfter = parsed.Value("--repay-after");
    const std::optional<std::string> repayBy = parsed.Value("--repay-by");
    if (repayAfter.has_value() != repayBy.has_value()) {
        *problem = "параметры --repay-after и --repay-by задаются вместе";
        return std::nullopt;
    }
    const struct {
        const char* option;
        const Range& range;
        CreditField field;
    } options[] = {
        {"--first-percent", kFirstPercentRange, F::FirstPercent},
        {"--rate-promo", kPromoRateRange, F::RatePromo},
        {"--rate-real", kRealRateRange, F::RateReal},
        {"--repay-after", kRepayAfterRange, F::RepayAfter},
        {"--repay-by", kRepayByRange, F::RepayBy},
    };
    CreditTerms terms;
    for (const auto& option : options) {
        const std::optional<std::string> text = parsed.Value(option.option);
        if (!text) continue;
        const std::optional<std::string> value = InRange(*text, option.range, problem);
        if (!value) return std::nullopt;
        terms.inputs.push_back({option.field, *value});
    }
    if (repayAfter) {
        const long long after = std::stoll(terms.inputs[terms.inputs.size() - 2].text);
        const long long by = std::stoll(terms.inputs.back().text);
        // The credit window paints such a month red and repays the whole rest in the month after
        // the regular ones instead: a plan nobody asked for.
        if (by <= after) {
            *problem = "--repay-by: месяц погашения " + std::to_string(by) +
                       " не позже последнего месяца обычных платежей (--repay-after " +
                       std::to_string(after) + "); нужен месяц после него";
            return std::nullopt;
        }
        // The loan is paid off at the end of its term: a repayment that would start then or
        // later repays nothing, and its months would only stretch the schedule with empty rows.
        const CreditCalculator fresh('.');
        const long long term = static_cast<long long>(fresh.Number(F::Term).value_or(0));
        if (after >= term) terms.inputs.resize(terms.inputs.size() - 2);
    }
    return terms;
}

std::optional<std::int32_t> ReadCarPrice(const std::string& text, FileAccess& files,
                                         std::string* problem, bool* unreadable) {
    if (unreadable != nullptr) *unreadable = false;
    // Digits (or what looks like a number: a sign, a separator, an exponent) are a price;
    // anything else is a code or a file, as the program reads its own argument.
    const bool numeric = !text.empty() && !files.Exists(text) &&
                         text.find_first_not_of("0123456789+-.,eE") == std::string::npos &&
                         text.find_first_of("0123456789") != std::string::npos;
    if (numeric || text.empty()) {
        const std::optional<std::string> price = InRange(text, kPriceRange, problem);
        if (!price) return std::nullopt;
        return static_cast<std::int32_t>(std::stoll(*price));
    }
    const SettledConfiguration settled = SettleArgument(text, files);
    if (!settled.facts) {
        if (unreadable != nullptr) *unreadable = true;
        *problem = text + ": не цена (целое число долларов) и не конфигурация: " + settled.error;
        return std::nullopt;
    }
    return settled.facts->total;
}

namespace {

// A figure as a JSON number, as the calculator reads it and the text form writes it: shown
// without a decimal point (a month, the term, the price, a share typed whole) an integer, with
// one (an amount in cents, a rate) a number with decimals; an empty cell is null.
cli::Json Number(const std::optional<double>& value, bool whole) {
    if (!value) return nullptr;
    if (whole && std::fabs(*value) < 9.0e15) {
        return static_cast<std::int64_t>(*value);
    }
    return *value;
}

// A number of the calculator (with a point) as a spreadsheet with `separator` reads it.
std::string WithSeparator(std::string text, char separator) {
    for (char& c : text) {
        if (c == '.') c = separator;
    }
    return text;
}

// The months of the schedule that hold something besides the month.
bool HasAmounts(const ScheduleMonth& month) {
    return month.bank || month.interest || month.debtLeft || month.kasko || month.paid;
}

// The month rows of the grid that hold something besides the month.
std::vector<ScheduleRow> ScheduleRows(const CreditCalculator& calc) {
    std::vector<ScheduleRow> rows;
    const std::vector<ScheduleRow> grid = calc.Grid();
    const std::vector<ScheduleMonth>& months = calc.Schedule();
    for (std::size_t m = 0; m < months.size(); ++m) {
        if (HasAmounts(months[m])) rows.push_back(grid[m + 1]);
    }
    return rows;
}

void WriteJson(const CreditCalculator& calc, std::ostream& out) {
    cli::Json figures = cli::Json::object();
    const auto figure = [&calc](CreditField field) {
        return Number(calc.Number(field), Trimmed(calc.Text(field)).find('.') == std::string::npos);
    };
    for (const Figure& f : kFigures) figures[f.name] = figure(f.field);
    for (const Figure& f : kTotals) figures[f.name] = figure(f.field);
    cli::Json schedule = cli::Json::array();
    // Each amount as the grid shows it, to the cent.
    const auto cents = [](const std::optional<double>& amount) -> std::optional<double> {
        if (!amount) return std::nullopt;
        return RoundAsShown(*amount, 2);
    };
    for (const ScheduleMonth& m : calc.Schedule()) {
        if (!HasAmounts(m)) continue;
        const std::array<std::optional<double>, 6> cells = {static_cast<double>(m.month),
                                                            cents(m.bank),
                                                            cents(m.interest),
                                                            cents(m.debtLeft),
                                                            cents(m.kasko),
                                                            cents(m.paid)};
        cli::Json month = cli::Json::object();
        for (std::size_t c = 0; c < kScheduleHeader.size(); ++c) {
            month[kScheduleHeader[c]] = Number(cells[c], c == 0);
        }
        schedule.push_back(month);
    }
    out << cli::JsonLine({{"figures", figures}, {"schedule", schedule}}) << '\n';
}

// The figures, one a line: name and value parted by `sep`, under a header line in CSV.
void WriteSummary(const CreditCalculator& calc, bool csv, char sep, char point, std::ostream& out) {
    if (csv) out << "field" << sep << "value\n";
    for (const Figure& f : kFigures) {
        out << f.name << sep << WithSeparator(Trimmed(calc.Text(f.field)), point) << '\n';
    }
    for (const Figure& f : kTotals) {
        out << f.name << sep << WithSeparator(Trimmed(calc.Text(f.field)), point) << '\n';
    }
}

// The months of the schedule that hold an amount, one a line with its cells parted by `sep`,
// under a header line in CSV.
void WriteSchedule(const CreditCalculator& calc, bool csv, char sep, char point,
                   std::ostream& out) {
    if (csv) {
        for (std::size_t c = 0; c < kScheduleHeader.size(); ++c) {
            out << (c == 0 ? "" : std::string(1, sep)) << kScheduleHeader[c];
        }
        out << '\n';
    }
    for (const ScheduleRow& row : ScheduleRows(calc)) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out << sep;
            out << WithSeparator(Trimmed(row[c]), point);
        }
        out << '\n';
    }
}

}  // namespace

int RunCreditCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<cli::OptionRule> optionRules = CreditOptionRules();
    optionRules.insert(optionRules.end(),
                       {{"--csv"}, {"--json"}, {"--decimal", true}, {"--table", true}});
    std::string problem;
    const auto parsed = cli::ParseArguments(args, optionRules, &problem);
    if (!parsed) return cli::UsageError(err, "credit", problem);
    if (parsed->operands.empty())
        return cli::UsageError(err, "credit", "не указана цена автомобиля");
    if (parsed->operands.size() > 1) {
        return cli::UsageError(err, "credit", "лишний аргумент " + parsed->operands[1]);
    }
    const bool csv = parsed->Has("--csv");
    const bool json = parsed->Has("--json");
    const std::string decimal = parsed->Value("--decimal").value_or(".");
    // Without --table both tables are written, the figures first.
    const std::string table = parsed->Value("--table").value_or("");
    if (csv && json) return cli::UsageError(err, "credit", "--csv и --json вместе не задаются");
    if (decimal != "." && decimal != ",") {
        return cli::UsageError(err, "credit",
                               "--decimal: разделитель «.» или «,», а не «" + decimal + "»");
    }
    if (parsed->Has("--table") && table != "schedule" && table != "summary") {
        return cli::UsageError(err, "credit",
                               "--table: summary или schedule, а не «" + table + "»");
    }
    if (!csv && (parsed->Has("--decimal") || parsed->Has("--table"))) {
        return cli::UsageError(err, "credit", "--decimal и --table задаются вместе с --csv");
    }
    // Every number is checked against its range before the calculator sees it, so that no
    // absurd loan is computed (the window paints such fields red; here they are refused).
    cli::ArgumentFiles files;
    bool unreadable = false;
    const std::optional<std::int32_t> price =
        ReadCarPrice(parsed->operands[0], files, &problem, &unreadable);
    if (!price && unreadable) {
        // As every command says of a configuration it cannot read.
        cli::ReportError(err, "credit", problem);
        return 1;
    }
    std::optional<CreditTerms> terms;
    if (price) terms = ReadCreditTerms(*parsed, &problem);
    if (!price || !terms) return cli::UsageError(err, "credit", problem);
    CreditCalculator calc('.');
    terms->ApplyTo(calc);
    calc.Open(*price);

    if (json) {
        WriteJson(calc, out);
        return 0;
    }
    // A Russian spreadsheet reads "8000,00"; its fields are then parted with semicolons.
    const char sep = csv ? (decimal == "," ? ';' : ',') : '\t';
    const char point = decimal[0];
    if (table != "schedule") WriteSummary(calc, csv, sep, point, out);
    if (table.empty()) out << '\n';
    if (table != "summary") WriteSchedule(calc, csv, sep, point, out);
    return 0;
}

namespace cli {
int RunCreditCli(const std::vector<std::string>& args, std::istream&, std::ostream& out,
                 std::ostream& err) {
    const int status = RunCreditCommand(args, out, err);
    return Flushed(out, err, "credit", status);
}
}  // namespace cli

}  // namespace kalvora
