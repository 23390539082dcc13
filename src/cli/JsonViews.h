// kalvora-cli's machine-readable output (--json): each object on one line, so that a run over
// many inputs is JSON Lines. The fields are described in the manual page.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "engine/history/ActionHistory.h"
#include "engine/model/Configuration.h"

namespace kalvora::cli {

using Json = nlohmann::ordered_json;

// The object on one line, without a line feed. Bytes that are not UTF-8 (a file name from an
// old system) are replaced, never a reason to fail.
std::string JsonLine(const Json& object);

// `explain --json`: {"input", "code", "price", "options": [{"id", "caption", "state", "price",
// "reason"}, ...]}, the options in the order of the text form.
std::string ExplanationJson(const std::string& input, const Configuration& config,
                            const ActionHistory& history);

}  // namespace kalvora::cli
