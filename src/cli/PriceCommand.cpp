#include "cli/PriceCommand.h"

#include "cli/CommandLineStart.h"
#include "cli/JsonViews.h"
#include "cli/ScriptUi.h"

namespace kalvora::cli {

namespace {

// One field of a tab-separated line: a tab inside it is written as \t, line breaks as \r, \n.
std::string Field(const std::string& text) {
    std::string out;
    for (char c : EscapeLine(text)) {
        if (c == '\t') {
            out += "\\t";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

int RunPrice(InputList& inputs, std::ostream& out, FileAccess& files, bool json) {
    int status = 0;
    std::string argument;
    while (inputs.Next(&argument)) {
        CommandLineStart start(argument, files);
        if (json) {
            Json line = {{"input", argument}};
            if (start.Error().empty()) {
                line["code"] = start.Config().CodeFieldText();
                line["price"] = *start.Config().Total();
            } else {
                line["error"] = start.Error();
                status = 1;
            }
            out << JsonLine(line) << '\n' << std::flush;
            continue;
        }
        out << Field(argument) << '\t';
        if (start.Error().empty()) {
            out << start.Config().CodeFieldText() << '\t' << *start.Config().Total() << '\n';
        } else {
            out << "error: " << Field(start.Error()) << '\n';
            status = 1;
        }
        // A list piped in is answered line by line, not when the buffer fills.
        out.flush();
    }
    return status;
}

}  // namespace kalvora::cli
