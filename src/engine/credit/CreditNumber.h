// Reading and writing the amounts, rates and months shown in the credit window's fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalvora {

// A decimal number written with `separator` as its decimal mark: blanks around it, an optional
// sign, digits with at most one decimal mark, and an optional exponent ("1,5E3"). A point or a
// comma is read as the decimal mark whatever `separator` is, so "9.5" and "9,5" are the same
// number under either locale; numbers are written with `separator` only. Anything else,
// and any number too large for a double, is not a number. The separator is one character in
// UTF-8, so a locale's "٫" reads as well as ",".
std::optional<double> ParseDecimal(std::string_view text, std::string_view separator);
inline std::optional<double> ParseDecimal(std::string_view text, char separator) {
    return ParseDecimal(text, std::string_view(&separator, 1));
}

// The value of a decimal number text, or `fallback` for any text that is not one.
inline double DecimalOr(std::string_view text, std::string_view separator, double fallback) {
    return ParseDecimal(text, separator).value_or(fallback);
}
inline double DecimalOr(std::string_view text, char separator, double fallback) {
    return ParseDecimal(text, separator).value_or(fallback);
}

// `value` with exactly `decimals` decimals after `separator`, padded on the left with blanks to at
// least `width` characters, as printf's "%W.Df" writes it, except that the last shown decimal is
// rounded half away from zero on the number's shortest decimal form: 2.125 and 2.675 show as 2.13
// and 2.68, although 2.675 is slightly less in binary. A value that rounds to zero shows no minus
// sign. A value that is not finite gives an empty text; callers never show one. The width counts
// characters, so a separator of several bytes pads as one.
std::string FormatFixed(double value, int width, int decimals, std::string_view separator);
inline std::string FormatFixed(double value, int width, int decimals, char separator) {
    return FormatFixed(value, width, decimals, std::string_view(&separator, 1));
}

// The number FormatFixed shows for `value` with `decimals` decimals: the double nearest to the
// rounded decimal, +0 for a value that rounds to zero. A figure kept to the cent is
// RoundAsShown(value, 2). A value that is not finite is returned as it is.
double RoundAsShown(double value, int decimals);

}  // namespace kalvora
