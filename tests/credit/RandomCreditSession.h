// Random credit sessions: scenario lines that work the credit window (open it on a configured
// price, type into every field, odd texts included, click its boxes, release keys in the
// converter, change the decimal separator, print the window), and random argument lists of
// `kalvora-cli credit`. Used to compare two builds byte for byte and to play many sessions for
// crashes.
#pragma once

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace kalvora::testing {

// The fields a scenario may type into, by the window's names.
inline constexpr std::array<const char*, 18> kTypedCreditFields = {"Edit1",
                                                                   "Edit4",
                                                                   "Edit5",
                                                                   "StavkaF",
                                                                   "StavkaR",
                                                                   "PrKasko1Edit",
                                                                   "PrKasko2Edit",
                                                                   "PrKasko3Edit",
                                                                   "PrKasko1NEdit",
                                                                   "PrKasko2NEdit",
                                                                   "Edit6",
                                                                   "PrKasko3NEdit",
                                                                   "Edit7",
                                                                   "Nd",
                                                                   "Nr",
                                                                   "Ne",
                                                                   "SpustEdit",
                                                                   "Edit8"};
inline constexpr std::array<const char*, 6> kCreditBoxNames = {
    "PosleBox", "FixBox", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"};
inline constexpr std::array<const char*, 3> kConverterFields = {"Nd", "Nr", "Ne"};
// Decimal separators a scenario may set, the program's default first.
inline constexpr std::array<const char*, 6> kSeparators = {",", ".", "٫", "·", ";", "'"};
// Options whose ticks move the configured price.
inline constexpr std::array<const char*, 12> kPricedOptions = {
    "KsenonBox", "OmivBox", "acBox",     "d15box", "d16box", "KomfBox",
    "ZimBox",    "KozaBox", "MetallBox", "ABSBox", "TonBox", "ParkBox"};

class CreditSessionMaker {
  public:
    explicit CreditSessionMaker(unsigned seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(N)))];
    }

    // A number written the way a person might: a whole number, or with a few decimals after a
    // point, a comma or the separator in use.
    std::string Decimal(double low, double high) {
        const double value = std::uniform_real_distribution<double>(low, high)(random_);
        const int decimals = Below(4);
        std::string text = std::to_string(static_cast<long long>(value));
        if (value < 0 && text[0] != '-') text.insert(0, "-");
        if (decimals > 0) {
            const int roll = Below(10);
            text += roll < 4 ? separator_ : roll < 7 ? std::string(",") : std::string(".");
            const double fraction = value < 0 ? -value : value;
            long long digits = static_cast<long long>(
                (fraction - static_cast<long long>(fraction)) * std::pow(10, decimals));
            std::string tail = std::to_string(digits);
            while (static_cast<int>(tail.size()) < decimals) tail.insert(0, "0");
            text += tail;
        }
        return text;
    }

    // Texts no sensible person types, and a few that look like numbers but are not.
    std::string OddText() {
        static const std::array<const char*, 34> kOdd = {
            "",           "0",     "-0",     "0,00",  "abc",  " 12 ", "1e3",
            "1E-2",       "1e300", "-1e300", "1e999", "+5",   ",5",   "5,",
            "12,5,3",     "1.2,3", "nan",    "inf",   "-1",   "  ",   "9999999999",
            "2147483648", "0x10",  "7\t",    "٫5",    "12٫5", "3·25", "-",
            "0,0001",     "4,9",   "1200",   "1201",  "36",   "-5000"};
        return Pick(kOdd);
    }

    // A text for a field: mostly a figure that makes sense there, now and then an odd one.
    std::string FieldText(const std::string& field) {
        if (Chance(18)) return OddText();
        if (field == "Edit1") return Decimal(1000, 60000);
        if (field == "Edit4") return Decimal(1, 99);
        if (field == "Edit5") return Decimal(100, 30000);
        if (field == "StavkaF" || field == "StavkaR") return Decimal(0, 30);
        if (field.rfind("PrKasko", 0) == 0) return Decimal(0, 15);
        if (field == "Edit6" || field == "Edit7") return Decimal(0, 120);
        if (field == "Nd" || field == "Nr" || field == "Ne") return Decimal(-100, 100000);
        if (field == "SpustEdit") return std::to_string(Chance(90) ? Below(45) : Below(1500) - 100);
        // The month of an early repayment (Edit8), now and then far out.
        return std::to_string(Chance(90) ? Below(70) : Below(1400) - 50);
    }

    // One scenario, one line per element.
    std::vector<std::string> Script() {
        std::vector<std::string> lines;
        separator_ = ",";
        if (Chance(20)) SetSeparator(lines);
        if (Chance(85)) {
            lines.push_back("start");
            if (Chance(50)) lines.push_back("trim " + std::to_string(Below(4)));
            for (int n = Below(4); n > 0; --n)
                lines.push_back(std::string("click ") + Pick(kPricedOptions));
        }
        lines.push_back("credit");
        if (Chance(50)) lines.push_back("print credit");
        for (int step = 8 + Below(18); step > 0; --step) {
            const int roll = Below(100);
            if (roll < 45) {
                const std::string field = Pick(kTypedCreditFields);
                lines.push_back("credit-set " + field + " " + FieldText(field));
            } else if (roll < 62) {
                lines.push_back(std::string("credit-click ") + Pick(kCreditBoxNames));
            } else if (roll < 72) {
                const std::string field = Pick(kConverterFields);
                lines.push_back("credit-key " + field + " " + FieldText(field));
            } else if (roll < 77) {
                SetSeparator(lines);
            } else if (roll < 83) {
                lines.push_back(std::string("click ") + Pick(kPricedOptions));
                if (Chance(70)) lines.push_back("credit");
            } else if (roll < 86) {
                lines.push_back("credit");
            } else {
                lines.push_back("print credit");
            }
        }
        lines.push_back("print credit");
        return lines;
    }

    // The words after `kalvora-cli credit`: a price or a code, credit options with sensible and
    // odd values, and an output form.
    std::vector<std::string> CreditArguments() {
        std::vector<std::string> args;
        separator_ = Chance(50) ? "," : ".";
        if (Chance(90)) {
            args.push_back(std::to_string(1000 + Below(60000)));
        } else {
            static const std::array<const char*, 6> kPrices = {"0",          "abc", "1,5",
                                                               "2147483647", "-5",  "99999999999"};
            args.push_back(Pick(kPrices));
        }
        auto option = [&](const char* name, const std::string& value) {
            if (Chance(50)) {
                args.push_back(std::string(name) + "=" + value);
            } else {
                args.push_back(name);
                args.push_back(value);
            }
        };
        if (Chance(60)) option("--first-percent", Chance(90) ? Decimal(1, 99) : OddText());
        if (Chance(50)) option("--rate-promo", Chance(90) ? Decimal(0.01, 30) : OddText());
        if (Chance(50)) option("--rate-real", Chance(90) ? Decimal(0.01, 30) : OddText());
        if (Chance(40)) {
            option("--repay-after", std::to_string(Chance(90) ? Below(40) : Below(1300)));
            if (Chance(95))
                option("--repay-by", std::to_string(Chance(90) ? Below(70) : Below(1300)));
        }
        const int form = Below(10);
        if (form < 3) {
            args.push_back("--json");
        } else if (form < 6) {
            args.push_back("--csv");
            if (Chance(50)) option("--decimal", Chance(90) ? "," : ";");
            if (Chance(40)) option("--table", Chance(50) ? "summary" : "schedule");
        }
        return args;
    }

  private:
    void SetSeparator(std::vector<std::string>& lines) {
        separator_ = Pick(kSeparators);
        lines.push_back("decimal " + separator_);
    }

    std::mt19937 random_;
    std::string separator_ = ",";
};

}  // namespace kalvora::testing
