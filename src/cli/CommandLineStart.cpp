#include "cli/CommandLineStart.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <regex>
#include <utility>

#include "engine/model/PriceTexts.h"

namespace kalvora::cli {

namespace {

std::string Now(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    return std::strftime(text, sizeof text, format, &local) ? text : "";
}

std::string Format(const std::tm& when, const char* format) {
    char text[32];
    return std::strftime(text, sizeof text, format, &when) ? text : "";
}

// True when the fields name a day that exists and a time of day.
bool Valid(const std::tm& when) {
    std::tm check = when;
    check.tm_isdst = 0;
    if (timegm(&check) == -1) return false;
    return check.tm_mday == when.tm_mday && check.tm_mon == when.tm_mon &&
           check.tm_year == when.tm_year && when.tm_hour < 24 && when.tm_min < 60 &&
           when.tm_sec < 60;
}

}  // namespace

bool ArgumentFiles::Exists(const std::string& path) {
    if (DiskFileAccess::Exists(path)) return true;
    struct stat st;
    return !path.empty() && path.find('\0') == std::string::npos &&
           ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string EpochProblem(const char* epoch) {
    return "SOURCE_DATE_EPOCH=«" + std::string(epoch) + "» не число секунд";
}

std::optional<DocumentClock> ChooseClock(const std::optional<std::string>& date, const char* epoch,
                                         std::string* error) {
    std::tm when{};
    if (date) {
        static const std::regex form(
            "([0-9]{4})-([0-9]{2})-([0-9]{2})(?:[T ]([0-9]{2}):([0-9]{2})(?::([0-9]{2}))?)?");
        std::smatch m;
        if (std::regex_match(*date, m, form)) {
            when.tm_year = std::stoi(m[1]) - 1900;
            when.tm_mon = std::stoi(m[2]) - 1;
            when.tm_mday = std::stoi(m[3]);
            if (m[4].matched) when.tm_hour = std::stoi(m[4]);
            if (m[5].matched) when.tm_min = std::stoi(m[5]);
            if (m[6].matched) when.tm_sec = std::stoi(m[6]);
        }
        if (!m[0].matched || !Valid(when)) {
            *error = "--date: дата «" + *date + "» не годится: нужно ГГГГ-ММ-ДД[TЧЧ:ММ[:СС]]";
            return std::nullopt;
        }
    } else if (epoch != nullptr) {
        static const std::regex digits("[0-9]{1,12}");
        const std::time_t seconds =
            std::regex_match(epoch, digits) ? static_cast<std::time_t>(std::stoll(epoch)) : -1;
        if (seconds < 0 || gmtime_r(&seconds, &when) == nullptr) {
            *error = EpochProblem(epoch);
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    return DocumentClock{Format(when, "%d.%m.%Y"), Format(when, "%H:%M:%S")};
}

CommandLineStart::CommandLineStart(const std::string& argument, FileAccess& files,
                                   std::optional<DocumentClock> clock)
    : clock_(std::move(clock)), config_(*this) {
    const Result result = config_.RunStartCode({argument}, files);
    if (!result.Succeeded()) {
        error_ = result.reason;
    } else if (!config_.Total()) {
        error_ = std::string(kInvalidCombination);
    }
}

// The system's short date and long time, as a Russian desktop writes them.
std::string CommandLineStart::DateText() {
    return clock_ ? clock_->date : Now("%d.%m.%Y");
}
std::string CommandLineStart::TimeText() {
    return clock_ ? clock_->time : Now("%H:%M:%S");
}

}  // namespace kalvora::cli
