#include "cli/ScriptSession.h"

#include <exception>

namespace kalvora::cli {

ScriptLine ScriptLine::Parse(int number, std::string text) {
    while (!text.empty() && text.back() == '\r') text.pop_back();
    ScriptLine line;
    line.number = number;
    std::size_t start = 0;
    while (true) {
        const std::size_t blank = text.find(' ', start);
        line.words.push_back(text.substr(start, blank - start));
        if (blank == std::string::npos) break;
        start = blank + 1;
    }
    line.text = std::move(text);
    return line;
}

std::string ScriptLine::Rest() const {
    const std::size_t blank = text.find(' ');
    return blank == std::string::npos ? std::string() : text.substr(blank + 1);
}

ScriptSession::ScriptSession(std::ostream& out, FileAccess& files)
    : out_(out),
      files_(files),
      ui_(out),
      config_(ui_),
      focus_(config_),
      history_(config_),
      order_(config_, ui_) {
    ui_.SetFocusModel(&focus_);
    ui_.SetOrder(&order_);
}

int RunScript(std::istream& in, std::ostream& out, std::ostream& err, FileAccess& files) {
    ScriptSession session(out, files);
    int number = 0;
    std::string text;
    try {
        while (std::getline(in, text)) {
            ++number;
            // A byte-order mark, as some editors write one, is not part of the first command.
            if (number == 1 && text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
            const ScriptLine line = ScriptLine::Parse(number, text);
            try {
                session.Run(line);
                // A person typing a scenario sees each answer at once.
                out.flush();
            } catch (const ScriptError& e) {
                out.flush();
                err << "error: " << number << ": " << e.what() << '\n';
                return 2;
            }
        }
        if (in.bad()) {
            err << "error: " << number + 1 << ": не удалось прочитать сценарий\n";
            return 1;
        }
    } catch (const std::exception& e) {
        out.flush();
        err << "error: " << number << ": внутренняя ошибка: " << e.what() << '\n';
        return 1;
    }
    out.flush();
    if (!out) {
        err << "error: не удалось записать вывод\n";
        return 1;
    }
    return 0;
}

}  // namespace kalvora::cli
