#include "cli/BatchRun.h"

#include <sys/stat.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <utility>

#include "cli/ScriptUi.h"
#include "engine/code/DiskFileAccess.h"
#include "engine/files/DiskFiles.h"
#include "engine/files/FileErrors.h"

namespace kalvora::cli {

namespace {

constexpr std::string_view kPlaceholders[] = {"{n}", "{name}", "{code}"};

bool EndsWithKlv(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".klv";
}

void ReplaceAll(std::string* text, std::string_view what, std::string_view by) {
    for (std::size_t at = text->find(what); at != std::string::npos;
         at = text->find(what, at + by.size())) {
        text->replace(at, what.size(), by);
    }
}

// The folder is made when missing, as "mkdir -p" would; one that cannot be made is said so
// once, with the system's reason (false), and nothing is written.
bool MakeOutputDir(std::string_view command, const std::string& dir, std::ostream& err) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    std::error_code ignored;
    if (error && !std::filesystem::is_directory(dir, ignored)) {
        ReportError(err, command,
                    "не удалось создать папку «" + dir + "»: " + SystemReason(error.value()));
        return false;
    }
    return true;
}

// Whether something, a file or not, is there under the name.
bool IsEntry(const std::string& name) {
    struct stat entry;
    return name.find('\0') == std::string::npos && ::lstat(name.c_str(), &entry) == 0;
}

// The files a run reads and those it has written, each looked up in one step: a document never
// replaces a configuration the run reads, now or later, and no input is a document. An input
// with nothing behind its name (a code) is kept by its name only: it is no file the run reads,
// and no document either.
struct RunFiles {
    FileSet readFiles;
    bool anyReadFile = false;
    std::set<std::string> readNames;
    FileSet written;

    void NoteInput(const std::string& input, bool entry) {
        readNames.insert(input);
        if (!entry) return;
        readFiles.Insert(input);
        anyReadFile = true;
    }
};

// Saves the document of `input` to `path`, unless the file is one the run reads, a .klv file
// or one it has written already; false, said on `err`, when it is not saved.
bool SaveDocument(std::string_view command, RunFiles& run, const std::string& input,
                  const std::string& path, const BatchDocument& document, std::ostream& err,
                  FileAccess& files) {
    std::string error;
    if (run.readNames.count(path) != 0 || (run.anyReadFile && run.readFiles.Contains(path))) {
        ReportError(err, command,
                    input + ": " + SaveFailedMessage(path, "это входной файл команды"));
        return false;
    }
    if (EndsWithKlv(path)) {
        // A later line of the standard input may name it as a configuration to read; a
        // document has no business in a .klv file anyway.
        ReportError(err, command,
                    input + ": " + SaveFailedMessage(path, "документ не пишется в файл .klv"));
        return false;
    }
    if (!run.written.Insert(path)) {
        ReportError(err, command,
                    input + ": файл «" + path + "» уже записан в этом запуске для другого входа");
        return false;
    }
    if (!files.WriteFile(path, document.bytes, &error)) {
        ReportError(err, command, input + ": " + SaveFailedMessage(path, error));
        return false;
    }
    return true;
}

// Flushes the files written to disk, the work put off while the run wrote them; false, said on
// `err`, when that fails.
bool FinishDeferredWork(DiskFileAccess& disk, std::string_view command, std::ostream& err) {
    std::string error;
    const bool finished = disk.FinishDeferred(&error);
    if (!finished) ReportError(err, command, "файлы не удалось сбросить на диск: " + error);
    disk.DeferFolderWork(false);
    return finished;
}

}  // namespace

std::vector<OptionRule> BatchOptionRules() {
    return {{"--output-dir", true}, {"--name", true}};
}

std::optional<BatchTarget> ReadBatchTarget(const ParsedArguments& parsed, std::string* error) {
    BatchTarget target;
    target.outputDir = parsed.Value("--output-dir");
    target.namePattern = parsed.Value("--name");
    if (target.outputDir && target.outputDir->empty()) {
        *error = "--output-dir: не указана папка";
        return std::nullopt;
    }
    if (target.namePattern) {
        std::string rest = *target.namePattern;
        for (const std::string_view placeholder : kPlaceholders) ReplaceAll(&rest, placeholder, "");
        if (target.namePattern->empty() || target.namePattern->back() == '/' ||
            rest.find_first_of("{}") != std::string::npos) {
            *error = "--name: шаблон «" + *target.namePattern +
                     "» не годится: нужно имя файла, в котором могут стоять {n}, {name} и {code}";
            return std::nullopt;
        }
    }
    return target;
}

std::optional<DocumentRun> ReadDocumentRun(std::string_view command,
                                           const std::vector<std::string>& args,
                                           std::vector<OptionRule> optionRules, std::ostream& err,
                                           int* status, std::string_view oneFileUsage) {
    for (const OptionRule& optionRule : BatchOptionRules()) optionRules.push_back(optionRule);
    std::string error;
    auto parsed = ParseArguments(args, optionRules, &error);
    std::optional<BatchTarget> target;
    if (parsed) target = ReadBatchTarget(*parsed, &error);
    if (parsed && target && !oneFileUsage.empty() && !target->ToFiles() &&
        parsed->operands.size() != 2) {
        error = oneFileUsage;
        target.reset();
    }
    if (!parsed || !target) {
        *status = UsageError(err, command, error);
        return std::nullopt;
    }
    return DocumentRun{std::move(*parsed), *target};
}

InputList::InputList(std::vector<std::string> operands, std::istream& in)
    : operands_(std::move(operands)), in_(in) {}

std::optional<std::string> InputList::Problem() const {
    if (operands_.empty()) return "не задан ни один код или файл";
    std::size_t dashes = 0;
    for (const std::string& operand : operands_) dashes += operand == "-" ? 1 : 0;
    if (dashes > 1) return "стандартный ввод («-») можно указать только один раз";
    return std::nullopt;
}

bool InputList::Many() const {
    return operands_.size() > 1 || (operands_.size() == 1 && operands_[0] == "-");
}

bool InputList::Next(std::string* input) {
    while (true) {
        if (failure_) return false;
        if (reading_) {
            std::string line;
            int error = 0;
            const LineRead read = ReadInputLine(in_, firstLine_, &line, &error);
            firstLine_ = false;
            if (read == LineRead::TooLong) {
                failure_ = InputLineTooLong();
                return false;
            }
            if (read == LineRead::Failed) {
                failure_ = InputReadFailed(error);
                return false;
            }
            if (read == LineRead::Line) {
                if (line.empty()) continue;
                *input = std::move(line);
                return true;
            }
            reading_ = false;
        }
        if (next_ >= operands_.size()) return false;
        const std::string& operand = operands_[next_++];
        if (operand == "-") {
            reading_ = true;
            continue;
        }
        *input = operand;
        return true;
    }
}

std::vector<std::string> InputList::KnownInputs() const {
    std::vector<std::string> known;
    for (const std::string& operand : operands_) {
        if (operand != "-") known.push_back(operand);
    }
    return known;
}

std::string InputStem(const std::string& input) {
    std::string name =
        input.substr(input.rfind('/') == std::string::npos ? 0 : input.rfind('/') + 1);
    if (EndsWithKlv(name) && name.size() > 4) name.resize(name.size() - 4);
    return name;
}

std::string OutputPath(const BatchTarget& target, const std::string& input, std::size_t number,
                       std::string_view code, std::string_view extension) {
    std::string name = target.namePattern.value_or("{name}." + std::string(extension));
    ReplaceAll(&name, "{n}", std::to_string(number));
    ReplaceAll(&name, "{name}", InputStem(input));
    ReplaceAll(&name, "{code}", code);
    if (!target.outputDir) return name;
    std::string path = *target.outputDir;
    if (path.back() != '/') path += '/';
    return path + name;
}

int RunBatch(const BatchRequest& request, const BatchTarget& target, InputList& inputs,
             const MakeDocument& make, std::ostream& out, std::ostream& err, FileAccess& files) {
    if (const auto problem = inputs.Problem()) {
        return UsageError(err, request.command, *problem);
    }
    if (target.outputDir && !MakeOutputDir(request.command, *target.outputDir, err)) return 1;
    // Thousands of files are flushed to disk once at the end, not one by one.
    auto* disk = dynamic_cast<DiskFileAccess*>(&files);
    if (disk && target.ToFiles()) disk->DeferFolderWork(true);
    const bool headers = inputs.Many() && !request.oneLineDocuments;
    RunFiles runFiles;
    if (target.ToFiles()) {
        for (const std::string& known : inputs.KnownInputs()) {
            runFiles.NoteInput(known, IsEntry(known));
        }
    }
    std::size_t number = 0;
    int status = 0;
    std::string input;
    while (inputs.Next(&input)) {
        ++number;
        if (target.ToFiles()) {
            const bool entry = IsEntry(input);
            if (entry && runFiles.written.Contains(input)) {
                ReportError(
                    err, request.command,
                    input + ": " + OpenFailedMessage(input, "это выходной файл этого запуска"));
                status = 1;
                continue;
            }
            runFiles.NoteInput(input, entry);
        }
        const BatchDocument document = make(input);
        if (!document.error.empty()) {
            ReportError(err, request.command, input + ": " + document.error);
            status = 1;
            continue;
        }
        if (!target.ToFiles()) {
            if (headers) out << (number > 1 ? "\n" : "") << "==> " << EscapeLine(input) << " <==\n";
            out << document.bytes;
            // Whoever reads a pipe sees each document as soon as it is made.
            out.flush();
            continue;
        }
        const std::string path =
            OutputPath(target, input, number, document.code, request.extension);
        if (!SaveDocument(request.command, runFiles, input, path, document, err, files)) {
            status = 1;
        }
    }
    if (const auto& failure = inputs.Failure()) {
        ReportError(err, request.command, *failure);
        status = kUsageError;
    }
    if (disk && target.ToFiles() && !FinishDeferredWork(*disk, request.command, err)) status = 1;
    return Flushed(out, err, request.command, status);
}

int RunFileDocuments(const BatchRequest& request, const DocumentRun& run, std::istream& in,
                     const MakeDocument& make, std::ostream& out, std::ostream& err,
                     FileAccess& files) {
    const std::vector<std::string>& operands = run.parsed.operands;
    if (run.target.ToFiles()) {
        InputList inputs(operands, in);
        return RunBatch(request, run.target, inputs, make, out, err, files);
    }
    const std::string& input = operands[0];
    const std::string& output = operands[1];
    if (IsSameFile(input, output)) {
        ReportError(err, request.command, SaveFailedMessage(output, "это входной файл команды"));
        return 1;
    }
    const BatchDocument document = make(input);
    if (!document.error.empty()) {
        ReportError(err, request.command, input + ": " + document.error);
        return 1;
    }
    if (output == "-") {
        out.write(document.bytes.data(), static_cast<std::streamsize>(document.bytes.size()));
        return Flushed(out, err, request.command, 0);
    }
    std::string error;
    if (!files.WriteFile(output, document.bytes, &error)) {
        ReportError(err, request.command, SaveFailedMessage(output, error));
        return 1;
    }
    return 0;
}

}  // namespace kalvora::cli
