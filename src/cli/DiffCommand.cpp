#include "cli/DiffCommand.h"

#include <optional>
#include <string>

#include "cli/CommandLine.h"
#include "cli/JsonViews.h"
#include "cli/ScriptUi.h"
#include "engine/documents/Comparison.h"

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
    int error = 0;
    const LineRead read = ReadInputLine(in, true, &line, &error);
    if (read == LineRead::TooLong || read == LineRead::Failed) {
        ReportError(err, "diff",
                    read == LineRead::TooLong ? InputLineTooLong() : InputReadFailed(error));
        return false;
    }
    *argument = line;
    return true;
}

Json Side(const ConfigurationFacts& facts, const std::string& input) {
    return {{"input", input}, {"code", facts.code}, {"price", facts.total}};
}

// A cell as its amount where it is one (540), else as the tab-separated form writes it.
Json Cell(const std::optional<Dollars>& amount, const std::string& text) {
    if (amount) return *amount;
    return text;
}

std::string ComparisonJson(const Comparison& comparison, const std::string& a,
                           const std::string& b) {
    Json differences = Json::array();
    for (const ComparisonRow& row : comparison.rows) {
        if (!row.differs) continue;
        const RowNaming named = NameOfRow(row);
        differences.push_back({{"what", named.kind},
                               {"name", named.name},
                               {"a", Cell(row.amountA, row.tsvA)},
                               {"b", Cell(row.amountB, row.tsvB)}});
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

    const SettledConfiguration sideA = SettleArgument(a, files);
    const SettledConfiguration sideB = SettleArgument(b, files);
    // Each side that cannot be settled is named, an empty line of the standard input as that.
    const struct {
        const char* side;
        const std::string& given;
        const std::string& input;
        const std::string& error;
    } sides[] = {{"A", arguments[0], a, sideA.error}, {"B", arguments[1], b, sideB.error}};
    bool trouble = false;
    for (const auto& s : sides) {
        if (s.error.empty()) continue;
        const std::string name = s.given == "-" && s.input.empty() ? "стандартный ввод" : s.input;
        ReportError(err, "diff", std::string("Вариант ") + s.side + " (" + name + "): " + s.error);
        trouble = true;
    }
    if (trouble) return kTrouble;
    const Comparison comparison = CompareFacts(*sideA.facts, *sideB.facts);
    if (json) {
        out << ComparisonJson(comparison, a, b) << '\n';
    } else {
        for (const std::string& line : ComparisonTsv(comparison)) out << line << '\n';
    }
    return Flushed(out, err, "diff") != 0 ? kTrouble : comparison.Same() ? kSame : kDifferent;
}

}  // namespace kalvora::cli
