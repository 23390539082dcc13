#include "documents/DocumentCommands.h"

#include "documents/CheckList.h"

namespace kalvora {

namespace {
void WriteLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) out << line << '\n';
}

// A view of script mode keeps one paragraph a line, whatever a code or clock text holds: a
// carriage return and a line feed inside a paragraph are written as \r and \n.
void WriteEscapedLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) {
        for (char c : line) {
            if (c == '\r') {
                out << "\\r";
            } else if (c == '\n') {
                out << "\\n";
            } else {
                out << c;
            }
        }
        out << '\n';
    }
}
}  // namespace

std::optional<OrderRequest> ParseOrderArguments(const std::vector<std::string>& args,
                                                std::string* error) {
    OrderRequest request;
    bool variantGiven = false;
    bool sourceGiven = false;
    for (const std::string& arg : args) {
        if (arg == "--code" || arg == "--combined") {
            if (variantGiven) {
                *error = "Можно указать только один из ключей --code и --combined.";
                return std::nullopt;
            }
            variantGiven = true;
            request.variant = arg == "--code" ? OrderVariant::Code : OrderVariant::Combined;
        } else if (arg == "--no-prices") {
            request.prices = false;
        } else if (arg == "--indent") {
            request.indent = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            *error = "Неизвестный ключ: " + arg;
            return std::nullopt;
        } else {
            if (sourceGiven) {
                *error = "Укажите один код конфигурации или один файл.";
                return std::nullopt;
            }
            sourceGiven = true;
            request.source = arg;
        }
    }
    if (!sourceGiven) {
        *error = "Не указан код конфигурации или файл.";
        return std::nullopt;
    }
    return request;
}

std::optional<std::string> ParseCheckListArguments(const std::vector<std::string>& args,
                                                   std::string* error) {
    if (args.size() != 1) {
        *error = args.empty() ? "Не указан код конфигурации или файл."
                              : "Укажите один код конфигурации или один файл.";
        return std::nullopt;
    }
    return args[0];
}

void ApplyOrderRequest(const OrderRequest& request, OrderDocument& order) {
    const bool slovo = request.variant != OrderVariant::Code;
    const bool kod = request.variant != OrderVariant::Verbal;
    // Tick before untick, so that the variant rule never has to tick a box back.
    if (kod) order.SetKodBox(true);
    if (slovo) order.SetSlovoBox(true);
    if (!kod) order.SetKodBox(false);
    if (!slovo) order.SetSlovoBox(false);
    order.SetCBox(request.prices);
    order.SetOtstupBox(request.indent);
    order.SlovoBoxClick();
}

void WriteOrder(const OrderRequest& request, const Configuration& config, UiPort& ui,
                std::ostream& out) {
    OrderDocument order(config, ui);
    ApplyOrderRequest(request, order);
    WriteLines(order.Memo1(), out);
}

void WriteCheckList(const Configuration& config, UiPort& ui, std::ostream& out) {
    WriteLines(CheckList::Compose(config, ui), out);
}

void PrintOrderView(const OrderDocument& order, std::ostream& out) {
    WriteEscapedLines(order.Memo1(), out);
    out << ".\n";
}

void PrintCheckListView(const Configuration& config, UiPort& ui, std::ostream& out) {
    WriteEscapedLines(CheckList::Compose(config, ui), out);
    out << ".\n";
}

}  // namespace kalvora
