// Commands that make one document per configuration (order, checklist, explain, picture,
// offer) share their inputs and where the documents go:
//
//   COMMAND [OPTIONS] INPUT... [--output-dir DIR] [--name PATTERN]
//
// An INPUT is a code or a .klv file; "-" stands for the lines of the standard input, one code
// or file name a line. Without --output-dir and --name the documents go to the standard output
// (several under a line "==> INPUT <==" each); with them each goes to its own file.
//
// A command whose documents are files of their own (a PNG picture, a PDF offer) takes, without
// --output-dir and --name, one input and the file to write instead:
//
//   COMMAND [OPTIONS] INPUT OUT      (OUT "-": the standard output)
#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"
#include "engine/code/ConfigFile.h"

namespace kalvora::cli {

// --output-dir DIR and --name PATTERN, for a command's option list.
std::vector<OptionRule> BatchOptionRules();

struct BatchTarget {
    std::optional<std::string> outputDir;
    std::optional<std::string> namePattern;

    bool ToFiles() const { return outputDir || namePattern; }
};

// Reads --output-dir and --name; nothing, with a Russian message, for a pattern that names no
// file (empty, with an unknown {placeholder}, ending in "/").
std::optional<BatchTarget> ReadBatchTarget(const ParsedArguments& parsed, std::string* error);

// A document command's line read: its options (with the batch options) and where the documents
// go.
struct DocumentRun {
    ParsedArguments parsed;
    BatchTarget target;
};
// Reads the command line against `optionRules` and the batch options. For a command whose
// documents are files (`oneFileUsage` not empty), a run without --output-dir and --name needs
// exactly INPUT and OUT, else `oneFileUsage` is the message. Nothing, with the usage error
// written to `err` and its status in `*status`, for a wrong command line.
std::optional<DocumentRun> ReadDocumentRun(std::string_view command,
                                           const std::vector<std::string>& args,
                                           std::vector<OptionRule> optionRules, std::ostream& err,
                                           int* status, std::string_view oneFileUsage = {});

// The inputs of a run, in order: each operand, with "-" replaced by the non-empty lines of the
// standard input (see ReadInputLine: a line ends at LF, CR LF or a lone CR). The standard input
// is read as the inputs are taken, so a long list is worked through as it comes; a line too
// long to be a code or a file name ends the list, and Failure() says why.
class InputList {
  public:
    InputList(std::vector<std::string> operands, std::istream& in);

    // A Russian message when the operands cannot be used: none given, or "-" more than once.
    std::optional<std::string> Problem() const;
    // More than one document may come: several operands, or the standard input.
    bool Many() const;
    // The next input, or false at the end (or at a line too long).
    bool Next(std::string* input);
    // Why the list ended early: a Russian message, for exit status 2.
    const std::optional<std::string>& Failure() const { return failure_; }
    // The inputs known before any is taken: every operand but "-".
    std::vector<std::string> KnownInputs() const;

  private:
    std::vector<std::string> operands_;
    std::istream& in_;
    std::size_t next_ = 0;
    bool reading_ = false;
    bool firstLine_ = true;
    std::optional<std::string> failure_;
};

// The folder-less file name of an input: "car" for "orders/car.klv", the code itself for a code.
std::string InputStem(const std::string& input);

// The file a document goes to: PATTERN (default "{name}.EXTENSION") with {n} (the input's
// number, from 1), {name} (InputStem) and {code} (the configuration's code) filled in, inside
// DIR when given.
std::string OutputPath(const BatchTarget& target, const std::string& input, std::size_t number,
                       std::string_view code, std::string_view extension);

// One document: its bytes and the configuration's code, or why it could not be made.
struct BatchDocument {
    std::string bytes;
    std::string code;
    std::string error;  // non-empty when the document could not be made
};
using MakeDocument = std::function<BatchDocument(const std::string& input)>;

struct BatchRequest {
    std::string_view command;    // for messages: "order"
    std::string_view extension;  // of the files written: "txt", "png"
    // Documents on the standard output are one line each (JSON Lines): no "==> INPUT <==".
    bool oneLineDocuments = false;
};

// Makes the document of every input and writes it where `target` says. A document that cannot
// be made or written is reported as "kalvora-cli: COMMAND: INPUT: WHY" and the run goes on.
// Two inputs that would write the same file (by any name of it) are refused rather than
// overwritten. No document replaces a file the run reads: the inputs named as operands are all
// known before the first write, those of the standard input as they come, and an input that
// names a document this run wrote is refused rather than read as a configuration. Returns 0 when
// every document was written, 1 otherwise, 2 for unusable operands or a line of the standard input
// too long.
int RunBatch(const BatchRequest& request, const BatchTarget& target, InputList& inputs,
             const MakeDocument& make, std::ostream& out, std::ostream& err, FileAccess& files);

// The run of a command whose documents are files (read with `oneFileUsage`): with --output-dir
// or --name, RunBatch; otherwise the one document of INPUT goes to OUT, written whole through a
// temporary file (or to the standard output for "-"), never over INPUT itself. 0 when written,
// 1 otherwise.
int RunFileDocuments(const BatchRequest& request, const DocumentRun& run, std::istream& in,
                     const MakeDocument& make, std::ostream& out, std::ostream& err,
                     FileAccess& files);

}  // namespace kalvora::cli
