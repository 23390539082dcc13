// The offer a salesman hands the buyer: the dealer, the date, the car in words, what it costs,
// its configuration code and, when a credit was worked out, the credit's figures and schedule.
// The engine gathers the texts here; the Qt renderer (OfferPdf) only lays them out on paper, so
// the window and kalvora-cli make the same offer from the same configuration.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/CarLook.h"
#include "engine/model/Configuration.h"

namespace kalvora {

class CreditCalculator;

// The dealer's particulars for the offer's header ("[Offer]" in the settings file). Empty
// fields are left out.
struct OfferDealer {
    std::string name;
    std::string address;
    std::string telephone;
    std::string site;
};

// A calendar day and a time of day, in UTC; the day shows in the header, the whole moment is
// the PDF's creation time.
struct OfferDate {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "YYYY-MM-DD" as a valid calendar day from 1970 to 9999, at midnight.
std::optional<OfferDate> ParseOfferDate(std::string_view text);
// The moment `seconds` after 1970-01-01 00:00:00 UTC (SOURCE_DATE_EPOCH); years up to 9999.
std::optional<OfferDate> OfferDateFromEpoch(std::int64_t seconds);
// "8 декабря 2026 г."
std::string OfferDateText(const OfferDate& date);

struct OfferRow {
    std::string label;
    std::string value;
};

// One option line: what it is, and what the buyer pays for it or why it is there.
struct OfferItem {
    Opt option;
    std::string text;  // the option's caption in the main window
    std::string note;  // "$980", "стандартно", "обязательно, $350", "без доплаты"
};

struct OfferGroup {
    std::string title;
    std::vector<OfferItem> items;
};

// The credit as its calculator shows it: the loan, the maker's discount and both rates, the
// term and, when the loan is repaid early, the month it is; the payments and premiums as the
// schedule has them, and the totals of the calculator, which are the schedule's sums.
struct OfferCredit {
    std::vector<OfferRow> summary;
    std::array<std::string, 6> header;
    // The months that carry a payment or a premium; the decimal mark is a comma.
    std::vector<std::array<std::string, 6>> schedule;
    // Under the schedule, when its payments do not add up to the bank total to the cent.
    std::string note;
};

struct Offer {
    std::vector<std::string> dealer;  // the name first; only the fields that are filled in
    std::string date;                 // OfferDateText
    std::string heading;              // "Ford Focus C307 Ghia, универсал"
    CarLook look;
    std::vector<OfferRow> car;          // trim, body, engine, colour, roof rails
    std::vector<OfferGroup> equipment;  // factory options, then the dealer's extras
    // Base price, then the roof rails, metallic paint and paid options the car has.
    std::vector<OfferRow> prices;
    std::string total;  // "$20255"
    std::string code;
    std::optional<OfferCredit> credit;
};

inline constexpr std::string_view kOfferTitle = "Коммерческое предложение";

// The offer of the configuration as it stands, or nothing when it has no price ("XXXXX").
// With `credit`, the figures of that calculator opened on the configuration's total (a copy is
// opened; the calculator itself is left as it is).
std::optional<Offer> MakeOffer(const Configuration& config, const OfferDealer& dealer,
                               const OfferDate& date, const CreditCalculator* credit);

}  // namespace kalvora
