#include "cli/DocumentRuns.h"

#include <cstdlib>
#include <optional>
#include <sstream>

#include "cli/BatchRun.h"
#include "cli/ChangeViews.h"
#include "cli/CommandLineStart.h"
#include "cli/JsonViews.h"
#include "engine/documents/DocumentViews.h"
#include "engine/code/DiskFileAccess.h"

namespace kalvora::cli {

namespace {

using Arguments = std::vector<std::string>;

// The date documents are stamped with: --date, else SOURCE_DATE_EPOCH, else the clock.
bool ReadClock(std::string_view command, const ParsedArguments& parsed,
               std::optional<DocumentClock>* clock, std::ostream& err, int* status) {
    std::string error;
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    *clock = ChooseClock(parsed.Value("--date"), epoch, &error);
    if (!error.empty()) {
        *status = UsageError(err, command, error);
        return false;
    }
    return true;
}

// A configuration started from one input, or the reason it could not be, for a document.
template <typename Write>
BatchDocument Started(const std::string& input, FileAccess& files,
                      const std::optional<DocumentClock>& clock, const Write& write) {
    CommandLineStart start(input, files, clock);
    BatchDocument document;
    if (!start.Error().empty()) {
        document.error = start.Error();
        return document;
    }
    std::ostringstream text;
    write(start, text);
    document.bytes = text.str();
    document.code = start.Config().CodeFieldText();
    return document;
}

}  // namespace

int RunOrderCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
    int status = 0;
    const auto run = ReadDocumentRun(
        "order", args,
        {{"--code"}, {"--combined"}, {"--no-prices"}, {"--indent"}, {"--date", true}}, err,
        &status);
    if (!run) return status;
    const ParsedArguments& parsed = run->parsed;
    if (parsed.Has("--code") && parsed.Has("--combined")) {
        return UsageError(err, "order", "можно указать только один из ключей --code и --combined");
    }
    std::optional<DocumentClock> clock;
    if (!ReadClock("order", parsed, &clock, err, &status)) return status;
    OrderRequest request;
    if (parsed.Has("--code")) request.variant = OrderVariant::Code;
    if (parsed.Has("--combined")) request.variant = OrderVariant::Combined;
    request.prices = !parsed.Has("--no-prices");
    request.indent = parsed.Has("--indent");

    ArgumentFiles files;
    InputList inputs(parsed.operands, in);
    return RunBatch(
        {"order", "txt"}, run->target, inputs,
        [&](const std::string& input) {
            return Started(input, files, clock, [&](CommandLineStart& start, std::ostream& text) {
                WriteOrder(request, start.Config(), start, text);
            });
        },
        out, err, files);
}

int RunCheckListCommand(const Arguments& args, std::istream& in, std::ostream& out,
                        std::ostream& err) {
    int status = 0;
    const auto run = ReadDocumentRun("checklist", args, {{"--date", true}}, err, &status);
    if (!run) return status;
    std::optional<DocumentClock> clock;
    if (!ReadClock("checklist", run->parsed, &clock, err, &status)) return status;
    ArgumentFiles files;
    InputList inputs(run->parsed.operands, in);
    return RunBatch(
        {"checklist", "txt"}, run->target, inputs,
        [&](const std::string& input) {
            return Started(input, files, clock, [&](CommandLineStart& start, std::ostream& text) {
                WriteCheckList(start.Config(), start, text);
            });
        },
        out, err, files);
}

int RunExplainCommand(const Arguments& args, std::istream& in, std::ostream& out,
                      std::ostream& err) {
    int status = 0;
    const auto run = ReadDocumentRun("explain", args, {{"--json"}}, err, &status);
    if (!run) return status;
    const bool json = run->parsed.Has("--json");
    ArgumentFiles files;
    InputList inputs(run->parsed.operands, in);
    BatchRequest request{"explain", json ? "json" : "tsv", json};
    return RunBatch(
        request, run->target, inputs,
        [&](const std::string& input) {
            return Started(input, files, std::nullopt,
                           [&](CommandLineStart& start, std::ostream& text) {
                               const ActionHistory history(start.Config());
                               if (json) {
                                   text << ExplanationJson(input, start.Config(), history) << '\n';
                               } else {
                                   WriteExplanation(start.Config(), history, text);
                               }
                           });
        },
        out, err, files);
}

}  // namespace kalvora::cli
