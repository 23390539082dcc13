#include "cli/CommandLineStart.h"

#include <ctime>

#include "model/IntegerText.h"

namespace kalvora::cli {

namespace {

// The conversion notice of an older code is information, not a failure.
constexpr std::string_view kConversionNotice =
    "Введённый код был получен предыдущей версией конфигуратора.";
constexpr std::string_view kPricePrefix = "Цена: $";

std::string Now(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    return std::strftime(text, sizeof text, format, &local) ? text : "";
}

}  // namespace

CommandLineStart::CommandLineStart(const std::string& argument, FileAccess& files)
    : config_(*this) {
    config_.FormActivate({argument}, files);
    const std::string& label = config_.PriceLabel();
    const bool priced = label.rfind(kPricePrefix, 0) == 0 &&
                        ParseInteger(label.substr(kPricePrefix.size())).has_value();
    if (error_.empty() && (!priced || config_.StartupPending())) {
        error_ = std::string(kInvalidCombination);
    }
}

void CommandLineStart::ShowMessage(const std::string& text) {
    if (error_.empty() && text.rfind(kConversionNotice, 0) != 0) error_ = text;
}

// The system's short date and long time, as a Russian desktop writes them.
std::string CommandLineStart::DateText() {
    return Now("%d.%m.%Y");
}
std::string CommandLineStart::TimeText() {
    return Now("%H:%M:%S");
}

}  // namespace kalvora::cli
