// "Сбросить всё" and "Оснастить": commands that act on all options at once.
#include "model/Configuration.h"

namespace kalvora {

void Configuration::SpeedButton8Click() {}
void Configuration::SpeedButton26Click() {}

}  // namespace kalvora
