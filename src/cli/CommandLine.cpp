#include "cli/CommandLine.h"
#include "cli/CliHelp.h"

#include <algorithm>
#include <cerrno>

#include "cli/ScriptUi.h"
#include "engine/files/FileErrors.h"

namespace kalvora::cli {

namespace {

constexpr std::string_view kCommandLead = "  kalvora-cli ";

bool IsOption(const std::string& arg) {
    if (arg.size() < 2 || arg[0] != '-') return false;
    return !(arg[1] >= '0' && arg[1] <= '9');
}

const OptionRule* Find(const std::vector<OptionRule>& optionRules, std::string_view name) {
    const auto found = std::find_if(optionRules.begin(), optionRules.end(),
                                    [&](const OptionRule& s) { return s.name == name; });
    return found == optionRules.end() ? nullptr : &*found;
}

// The lines of the usage text, each without its line feed.
std::vector<std::string_view> HelpLines() {
    std::vector<std::string_view> lines;
    std::string_view text = FullHelp();
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The command a line of the usage text introduces ("  kalvora-cli price ..." -> "price").
std::string_view CommandOf(std::string_view line) {
    if (line.substr(0, kCommandLead.size()) != kCommandLead) return {};
    line.remove_prefix(kCommandLead.size());
    const std::string_view word = line.substr(0, line.find(' '));
    return word.empty() || word[0] == '-' ? std::string_view() : word;
}

}  // namespace

bool ParsedArguments::Has(std::string_view name) const {
    return std::any_of(options.begin(), options.end(),
                       [&](const auto& option) { return option.first == name; });
}

std::optional<std::string> ParsedArguments::Value(std::string_view name) const {
    std::optional<std::string> value;
    for (const auto& option : options) {
        if (option.first == name) value = option.second;
    }
    return value;
}

std::optional<ParsedArguments> ParseArguments(const std::vector<std::string>& args,
                                              const std::vector<OptionRule>& optionRules,
                                              std::string* error) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !IsOption(arg)) {
            parsed.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const OptionRule* optionRule = Find(optionRules, name);
        if (optionRule == nullptr) {
            *error = "неизвестный ключ " + name;
            return std::nullopt;
        }
        if (!optionRule->takesValue) {
            if (equals != std::string::npos) {
                *error = "ключ " + name + " не принимает значения";
                return std::nullopt;
            }
            parsed.options.emplace_back(name, std::string());
        } else if (equals != std::string::npos) {
            parsed.options.emplace_back(name, arg.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            parsed.options.emplace_back(name, args[++i]);
        } else {
            *error = "нет значения у ключа " + name;
            return std::nullopt;
        }
    }
    return parsed;
}

bool AsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "--help" || arg == "-h") return true;
    }
    return false;
}

std::string_view FullHelp() {
    return kCliHelp;
}

std::string CommandHelp(std::string_view command) {
    std::string block;
    bool inside = false;
    for (const std::string_view line : HelpLines()) {
        const std::string_view introduces = CommandOf(line);
        if (!introduces.empty()) {
            inside = introduces == command;
        } else if (line.substr(0, 6) != "      ") {
            inside = false;
        }
        if (inside) block.append(line).append("\n");
    }
    if (block.empty()) return {};
    std::string help = "Использование:\n" + block;
    // The closing notes of the usage text hold for every command that reads configurations;
    // a command that writes documents in batches gets the note on its batch options too.
    const std::string_view full = FullHelp();
    std::size_t notes = full.find("\nКОД_ИЛИ_ФАЙЛ");
    if (block.find("ПАКЕТ") != std::string::npos) notes = full.find("\nПАКЕТ:");
    if (notes != std::string_view::npos && block.find("КОД_ИЛИ_ФАЙЛ") != std::string::npos) {
        help.append(full.substr(notes));
    } else {
        help.append("\nПодробности: man kalvora-cli\n");
    }
    return help;
}

std::vector<std::string> CommandNames() {
    std::vector<std::string> names;
    for (const std::string_view line : HelpLines()) {
        const std::string_view command = CommandOf(line);
        if (!command.empty() && std::find(names.begin(), names.end(), command) == names.end()) {
            names.emplace_back(command);
        }
    }
    return names;
}

void ReportError(std::ostream& err, std::string_view command, std::string_view message) {
    err << "kalvora-cli: ";
    if (!command.empty()) err << command << ": ";
    err << EscapeLine(message) << '\n';
}

int UsageError(std::ostream& err, std::string_view command, std::string_view message) {
    ReportError(err, command, message);
    err << "Справка: kalvora-cli " << command << (command.empty() ? "" : " ") << "--help\n";
    return kUsageError;
}

LineRead ReadInputLine(std::istream& in, bool first, std::string* line, int* failure) {
    LineRules rules;
    rules.limit = kMaxInputLine;
    rules.carriageReturnEnds = true;
    const LineRead read = ReadBoundedLine(in.rdbuf(), rules, line, failure);
    if (first && line->rfind("\xEF\xBB\xBF", 0) == 0) line->erase(0, 3);
    return read;
}

std::string InputReadFailed(int error) {
    return "не удалось прочитать стандартный ввод: " + SystemReason(error);
}

std::string InputLineTooLong() {
    return "строка стандартного ввода длиннее " + std::to_string(kMaxInputLine) + " байт";
}

int Flushed(std::ostream& out, std::ostream& err, std::string_view command, int status) {
    out.flush();
    if (!out) {
        // The system's reason, when the write failed there (a full disk, a file-size limit).
        ReportError(err, command, OutputFailed(errno));
        return 1;
    }
    return status;
}

}  // namespace kalvora::cli
