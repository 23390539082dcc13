#include "engine/credit/CreditCalculator.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>

#include "engine/credit/CreditNumber.h"
#include "engine/model/IntegerText.h"

namespace kalvora {

namespace {

using F = CreditField;

// The window's names of the fields and boxes: object names, the names a scenario types and
// the dump prints.
constexpr std::array<const char*, kCreditFieldCount> kFieldNames = {
    "Edit1",
    "Edit4",
    "Edit5",
    "SumKreditEdit",
    "StavkaF",
    "StavkaR",
    "SummaF",
    "SummaR",
    "SrokF",
    "EzemF",
    "SkidkaEdit",
    "PrKasko1Edit",
    "PrKasko2Edit",
    "PrKasko3Edit",
    "PrKasko1NEdit",
    "PrKasko2NEdit",
    "PrKasko3NEdit",
    "Kasko1SumEdit",
    "Kasko2SumEdit",
    "Kasko3SumEdit",
    "Kasko1NSumEdit",
    "Kasko2NSumEdit",
    "Kasko3NSumEdit",
    "Edit6",
    "Edit7",
    "Nd",
    "Nr",
    "Ne",
    "SpustEdit",
    "Edit8",
    "Edit9",
    "Edit10",
    "Edit11",
};

constexpr std::array<const char*, kCreditBoxCount> kBoxNames = {
    "PosleBox", "FixBox", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
};

constexpr std::array<F, 15> kComputedFields = {
    F::CreditSum,   F::PromoLoan,    F::RealLoan,     F::Term,         F::MonthlyPayment,
    F::Discount,    F::KaskoCredit1, F::KaskoCredit2, F::KaskoCredit3, F::KaskoPlain1,
    F::KaskoPlain2, F::KaskoPlain3,  F::BankTotal,    F::PaidTotal,    F::Losses,
};

constexpr std::array<F, 15> kDraggableFields = {
    F::Price,       F::CreditSum,    F::PromoLoan,    F::RealLoan,     F::MonthlyPayment,
    F::Discount,    F::KaskoCredit1, F::KaskoCredit2, F::KaskoCredit3, F::KaskoPlain1,
    F::KaskoPlain2, F::KaskoPlain3,  F::BankTotal,    F::PaidTotal,    F::Losses,
};

// Credit-car and non-credit-car premium rate fields and the fields showing their premiums, year
// by year, in the order the loan computation reads them.
constexpr std::array<F, 3> kCreditRateFields = {F::KaskoCreditRate1, F::KaskoCreditRate2,
                                                F::KaskoCreditRate3};
constexpr std::array<F, 3> kPlainRateFields = {F::KaskoPlainRate1, F::KaskoPlainRate2,
                                               F::KaskoPlainRate3};
constexpr std::array<F, 3> kCreditPremiumFields = {F::KaskoCredit1, F::KaskoCredit2,
                                                   F::KaskoCredit3};
constexpr std::array<F, 3> kPlainPremiumFields = {F::KaskoPlain1, F::KaskoPlain2, F::KaskoPlain3};

const ScheduleRow kScheduleHeaders = {"Месяц",     "Банку", "Потери",
                                      "Выплатить", "КАСКО", "Выплачено"};

// The term a credit is figured on when the maker's discount is fixed.
constexpr int kFixedTerm = 36;
// The share of the price financed when the maker's discount is fixed.
constexpr double kFixedCreditShare = 0.6;

bool AllFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// (1 + r)^n by n successive multiplications starting from 1.
double Power(double r, int n) {
    double power = 1;
    for (int i = 0; i < n; ++i) power *= 1 + r;
    return power;
}

// The monthly payment that pays off `sum` in `months` months at monthly rate `rate`; nothing when
// the figure cannot be formed (no months, a rate too small to change the power, overflow).
std::optional<double> Annuity(double sum, double rate, int months) {
    const double denominator = 1 - 1 / Power(rate, months);
    if (denominator == 0) return std::nullopt;
    const double payment = sum * rate / denominator;
    if (!std::isfinite(payment)) return std::nullopt;
    return payment;
}

// The loan that `months` monthly payments `payment` pay off at monthly rate `rate`.
std::optional<double> PresentValue(double payment, double rate, int months) {
    if (rate == 0) return std::nullopt;
    const double loan = (1 - 1 / Power(rate, months)) * payment / rate;
    if (!std::isfinite(loan)) return std::nullopt;
    return loan;
}

}  // namespace

const char* CreditFieldName(CreditField field) {
    return kFieldNames[static_cast<int>(field)];
}

// The control whose name stands at the same place in `names`, if any.
template <typename Control, std::size_t N>
std::optional<Control> ByName(const std::array<const char*, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (name == names[i]) return static_cast<Control>(i);
    }
    return std::nullopt;
}

std::optional<CreditField> CreditFieldByName(std::string_view name) {
    return ByName<CreditField>(kFieldNames, name);
}

const char* CreditBoxName(CreditBox box) {
    return kBoxNames[static_cast<int>(box)];
}

std::optional<CreditBox> CreditBoxByName(std::string_view name) {
    return ByName<CreditBox>(kBoxNames, name);
}

bool IsComputedField(CreditField field) {
    return std::find(kComputedFields.begin(), kComputedFields.end(), field) !=
           kComputedFields.end();
}

bool IsDraggableField(CreditField field) {
    return std::find(kDraggableFields.begin(), kDraggableFields.end(), field) !=
           kDraggableFields.end();
}

bool IsConverterField(CreditField field) {
    return field == F::Dollars || field == F::Roubles || field == F::Euros;
}

CreditCalculator::CreditCalculator(std::string decimalSeparator)
    : separator_(std::move(decimalSeparator)) {
    colours_.fill(kFieldNormal);
    for (F f : kComputedFields) colours_[Index(f)] = kFieldComputed;
    colours_[Index(F::Losses)] = kLossesGreen;
    boxes_.fill(true);

    // The texts the fields are drawn with before the window runs any code.
    for (FieldContent& content : fields_) content = ReadText({});
    fields_[Index(F::FirstPercent)] = ReadText("40");
    fields_[Index(F::Term)] = Shown(kFixedTerm, 0, 0);
    fields_[Index(F::RepayAfter)] = ReadText("1");
    fields_[Index(F::RepayBy)] = ReadText("36");
    fields_[Index(F::Dollars)] = ReadText("0");
    fields_[Index(F::Roubles)] = ReadText("0");
    fields_[Index(F::Euros)] = ReadText("0");

    // As the window is created, the rates are written as the program's defaults, running their
    // handlers.
    Write(F::KaskoCreditRate1, Shown(5.0, 1, 1));
    Write(F::KaskoCreditRate2, Shown(5.8, 1, 1));
    Write(F::KaskoCreditRate3, Shown(5.8, 1, 1));
    Write(F::KaskoPlainRate1, Shown(5.0, 1, 1));
    Write(F::KaskoPlainRate2, Shown(7.5, 1, 1));
    Write(F::KaskoPlainRate3, Shown(8.0, 1, 1));
    Write(F::RatePromo, Shown(4.9, 1, 1));
    Write(F::RateReal, Shown(9.0, 1, 1));
    Write(F::UsdRate, Shown(27.847, 2, 3));
    Write(F::EurRate, Shown(33.3356, 2, 3));
}

void CreditCalculator::SetDecimalSeparator(std::string separator) {
    separator_ = std::move(separator);
    for (FieldContent& content : fields_) {
        if (auto* typed = std::get_if<FieldText>(&content)) *typed = ReadText(typed->text);
    }
}

// --- Operations ---------------------------------------------------------------------------

void CreditCalculator::Open(std::int32_t currentPrice) {
    Write(F::Price, Shown(currentPrice, 0, 0));
}

bool CreditCalculator::Type(CreditField field, std::string_view text) {
    if (IsComputedField(field)) return false;
    Write(field, ReadText(std::string(text)));
    return true;
}

void CreditCalculator::Click(CreditBox box) {
    SetChecked(box, !Checked(box));
}

void CreditCalculator::SetChecked(CreditBox box, bool checked) {
    bool& state = boxes_[static_cast<int>(box)];
    if (state == checked) return;
    state = checked;
    BoxClicked(box);
}

void CreditCalculator::KeyUp(CreditField field) {
    if (field == F::Dollars) ConvertDollars();
    if (field == F::Roubles) ConvertRoubles();
    if (field == F::Euros) ConvertEuros();
}

bool CreditCalculator::DropOnDollars(CreditField source) {
    if (!IsDraggableField(source)) return false;
    const FieldContent dropped = fields_[Index(source)];
    Write(F::Dollars, dropped);
    ConvertDollars();
    return true;
}

// --- Fields -------------------------------------------------------------------------------

CreditCalculator::FieldText CreditCalculator::ReadText(std::string text) const {
    FieldText typed;
    typed.number = ParseDecimal(text, separator_);
    typed.whole = ParseInteger(text);
    typed.text = std::move(text);
    return typed;
}

CreditCalculator::Figure CreditCalculator::Shown(double value, int width, int decimals) const {
    return Figure{value, width, decimals, separator_};
}

std::string CreditCalculator::TextOf(const FieldContent& content) {
    if (const auto* typed = std::get_if<FieldText>(&content)) return typed->text;
    const Figure& figure = std::get<Figure>(content);
    return FormatFixed(figure.value, figure.width, figure.decimals, figure.mark);
}

std::string CreditCalculator::Text(CreditField field) const {
    return TextOf(fields_[Index(field)]);
}

std::optional<double> CreditCalculator::Number(CreditField field) const {
    const FieldContent& content = fields_[Index(field)];
    if (const auto* typed = std::get_if<FieldText>(&content)) return typed->number;
    const Figure& figure = std::get<Figure>(content);
    // A figure written with another locale's mark no longer reads as a number, as its text
    // would not; a point or a comma always reads.
    const bool readable = figure.decimals <= 0 || figure.mark == separator_ || figure.mark == "." ||
                          figure.mark == ",";
    if (!readable || !std::isfinite(figure.value)) return std::nullopt;
    return RoundAsShown(figure.value, figure.decimals);
}

std::optional<std::int32_t> CreditCalculator::WholeNumber(CreditField field) const {
    const FieldContent& content = fields_[Index(field)];
    if (const auto* typed = std::get_if<FieldText>(&content)) return typed->whole;
    const Figure& figure = std::get<Figure>(content);
    if (figure.decimals > 0 || !std::isfinite(figure.value)) return std::nullopt;
    const double whole = RoundAsShown(figure.value, 0);
    if (whole < INT32_MIN || whole > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

double CreditCalculator::NumberOr(CreditField field, double fallback) const {
    return Number(field).value_or(fallback);
}

bool CreditCalculator::Write(CreditField field, FieldContent content) {
    FieldContent& current = fields_[Index(field)];
    if (TextOf(current) == TextOf(content)) return false;
    current = std::move(content);
    RunChangeHandler(field);
    return true;
}

void CreditCalculator::RunChangeHandler(CreditField field) {
    switch (field) {
        case F::Price:
            PriceChanged();
            break;
        case F::FirstPercent:
            FirstPercentChanged();
            break;
        case F::CreditSum:
        case F::RatePromo:
        case F::RateReal:
        case F::Term:
        case F::KaskoCreditRate1:
        case F::KaskoCreditRate2:
        case F::KaskoCreditRate3:
        case F::KaskoPlainRate1:
        case F::KaskoPlainRate2:
        case F::KaskoPlainRate3:
            ComputeLoan();
            break;
        case F::RepayAfter:
        case F::RepayBy:
            FillSchedule();
            break;
        case F::UsdRate:
            UsdRateChanged();
            break;
        case F::EurRate:
            EurRateChanged();
            break;
        default:
            break;
    }
}

void CreditCalculator::MarkZeroField(CreditField field, double value) {
    colours_[Index(field)] = value == 0 ? kFieldRed : kFieldNormal;
}

std::string CreditCalculator::CreditSumFormula() const {
    if (!creditSumFormula_) return {};
    const Subtraction& s = *creditSumFormula_;
    return FormatFixed(s.minuend, 5, 2, s.mark) + " - " + FormatFixed(s.subtrahend, 5, 2, s.mark) +
           " = ";
}

std::string CreditCalculator::DiscountFormula() const {
    if (!discountFormula_) return {};
    const Subtraction& s = *discountFormula_;
    return FormatFixed(s.minuend, 5, 2, s.mark) + " - " + FormatFixed(s.subtrahend, 5, 2, s.mark) +
           " =";
}

std::vector<ScheduleRow> CreditCalculator::Grid() const {
    std::vector<ScheduleRow> rows;
    rows.reserve(schedule_.size() + 1);
    rows.push_back(kScheduleHeaders);
    auto cell = [&](const std::optional<double>& amount) {
        return amount ? FormatFixed(*amount, 5, 2, scheduleMark_) : std::string();
    };
    for (const ScheduleMonth& m : schedule_) {
        rows.push_back({std::to_string(m.month), cell(m.bank), cell(m.interest), cell(m.debtLeft),
                        cell(m.kasko), cell(m.paid)});
    }
    return rows;
}

// --- The loan ------------------------------------------------------------------------------

void CreditCalculator::PriceChanged() {
    const double price = NumberOr(F::Price, 0);
    MarkZeroField(F::Price, price);
    if (price == 0) return;
    values_.CarPrice = price;
    FirstPercentChanged();
    ComputeLoan();
    FillSchedule();
}

void CreditCalculator::FirstPercentChanged() {
    const double percent = NumberOr(F::FirstPercent, 0);
    MarkZeroField(F::FirstPercent, percent);
    if (percent == 0) return;
    const double first = values_.CarPrice * percent / 100;
    const double credit = values_.CarPrice - first;
    if (!AllFinite({first, credit})) return;
    values_.FirstPayment = first;
    Write(F::FirstPayment, Shown(first, 5, 2));
    values_.CreditSum = credit;
    Write(F::CreditSum, Shown(credit, 5, 2));
    creditSumFormula_ = Subtraction{values_.CarPrice, values_.FirstPayment, separator_};
}

void CreditCalculator::AcceptFirstPayment() {
    // The amount as typed, or the first payment as shown, to the cent.
    const double amount = NumberOr(F::FirstPayment, 0);
    MarkZeroField(F::FirstPayment, amount);
    if (amount == 0) return;
    // Without an accepted price there is no share to compute; the typed amount waits for one.
    if (values_.CarPrice == 0) return;
    const double percent = amount * 100 / values_.CarPrice;
    if (!std::isfinite(percent)) return;
    values_.FirstPayment = amount;
    // The share is taken as shown, to a hundredth of a percent. When it reads the same as
    // before, the typed amount is still replaced by the one the share gives, so the first
    // payment, credit sum and schedule always agree.
    if (!Write(F::FirstPercent, Shown(percent, 2, 2))) FirstPercentChanged();
}

void CreditCalculator::ComputeLoan() {
    // The credit sum as shown, to the cent.
    const double sum = NumberOr(F::CreditSum, 0);
    values_.CreditSum = sum;
    if (sum == 0) return;
    const FieldContent promoLoan = fields_[Index(F::CreditSum)];
    Write(F::PromoLoan, promoLoan);

    const double ratePromo = NumberOr(F::RatePromo, 0) / 100 / 12;
    MarkZeroField(F::RatePromo, ratePromo);
    if (ratePromo == 0) return;
    const double rateReal = NumberOr(F::RateReal, 0) / 100 / 12;
    MarkZeroField(F::RateReal, rateReal);
    if (rateReal == 0) return;
    const int months = WholeNumber(F::Term).value_or(0);
    if (months <= 0 || months > kMaxScheduleMonths) return;

    if (Checked(CreditBox::FixedDiscount)) {
        // As if 40 % were paid first and the rest financed for 36 months at the maker's rate.
        const double financed = kFixedCreditShare * values_.CarPrice;
        const auto promised = Annuity(financed, ratePromo, kFixedTerm);
        if (!promised) return;
        const auto reachable = PresentValue(*promised, rateReal, kFixedTerm);
        if (!reachable) return;
        const double discount = financed - *reachable;
        const double credit = values_.CreditSum - discount;
        if (!AllFinite({discount, credit})) return;
        values_.Discount = discount;
        Write(F::Discount, Shown(discount, 4, 2));
        values_.CreditSum = credit;
        const auto payment = Annuity(credit, rateReal, months);
        if (!payment) return;
        values_.MonthlyPayment = *payment;
        Write(F::MonthlyPayment, Shown(*payment, 4, 2));
        const auto loan = PresentValue(*payment, rateReal, months);
        if (!loan) return;
        values_.RealLoan = *loan;
        Write(F::RealLoan, Shown(*loan, 4, 2));
    } else {
        const auto payment = Annuity(values_.CreditSum, ratePromo, months);
        if (!payment) return;
        values_.MonthlyPayment = *payment;
        Write(F::MonthlyPayment, Shown(*payment, 4, 2));
        const auto loan = PresentValue(*payment, rateReal, months);
        if (!loan) return;
        values_.RealLoan = *loan;
        Write(F::RealLoan, Shown(*loan, 4, 2));
        const double discount = values_.CreditSum - *loan;
        if (!std::isfinite(discount)) return;
        values_.Discount = discount;
        discountFormula_ = Subtraction{values_.CreditSum, values_.RealLoan, separator_};
        Write(F::Discount, Shown(discount, 4, 2));
    }

    if (!ComputeKasko()) return;
    FillSchedule();
}

// The insurance premiums of the three years, on credit and without one, from the rate fields:
// of the price, or of the price less the maker's discount.
bool CreditCalculator::ComputeKasko() {
    std::array<double, 3> creditRates{};
    std::array<double, 3> plainRates{};
    for (std::size_t year = 0; year < 3; ++year) {
        creditRates[year] = NumberOr(kCreditRateFields[year], -1);
        MarkZeroField(kCreditRateFields[year], creditRates[year]);
        if (creditRates[year] == -1) return false;
        plainRates[year] = NumberOr(kPlainRateFields[year], -1);
        MarkZeroField(kPlainRateFields[year], plainRates[year]);
        if (plainRates[year] == -1) return false;
    }

    const double insured = Checked(CreditBox::KaskoAfterDiscount)
                               ? values_.CarPrice - values_.Discount
                               : values_.CarPrice;
    for (std::size_t year = 0; year < 3; ++year) {
        const double credit = insured * creditRates[year] / 100;
        const double plain = insured * plainRates[year] / 100;
        if (!AllFinite({credit, plain})) return false;
        values_.KaskoCredit[year] = credit;
        values_.KaskoPlain[year] = plain;
    }
    for (std::size_t year = 0; year < 3; ++year) {
        Write(kCreditPremiumFields[year], Shown(values_.KaskoCredit[year], 5, 2));
        Write(kPlainPremiumFields[year], Shown(values_.KaskoPlain[year], 5, 2));
    }
    return true;
}

// --- The schedule --------------------------------------------------------------------------

namespace {

// The running figures of a schedule as its months are filled in one after the other.
struct ScheduleRun {
    std::vector<ScheduleMonth>& months;
    int lastMonth;
    double rate;  // the bank's monthly rate
    double paid;
    double bank = 0;
    double balance;

    ScheduleMonth& Month(int m) { return months[static_cast<std::size_t>(m - 1)]; }
    // The running total adds the premium the month's insurance cell shows.
    double Premium(int m) { return m <= lastMonth ? Month(m).kasko.value_or(0) : 0.0; }

    // Month `m` pays `payment`: its interest, the debt left and the running totals. A figure
    // that is not finite stops the schedule (false) and leaves the month as it is.
    bool Pay(int m, double payment) {
        const double interest = balance * rate;
        const double newBalance = balance - payment + interest;
        const double newPaid = paid + payment + Premium(m);
        const double newBank = bank + payment;
        if (!AllFinite({interest, newBalance, newPaid, newBank})) return false;
        balance = newBalance;
        paid = newPaid;
        bank = newBank;
        if (m <= lastMonth) {
            ScheduleMonth& row = Month(m);
            row.bank = payment;
            row.interest = interest;
            row.debtLeft = balance;
            row.paid = paid;
        }
        return true;
    }

    // After the last payment the months only add the premiums they charge.
    bool PremiumsAfter(int end) {
        for (int m = end + 1; m <= lastMonth; ++m) {
            paid += Premium(m);
            if (!std::isfinite(paid)) return false;
            Month(m).paid = paid;
        }
        return true;
    }
};

}  // namespace

void CreditCalculator::StartSchedule(int lastMonth, std::int32_t repayBy, bool early) {
    const bool year1 = Checked(CreditBox::KaskoYear1);
    const bool year2 = Checked(CreditBox::KaskoYear2);
    const bool year3 = Checked(CreditBox::KaskoYear3);
    schedule_.assign(static_cast<std::size_t>(lastMonth), ScheduleMonth{});
    scheduleMark_ = separator_;
    for (int m = 1; m <= lastMonth; ++m) schedule_[m - 1].month = m;
    auto month = [&](int m) -> ScheduleMonth& {
        return schedule_[static_cast<std::size_t>(m - 1)];
    };
    // A car whose credit is repaid before its second or third year is insured as a plain car.
    if (year1) month(1).kasko = values_.KaskoCredit[0];
    if (year2) {
        month(13).kasko = repayBy < 12 && early ? values_.KaskoPlain[1] : values_.KaskoCredit[1];
    }
    if (year3) {
        month(25).kasko = repayBy < 24 && early ? values_.KaskoPlain[2] : values_.KaskoCredit[2];
    }
}

void CreditCalculator::FillSchedule() {
    const bool early = Checked(CreditBox::RepayEarly);
    const std::optional<std::int32_t> repayByField = WholeNumber(F::RepayBy);
    const std::int32_t repayBy = repayByField.value_or(kFixedTerm);
    const std::int32_t repayByOrZero = repayByField.value_or(0);
    // Months 1 to span + 1, never more than the longest schedule.
    const int span = std::min(std::max(repayBy, kFixedTerm), kMaxScheduleMonths - 1);
    const int lastMonth = span + 1;
    StartSchedule(lastMonth, repayBy, early);

    const double rate = NumberOr(F::RateReal, 0) / 100 / 12;
    MarkZeroField(F::RateReal, rate);
    if (rate == 0) return;

    // Months at the regular payment; a negative count other than the "not a number" mark -1 and
    // counts beyond the longest schedule are refused the same way.
    const std::optional<std::int32_t> regular = WholeNumber(F::RepayAfter);
    const bool regularValid = regular && *regular >= 0 && *regular <= kMaxScheduleMonths;
    colours_[Index(F::RepayAfter)] = regularValid ? kFieldNormal : kFieldRed;
    if (!regularValid) return;
    // Regular payments end with the term: after it the debt is paid off, and there is nothing
    // left to repay early, so a repayment that would start later means no early repayment.
    const bool repaidByTerm = *regular >= kFixedTerm;
    const int n1 = std::min(*regular, kFixedTerm);
    if (repayBy > kMaxScheduleMonths) {
        colours_[Index(F::RepayBy)] = kFieldRed;
        return;
    }

    ScheduleRun run{schedule_, lastMonth, rate, values_.FirstPayment, 0, values_.RealLoan};
    for (int m = 1; m <= n1; ++m) {
        if (!run.Pay(m, values_.MonthlyPayment)) return;
    }

    colours_[Index(F::RepayBy)] = repayBy <= n1 ? kFieldRed : kFieldNormal;

    int end = std::max(repayByOrZero, n1 + 1);
    if (!early || repaidByTerm) end = kFixedTerm;
    if (end <= n1) {
        // The regular months already reach past the plain term: the schedule ends with them.
        end = n1;
    } else {
        const auto repayment = Annuity(run.balance, rate, end - n1);
        if (!repayment) return;
        for (int m = n1 + 1; m <= end; ++m) {
            if (!run.Pay(m, *repayment)) return;
        }
    }

    if (end < span && !run.PremiumsAfter(end)) return;
    WriteTotals(run.bank, run.paid);
}

void CreditCalculator::WriteTotals(double bank, double paid) {
    // The interest paid less the maker's discount: the bank total less the credit sum as shown.
    // It is the field's figure, so that it never depends on how the field was reached (a
    // retyped share that leaves the sum as shown does not run the loan computation).
    const double losses = bank - NumberOr(F::CreditSum, 0);
    if (!std::isfinite(losses)) return;
    Write(F::BankTotal, Shown(bank, 5, 2));
    Write(F::PaidTotal, Shown(paid, 5, 2));
    values_.Losses = losses;
    Write(F::Losses, Shown(losses, 5, 2));
    colours_[Index(F::Losses)] = losses > 0 ? kLossesRed : kLossesGreen;
}

// --- Check boxes and the converter ----------------------------------------------------------

void CreditCalculator::BoxClicked(CreditBox box) {
    switch (box) {
        case CreditBox::KaskoAfterDiscount:
        case CreditBox::FixedDiscount:
            ComputeLoan();
            break;
        case CreditBox::RepayEarly:
            FillSchedule();
            break;
        case CreditBox::KaskoYear1:
        case CreditBox::KaskoYear2:
        case CreditBox::KaskoYear3:
            if (Checked(box)) PriceChanged();
            FillSchedule();
            break;
    }
}

void CreditCalculator::UsdRateChanged() {
    values_.UsdRate = NumberOr(F::UsdRate, 0);
    MarkZeroField(F::UsdRate, values_.UsdRate);
}

void CreditCalculator::EurRateChanged() {
    values_.EurRate = NumberOr(F::EurRate, 0);
    MarkZeroField(F::EurRate, values_.EurRate);
}

// A converted amount is written only when it can be formed; with a zero rate the field keeps
// its text.
void CreditCalculator::ConvertDollars() {
    const double dollars = NumberOr(F::Dollars, 0);
    MarkZeroField(F::Dollars, dollars);
    const double roubles = dollars * values_.UsdRate;
    if (std::isfinite(roubles)) Write(F::Roubles, Shown(roubles, 2, 2));
    if (values_.EurRate != 0) {
        const double euros = dollars * values_.UsdRate / values_.EurRate;
        if (std::isfinite(euros)) Write(F::Euros, Shown(euros, 2, 2));
    }
}

void CreditCalculator::ConvertRoubles() {
    const double roubles = NumberOr(F::Roubles, 0);
    MarkZeroField(F::Roubles, roubles);
    if (values_.UsdRate != 0) {
        const double dollars = roubles / values_.UsdRate;
        if (std::isfinite(dollars)) Write(F::Dollars, Shown(dollars, 2, 2));
    }
    if (values_.EurRate != 0) {
        const double euros = roubles / values_.EurRate;
        if (std::isfinite(euros)) Write(F::Euros, Shown(euros, 2, 2));
    }
}

void CreditCalculator::ConvertEuros() {
    const double euros = NumberOr(F::Euros, 0);
    MarkZeroField(F::Euros, euros);
    const double roubles = euros * values_.EurRate;
    if (std::isfinite(roubles)) Write(F::Roubles, Shown(roubles, 2, 2));
    if (values_.UsdRate != 0) {
        const double dollars = euros * values_.EurRate / values_.UsdRate;
        if (std::isfinite(dollars)) Write(F::Dollars, Shown(dollars, 2, 2));
    }
}

}  // namespace kalvora
