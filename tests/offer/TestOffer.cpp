// The offer's contents: dates, and what an offer of any configuration a user can reach says.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "credit/RandomCreditSession.h"
#include "engine/credit/CreditCalculator.h"
#include "engine/model/PriceTexts.h"
#include "engine/offer/Offer.h"
#include "support/RandomSession.h"

namespace kalvora {
namespace {

TEST(OfferDate, ReadsCalendarDaysAndRefusesOthers) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"2026-12-08", true},  {"2024-02-29", true},  {"1970-01-01", true},  {"9999-12-31", true},
        {"2025-02-29", false}, {"2026-13-01", false}, {"2026-04-31", false}, {"1969-12-31", false},
        {"2026-1-08", false},  {"2026/12/08", false}, {"26-12-08", false},   {"2026-12-08x", false},
        {"", false},           {"2026-00-10", false}, {"2026-12-00", false},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseOfferDate(c.text).has_value(), c.valid) << c.text;
    EXPECT_EQ(OfferDateText(*ParseOfferDate("2026-12-08")), "8 декабря 2026 г.");
    EXPECT_EQ(OfferDateText(*ParseOfferDate("2024-02-29")), "29 февраля 2024 г.");
}

TEST(OfferDate, CountsSecondsSince1970InUtc) {
    const struct {
        std::int64_t seconds;
        int year, month, day, hour, minute, second;
    } cases[] = {
        {0, 1970, 1, 1, 0, 0, 0},
        {951782400, 2000, 2, 29, 0, 0, 0},  // a leap day of a year divisible by 400
        {1765152000, 2025, 12, 8, 0, 0, 0},
        {1765152000 + 86399, 2025, 12, 8, 23, 59, 59},
        {4107542400, 2100, 3, 1, 0, 0, 0},  // 2100 has no leap day
    };
    for (const auto& c : cases) {
        const auto d = OfferDateFromEpoch(c.seconds);
        ASSERT_TRUE(d) << c.seconds;
        EXPECT_EQ(std::vector<int>({d->year, d->month, d->day, d->hour, d->minute, d->second}),
                  std::vector<int>({c.year, c.month, c.day, c.hour, c.minute, c.second}))
            << c.seconds;
    }
    EXPECT_FALSE(OfferDateFromEpoch(-1));
    EXPECT_FALSE(OfferDateFromEpoch(253402300800));
}

std::int64_t DollarsOf(const std::string& text) {
    EXPECT_EQ(text.rfind('$', 0), 0u) << text;
    return std::stoll(text.substr(1));
}

// Whatever a user does, the offer names every option the car comes with once, its price parts
// add up to the total the main window shows, and the code is the one a save would write.
TEST(Offer, AgreesWithTheMainWindowAfterEveryStepOfRandomSessions) {
    const OfferDealer dealer{"Автосалон", "", "+7 000", ""};
    const OfferDate date = *ParseOfferDate("2026-12-08");
    int offers = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        testing::RecordingUi ui;
        Configuration config(ui);
        testing::User user(config);
        testing::PlayRandomSession(
            random, ui, config, user, 25,
            [&](int, const std::string& what, testing::SessionAction) {
                const std::optional<Offer> offer = MakeOffer(config, dealer, date, nullptr);
                EXPECT_EQ(offer.has_value(), config.Total().has_value()) << what;
                if (!offer) return true;
                ++offers;
                EXPECT_EQ(offer->dealer, (std::vector<std::string>{"Автосалон", "+7 000"}));
                EXPECT_EQ("Цена: " + offer->total, PriceLabelText(config.Figures())) << what;
                EXPECT_EQ(offer->code, config.ConfigurationCode()) << what;
                // The parts add up to the total; a part at no cost says why it is there.
                std::int64_t sum = 0;
                for (const OfferRow& row : offer->prices) {
                    sum += DollarsOf(row.value);
                    if (DollarsOf(row.value) == 0) {
                        EXPECT_TRUE(row.label.find("(стандартно)") != std::string::npos ||
                                    row.label.find("(без доплаты)") != std::string::npos)
                            << row.label << " after " << what;
                    }
                }
                EXPECT_EQ(sum, DollarsOf(offer->total)) << what;
                EXPECT_EQ(offer->car[4].value.rfind("не выбран", 0) == 0, config.Colour() <= 0)
                    << offer->car[4].value << " after " << what;
                std::map<Opt, int> listed;
                for (const OfferGroup& group : offer->equipment) {
                    EXPECT_FALSE(group.items.empty());
                    for (const OfferItem& item : group.items) ++listed[item.option];
                }
                for (int i = 0; i < kOptionCount; ++i) {
                    const Opt o = OptAt(i);
                    const bool extra =
                        o == Opt::SumpGuard || o == Opt::Registration || o == Opt::EmergencyKit;
                    const bool expected = config.Checked(o) && (!extra || config.Enabled(o));
                    EXPECT_EQ(listed[o], expected ? 1 : 0) << Def(o).name << " after " << what;
                }
                EXPECT_FALSE(offer->credit);
                return true;
            });
    }
    EXPECT_GT(offers, 500);
}

TEST(Offer, TakesTheCreditOfTheCalculatorOpenedOnItsTotal) {
    testing::RecordingUi ui;
    Configuration config(ui);
    testing::User user(config);
    config.ApplyTrimRules();
    user.PickColour(7);
    ASSERT_TRUE(config.Total().has_value());
    const std::int32_t total = *config.Total();

    // A calculator last opened on another price, writing a decimal point: the offer shows the
    // figures of its own total, with a decimal comma, and leaves the calculator as it was.
    CreditCalculator calc('.');
    calc.Type(CreditField::FirstPercent, "30");
    calc.Open(total + 1000);
    const std::string before = calc.Text(CreditField::FirstPayment);
    const auto offer = MakeOffer(config, {}, *ParseOfferDate("2026-12-08"), &calc);
    ASSERT_TRUE(offer && offer->credit);
    EXPECT_EQ(calc.Text(CreditField::FirstPayment), before);

    CreditCalculator same(',');
    same.Type(CreditField::FirstPercent, "30");
    same.Open(total);
    const OfferCredit& credit = *offer->credit;
    auto value = [&](const std::string& label) {
        for (const OfferRow& row : credit.summary) {
            if (row.label == label) return row.value;
        }
        return "no " + label;
    };
    EXPECT_EQ(credit.summary[0].value, offer->total);
    auto trimmed = [](std::string s) { return s.substr(s.find_first_not_of(' ')); };
    EXPECT_EQ(value("Первый взнос (30 %)"), "$" + trimmed(same.Text(CreditField::FirstPayment)));
    EXPECT_EQ(value("Ежемесячный платёж"), "$" + trimmed(same.Text(CreditField::MonthlyPayment)));
    EXPECT_EQ(value("Всего будет выплачено"), "$" + trimmed(same.Text(CreditField::PaidTotal)));
    // The 36 months that carry a payment; the month after them shows nothing and is left out.
    ASSERT_EQ(credit.schedule.size(), 36u);
    EXPECT_EQ(credit.header[0], "Месяц");
    EXPECT_EQ(credit.schedule[35][0], "36");
    EXPECT_EQ(credit.schedule[35][3], "0,00");
    for (const auto& row : credit.schedule) {
        for (const std::string& cell : row) EXPECT_EQ(cell.find('.'), std::string::npos) << cell;
    }
}

// An amount as the offer prints it ("1234,56", "-0,50"), in cents; nothing for an amount of
// 2^52 cents or more, which the offer does not count to the cent.
std::optional<std::int64_t> PrintedCents(const std::string& text) {
    const auto comma = text.find(',');
    const std::size_t start = text[0] == '-' ? 1 : 0;
    const std::string whole = text.substr(start, comma - start);
    if (whole.size() > 16) return std::nullopt;
    std::int64_t cents = std::stoll(whole) * 100;
    if (comma != std::string::npos)
        cents += std::stoll((text.substr(comma + 1) + "00").substr(0, 2));
    if (cents >= (std::int64_t{1} << 52)) return std::nullopt;
    return start == 1 ? -cents : cents;
}

// Whatever was typed, clicked and whichever decimal mark is in use, the credit's summary says
// what its printed schedule shows: the payments in runs of equal amounts, the month of the last
// one, each premium, and a note exactly when the payments miss the bank total.
TEST(Offer, CreditSummaryTellsWhatItsScheduleShows) {
    testing::RecordingUi ui;
    Configuration config(ui);
    config.ApplyTrimRules();
    const OfferDate date = *ParseOfferDate("2026-12-08");
    int credits = 0;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        testing::CreditSessionMaker maker(seed);
        CreditCalculator calc(maker.Pick(testing::kSeparators));
        for (int step = maker.Below(8); step > 0; --step) {
            if (maker.Chance(70)) {
                const std::string name = maker.Pick(testing::kTypedCreditFields);
                calc.Type(*CreditFieldByName(name), maker.FieldText(name));
            } else if (maker.Chance(70)) {
                calc.Click(*CreditBoxByName(maker.Pick(testing::kCreditBoxNames)));
            } else {
                calc.SetDecimalSeparator(maker.Pick(testing::kSeparators));
            }
        }
        const auto offer = MakeOffer(config, {}, date, &calc);
        if (!offer || !offer->credit) continue;
        ++credits;
        const OfferCredit& credit = *offer->credit;
        std::map<std::string, std::string> said;
        for (const OfferRow& row : credit.summary) said[row.label] = row.value;

        std::vector<std::array<std::string, 3>> runs;  // first month, last month, amount
        std::map<std::string, std::string> expected;
        std::optional<std::int64_t> column = 0;
        for (const auto& row : credit.schedule) {
            const int month = std::stoi(row[0]);
            if (!row[4].empty())
                expected["КАСКО, " + std::to_string((month - 1) / 12 + 1) + "-й год"] =
                    "$" + row[4];
            if (row[1].empty()) continue;
            const auto cents = PrintedCents(row[1]);
            column = column && cents ? std::optional(*column + *cents) : std::nullopt;
            if (runs.empty() || runs.back()[2] != row[1]) runs.push_back({row[0], row[0], row[1]});
            runs.back()[1] = row[0];
        }
        ASSERT_FALSE(runs.empty()) << "seed " << seed;
        if (runs.size() == 1) expected["Ежемесячный платёж"] = "$" + runs[0][2];
        for (std::size_t r = 0; runs.size() > 1 && r < runs.size(); ++r) {
            const auto& [first, last, amount] = runs[r];
            expected["Платёж, " + (first == last ? "месяц " + first
                                                 : "месяцы " + first + "–" + last)] = "$" + amount;
        }
        const std::string lastPaid = "в " + runs.back()[1] + "-м месяце";
        if (said["Срок кредита"] != runs.back()[1] + " мес.") {
            EXPECT_TRUE(said["Досрочное погашение"] == lastPaid ||
                        said["Последний платёж"] == lastPaid)
                << "seed " << seed;
        }
        for (const auto& [label, value] : expected)
            EXPECT_EQ(said[label], value) << label << ", seed " << seed;
        const auto total = PrintedCents(said["Выплачено банку"].substr(1));
        EXPECT_EQ(credit.note.empty(), !column || !total || *column == *total) << "seed " << seed;
    }
    EXPECT_GT(credits, 100);
}

}  // namespace
}  // namespace kalvora
