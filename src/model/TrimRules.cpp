// ComplButtonClick: the trim rules.
#include "model/Configuration.h"

namespace kalvora {

void Configuration::ComplButtonClick() { PriceButtonClick(); }

}  // namespace kalvora
