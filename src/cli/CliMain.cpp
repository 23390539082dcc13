#include "cli/CliMain.h"
#include "cli/CliHelp.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <sstream>

#include "KalvoraVersion.h"
#include "cli/ChangeViews.h"
#include "cli/CommandLineStart.h"
#include "cli/CreditCommand.h"
#include "cli/DiffCommand.h"
#include "cli/PriceCommand.h"
#include "cli/ScriptSession.h"
#include "cli/ScriptUi.h"
#include "documents/DocumentCommands.h"
#include "pricing/DiskFileAccess.h"
#include "pricing/DiskFiles.h"
#include "pricing/FileErrors.h"

namespace kalvora::cli {

namespace {

constexpr int kUsageError = 2;
// Scenario files are written by hand or by a script; one far larger is a mistake.
constexpr std::size_t kMaxScenarioFile = 256 * 1024 * 1024;

int UsageError(std::ostream& err, const std::string& why) {
    err << "kalvora-cli: " << why << "\n"
        << "Справка: kalvora-cli --help\n";
    return kUsageError;
}

int Script(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err) {
    if (arguments.size() > 2) return UsageError(err, "script принимает не больше одного файла");
    DiskFileAccess files;
    if (arguments.size() < 2 || arguments[1] == "-") return RunScript(in, out, err, files);
    // A scenario is a regular file: a pipe is given as the standard input ("-").
    std::string scenario;
    if (const FileResult read = ReadRegularFile(arguments[1], kMaxScenarioFile, &scenario); !read) {
        err << "kalvora-cli: " << OpenFailedMessage(arguments[1], read.reason) << '\n';
        return kUsageError;
    }
    std::istringstream file(std::move(scenario));
    return RunScript(file, out, err, files);
}

// 0, or 1 when the output could not be written.
int Flushed(std::ostream& out, std::ostream& err, int status = 0) {
    out.flush();
    if (!out) {
        err << "kalvora-cli: " << OutputFailed(errno) << '\n';
        return 1;
    }
    return status;
}

int Price(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() < 2) return UsageError(err, "price: не задан ни один код или файл");
    DiskFileAccess files;
    const std::vector<std::string> codes(arguments.begin() + 1, arguments.end());
    return Flushed(out, err, RunPrice(codes, out, files));
}

// The order text or the check list of one configuration.
int Document(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    std::string error;
    std::optional<OrderRequest> order;
    std::optional<std::string> source;
    if (arguments.front() == "order") {
        order = ParseOrderArguments(rest, &error);
        if (order) source = order->source;
    } else {
        source = ParseCheckListArguments(rest, &error);
    }
    if (!source) return UsageError(err, error);
    DiskFileAccess files;
    CommandLineStart start(*source, files);
    if (!start.Error().empty()) {
        err << "kalvora-cli: " << *source << ": " << EscapeLine(start.Error()) << '\n';
        return 1;
    }
    if (order) {
        WriteOrder(*order, start.Config(), start, out);
    } else {
        WriteCheckList(start.Config(), start, out);
    }
    return Flushed(out, err);
}

PictureCommand& PictureCommandSlot() {
    static PictureCommand command = nullptr;
    return command;
}

PictureCommand& OfferCommandSlot() {
    static PictureCommand command = nullptr;
    return command;
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
        err << kCliHelp;
        return kUsageError;
    }
    const std::string& command = arguments.front();
    // No code or scenario name begins with a dash, so help is recognised anywhere.
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << kCliHelp;
            return Flushed(out, err);
        }
    }
    if (command == "--version") {
        out << "kalvora-cli " << KALVORA_VERSION << '\n';
        return Flushed(out, err);
    }
    if (command == "script") return Script(arguments, in, out, err);
    if (command == "price") return Price(arguments, out, err);
    if (command == "order" || command == "checklist") return Document(arguments, out, err);
    if (command == "diff") {
        DiskFileAccess files;
        return RunDiff({arguments.begin() + 1, arguments.end()}, in, out, err, files);
    }
    if (command == "explain") return RunExplain(arguments, out, err);
    if (command == "credit") {
        const int status = RunCreditCommand({arguments.begin() + 1, arguments.end()}, out, err);
        return Flushed(out, err, status);
    }
    if (command == "picture" || command == "offer") {
        const PictureCommand run = command == "offer" ? OfferCommandSlot() : PictureCommandSlot();
        if (!run) {
            err << "kalvora-cli: эта сборка программы не рисует картинок\n";
            return 1;
        }
        return run({arguments.begin() + 1, arguments.end()}, out, err);
    }
    return UsageError(err, "неизвестная команда «" + command + "»");
}

}  // namespace kalvora::cli
