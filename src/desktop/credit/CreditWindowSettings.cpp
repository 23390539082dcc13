#include "desktop/credit/CreditWindowSettings.h"

#include <array>

#include "engine/credit/CreditCalculator.h"
#include "engine/credit/CreditNumber.h"

namespace kalvora {

namespace {

const QString kSection = QStringLiteral("TKreditForm");

struct RememberedField {
    const char* key;
    CreditField field;
};

// The stored items: the window's "Edit6.Text" ... with the point replaced by "_".
constexpr std::array<RememberedField, 5> kRemembered = {{
    {"Edit6_Text", CreditField::UsdRate},
    {"Edit7_Text", CreditField::EurRate},
    {"Nd_Text", CreditField::Dollars},
    {"Ne_Text", CreditField::Euros},
    {"Nr_Text", CreditField::Roubles},
}};

// A remembered number as the calculator reads it: written with either decimal separator (the
// file may come from a system with the other one), and finite.
std::optional<std::string> RememberedNumber(const QString& text, const std::string& separator) {
    std::string value = text.toStdString();
    if (ParseDecimal(value, separator)) return value;
    const char other = separator == "," ? '.' : ',';
    if (!ParseDecimal(value, other)) return std::nullopt;
    for (std::size_t at = value.find(other); at != std::string::npos;
         at = value.find(other, at + separator.size())) {
        value.replace(at, 1, separator);
    }
    return value;
}

}  // namespace

void ReadCreditWindowSettings(CreditCalculator& calculator, QWidget& window, const QString& path) {
    const WindowSettings settings(kSection, path);
    for (const RememberedField& r : kRemembered) {
        const std::optional<QString> text = settings.Text(QString::fromLatin1(r.key));
        if (!text) continue;
        if (const auto number = RememberedNumber(*text, calculator.DecimalSeparator())) {
            calculator.Type(r.field, *number);
        }
    }
    settings.RestorePlacement(window);
}

void WriteCreditWindowSettings(const CreditCalculator& calculator, const QWidget& window,
                               const QString& path) {
    WindowSettings settings(kSection, path);
    for (const RememberedField& r : kRemembered) {
        settings.SetValue(QString::fromLatin1(r.key),
                          QString::fromStdString(calculator.Text(r.field)));
    }
    settings.StorePlacement(window);
    settings.Write();
}

}  // namespace kalvora
