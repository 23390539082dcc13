#include "credit/CreditNumber.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace kalvora {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text, char separator) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    text = text.substr(begin, end - begin);

    // Check the shape and build the same number with a point, which from_chars understands.
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        plain += text[i++];
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == separator) {
        plain += '.';
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    double value = 0;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string FormatFixed(double value, int width, int decimals, char separator) {
    if (!std::isfinite(value))
        return {};
    if (decimals < 0)
        decimals = 0;

    // The shortest decimal form that reads back as the same double: "d.ddde+XX".
    char buffer[64];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific);
    if (ec != std::errc())
        return {};
    const std::string_view shortest(buffer, static_cast<std::size_t>(ptr - buffer));
    const std::size_t ePos = shortest.find('e');
    std::string digits;
    for (std::size_t k = 0; k < ePos; ++k) {
        if (IsDigit(shortest[k]))
            digits += shortest[k];
    }
    const int exponent = std::atoi(std::string(shortest.substr(ePos + 1)).c_str());

    // Lay the digits out around the decimal point: `fixed` holds every digit from the units (or
    // the highest digit) down, the point sits after `intLength` of them.
    std::string fixed;
    std::size_t intLength = 1;
    if (exponent >= 0) {
        fixed = digits;
        intLength = static_cast<std::size_t>(exponent) + 1;
        if (fixed.size() < intLength)
            fixed.append(intLength - fixed.size(), '0');
    } else {
        fixed = std::string(static_cast<std::size_t>(-exponent), '0') + digits;
    }
    const std::size_t kept = intLength + static_cast<std::size_t>(decimals);
    if (fixed.size() < kept + 1)
        fixed.append(kept + 1 - fixed.size(), '0');

    const bool roundUp = fixed[kept] >= '5';
    fixed.resize(kept);
    if (roundUp) {
        std::size_t k = kept;
        while (k > 0) {
            --k;
            if (fixed[k] == '9') {
                fixed[k] = '0';
            } else {
                ++fixed[k];
                break;
            }
            if (k == 0) {
                fixed.insert(fixed.begin(), '1');
                ++intLength;
            }
        }
    }

    std::string integerPart = fixed.substr(0, intLength);
    const std::string fraction = fixed.substr(intLength);
    const std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);
    const bool isZero =
        firstNonZero == std::string::npos && fraction.find_first_not_of('0') == std::string::npos;

    std::string text;
    if (value < 0 && !isZero)
        text += '-';
    text += integerPart;
    if (decimals > 0) {
        text += separator;
        text += fraction;
    }
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

}  // namespace kalvora
