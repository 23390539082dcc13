// The document sub-commands of kalvora-cli and the document views of script mode, on a
// configuration that the caller has already set up (start code run on CODE_OR_FILE).
//
//   kalvora-cli order [--code|--combined] [--no-prices] [--indent] CODE_OR_FILE
//   kalvora-cli checklist CODE_OR_FILE
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "documents/OrderDocument.h"
#include "model/Configuration.h"
#include "model/UiPort.h"

namespace kalvora {

struct OrderRequest {
    OrderVariant variant = OrderVariant::Verbal;
    bool prices = true;   // CBox
    bool indent = false;  // OtstupBox
    std::string source;   // CODE_OR_FILE
};

// Reads the arguments after "order". Returns nothing and a Russian message in `error` for an
// unknown option, a missing or second CODE_OR_FILE, or both --code and --combined.
std::optional<OrderRequest> ParseOrderArguments(const std::vector<std::string>& args,
                                                std::string* error);
// Reads the arguments after "checklist": exactly one CODE_OR_FILE.
std::optional<std::string> ParseCheckListArguments(const std::vector<std::string>& args,
                                                   std::string* error);

// Sets the four boxes of `order` as the request asks, each change acting as a click, and builds
// the text once more so that it is current even when no box changed.
void ApplyOrderRequest(const OrderRequest& request, OrderDocument& order);

// The order text of `config` as the request asks, one paragraph a line.
void WriteOrder(const OrderRequest& request, const Configuration& config, UiPort& ui,
                std::ostream& out);
// The check list of `config`, one line each.
void WriteCheckList(const Configuration& config, UiPort& ui, std::ostream& out);

// Script mode: `print order` (the order window's text as it stands) and `print checklist`
// (composed now), one paragraph a line, then a line ".".
void PrintOrderView(const OrderDocument& order, std::ostream& out);
void PrintCheckListView(const Configuration& config, UiPort& ui, std::ostream& out);

}  // namespace kalvora
