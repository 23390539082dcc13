// The credit window's state and rules: loan, insurance premiums, currency converter and the
// month-by-month payment schedule.
//
// Every field of the window is held here as its text and background colour, together with the
// check boxes, the two captions the computation writes and the cells of the schedule grid. The
// public operations are what a person does in the window (open it with a price, type into a
// field, press Enter or leave `Edit5`, click a check box, release a key in a converter field,
// drop a field onto `Nd`); the window only forwards them and shows the state afterwards.
//
// Handlers trigger one another through text changes, as in the window: writing a field's text
// runs that field's change handler only when the text actually changes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalvora {

// The edit fields of the credit window, in the order of the credit dump.
enum class CreditField {
    Edit1,
    Edit4,
    Edit5,
    SumKreditEdit,
    StavkaF,
    StavkaR,
    SummaF,
    SummaR,
    SrokF,
    EzemF,
    SkidkaEdit,
    PrKasko1Edit,
    PrKasko2Edit,
    PrKasko3Edit,
    PrKasko1NEdit,
    PrKasko2NEdit,
    PrKasko3NEdit,
    Kasko1SumEdit,
    Kasko2SumEdit,
    Kasko3SumEdit,
    Kasko1NSumEdit,
    Kasko2NSumEdit,
    Kasko3NSumEdit,
    Edit6,
    Edit7,
    Nd,
    Nr,
    Ne,
    SpustEdit,
    Edit8,
    Edit9,
    Edit10,
    Edit11,
};
inline constexpr int kCreditFieldCount = static_cast<int>(CreditField::Edit11) + 1;

// The check boxes of the credit window.
enum class CreditBox { PosleBox, FixBox, CheckBox1, CheckBox2, CheckBox3, CheckBox4 };
inline constexpr int kCreditBoxCount = static_cast<int>(CreditBox::CheckBox4) + 1;

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
using ScheduleRow = std::array<std::string, kScheduleColumns>;

const char* CreditFieldName(CreditField field);
std::optional<CreditField> CreditFieldByName(std::string_view name);
const char* CreditBoxName(CreditBox box);
std::optional<CreditBox> CreditBoxByName(std::string_view name);

// Fields a person cannot type into: the program computes them.
bool IsComputedField(CreditField field);
// Fields whose text can be dragged onto the dollar field `Nd` of the converter.
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
    // character in UTF-8.
    void SetDecimalSeparator(std::string separator) { separator_ = std::move(separator); }
    void SetDecimalSeparator(char separator) { separator_ = std::string(1, separator); }
    const std::string& DecimalSeparator() const { return separator_; }

    // --- What a person does ---------------------------------------------------------------

    // "Кредит..." in the main window: the configured price is written into `Edit1`.
    void Open(std::int32_t currentPrice);
    // Replaces the text of an editable field as typing would, running its change handler when
    // the text differs. Computed fields cannot be typed into: returns false and changes nothing.
    bool Type(CreditField field, std::string_view text);
    // Enter pressed in `Edit5`, or the focus leaving it: the first payment as typed.
    void Edit5Exit();
    // A click on a check box: flips it and runs its click handler.
    void Click(CreditBox box);
    // Sets a check box from code; a different state runs its click handler, as a click would.
    void SetChecked(CreditBox box, bool checked);
    // A key released in the converter field `Nd`, `Nr` or `Ne`; other fields ignore it.
    void KeyUp(CreditField field);
    // Drops the text of `source` onto `Nd`; refused (false) for fields that cannot be dragged.
    bool DropOnNd(CreditField source);

    // --- What the window shows ------------------------------------------------------------

    const std::string& Text(CreditField field) const { return texts_[Index(field)]; }
    std::uint32_t Colour(CreditField field) const { return colours_[Index(field)]; }
    bool Checked(CreditBox box) const { return boxes_[static_cast<int>(box)]; }
    const std::string& Label20() const { return label20_; }
    const std::string& Label19Hint() const { return label19Hint_; }
    // Row 0 holds the headers, rows 1 onwards the months.
    const std::vector<ScheduleRow>& Grid() const { return grid_; }
    const CreditValues& Values() const { return values_; }

  private:
    static std::size_t Index(CreditField field) { return static_cast<std::size_t>(field); }

    // Writes a field's text from code; a different text runs the field's change handler.
    void SetText(CreditField field, std::string text);
    void RunChangeHandler(CreditField field);
    // Paints a field red when the value just read from it is exactly zero, normal otherwise.
    void MarkZeroField(CreditField field, double value);
    double ReadNumber(CreditField field, double fallback) const;
    std::string Format(double value, int width, int decimals) const;

    void Edit1Change();
    void Edit4Change();
    void SumKreditEditChange();
    void FillSchedule();
    void Edit6Change();
    void Edit7Change();
    void NdKeyUp();
    void NrKeyUp();
    void NeKeyUp();
    void BoxClicked(CreditBox box);

    std::string separator_;
    std::array<std::string, kCreditFieldCount> texts_;
    std::array<std::uint32_t, kCreditFieldCount> colours_{};
    std::array<bool, kCreditBoxCount> boxes_{};
    std::string label20_;
    std::string label19Hint_;
    std::vector<ScheduleRow> grid_;
    CreditValues values_;
};

}  // namespace kalvora
