#include "cli/DiffCommand.h"

#include <cerrno>

#include "pricing/DiskFiles.h"

#include "cli/ScriptUi.h"
#include "documents/Comparison.h"

namespace kalvora::cli {

namespace {

constexpr int kSame = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;
// The longest line read from the standard input, as for a scenario line.
constexpr std::size_t kMaxInputLine = 64 * 1024;

// "-" stands for the first line of the standard input, read once.
bool Resolve(std::string* argument, std::istream& in, bool* stdinUsed, std::ostream& err) {
    if (*argument != "-") return true;
    if (*stdinUsed) {
        err << "kalvora-cli: diff: стандартный ввод («-») можно указать только один раз\n";
        return false;
    }
    *stdinUsed = true;
    // Read as a .klv file's first line is: a byte-order mark skipped, a carriage return alone
    // also ends the line, and a line too long to be a code or a file name is refused rather
    // than kept growing.
    LineRules rules;
    rules.limit = kMaxInputLine;
    rules.carriageReturnEnds = true;
    std::string line;
    if (ReadBoundedLine(in.rdbuf(), rules, &line) == LineRead::TooLong) {
        err << "kalvora-cli: diff: строка стандартного ввода длиннее " << kMaxInputLine
            << " байт\n";
        return false;
    }
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    *argument = line;
    return true;
}

}  // namespace

int RunDiff(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
            std::ostream& err, FileAccess& files) {
    if (arguments.size() != 2) {
        err << "kalvora-cli: diff: нужны ровно два кода или файла\n"
            << "Справка: kalvora-cli --help\n";
        return kTrouble;
    }
    std::string a = arguments[0];
    std::string b = arguments[1];
    bool stdinUsed = false;
    if (!Resolve(&a, in, &stdinUsed, err) || !Resolve(&b, in, &stdinUsed, err)) return kTrouble;

    const ArgumentComparison result = CompareArguments(a, b, files);
    if (!result.comparison) {
        std::size_t start = 0;
        while (start <= result.error.size()) {
            std::size_t end = result.error.find('\n', start);
            if (end == std::string::npos) end = result.error.size();
            err << "kalvora-cli: diff: " << EscapeLine(result.error.substr(start, end - start))
                << '\n';
            start = end + 1;
        }
        return kTrouble;
    }
    for (const std::string& line : ComparisonTsv(*result.comparison)) out << line << '\n';
    out.flush();
    if (!out) {
        err << "kalvora-cli: " << OutputFailed(errno) << '\n';
        return kTrouble;
    }
    return result.comparison->Same() ? kSame : kDifferent;
}

}  // namespace kalvora::cli
