#include "offer/Offer.h"

#include <array>
#include <cctype>

#include "credit/CreditCalculator.h"
#include "documents/Comparison.h"
#include "documents/OrderDocument.h"

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

// What the buyer pays for a ticked option, or why it comes without a choice.
std::string Note(const OptionFact& fact) {
    if (fact.presence == Presence::Standard) {
        return fact.price == 0 ? "стандартно" : "обязательно, " + DollarText(fact.price);
    }
    return fact.price == 0 ? "без доплаты" : DollarText(fact.price);
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

std::string Figure(const CreditCalculator& calc, CreditField field) {
    return Plain(calc, calc.Text(field));
}

std::optional<OfferCredit> CreditOf(const CreditCalculator& source, std::int32_t total) {
    CreditCalculator calc = source;
    calc.Open(total);
    // A price the calculator refused leaves figures of another price; those are not offered.
    if (calc.Values().CarPrice != total || calc.Grid().size() < 2) return std::nullopt;
    using F = CreditField;
    auto money = [&](F field) { return "$" + Figure(calc, field); };
    OfferCredit credit;
    credit.summary = {
        {"Цена автомобиля", DollarText(total)},
        {"Первый взнос (" + Figure(calc, F::Edit4) + " %)", money(F::Edit5)},
        {"Сумма кредита", money(F::SumKreditEdit)},
        {"Срок кредита", Figure(calc, F::SrokF) + " мес."},
        {"Ставка от ФМК", Figure(calc, F::StavkaF) + " % годовых"},
        {"Ежемесячный платёж", money(F::EzemF)},
        {"КАСКО, 1-й год", money(F::Kasko1SumEdit)},
        {"КАСКО, 2-й год", money(F::Kasko2SumEdit)},
        {"КАСКО, 3-й год", money(F::Kasko3SumEdit)},
        {"Выплачено банку за кредит", money(F::Edit9)},
        {"Всего будет выплачено", money(F::Edit10)},
    };
    const auto& grid = calc.Grid();
    for (std::size_t c = 0; c < credit.header.size(); ++c) credit.header[c] = grid[0][c];
    for (std::size_t r = 1; r < grid.size(); ++r) {
        std::array<std::string, 6> row;
        bool paid = false;
        for (std::size_t c = 0; c < row.size(); ++c) {
            std::string text = Plain(calc, grid[r][c]);
            if (c > 0 && !text.empty()) paid = true;
            row[c] = std::move(text);
        }
        if (paid) credit.schedule.push_back(std::move(row));
    }
    return credit;
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
    const std::string colour(kColours[facts->colour].item);
    offer.car = {
        {"Модель", "Ford Focus C307"},
        {"Комплектация", trim},
        {"Тип кузова", std::string(OrderBodyText(facts->body))},
        {"Двигатель", std::string(OrderEngineText(facts->engine))},
        {"Цвет окраски кузова", colour + (metallic ? ", металлик" : ", без металлика")},
    };
    if (facts->rails > 0)
        offer.car.push_back({"Направляющие багажника", std::string(OrderRailsText(facts->rails))});

    OfferGroup factory{"Заводские опции", {}};
    for (Opt o : OrderOptionSequence()) {
        const OptionFact& fact = facts->options[static_cast<std::size_t>(o)];
        if (fact.presence == Presence::Absent) continue;
        std::string text(OrderOptionText(o));
        if (o == Opt::MetallicPaint) text += ": " + colour;
        factory.items.push_back({o, std::move(text), Note(fact)});
    }
    OfferGroup extras{"Дополнительные (не заводские) опции", {}};
    for (Opt o : kDealerExtras) {
        const OptionFact& fact = facts->options[static_cast<std::size_t>(o)];
        if (fact.presence == Presence::Absent || !config.Enabled(o)) continue;
        extras.items.push_back({o, std::string(OrderOptionText(o)), Note(fact)});
    }
    if (!factory.items.empty()) offer.equipment.push_back(std::move(factory));
    if (!extras.items.empty()) offer.equipment.push_back(std::move(extras));

    std::int64_t paid = 0;
    int paidCount = 0;
    std::int32_t metallicPrice = 0;
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionFact& fact = facts->options[i];
        if (fact.presence == Presence::Absent) continue;
        if (OptAt(i) == Opt::MetallicPaint) {
            metallicPrice = fact.price;
        } else if (fact.price != 0) {
            paid += fact.price;
            ++paidCount;
        }
    }
    offer.prices = {
        {"Базовая цена (" + trim + ")", DollarText(facts->basePrice)},
        {"Направляющие багажника", DollarText(facts->railsPrice)},
        {"Окраска «металлик»", DollarText(metallicPrice)},
        {"Платные опции (" + std::to_string(paidCount) + ")", DollarText(paid)},
    };
    offer.total = DollarText(facts->total);
    offer.code = facts->code;
    if (credit) offer.credit = CreditOf(*credit, facts->total);
    return offer;
}

}  // namespace kalvora
