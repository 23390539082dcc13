#include "cli/ListCommand.h"

#include <optional>

#include "cli/CommandLine.h"
#include "cli/JsonViews.h"
#include "engine/credit/CreditCalculator.h"
#include "engine/model/Catalogue.h"
#include "engine/model/Configuration.h"
#include "engine/code/DiskFileAccess.h"

namespace kalvora::cli {

namespace {

// One line of a list: the name a scenario uses, what the window shows, and a price or none.
struct Entry {
    std::string name;
    std::string caption;
    std::optional<std::int32_t> price;
};

// What the credit window's fields hold that a scenario may type into (`credit-set`,
// `credit-key`); the fields the program computes are not listed.
struct CreditFieldCaption {
    CreditField field;
    const char* caption;
};
constexpr CreditFieldCaption kCreditFieldCaptions[] = {
    {CreditField::Price, "Стоимость автомобиля, $"},
    {CreditField::FirstPercent, "Первый взнос, %"},
    {CreditField::FirstPayment, "Сумма первого взноса, $"},
    {CreditField::RatePromo, "Ставка по кредиту от ФМК, % годовых"},
    {CreditField::RateReal, "Реальная ставка по кредиту, % годовых"},
    {CreditField::KaskoCreditRate1, "КАСКО кредитного авто, 1-й год, %"},
    {CreditField::KaskoCreditRate2, "КАСКО кредитного авто, 2-й год, %"},
    {CreditField::KaskoCreditRate3, "КАСКО кредитного авто, 3-й год, %"},
    {CreditField::KaskoPlainRate1, "КАСКО некредитного авто, 1-й год, %"},
    {CreditField::KaskoPlainRate2, "КАСКО некредитного авто, 2-й год, %"},
    {CreditField::KaskoPlainRate3, "КАСКО некредитного авто, 3-й год, %"},
    {CreditField::UsdRate, "Курс доллара, руб."},
    {CreditField::EurRate, "Курс евро, руб."},
    {CreditField::Dollars, "Конвертер: доллары"},
    {CreditField::Roubles, "Конвертер: рубли"},
    {CreditField::Euros, "Конвертер: евро"},
    {CreditField::RepayAfter, "Досрочное погашение: спустя месяцев"},
    {CreditField::RepayBy, "Досрочное погашение: погасить к месяцу"},
};

// The start of a program without arguments: the reset configuration, whose prices `list
// options` shows.
class QuietUi : public UiPort {
  public:
    void ShowMessage(const std::string&) override {}
    bool Confirm(const std::string&) override { return false; }
    std::string DateText() override { return {}; }
    std::string TimeText() override { return {}; }
};

template <typename Radios>
std::vector<Entry> RadioEntries(const Radios& radios) {
    std::vector<Entry> entries;
    for (const RadioDef& radio : radios)
        entries.push_back({std::string(radio.name), std::string(radio.caption), {}});
    return entries;
}

std::optional<std::vector<Entry>> Entries(const std::string& what) {
    std::vector<Entry> entries;
    if (what == "trims") {
        for (int i = 0; i < kTrimCount; ++i)
            entries.push_back({std::to_string(i), std::string(kTrimItems[i]), {}});
    } else if (what == "bodies") {
        entries = RadioEntries(kBodies);
    } else if (what == "rails") {
        entries = RadioEntries(kRails);
    } else if (what == "engines") {
        entries = RadioEntries(kEngines);
    } else if (what == "colours") {
        for (int i = 0; i < kColourCount; ++i)
            entries.push_back({std::to_string(i), std::string(kColours[i].item), {}});
    } else if (what == "options") {
        QuietUi ui;
        Configuration config(ui);
        DiskFileAccess files;
        config.RunStartCode({}, files);
        for (int i = 0; i < kOptionCount; ++i) {
            const Opt o = OptAt(i);
            if (Def(o).hidden) continue;  // the dealer's extras cannot be named in a scenario
            entries.push_back(
                {std::string(Def(o).name), std::string(Def(o).caption), config.Price(o)});
        }
    } else if (what == "credit-fields") {
        for (const CreditFieldCaption& row : kCreditFieldCaptions) {
            entries.push_back({CreditFieldName(row.field), row.caption, {}});
        }
    } else {
        return std::nullopt;
    }
    return entries;
}

}  // namespace

std::vector<std::string> ListNames() {
    return {"trims", "bodies", "rails", "engines", "colours", "options", "credit-fields"};
}

int RunListCommand(const std::vector<std::string>& args, std::istream&, std::ostream& out,
                   std::ostream& err) {
    std::string error;
    const auto parsed = ParseArguments(args, {{"--json"}}, &error);
    if (!parsed) return UsageError(err, "list", error);
    std::string names;
    for (const std::string& name : ListNames()) names += (names.empty() ? "" : ", ") + name;
    if (parsed->operands.size() != 1) {
        return UsageError(err, "list", "нужно одно слово из: " + names);
    }
    const auto entries = Entries(parsed->operands[0]);
    if (!entries) {
        return UsageError(err, "list",
                          "нет такого списка: «" + parsed->operands[0] + "»; есть " + names);
    }
    const bool json = parsed->Has("--json");
    for (const Entry& entry : *entries) {
        if (json) {
            Json line = {{"name", entry.name}, {"caption", entry.caption}};
            if (entry.price) line["price"] = *entry.price;
            out << JsonLine(line) << '\n';
        } else {
            out << entry.name << '\t' << entry.caption;
            if (entry.price) out << '\t' << *entry.price;
            out << '\n';
        }
    }
    return Flushed(out, err, "list");
}

}  // namespace kalvora::cli
