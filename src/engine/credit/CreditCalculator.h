// The credit window's state and rules: loan, insurance premiums, currency converter and the
// month-by-month payment schedule.
//
// Every field of the window holds either a text (what a person typed, or what the window is drawn
// with), read as a number once when it is typed, or a figure the calculator computed, kept as a
// number together with how the window shows it (decimals, padding, decimal mark). Texts are
// made from figures only when they are shown: by `Text`, the dump and the window. The check
// boxes, the two subtractions shown beside the credit sum and the discount, and the months of the
// schedule are held in the same way. The public operations are what a person does in the window
// (open it with a price, type into a field, press Enter or leave the first payment, click a
// check box, release a key in a converter field, drop a field onto the dollar field); the window
// only forwards them and shows the state afterwards.
//
// Handlers trigger one another as in the window, where a field's change handler runs only when
// its text actually changes: a figure written to a field runs the handler only when it is shown
// differently from what the field showed. A handler that reads a computed figure reads it as
// shown, to the cent (or the decimals it is shown with).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kalvora {

// The edit fields of the credit window, in the order of the credit dump. Each is named after the
// quantity it shows, as the command line names it; `CreditFieldName` gives the window's name of
// the field (the object name, the script's and the dump's name).
enum class CreditField {
    Price,             // the car's price, the configured total unless typed over
    FirstPercent,      // the first payment as a share of the price, %
    FirstPayment,      // the first payment
    CreditSum,         // the price less the first payment
    RatePromo,         // the maker's promised annual rate, %
    RateReal,          // the bank's real annual rate, %
    PromoLoan,         // the credit sum at the maker's rate
    RealLoan,          // the loan the same payments pay off at the real rate
    Term,              // the term in months
    MonthlyPayment,    // the regular monthly payment
    Discount,          // the maker's discount that makes the real loan cost the promised payments
    KaskoCreditRate1,  // premium rates of year 1, 2, 3 for a car bought on credit, %
    KaskoCreditRate2,
    KaskoCreditRate3,
    KaskoPlainRate1,  // the same for a car bought without a credit, %
    KaskoPlainRate2,
    KaskoPlainRate3,
    KaskoCredit1,  // premiums of year 1, 2, 3 for a car bought on credit
    KaskoCredit2,
    KaskoCredit3,
    KaskoPlain1,  // the same for a car bought without a credit
    KaskoPlain2,
    KaskoPlain3,
    UsdRate,  // roubles per dollar
    EurRate,  // roubles per euro
    Dollars,  // the converter's amount in dollars, roubles and euros
    Roubles,
    Euros,
    RepayAfter,  // months at the regular payment before an early repayment
    RepayBy,     // the month by which the loan is repaid early
    BankTotal,   // paid to the bank in all
    PaidTotal,   // paid in all by the end of the schedule, first payment and premiums included
    Losses,      // the bank total less the credit sum
};
inline constexpr int kCreditFieldCount = static_cast<int>(CreditField::Losses) + 1;

// The check boxes of the credit window.
enum class CreditBox {
    KaskoAfterDiscount,  // premiums are figured on the price less the maker's discount
    FixedDiscount,       // the maker's discount as if 40 % were paid first for 36 months
    RepayEarly,          // repay the loan early
    KaskoYear1,          // count the premiums of year 1, 2, 3
    KaskoYear2,
    KaskoYear3,
};
inline constexpr int kCreditBoxCount = static_cast<int>(CreditBox::KaskoYear3) + 1;

// Background colours of the fields, as 0xRRGGBB.
inline constexpr std::uint32_t kFieldNormal = 0xffffff;
inline constexpr std::uint32_t kFieldRed = 0xff0000;
inline constexpr std::uint32_t kFieldComputed = 0xf0faff;
inline constexpr std::uint32_t kLossesRed = 0xff8080;
inline constexpr std::uint32_t kLossesGreen = 0x80ff80;

// The longest schedule the calculator lays out and computes, in months. Longer repayment terms
// are refused (the field turns red), so that no typed number can make the grid endless.
inline constexpr int kMaxScheduleMonths = 1200;

inline constexpr int kScheduleColumns = 6;
// A row of the schedule as the grid shows it: the month and five amounts, or the headers.
using ScheduleRow = std::array<std::string, kScheduleColumns>;

// One month of the payment schedule; an amount the computation did not reach is empty.
struct ScheduleMonth {
    int month = 0;
    std::optional<double> bank;      // paid to the bank this month
    std::optional<double> interest;  // the month's interest
    std::optional<double> debtLeft;  // the debt after the payment
    std::optional<double> kasko;     // the premium due this month
    std::optional<double> paid;      // paid in all so far
};

const char* CreditFieldName(CreditField field);
std::optional<CreditField> CreditFieldByName(std::string_view name);
const char* CreditBoxName(CreditBox box);
std::optional<CreditBox> CreditBoxByName(std::string_view name);

// Fields a person cannot type into: the program computes them.
bool IsComputedField(CreditField field);
// Fields whose text can be dragged onto the dollar field of the converter.
bool IsDraggableField(CreditField field);
// The converter fields, where releasing a key converts the amount.
bool IsConverterField(CreditField field);

// The values held between handler calls; all amounts are dollars.
struct CreditValues {
    double CarPrice = 0;
    double FirstPayment = 0;
    double CreditSum = 0;
    double Discount = 0;
    double RealLoan = 0;
    double MonthlyPayment = 0;
    std::array<double, 3> KaskoCredit{};  // premiums of year 1, 2, 3 for a car bought on credit
    std::array<double, 3> KaskoPlain{};   // the same for a car bought without a credit
    double UsdRate = 0;                   // roubles per dollar
    double EurRate = 0;                   // roubles per euro
    double Losses = 0;
};

class CreditCalculator {
  public:
    // The window as created: every field at its initial text, figures at zero.
    explicit CreditCalculator(char decimalSeparator = ',')
        : CreditCalculator(std::string(1, decimalSeparator)) {}
    // The separator as one character in UTF-8 ("٫" takes two bytes).
    explicit CreditCalculator(std::string decimalSeparator);

    // The locale's decimal separator used to read and write every number from now on: one
    // character in UTF-8. Figures already shown keep the mark they were written with, and the
    // typed texts are read again under the new one.
    void SetDecimalSeparator(std::string separator);
    void SetDecimalSeparator(char separator) { SetDecimalSeparator(std::string(1, separator)); }
    const std::string& DecimalSeparator() const { return separator_; }

    // --- What a person does ---------------------------------------------------------------

    // "Кредит..." in the main window: the configured price goes into the price field.
    void Open(std::int32_t currentPrice);
    // Replaces the text of an editable field as typing would, running its change handler when
    // the text differs. Computed fields cannot be typed into: returns false and changes nothing.
    bool Type(CreditField field, std::string_view text);
    // Enter pressed in the first payment field, or the focus leaving it: the amount as typed
    // (or as shown) becomes the first payment, and the share follows it.
    void AcceptFirstPayment();
    // A click on a check box: flips it and runs its click handler.
    void Click(CreditBox box);
    // Sets a check box from code; a different state runs its click handler, as a click would.
    void SetChecked(CreditBox box, bool checked);
    // A key released in a converter field (dollars, roubles, euros); other fields ignore it.
    void KeyUp(CreditField field);
    // Drops what `source` shows onto the dollar field; refused (false) for fields that cannot be
    // dragged.
    bool DropOnDollars(CreditField source);

    // --- What the window shows ------------------------------------------------------------

    // The field's text: as typed, or its figure written out.
    std::string Text(CreditField field) const;
    // The field's number as the calculator reads it: the typed text read as a decimal number,
    // or the figure as shown. Nothing for a text that is no number.
    std::optional<double> Number(CreditField field) const;
    std::uint32_t Colour(CreditField field) const { return colours_[Index(field)]; }
    bool Checked(CreditBox box) const { return boxes_[static_cast<int>(box)]; }
    // The subtraction shown before the credit sum, "PRICE - FIRST = ", once computed.
    std::string CreditSumFormula() const;
    // The hint of the discount's caption, "CREDIT - REAL-LOAN =", once computed.
    std::string DiscountFormula() const;
    // The months of the schedule as computed.
    const std::vector<ScheduleMonth>& Schedule() const { return schedule_; }
    // The schedule as the grid shows it: row 0 holds the headers, rows 1 onwards the months.
    std::vector<ScheduleRow> Grid() const;
    const CreditValues& Values() const { return values_; }

  private:
    // A text of a field: what was typed (or drawn at creation), read when it was typed.
    struct FieldText {
        std::string text;
        std::optional<double> number;       // read as a decimal number
        std::optional<std::int32_t> whole;  // read as a whole number
    };
    // A figure the calculator wrote into a field, shown with `decimals` decimals after `mark`
    // and padded on the left to `width` characters.
    struct Figure {
        double value = 0;
        int width = 0;
        int decimals = 0;
        std::string mark;
    };
    using FieldContent = std::variant<FieldText, Figure>;
    // A subtraction shown beside a figure, with the mark of its time.
    struct Subtraction {
        double minuend = 0;
        double subtrahend = 0;
        std::string mark;
    };

    static std::size_t Index(CreditField field) { return static_cast<std::size_t>(field); }

    FieldText ReadText(std::string text) const;
    Figure Shown(double value, int width, int decimals) const;
    static std::string TextOf(const FieldContent& content);
    // Puts `content` into a field; when the field then shows a different text, its change
    // handler runs. Returns whether the text changed.
    bool Write(CreditField field, FieldContent content);
    void RunChangeHandler(CreditField field);
    // Paints a field red when the value just read from it is exactly zero, normal otherwise.
    void MarkZeroField(CreditField field, double value);
    double NumberOr(CreditField field, double fallback) const;
    std::optional<std::int32_t> WholeNumber(CreditField field) const;

    void PriceChanged();
    void FirstPercentChanged();
    void ComputeLoan();
    // The insurance premiums of the three years; false when a rate or a premium is no number.
    bool ComputeKasko();
    void FillSchedule();
    // The schedule's months 1 to `lastMonth`, empty but for the premiums of the insured years.
    void StartSchedule(int lastMonth, std::int32_t repayBy, bool early);
    // The bank total, all that is paid and the losses, from the schedule's sums.
    void WriteTotals(double bank, double paid);
    void UsdRateChanged();
    void EurRateChanged();
    void ConvertDollars();
    void ConvertRoubles();
    void ConvertEuros();
    void BoxClicked(CreditBox box);

    std::string separator_;
    std::array<FieldContent, kCreditFieldCount> fields_;
    std::array<std::uint32_t, kCreditFieldCount> colours_{};
    std::array<bool, kCreditBoxCount> boxes_{};
    std::optional<Subtraction> creditSumFormula_;
    std::optional<Subtraction> discountFormula_;
    std::vector<ScheduleMonth> schedule_;
    std::string scheduleMark_;
    CreditValues values_;
};

}  // namespace kalvora
