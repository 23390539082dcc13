// The hover text of the main window's total price: where the price comes from.
#pragma once

#include <QString>

#include "engine/model/Configuration.h"

namespace kalvora::app {

// Base price + roof rails + metallic + paid options = total, with the dearest options named, as
// a small rich-text table; empty when the configuration has no price.
QString PriceBreakdownTip(const Configuration& config);

}  // namespace kalvora::app
