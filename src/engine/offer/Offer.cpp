#include "engine/offer/Offer.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>

#include "engine/credit/CreditCalculator.h"
#include "engine/credit/CreditNumber.h"
#include "engine/documents/Comparison.h"
#include "engine/documents/OrderDocument.h"
#include "engine/history/ChangeTexts.h"
#include "engine/history/ConfigurationSnapshot.h"
#include "engine/history/OptionReasons.h"

namespace kalvora {

namespace {

constexpr std::array<std::string_view, 12> kMonthsGenitive = {
    "января", "февраля", "марта",    "апреля",  "мая",    "июня",
    "июля",   "августа", "сентября", "октября", "ноября", "декабря"};

// The dealer-fitted extras, in the order the order description lists them.
constexpr std::array<Opt, 3> kDealerExtras = {Opt::SumpGuard, Opt::Registration, Opt::EmergencyKit};

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::string DollarText(std::int64_t amount) {
    return "$" + std::to_string(amount);
}

// What the buyer pays for a ticked option, or why it comes without a choice: an option that a
// package (or another option) brings along is named with it, so that it does not read as given
// by the trim.
std::string Note(const OptionFact& fact, const OptionReason& reason) {
    if (fact.presence == Presence::Standard) {
        if (fact.price != 0) return "обязательно, " + DollarText(fact.price);
        const std::string with = IncludedWithText(reason);
        return with.empty() ? "стандартно" : with;
    }
    return fact.price == 0 ? "без доплаты" : DollarText(fact.price);
}

// An option as the main window captions it, without the blanks that place the caption on
// screen. A caption that ends in a colon leads to a field beside it ("Цвет:" before the colour
// list): the check box's own caption names the option alone.
std::string Caption(Opt option) {
    const OptionDef& def = Def(option);
    const std::string_view caption =
        !def.caption.empty() && def.caption.back() == ':' && !def.ownCaption.empty()
            ? def.ownCaption
            : def.caption;
    std::string text;
    for (char c : caption) {
        if (c == ' ') {
            if (!text.empty() && text.back() != ' ') text += c;
        } else {
            text += c;
        }
    }
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// A text of the calculator without the blanks it pads with and with a decimal comma whatever
// the calculator's decimal mark.
std::string Plain(const CreditCalculator& calc, std::string text) {
    const auto first = text.find_first_not_of(' ');
    text = first == std::string::npos ? std::string() : text.substr(first);
    const std::string& mark = calc.DecimalSeparator();
    if (mark.empty() || mark == ",") return text;
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at + 1)) {
        text.replace(at, mark.size(), ",");
    }
    return text;
}

// `value` with a decimal comma: `decimals` of them, or, when `trim`, no more than it needs.
std::string Decimal(double value, int decimals, bool trim) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out(text);
    if (trim && out.find('.') != std::string::npos) {
        while (out.back() == '0') out.pop_back();
        if (out.back() == '.') out.pop_back();
    }
    if (out == "-0") out = "0";
    const auto point = out.find('.');
    if (point != std::string::npos) out[point] = ',';
    return out;
}

// A schedule amount as its cell shows it, to the cent; nothing for a cell left empty (an amount
// not reached, or one that is not finite and so shows no text).
std::optional<double> ShownAmount(const std::optional<double>& amount) {
    if (!amount || !std::isfinite(*amount)) return std::nullopt;
    return RoundAsShown(*amount, 2);
}

// An amount kept to the cent, in whole cents; nothing for an amount too large to count in
// cents exactly.
std::optional<std::int64_t> Cents(double amount) {
    const double cents = std::round(amount * 100);
    if (!(std::fabs(cents) < 0x1p52)) return std::nullopt;
    return static_cast<std::int64_t>(cents);
}

std::string Figure(const CreditCalculator& calc, CreditField field) {
    return Plain(calc, calc.Text(field));
}

// The columns of the calculator's schedule, and the headers the offer gives them: the
// calculator's own short words ("Потери" for the interest, "Выплатить" for the debt left) mean
// little to a buyer without the calculator beside them.
enum ScheduleColumn : std::size_t { kMonth, kBank, kInterest, kDebt, kKasko, kPaid };
const std::array<std::string, 6> kScheduleHeader = {
    "Месяц", "Платёж банку", "Проценты", "Остаток долга", "КАСКО", "Выплачено всего"};

// "месяц 1", "месяцы 2–24"
std::string Months(int first, int last) {
    return first == last ? "месяц " + std::to_string(first)
                         : "месяцы " + std::to_string(first) + "–" + std::to_string(last);
}

// A run of months whose payments to the bank are equal as shown: the regular one, then the
// repayment's.
struct PaymentRun {
    int first = 0, last = 0;
    double amount = 0;
    std::string text;
};

// The summary of the credit: the calculator's figures, the term, the payments and premiums as
// the schedule charges them, and the totals.
std::vector<OfferRow> CreditSummary(const CreditCalculator& calc, std::int32_t total,
                                    const std::vector<PaymentRun>& runs,
                                    const std::vector<OfferRow>& premiums) {
    using F = CreditField;
    // Every figure as the calculator holds it, whatever was typed: money to the cent, shares and
    // rates with the decimals they need.
    auto money = [&](F field) {
        const std::optional<double> number = calc.Number(field);
        return "$" + (number ? Decimal(*number, 2, false) : Figure(calc, field));
    };
    auto percent = [&](F field) {
        const std::optional<double> number = calc.Number(field);
        return (number ? Decimal(*number, 4, true) : Figure(calc, field)) + " %";
    };
    const std::optional<double> termNumber = calc.Number(F::Term);
    const int term = termNumber ? static_cast<int>(std::lround(*termNumber)) : 0;
    const int lastPaid = runs.back().last;
    std::vector<OfferRow> summary = {
        {"Цена автомобиля", DollarText(total)},
        {"Первый взнос (" + percent(F::FirstPercent) + ")", money(F::FirstPayment)},
        {"Сумма кредита", money(F::CreditSum)},
        {"Скидка ФМК", money(F::Discount)},
        {"Кредит банка за вычетом скидки", money(F::RealLoan)},
        {"Ставка от ФМК", percent(F::RatePromo) + " годовых"},
        {"Ставка банка", percent(F::RateReal) + " годовых"},
        {"Срок кредита", std::to_string(term) + " мес."},
    };
    if (lastPaid != term) {
        summary.push_back({lastPaid < term ? "Досрочное погашение" : "Последний платёж",
                           "в " + std::to_string(lastPaid) + "-м месяце"});
    }
    if (runs.size() == 1) {
        summary.push_back({"Ежемесячный платёж", "$" + runs[0].text});
    } else {
        for (const PaymentRun& run : runs)
            summary.push_back({"Платёж, " + Months(run.first, run.last), "$" + run.text});
    }
    summary.insert(summary.end(), premiums.begin(), premiums.end());
    summary.push_back({"Выплачено банку", money(F::BankTotal)});
    // What the credit costs beyond the price: the interest less the maker's discount. Below
    // zero the discount outweighs the interest.
    std::string losses = money(F::Losses);
    if (calc.Values().Losses > 0) {
        summary.push_back({"Переплата: проценты за вычетом скидки ФМК", losses});
    } else {
        if (losses.rfind("$-", 0) == 0) losses.erase(1, 1);
        summary.push_back({"Выгода: скидка ФМК больше процентов", losses});
    }
    summary.push_back({"Всего будет выплачено", money(F::PaidTotal)});
    return summary;
}

// The rows are rounded to the cent each and the total once, from the exact sum: the column may
// miss the total by a few cents, and the page says so rather than leave a sum that does not add
// up. A column or a total too large to count in whole cents gets no note, and neither does a
// column that adds up.
std::string RoundingNote(const CreditCalculator& calc, const std::vector<double>& payments) {
    std::optional<std::int64_t> columnCents = 0;
    for (double payment : payments) {
        const std::optional<std::int64_t> cents = Cents(payment);
        columnCents = cents && columnCents ? std::optional(*columnCents + *cents) : std::nullopt;
    }
    const std::optional<double> bankTotal = calc.Number(CreditField::BankTotal);
    const std::optional<std::int64_t> totalCents = bankTotal ? Cents(*bankTotal) : std::nullopt;
    if (!columnCents || !totalCents || *columnCents == *totalCents) return {};
    return "Платежи округлены до цента каждый, а итог «Выплачено банку» — один раз из "
           "точной суммы, поэтому сумма столбца «Платёж банку» (" +
           Decimal(static_cast<double>(*columnCents) / 100, 2, false) + ") с ним расходится.";
}

// The credit as the calculator shows it for `total`. The schedule holds the months that carry a
// payment or a premium; the summary gives the term as the calculator has it, and from the
// schedule the month an early repayment ends the loan, the payments actually made and each
// premium as the schedule charges it (a car whose credit is repaid early is insured at the rate
// of a car bought without one).
std::optional<OfferCredit> CreditOf(const CreditCalculator& source, std::int32_t total) {
    CreditCalculator calc = source;
    calc.Open(total);
    // A price the calculator refused leaves figures of another price; those are not offered.
    if (calc.Values().CarPrice != total || calc.Grid().size() < 2) return std::nullopt;
    OfferCredit credit;
    credit.header = kScheduleHeader;
    // The grid's rows are the schedule's months in order: the figures come from the months,
    // the texts printed from the rows.
    const auto& grid = calc.Grid();
    const std::vector<ScheduleMonth>& months = calc.Schedule();

    std::vector<PaymentRun> runs;
    std::vector<double> payments;
    std::vector<OfferRow> premiums;
    for (std::size_t i = 0; i < months.size() && i + 1 < grid.size(); ++i) {
        const ScheduleMonth& month = months[i];
        const std::optional<double> payment = ShownAmount(month.bank);
        const bool premium = ShownAmount(month.kasko).has_value();
        if (!payment && !premium) continue;
        std::array<std::string, 6> row;
        for (std::size_t c = 0; c < row.size(); ++c) row[c] = Plain(calc, grid[i + 1][c]);
        if (payment) {
            payments.push_back(*payment);
            if (runs.empty() || runs.back().amount != *payment) {
                runs.push_back({month.month, month.month, *payment, row[kBank]});
            } else {
                runs.back().last = month.month;
            }
        }
        if (premium) {
            const int year = (month.month - 1) / 12 + 1;
            premiums.push_back({"КАСКО, " + std::to_string(year) + "-й год", "$" + row[kKasko]});
        }
        credit.schedule.push_back(std::move(row));
    }
    // Inputs the calculator refuses (a field it paints red) give no payments to offer.
    if (payments.empty()) return std::nullopt;
    credit.summary = CreditSummary(calc, total, runs, premiums);
    credit.note = RoundingNote(calc, payments);
    return credit;
}

// What the buyer pays for the option, or why it comes without a choice.
std::string NoteOf(const ConfigurationFacts& facts, const ReasonTable& reasons, Opt o) {
    const std::size_t i = static_cast<std::size_t>(o);
    return Note(facts.options[i], reasons[i]);
}

// The options the car has: the factory's, in the order the order description lists them, then
// the dealer-fitted extras that may be chosen; a group without an option is left out. The
// metallic paint names the colour chosen (none for none).
std::vector<OfferGroup> Equipment(const Configuration& config, const ConfigurationFacts& facts,
                                  const ReasonTable& reasons, const std::string* colour) {
    OfferGroup factory{"Заводские опции", {}};
    for (Opt o : OrderOptionSequence()) {
        const OptionFact& fact = facts.options[static_cast<std::size_t>(o)];
        if (fact.presence == Presence::Absent) continue;
        std::string text = Caption(o);
        if (o == Opt::MetallicPaint) text += colour ? ": " + *colour : ", цвет не выбран";
        factory.items.push_back({o, std::move(text), NoteOf(facts, reasons, o)});
    }
    OfferGroup extras{"Дополнительные (не заводские) опции", {}};
    for (Opt o : kDealerExtras) {
        const OptionFact& fact = facts.options[static_cast<std::size_t>(o)];
        if (fact.presence == Presence::Absent || !config.Enabled(o)) continue;
        extras.items.push_back({o, Caption(o), NoteOf(facts, reasons, o)});
    }
    std::vector<OfferGroup> equipment;
    if (!factory.items.empty()) equipment.push_back(std::move(factory));
    if (!extras.items.empty()) equipment.push_back(std::move(extras));
    return equipment;
}

// A row for each part the car has: the base price, the roof rails, the metallic paint and the
// paid options together; a part it has at no cost says why.
std::vector<OfferRow> Prices(const ConfigurationFacts& facts, const ReasonTable& reasons,
                             const std::string& trim, bool hasRails) {
    std::int64_t paid = 0;
    int paidCount = 0;
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionFact& fact = facts.options[i];
        if (fact.presence == Presence::Absent || OptAt(i) == Opt::MetallicPaint) continue;
        if (fact.price != 0) {
            paid += fact.price;
            ++paidCount;
        }
    }
    std::vector<OfferRow> prices = {{"Базовая цена (" + trim + ")", DollarText(facts.basePrice)}};
    if (hasRails || facts.railsPrice != 0) {
        prices.push_back({"Направляющие багажника", DollarText(facts.railsPrice)});
        if (facts.railsPrice == 0) prices.back().label += " (без доплаты)";
    }
    const OptionFact& metallicFact = facts.options[static_cast<std::size_t>(Opt::MetallicPaint)];
    if (metallicFact.presence != Presence::Absent) {
        std::string label = "Окраска «металлик»";
        if (metallicFact.price == 0)
            label += " (" + NoteOf(facts, reasons, Opt::MetallicPaint) + ")";
        prices.push_back({label, DollarText(metallicFact.price)});
    }
    if (paidCount > 0) {
        prices.push_back({"Платные опции (" + std::to_string(paidCount) + ")", DollarText(paid)});
    }
    return prices;
}

}  // namespace

std::optional<OfferDate> ParseOfferDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    }
    auto number = [&](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    OfferDate date;
    date.year = number(0, 4);
    date.month = number(5, 2);
    date.day = number(8, 2);
    if (date.year < 1970 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.year, date.month)) {
        return std::nullopt;
    }
    return date;
}

std::optional<OfferDate> OfferDateFromEpoch(std::int64_t seconds) {
    // 10000-01-01 00:00:00 UTC
    constexpr std::int64_t kEnd = 253402300800;
    if (seconds < 0 || seconds >= kEnd) return std::nullopt;
    OfferDate date;
    std::int64_t days = seconds / 86400;
    const std::int64_t rest = seconds % 86400;
    date.hour = static_cast<int>(rest / 3600);
    date.minute = static_cast<int>(rest % 3600 / 60);
    date.second = static_cast<int>(rest % 60);
    date.year = 1970;
    while (days >= (IsLeapYear(date.year) ? 366 : 365)) days -= IsLeapYear(date.year++) ? 366 : 365;
    date.month = 1;
    while (days >= DaysInMonth(date.year, date.month)) days -= DaysInMonth(date.year, date.month++);
    date.day = static_cast<int>(days) + 1;
    return date;
}

std::string OfferDateText(const OfferDate& date) {
    return std::to_string(date.day) + " " + std::string(kMonthsGenitive[date.month - 1]) + " " +
           std::to_string(date.year) + " г.";
}

std::optional<Offer> MakeOffer(const Configuration& config, const OfferDealer& dealer,
                               const OfferDate& date, const CreditCalculator* credit) {
    const std::optional<ConfigurationFacts> facts = ReadFacts(config);
    if (!facts) return std::nullopt;
    Offer offer;
    for (const std::string* field :
         {&dealer.name, &dealer.address, &dealer.telephone, &dealer.site}) {
        if (!field->empty()) offer.dealer.push_back(*field);
    }
    offer.date = OfferDateText(date);
    const std::string trim(kTrimItems[facts->trim]);
    offer.heading = "Ford Focus C307 " + trim + ", " + std::string(OrderBodyText(facts->body));
    offer.look = LookOf(config);

    const bool metallic = config.Checked(Opt::MetallicPaint);
    // The first item of the colour list, "???", is no colour: the main window reads it out as
    // "не выбран", and so does the offer.
    const bool colourChosen = facts->colour > 0 && facts->colour < kColourCount;
    const std::string colour(colourChosen ? kColours[facts->colour].item : "");
    std::string paint = colourChosen ? colour : "не выбран";
    if (colourChosen || metallic) paint += metallic ? ", металлик" : ", без металлика";
    const bool wagon = facts->body == Wagon;
    const bool hasRails = wagon && facts->rails > 0 && facts->rails < kRailsCount;
    const std::string rails(hasRails ? OrderRailsText(facts->rails) : "");
    offer.car = {
        {"Модель", "Ford Focus C307"},
        {"Комплектация", trim},
        {"Тип кузова", std::string(OrderBodyText(facts->body))},
        {"Двигатель", std::string(OrderEngineText(facts->engine))},
        {"Цвет окраски кузова", paint},
    };
    if (hasRails) offer.car.push_back({"Направляющие багажника", rails});

    ReasonTable reasons;
    ExplainConfiguration(ConfigurationSnapshot(config), &reasons);
    offer.equipment = Equipment(config, *facts, reasons, colourChosen ? &colour : nullptr);
    offer.prices = Prices(*facts, reasons, trim, hasRails);
    offer.total = DollarText(facts->total);
    offer.code = facts->code;
    if (credit) offer.credit = CreditOf(*credit, facts->total);
    return offer;
}

}  // namespace kalvora
