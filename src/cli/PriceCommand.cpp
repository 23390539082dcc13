#include "cli/PriceCommand.h"

#include "cli/CommandLineStart.h"
#include "cli/ScriptUi.h"

namespace kalvora::cli {

int RunPrice(const std::vector<std::string>& arguments, std::ostream& out, FileAccess& files) {
    int status = 0;
    for (const std::string& argument : arguments) {
        CommandLineStart start(argument, files);
        out << EscapeLine(argument) << '\t';
        if (start.Error().empty()) {
            out << start.Config().Edit1() << '\t' << start.Config().CurrentPrice() << '\n';
        } else {
            out << "error: " << EscapeLine(start.Error()) << '\n';
            status = 1;
        }
    }
    return status;
}

}  // namespace kalvora::cli
