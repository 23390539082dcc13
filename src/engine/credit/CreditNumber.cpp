#include "engine/credit/CreditNumber.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>

namespace kalvora {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text, std::string_view separator) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    text = text.substr(begin, end - begin);

    // Check the shape and build the same number with a point, which from_chars understands.
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        plain += text[i++];
        ++mantissaDigits;
    }
    // Either decimal mark reads: a rate typed as "9.5" under a decimal comma is still 9,5.
    // Numbers carry no thousands separator, so the two never mean anything else.
    const bool mark = !separator.empty() && text.compare(i, separator.size(), separator) == 0;
    if (mark || (i < text.size() && (text[i] == '.' || text[i] == ','))) {
        plain += '.';
        i += mark ? separator.size() : 1;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

namespace {

// `value` as FormatFixed shows it, without sign, separator or padding: the integer digits and the
// `decimals` decimals, rounded half away from zero on the number's shortest decimal form.
struct ShownDigits {
    bool negative = false;  // false for a value that rounds to zero
    std::string integer;
    std::string fraction;
};

std::optional<ShownDigits> LayOutDigits(double value, int decimals) {
    if (!std::isfinite(value)) return std::nullopt;
    if (decimals < 0) decimals = 0;
    if (decimals > 40) decimals = 40;

    // The shortest decimal form that reads back as the same double: "d.ddde+XX".
    char shortest[64];
    const auto [end, ec] = std::to_chars(shortest, shortest + sizeof shortest, std::fabs(value),
                                         std::chars_format::scientific);
    if (ec != std::errc()) return std::nullopt;
    char digits[32];
    int digitCount = 0;
    const char* p = shortest;
    for (; p < end && *p != 'e'; ++p) {
        if (IsDigit(*p) && digitCount < static_cast<int>(sizeof digits)) digits[digitCount++] = *p;
    }
    int exponent = 0;
    bool negativeExponent = false;
    if (p < end) ++p;  // 'e'
    if (p < end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
    for (; p < end; ++p) exponent = exponent * 10 + (*p - '0');
    if (negativeExponent) exponent = -exponent;

    // Lay the digits out around the decimal point: `fixed` holds every digit from the units (or
    // the highest digit) down, the point sits after `intLength` of them; one more digit decides
    // the rounding, half away from zero.
    char fixed[400];
    const int intLength = exponent >= 0 ? exponent + 1 : 1;
    const int kept = intLength + decimals;
    const int leadingZeros = exponent >= 0 ? 0 : -exponent;
    for (int k = 0; k <= kept; ++k) {
        const int d = k - leadingZeros;
        fixed[k + 1] = d >= 0 && d < digitCount ? digits[d] : '0';
    }
    fixed[0] = '0';  // room for a carry into a new highest digit
    if (fixed[kept + 1] >= '5') {
        for (int k = kept; k >= 0; --k) {
            if (fixed[k] == '9') {
                fixed[k] = '0';
            } else {
                ++fixed[k];
                break;
            }
        }
    }
    // Digits 0..intLength hold the integer part (with the carry digit), then the fraction.
    int first = 0;
    while (first <= intLength && fixed[first] == '0') ++first;
    bool isZero = first > intLength;
    for (int k = intLength + 1; isZero && k <= kept; ++k) isZero = fixed[k] == '0';

    ShownDigits shown;
    shown.negative = value < 0 && !isZero;
    if (first > intLength) {
        shown.integer = "0";
    } else {
        shown.integer.assign(fixed + first, fixed + intLength + 1);
    }
    shown.fraction.assign(fixed + intLength + 1, fixed + kept + 1);
    return shown;
}

}  // namespace

std::string FormatFixed(double value, int width, int decimals, std::string_view separator) {
    const std::optional<ShownDigits> shown = LayOutDigits(value, decimals);
    if (!shown) return {};
    std::string text;
    text.reserve(shown->integer.size() + shown->fraction.size() + 4 +
                 static_cast<std::size_t>(width > 0 ? width : 0));
    if (shown->negative) text += '-';
    text += shown->integer;
    if (!shown->fraction.empty()) {
        text += separator;
        text += shown->fraction;
    }
    // Characters, not bytes: the continuation bytes of a UTF-8 separator do not count.
    std::size_t characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (width > 0 && characters < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - characters, ' ');
    }
    return text;
}

double RoundAsShown(double value, int decimals) {
    const std::optional<ShownDigits> shown = LayOutDigits(value, decimals);
    if (!shown) return value;
    // The decimal number shown, converted to the nearest double.
    std::string plain;
    plain.reserve(shown->integer.size() + shown->fraction.size() + 2);
    if (shown->negative) plain += '-';
    plain += shown->integer;
    if (!shown->fraction.empty()) {
        plain += '.';
        plain += shown->fraction;
    }
    double rounded = 0;
    std::from_chars(plain.data(), plain.data() + plain.size(), rounded);
    return rounded;
}

}  // namespace kalvora
