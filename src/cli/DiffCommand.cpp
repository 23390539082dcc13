#include "cli/DiffCommand.h"

#include "cli/CommandLine.h"
#include "cli/JsonViews.h"
#include "cli/ScriptUi.h"
#include "documents/Comparison.h"

namespace kalvora::cli {

namespace {

constexpr int kSame = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

// "-" stands for the first line of the standard input, read once.
bool Resolve(std::string* argument, std::istream& in, bool* stdinUsed, std::ostream& err) {
    if (*argument != "-") return true;
    if (*stdinUsed) {
        err << "kalvora-cli: diff: стандартный ввод («-») можно указать только один раз\n";
        return false;
    }
    *stdinUsed = true;
    std::string line;
    if (ReadInputLine(in, true, &line) == LineRead::TooLong) {
        ReportError(err, "diff", InputLineTooLong());
        return false;
    }
    *argument = line;
    return true;
}

Json Side(const ConfigurationFacts& facts, const std::string& input) {
    return {{"input", input}, {"code", facts.code}, {"price", facts.total}};
}

// A cell of the tab-separated form as a figure where it is one ("540"), else as it stands.
Json Cell(const std::string& text) {
    if (!text.empty() && text.find_first_not_of("-0123456789") == std::string::npos &&
        text != "-" && text.size() < 12) {
        return std::stoll(text);
    }
    return text;
}

std::string ComparisonJson(const Comparison& comparison, const std::string& a,
                           const std::string& b) {
    Json differences = Json::array();
    for (const ComparisonRow& row : comparison.rows) {
        if (!row.differs) continue;
        std::string kind = row.key;
        std::string name = row.label;
        if (row.section != ComparisonSection::Choices) {
            kind = row.section == ComparisonSection::Standard ? "standard" : "option";
            name = row.key;
        }
        differences.push_back(
            {{"what", kind}, {"name", name}, {"a", Cell(row.tsvA)}, {"b", Cell(row.tsvB)}});
    }
    return JsonLine({{"a", Side(comparison.a, a)},
                     {"b", Side(comparison.b, b)},
                     {"same", comparison.Same()},
                     {"differences", differences},
                     {"total",
                      {{"a", comparison.a.total},
                       {"b", comparison.b.total},
                       {"difference", comparison.Difference()}}}});
}

}  // namespace

int RunDiff(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
            std::ostream& err, FileAccess& files, bool json) {
    if (arguments.size() != 2) {
        return UsageError(err, "diff", "нужны ровно два кода или файла");
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
    if (json) {
        out << ComparisonJson(*result.comparison, a, b) << '\n';
    } else {
        for (const std::string& line : ComparisonTsv(*result.comparison)) out << line << '\n';
    }
    return Flushed(out, err, "diff") != 0 ? kTrouble
           : result.comparison->Same()    ? kSame
                                          : kDifferent;
}

}  // namespace kalvora::cli
