// The documents of kalvora-cli's order and checklist commands and the document views of script
// mode, on a configuration that the caller has already set up.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/documents/OrderDocument.h"
#include "engine/model/Configuration.h"
#include "engine/model/UiPort.h"

namespace kalvora {

struct OrderRequest {
    OrderVariant variant = OrderVariant::Verbal;
    bool prices = true;
    bool indent = false;
};

// Sets the four boxes of `order` as the request asks, each change acting as a click, and builds
// the text once more so that it is current even when no box changed.
void ApplyOrderRequest(const OrderRequest& request, OrderDocument& order);

// The order text of `config` as the request asks, one paragraph a line; indented, an empty line
// stays empty rather than holding the indent alone.
void WriteOrder(const OrderRequest& request, const Configuration& config, UiPort& ui,
                std::ostream& out);
// The check list of `config`, one line each.
void WriteCheckList(const Configuration& config, UiPort& ui, std::ostream& out);

// Script mode: `print order` (the order window's text as it stands) and `print checklist`
// (composed now), one paragraph a line, then a line ".".
void PrintOrderView(const OrderDocument& order, std::ostream& out);
void PrintCheckListView(const Configuration& config, UiPort& ui, std::ostream& out);

}  // namespace kalvora
