// The state dump of script mode ("print state"): every control a rule reads or writes, one
// item a line, then a line ".".
#pragma once

#include <ostream>

#include "engine/model/Configuration.h"

namespace kalvora::cli {

void WriteStateDump(const Configuration& config, std::ostream& out);

}  // namespace kalvora::cli
