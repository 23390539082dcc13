#include "cli/CommandLineStart.h"

#include <ctime>

namespace kalvora::cli {

namespace {

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
    const Result result = config_.RunStartCode({argument}, files);
    if (!result.Succeeded()) {
        error_ = result.reason;
    } else if (!config_.HasPrice()) {
        error_ = std::string(kInvalidCombination);
    }
}

// The system's short date and long time, as a Russian desktop writes them.
std::string CommandLineStart::DateText() {
    return Now("%d.%m.%Y");
}
std::string CommandLineStart::TimeText() {
    return Now("%H:%M:%S");
}

}  // namespace kalvora::cli
