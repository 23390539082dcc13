#include "cli/CliMain.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

#include "KalvoraVersion.h"
#include "cli/BatchRun.h"
#include "cli/CommandLine.h"
#include "cli/CommandLineStart.h"
#include "cli/CreditCommand.h"
#include "cli/DiffCommand.h"
#include "cli/DocumentRuns.h"
#include "cli/ListCommand.h"
#include "cli/PriceCommand.h"
#include "cli/ScriptSession.h"
#include "engine/code/DiskFileAccess.h"
#include "engine/files/DiskFiles.h"
#include "engine/files/FileErrors.h"

namespace kalvora::cli {

namespace {

using Arguments = std::vector<std::string>;

// Scenario files are written by hand or by a script; one far larger is a mistake.
constexpr std::size_t kMaxScenarioFile = 256 * 1024 * 1024;

int Script(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto parsed = ParseArguments(args, {{"--strict"}}, &error);
    if (!parsed) return UsageError(err, "script", error);
    if (parsed->operands.size() > 1) {
        return UsageError(err, "script", "принимает не больше одного файла");
    }
    ScriptOptions options;
    options.strict = parsed->Has("--strict");
    DiskFileAccess files;
    if (parsed->operands.empty() || parsed->operands[0] == "-") {
        return RunScript(in, out, err, files, options);
    }
    const std::string& path = parsed->operands[0];
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        ReportError(err, "script", OpenFailedMessage(path, SystemReason(EISDIR)));
        return kUsageError;
    }
    // A scenario is a regular file: a pipe is given as the standard input ("-").
    std::string scenario;
    if (const FileResult read = ReadRegularFile(path, kMaxScenarioFile, &scenario); !read) {
        ReportError(err, "script", OpenFailedMessage(path, read.reason));
        return kUsageError;
    }
    std::istringstream file(std::move(scenario));
    return RunScript(file, out, err, files, options);
}

int Price(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto parsed = ParseArguments(args, {{"--json"}}, &error);
    if (!parsed) return UsageError(err, "price", error);
    InputList inputs(parsed->operands, in);
    if (const auto problem = inputs.Problem()) return UsageError(err, "price", *problem);
    ArgumentFiles files;
    int status = RunPrice(inputs, out, files, parsed->Has("--json"));
    if (const auto& failure = inputs.Failure()) {
        out.flush();
        ReportError(err, "price", *failure);
        status = kUsageError;
    }
    return Flushed(out, err, "price", status);
}

int Diff(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto parsed = ParseArguments(args, {{"--json"}}, &error);
    if (!parsed) return UsageError(err, "diff", error);
    ArgumentFiles files;
    return RunDiff(parsed->operands, in, out, err, files, parsed->Has("--json"));
}

int Picture(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);
int Offer(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

int Help(const Arguments& args, std::istream&, std::ostream& out, std::ostream& err) {
    // "help --help" asks for the help on help: the whole usage text, as "help" alone.
    if (args.empty() || (args.size() == 1 && (args[0] == "--help" || args[0] == "-h"))) {
        out << FullHelp();
    } else {
        const std::string help = CommandHelp(args[0]);
        if (args.size() > 1 || help.empty()) {
            return UsageError(err, "help", "нет такой команды: «" + args[0] + "»");
        }
        out << help;
    }
    return Flushed(out, err, "help");
}

struct Command {
    const char* name;
    int (*run)(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);
};

const Command kCommands[] = {
    {"script", Script},
    {"price", Price},
    {"order", RunOrderCommand},
    {"checklist", RunCheckListCommand},
    {"explain", RunExplainCommand},
    {"picture", Picture},
    {"offer", Offer},
    {"diff", Diff},
    {"credit", RunCreditCli},
    {"list", RunListCommand},
    {"help", Help},
};

PictureCommand& PictureCommandSlot() {
    static PictureCommand command = nullptr;
    return command;
}

int Picture(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!PictureCommandSlot()) {
        ReportError(err, "picture", "эта сборка программы не рисует картинок");
        return 1;
    }
    return PictureCommandSlot()(args, in, out, err);
}

PictureCommand& OfferCommandSlot() {
    static PictureCommand command = nullptr;
    return command;
}

int Offer(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!OfferCommandSlot()) {
        ReportError(err, "offer", "эта сборка программы не печатает предложений");
        return 1;
    }
    return OfferCommandSlot()(args, in, out, err);
}

}  // namespace

void SetPictureCommand(PictureCommand command) {
    PictureCommandSlot() = command;
}

void SetOfferCommand(PictureCommand command) {
    OfferCommandSlot() = command;
}

int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err) {
    if (arguments.empty()) {
        err << FullHelp();
        return kUsageError;
    }
    const std::string& word = arguments.front();
    if (word == "--help" || word == "-h") {
        out << FullHelp();
        return Flushed(out, err, "");
    }
    if (word == "--version" || word == "-V") {
        out << "kalvora-cli " << KALVORA_VERSION << '\n';
        return Flushed(out, err, "");
    }
    const Arguments rest(arguments.begin() + 1, arguments.end());
    for (const Command& command : kCommands) {
        if (word != command.name) continue;
        if (word != "help" && AsksForHelp(rest)) {
            out << CommandHelp(word);
            return Flushed(out, err, word);
        }
        return command.run(rest, in, out, err);
    }
    if (word.size() > 1 && word[0] == '-') return UsageError(err, "", "неизвестный ключ " + word);
    return UsageError(err, "", "неизвестная команда «" + word + "»");
}

}  // namespace kalvora::cli
