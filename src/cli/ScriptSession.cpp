#include "cli/ScriptSession.h"

#include <cerrno>
#include <cstdint>
#include <exception>

#include "engine/files/DiskFiles.h"
#include "engine/files/FileErrors.h"

namespace kalvora::cli {

namespace {

std::string OneLine(const std::string& text) {
    std::string out = EscapeLine(text);
    for (std::size_t nul = out.find('\0'); nul != std::string::npos; nul = out.find('\0', nul)) {
        out.replace(nul, 1, "\\0");
    }
    return out;
}

}  // namespace

ScriptError::ScriptError(const std::string& why) : std::runtime_error(OneLine(why)) {}

ScriptLine ScriptLine::Parse(std::int64_t number, std::string text) {
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
    : out_(out), files_(files), ui_(out), session_(ui_) {}

int RunScript(std::istream& in, std::ostream& out, std::ostream& err, FileAccess& files,
              const ScriptOptions& options) {
    ScriptSession session(out, files);
    // Counted in 64 bits: a scenario piped in may run for billions of lines.
    std::int64_t number = 0;
    std::string text;
    LineRules rules;
    rules.limit = kMaxScriptLine;
    try {
        while (true) {
            int error = 0;
            const LineRead read = ReadBoundedLine(in.rdbuf(), rules, &text, &error);
            if (read == LineRead::Failed) {
                out.flush();
                err << "error: " << number + 1
                    << ": не удалось прочитать сценарий: " << SystemReason(error) << '\n';
                return 2;
            }
            if (read == LineRead::End) {
                in.setstate(std::ios::eofbit);
                break;
            }
            ++number;
            if (read == LineRead::TooLong) {
                out.flush();
                err << "error: " << number << ": строка длиннее " << kMaxScriptLine << " байт\n";
                return 2;
            }
            // An empty line is no command; skipping it at once keeps long runs of them cheap.
            if (text.empty()) continue;
            // A byte-order mark, as some editors write one, is not part of the first command.
            if (number == 1 && text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
            const ScriptLine line = ScriptLine::Parse(number, text);
            try {
                session.Run(line);
                // A person typing a scenario sees each answer at once.
                out.flush();
                const std::string shortfall = session.TakeShortfall();
                if (options.strict && !shortfall.empty()) {
                    err << "error: " << number << ": " << OneLine(shortfall) << '\n';
                    return 1;
                }
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
        err << "error: " << OutputFailed(errno) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace kalvora::cli
