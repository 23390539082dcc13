// The command line of one kalvora-cli command: its options and operands, its help, and the one
// form every error takes, "kalvora-cli: COMMAND: MESSAGE".
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/files/DiskFiles.h"

namespace kalvora::cli {

// Exit status of a wrong command line (an unknown command, option or operand).
constexpr int kUsageError = 2;

struct OptionRule {
    std::string_view name;  // with its dashes: "--code", "-V"
    bool takesValue = false;
};

struct ParsedArguments {
    std::vector<std::string> operands;
    // The options in the order given, each with its value (empty for one that takes none).
    std::vector<std::pair<std::string, std::string>> options;

    bool Has(std::string_view name) const;
    // The value given last for `name`.
    std::optional<std::string> Value(std::string_view name) const;
};

// Reads `args` against `optionRules`. "--" ends the options; "-" alone and a dash before a digit
// ("-5", a negative number) are operands; "--name=value" is the same as "--name value".
// Returns nothing and a Russian message in `error` for an unknown option, an option without
// its value, or a value given to an option that takes none.
std::optional<ParsedArguments> ParseArguments(const std::vector<std::string>& args,
                                              const std::vector<OptionRule>& optionRules,
                                              std::string* error);

// True when "--help" or "-h" comes before any "--".
bool AsksForHelp(const std::vector<std::string>& args);

// The whole usage text, and the part of it about one command (empty for an unknown command).
std::string_view FullHelp();
std::string CommandHelp(std::string_view command);
// The commands the usage text describes, in its order.
std::vector<std::string> CommandNames();

// "kalvora-cli: COMMAND: MESSAGE" (or "kalvora-cli: MESSAGE" without a command) on one line.
void ReportError(std::ostream& err, std::string_view command, std::string_view message);
// The same, then where the help is; returns kUsageError.
int UsageError(std::ostream& err, std::string_view command, std::string_view message);

// `status`, or 1 with a message when the output could not be written.
int Flushed(std::ostream& out, std::ostream& err, std::string_view command, int status = 0);

// The longest line of codes or file names read from the standard input.
constexpr std::size_t kMaxInputLine = 64 * 1024;
// One line of codes or file names from the standard input, read as a .klv file's first line
// is: a byte-order mark at the start of the input (`first`) skipped, a carriage return alone
// also ending the line. A line longer than kMaxInputLine is never kept whole: TooLong, and
// InputLineTooLong() says so. Failed: the input could not be read, InputReadFailed(*failure)
// says why.
LineRead ReadInputLine(std::istream& in, bool first, std::string* line, int* failure = nullptr);
std::string InputLineTooLong();
std::string InputReadFailed(int error);

// The output names a configuration file the command reads (by the same name, another name or a
// link): writing it would replace the configuration by a picture or a PDF.
inline bool IsSameFile(const std::string& input, const std::string& output) {
    if (output == "-") return false;
    if (input == output) return true;
    struct stat a;
    struct stat b;
    return input.find('\0') == std::string::npos && output.find('\0') == std::string::npos &&
           ::stat(input.c_str(), &a) == 0 && ::stat(output.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace kalvora::cli
