#include "cli/ScriptUi.h"

#include "engine/files/FileErrors.h"

namespace kalvora::cli {

std::string OutputFailed(int code) {
    std::string text = "не удалось записать вывод";
    if (code != 0) text += ": " + SystemReason(code);
    return text;
}

std::string EscapeLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\0') {
            out += "\\0";
        } else {
            out += c;
        }
    }
    return out;
}

void ScriptUi::SetClock(std::string date, std::string time) {
    date_ = std::move(date);
    time_ = std::move(time);
}

void ScriptUi::ShowMessage(const std::string& text) {
    out_ << "message: " << EscapeLine(text) << '\n';
}

bool ScriptUi::Confirm(const std::string& text) {
    const bool yes = answer_.value_or(false);
    answer_.reset();
    out_ << "confirm: " << EscapeLine(text) << " -> " << (yes ? "yes" : "no") << '\n';
    return yes;
}

}  // namespace kalvora::cli
