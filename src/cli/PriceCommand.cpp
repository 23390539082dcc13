#include "cli/PriceCommand.h"

#include "cli/CommandLineStart.h"
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

int RunPrice(const std::vector<std::string>& arguments, std::ostream& out, FileAccess& files) {
    int status = 0;
    for (const std::string& argument : arguments) {
        CommandLineStart start(argument, files);
        out << Field(argument) << '\t';
        if (start.Error().empty()) {
            out << start.Config().Edit1() << '\t' << start.Config().CurrentPrice() << '\n';
        } else {
            out << "error: " << Field(start.Error()) << '\n';
            status = 1;
        }
    }
    return status;
}

}  // namespace kalvora::cli
