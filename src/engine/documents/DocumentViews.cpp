#include "engine/documents/DocumentViews.h"

#include "engine/documents/CheckList.h"

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

void ApplyOrderRequest(const OrderRequest& request, OrderDocument& order) {
    const bool verbal = request.variant != OrderVariant::Code;
    const bool coded = request.variant != OrderVariant::Verbal;
    // Tick before untick, so that the variant rule never has to tick a box back.
    if (coded) order.SetCoded(true);
    if (verbal) order.SetVerbal(true);
    if (!coded) order.SetCoded(false);
    if (!verbal) order.SetVerbal(false);
    order.SetWithPrices(request.prices);
    order.SetIndented(request.indent);
    order.OnVerbalToggled();
}

void WriteOrder(const OrderRequest& request, const Configuration& config, UiPort& ui,
                std::ostream& out) {
    OrderDocument order(config, ui);
    ApplyOrderRequest(request, order);
    if (!request.indent) return WriteLines(order.Lines(), out);
    // The indent goes before text only: an empty line stays empty, with no blanks trailing.
    for (const std::string& line : order.Lines()) {
        if (line.find_first_not_of(' ') != std::string::npos) out << line;
        out << '\n';
    }
}

void WriteCheckList(const Configuration& config, UiPort& ui, std::ostream& out) {
    WriteLines(CheckList::Compose(config, ui), out);
}

void PrintOrderView(const OrderDocument& order, std::ostream& out) {
    WriteEscapedLines(order.Lines(), out);
    out << ".\n";
}

void PrintCheckListView(const Configuration& config, UiPort& ui, std::ostream& out) {
    WriteEscapedLines(CheckList::Compose(config, ui), out);
    out << ".\n";
}

}  // namespace kalvora
