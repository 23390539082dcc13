// Reading whole numbers from the texts of labels and fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kalvora {

// A decimal integer in signed 32-bit range: leading blanks, an optional sign, then digits and
// nothing else. Anything else is not a number.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// The value of a decimal integer text, or `fallback` for any text that is not one.
inline std::int32_t IntegerOr(std::string_view text, std::int32_t fallback) {
    return ParseInteger(text).value_or(fallback);
}

}  // namespace kalvora
