// The texts of the information windows are UTF-8 string views; Qt wants QString.
#pragma once

#include <QString>
#include <string_view>

namespace kalvora {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kalvora
