#include "credit/CreditCalculator.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "credit/CreditNumber.h"
#include "model/IntegerText.h"

namespace kalvora {

namespace {

using F = CreditField;

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
    F::SumKreditEdit,  F::SummaF,         F::SummaR,        F::SrokF,         F::EzemF,
    F::SkidkaEdit,     F::Kasko1SumEdit,  F::Kasko2SumEdit, F::Kasko3SumEdit, F::Kasko1NSumEdit,
    F::Kasko2NSumEdit, F::Kasko3NSumEdit, F::Edit9,         F::Edit10,        F::Edit11,
};

constexpr std::array<F, 15> kDraggableFields = {
    F::Edit1,          F::SumKreditEdit,  F::SummaF,        F::SummaR,        F::EzemF,
    F::SkidkaEdit,     F::Kasko1SumEdit,  F::Kasko2SumEdit, F::Kasko3SumEdit, F::Kasko1NSumEdit,
    F::Kasko2NSumEdit, F::Kasko3NSumEdit, F::Edit9,         F::Edit10,        F::Edit11,
};

// Credit-car and non-credit-car premium rate fields and the fields showing their premiums, year
// by year, in the order the loan computation reads them.
constexpr std::array<F, 3> kCreditRateFields = {F::PrKasko1Edit, F::PrKasko2Edit, F::PrKasko3Edit};
constexpr std::array<F, 3> kPlainRateFields = {F::PrKasko1NEdit, F::PrKasko2NEdit,
                                               F::PrKasko3NEdit};
constexpr std::array<F, 3> kCreditPremiumFields = {F::Kasko1SumEdit, F::Kasko2SumEdit,
                                                   F::Kasko3SumEdit};
constexpr std::array<F, 3> kPlainPremiumFields = {F::Kasko1NSumEdit, F::Kasko2NSumEdit,
                                                  F::Kasko3NSumEdit};

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
    return field == F::Nd || field == F::Nr || field == F::Ne;
}

CreditCalculator::CreditCalculator(std::string decimalSeparator)
    : separator_(std::move(decimalSeparator)) {
    colours_.fill(kFieldNormal);
    for (F f : kComputedFields) colours_[Index(f)] = kFieldComputed;
    colours_[Index(F::Edit11)] = kLossesGreen;
    boxes_.fill(true);
    grid_.assign(1, kScheduleHeaders);

    // The texts the fields are drawn with before the window runs any code.
    texts_[Index(F::Edit4)] = "40";
    texts_[Index(F::SrokF)] = "36";
    texts_[Index(F::SpustEdit)] = "1";
    texts_[Index(F::Edit8)] = "36";
    texts_[Index(F::Nd)] = "0";
    texts_[Index(F::Nr)] = "0";
    texts_[Index(F::Ne)] = "0";

    // FormCreate: the rates are written as the program's defaults, running their handlers.
    SetText(F::PrKasko1Edit, Format(5.0, 1, 1));
    SetText(F::PrKasko2Edit, Format(5.8, 1, 1));
    SetText(F::PrKasko3Edit, Format(5.8, 1, 1));
    SetText(F::PrKasko1NEdit, Format(5.0, 1, 1));
    SetText(F::PrKasko2NEdit, Format(7.5, 1, 1));
    SetText(F::PrKasko3NEdit, Format(8.0, 1, 1));
    SetText(F::StavkaF, Format(4.9, 1, 1));
    SetText(F::StavkaR, Format(9.0, 1, 1));
    SetText(F::Edit6, Format(27.847, 2, 3));
    SetText(F::Edit7, Format(33.3356, 2, 3));
}

// --- Operations ---------------------------------------------------------------------------

void CreditCalculator::Open(std::int32_t currentPrice) {
    SetText(F::Edit1, std::to_string(currentPrice));
}

bool CreditCalculator::Type(CreditField field, std::string_view text) {
    if (IsComputedField(field)) return false;
    SetText(field, std::string(text));
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
    if (field == F::Nd) NdKeyUp();
    if (field == F::Nr) NrKeyUp();
    if (field == F::Ne) NeKeyUp();
}

bool CreditCalculator::DropOnNd(CreditField source) {
    if (!IsDraggableField(source)) return false;
    SetText(F::Nd, Text(source));
    NdKeyUp();
    return true;
}

// --- Fields -------------------------------------------------------------------------------

void CreditCalculator::SetText(CreditField field, std::string text) {
    std::string& current = texts_[Index(field)];
    if (current == text) return;
    current = std::move(text);
    RunChangeHandler(field);
}

void CreditCalculator::RunChangeHandler(CreditField field) {
    switch (field) {
        case F::Edit1:
            Edit1Change();
            break;
        case F::Edit4:
            Edit4Change();
            break;
        case F::SumKreditEdit:
        case F::StavkaF:
        case F::StavkaR:
        case F::SrokF:
        case F::PrKasko1Edit:
        case F::PrKasko2Edit:
        case F::PrKasko3Edit:
        case F::PrKasko1NEdit:
        case F::PrKasko2NEdit:
        case F::PrKasko3NEdit:
            SumKreditEditChange();
            break;
        case F::SpustEdit:
        case F::Edit8:
            FillSchedule();  // Edit8Change
            break;
        case F::Edit6:
            Edit6Change();
            break;
        case F::Edit7:
            Edit7Change();
            break;
        default:
            break;
    }
}

void CreditCalculator::MarkZeroField(CreditField field, double value) {
    colours_[Index(field)] = value == 0 ? kFieldRed : kFieldNormal;
}

double CreditCalculator::ReadNumber(CreditField field, double fallback) const {
    return DecimalOr(Text(field), separator_, fallback);
}

std::string CreditCalculator::Format(double value, int width, int decimals) const {
    return FormatFixed(value, width, decimals, separator_);
}

// --- The loan ------------------------------------------------------------------------------

void CreditCalculator::Edit1Change() {
    const double price = ReadNumber(F::Edit1, 0);
    MarkZeroField(F::Edit1, price);
    if (price == 0) return;
    values_.CarPrice = price;
    Edit4Change();
    SumKreditEditChange();
    FillSchedule();
}

void CreditCalculator::Edit4Change() {
    const double percent = ReadNumber(F::Edit4, 0);
    MarkZeroField(F::Edit4, percent);
    if (percent == 0) return;
    const double first = values_.CarPrice * percent / 100;
    const double credit = values_.CarPrice - first;
    if (!AllFinite({first, credit})) return;
    values_.FirstPayment = first;
    SetText(F::Edit5, Format(first, 5, 2));
    values_.CreditSum = credit;
    SetText(F::SumKreditEdit, Format(credit, 5, 2));
    label20_ = Format(values_.CarPrice, 5, 2) + " - " + Format(values_.FirstPayment, 5, 2) + " = ";
}

void CreditCalculator::Edit5Exit() {
    const double amount = ReadNumber(F::Edit5, 0);
    MarkZeroField(F::Edit5, amount);
    if (amount == 0) return;
    // Without an accepted price there is no share to compute; the typed amount waits for one.
    if (values_.CarPrice == 0) return;
    const double percent = amount * 100 / values_.CarPrice;
    if (!std::isfinite(percent)) return;
    values_.FirstPayment = amount;
    const std::string percentText = Format(percent, 2, 2);
    if (Text(F::Edit4) == percentText) {
        // The share reads the same as before: the typed amount is still replaced by the one the
        // share gives, so the first payment, credit sum and schedule always agree.
        Edit4Change();
    } else {
        SetText(F::Edit4, percentText);
    }
}

void CreditCalculator::SumKreditEditChange() {
    const double sum = ReadNumber(F::SumKreditEdit, 0);
    values_.CreditSum = sum;
    if (sum == 0) return;
    SetText(F::SummaF, Text(F::SumKreditEdit));

    const double rateF = ReadNumber(F::StavkaF, 0) / 100 / 12;
    MarkZeroField(F::StavkaF, rateF);
    if (rateF == 0) return;
    const double rateR = ReadNumber(F::StavkaR, 0) / 100 / 12;
    MarkZeroField(F::StavkaR, rateR);
    if (rateR == 0) return;
    const int months = IntegerOr(Text(F::SrokF), 0);
    if (months <= 0 || months > kMaxScheduleMonths) return;

    if (Checked(CreditBox::FixBox)) {
        // As if 40 % were paid first and the rest financed for 36 months at the maker's rate.
        const double financed = kFixedCreditShare * values_.CarPrice;
        const auto promised = Annuity(financed, rateF, kFixedTerm);
        if (!promised) return;
        const auto reachable = PresentValue(*promised, rateR, kFixedTerm);
        if (!reachable) return;
        const double discount = financed - *reachable;
        const double credit = values_.CreditSum - discount;
        if (!AllFinite({discount, credit})) return;
        values_.Discount = discount;
        SetText(F::SkidkaEdit, Format(discount, 4, 2));
        values_.CreditSum = credit;
        const auto payment = Annuity(credit, rateR, months);
        if (!payment) return;
        values_.MonthlyPayment = *payment;
        SetText(F::EzemF, Format(*payment, 4, 2));
        const auto loan = PresentValue(*payment, rateR, months);
        if (!loan) return;
        values_.RealLoan = *loan;
        SetText(F::SummaR, Format(*loan, 4, 2));
    } else {
        const auto payment = Annuity(values_.CreditSum, rateF, months);
        if (!payment) return;
        values_.MonthlyPayment = *payment;
        SetText(F::EzemF, Format(*payment, 4, 2));
        const auto loan = PresentValue(*payment, rateR, months);
        if (!loan) return;
        values_.RealLoan = *loan;
        SetText(F::SummaR, Format(*loan, 4, 2));
        const double discount = values_.CreditSum - *loan;
        if (!std::isfinite(discount)) return;
        values_.Discount = discount;
        label19Hint_ =
            Format(values_.CreditSum, 5, 2) + " - " + Format(values_.RealLoan, 5, 2) + " =";
        SetText(F::SkidkaEdit, Format(discount, 4, 2));
    }

    std::array<double, 3> creditRates{};
    std::array<double, 3> plainRates{};
    for (std::size_t year = 0; year < 3; ++year) {
        creditRates[year] = ReadNumber(kCreditRateFields[year], -1);
        MarkZeroField(kCreditRateFields[year], creditRates[year]);
        if (creditRates[year] == -1) return;
        plainRates[year] = ReadNumber(kPlainRateFields[year], -1);
        MarkZeroField(kPlainRateFields[year], plainRates[year]);
        if (plainRates[year] == -1) return;
    }

    const double insured =
        Checked(CreditBox::PosleBox) ? values_.CarPrice - values_.Discount : values_.CarPrice;
    for (std::size_t year = 0; year < 3; ++year) {
        const double credit = insured * creditRates[year] / 100;
        const double plain = insured * plainRates[year] / 100;
        if (!AllFinite({credit, plain})) return;
        values_.KaskoCredit[year] = credit;
        values_.KaskoPlain[year] = plain;
    }
    for (std::size_t year = 0; year < 3; ++year) {
        SetText(kCreditPremiumFields[year], Format(values_.KaskoCredit[year], 5, 2));
        SetText(kPlainPremiumFields[year], Format(values_.KaskoPlain[year], 5, 2));
    }
    FillSchedule();
}

// --- The schedule --------------------------------------------------------------------------

void CreditCalculator::FillSchedule() {
    const bool early = Checked(CreditBox::CheckBox1);
    const bool year1 = Checked(CreditBox::CheckBox2);
    const bool year2 = Checked(CreditBox::CheckBox3);
    const bool year3 = Checked(CreditBox::CheckBox4);

    const std::int32_t repayBy = IntegerOr(Text(F::Edit8), kFixedTerm);
    const std::int32_t repayByOrZero = IntegerOr(Text(F::Edit8), 0);
    // Month rows 1 to span + 1, never more than the longest schedule.
    const int span = std::min(std::max(repayBy, kFixedTerm), kMaxScheduleMonths - 1);
    const int lastRow = span + 1;

    grid_.assign(static_cast<std::size_t>(span) + 2, ScheduleRow{});
    grid_[0] = kScheduleHeaders;
    double paid = values_.FirstPayment;
    double bank = 0;
    double balance = values_.RealLoan;
    for (int m = 1; m <= lastRow; ++m) grid_[m][0] = std::to_string(m);

    // A car whose credit is repaid before its second or third year is insured as a plain car.
    if (year1) grid_[1][4] = Format(values_.KaskoCredit[0], 5, 2);
    if (year2) {
        const double premium =
            repayBy < 12 && early ? values_.KaskoPlain[1] : values_.KaskoCredit[1];
        grid_[13][4] = Format(premium, 5, 2);
    }
    if (year3) {
        const double premium =
            repayBy < 24 && early ? values_.KaskoPlain[2] : values_.KaskoCredit[2];
        grid_[25][4] = Format(premium, 5, 2);
    }

    const double rate = ReadNumber(F::StavkaR, 0) / 100 / 12;
    MarkZeroField(F::StavkaR, rate);
    if (rate == 0) return;

    // Months at the regular payment; a negative count other than the "not a number" mark -1 and
    // counts beyond the longest schedule are refused the same way.
    const std::optional<std::int32_t> regular = ParseInteger(Text(F::SpustEdit));
    const bool regularValid = regular && *regular >= 0 && *regular <= kMaxScheduleMonths;
    colours_[Index(F::SpustEdit)] = regularValid ? kFieldNormal : kFieldRed;
    if (!regularValid) return;
    // Regular payments end with the term: after it the debt is paid off, and there is nothing
    // left to repay early, so a repayment that would start later means no early repayment.
    const bool repaidByTerm = *regular >= kFixedTerm;
    const int n1 = std::min(*regular, kFixedTerm);
    if (repayBy > kMaxScheduleMonths) {
        colours_[Index(F::Edit8)] = kFieldRed;
        return;
    }

    auto monthStep = [&](int m, double payment) {
        const double interest = balance * rate;
        const double newBalance = balance - payment + interest;
        double newPaid = paid + payment;
        const double newBank = bank + payment;
        if (year1 && m == 1) newPaid += values_.KaskoCredit[0];
        if (year2 && m == 13) newPaid += values_.KaskoCredit[1];
        if (year3 && m == 25) newPaid += values_.KaskoCredit[2];
        if (!AllFinite({interest, newBalance, newPaid, newBank})) return false;
        balance = newBalance;
        paid = newPaid;
        bank = newBank;
        if (m <= lastRow) {
            ScheduleRow& row = grid_[m];
            row[1] = Format(payment, 5, 2);
            row[2] = Format(interest, 5, 2);
            row[3] = Format(balance, 5, 2);
            row[5] = Format(paid, 5, 2);
        }
        return true;
    };

    for (int m = 1; m <= n1; ++m) {
        if (!monthStep(m, values_.MonthlyPayment)) return;
    }

    colours_[Index(F::Edit8)] = repayBy <= n1 ? kFieldRed : kFieldNormal;

    int end = std::max(repayByOrZero, n1 + 1);
    if (!early || repaidByTerm) end = kFixedTerm;
    if (end <= n1) {
        // The regular months already reach past the plain term: the schedule ends with them.
        end = n1;
    } else {
        const auto repayment = Annuity(balance, rate, end - n1);
        if (!repayment) return;
        for (int m = n1 + 1; m <= end; ++m) {
            if (!monthStep(m, *repayment)) return;
        }
    }

    if (end < span) {
        for (int m = end + 1; m <= lastRow; ++m) {
            if (year1 && m == 1) paid += values_.KaskoCredit[0];
            if (year2 && m == 13) paid += values_.KaskoCredit[1];
            if (year3 && m == 25) paid += values_.KaskoCredit[2];
            if (!std::isfinite(paid)) return;
            grid_[m][5] = Format(paid, 5, 2);
        }
    }

    // The interest paid less the maker's discount: the bank total less the credit sum shown.
    // It is read from the field, so that the figure never depends on how the field was reached
    // (a retyped share that leaves the sum's text unchanged does not run the loan computation).
    const double losses = bank - ReadNumber(F::SumKreditEdit, 0);
    if (!std::isfinite(losses)) return;
    SetText(F::Edit9, Format(bank, 5, 2));
    SetText(F::Edit10, Format(paid, 5, 2));
    values_.Losses = losses;
    SetText(F::Edit11, Format(losses, 5, 2));
    colours_[Index(F::Edit11)] = losses > 0 ? kLossesRed : kLossesGreen;
}

// --- Check boxes and the converter ----------------------------------------------------------

void CreditCalculator::BoxClicked(CreditBox box) {
    switch (box) {
        case CreditBox::PosleBox:
        case CreditBox::FixBox:
            SumKreditEditChange();
            break;
        case CreditBox::CheckBox1:
            FillSchedule();
            break;
        case CreditBox::CheckBox2:
        case CreditBox::CheckBox3:
        case CreditBox::CheckBox4:
            if (Checked(box)) Edit1Change();
            FillSchedule();
            break;
    }
}

void CreditCalculator::Edit6Change() {
    values_.UsdRate = ReadNumber(F::Edit6, 0);
    MarkZeroField(F::Edit6, values_.UsdRate);
}

void CreditCalculator::Edit7Change() {
    values_.EurRate = ReadNumber(F::Edit7, 0);
    MarkZeroField(F::Edit7, values_.EurRate);
}

// A converted amount is written only when it can be formed; with a zero rate the field keeps
// its text.
void CreditCalculator::NdKeyUp() {
    const double dollars = ReadNumber(F::Nd, 0);
    MarkZeroField(F::Nd, dollars);
    const double roubles = dollars * values_.UsdRate;
    if (std::isfinite(roubles)) SetText(F::Nr, Format(roubles, 2, 2));
    if (values_.EurRate != 0) {
        const double euros = dollars * values_.UsdRate / values_.EurRate;
        if (std::isfinite(euros)) SetText(F::Ne, Format(euros, 2, 2));
    }
}

void CreditCalculator::NrKeyUp() {
    const double roubles = ReadNumber(F::Nr, 0);
    MarkZeroField(F::Nr, roubles);
    if (values_.UsdRate != 0) {
        const double dollars = roubles / values_.UsdRate;
        if (std::isfinite(dollars)) SetText(F::Nd, Format(dollars, 2, 2));
    }
    if (values_.EurRate != 0) {
        const double euros = roubles / values_.EurRate;
        if (std::isfinite(euros)) SetText(F::Ne, Format(euros, 2, 2));
    }
}

void CreditCalculator::NeKeyUp() {
    const double euros = ReadNumber(F::Ne, 0);
    MarkZeroField(F::Ne, euros);
    const double roubles = euros * values_.EurRate;
    if (std::isfinite(roubles)) SetText(F::Nr, Format(roubles, 2, 2));
    if (values_.UsdRate != 0) {
        const double dollars = euros * values_.EurRate / values_.UsdRate;
        if (std::isfinite(dollars)) SetText(F::Nd, Format(dollars, 2, 2));
    }
}

}  // namespace kalvora
