#include "desktop/app/SessionSignals.h"

namespace kalvora::app {

void SessionSignals::SessionChanged(const SessionChange& change) {
    if (change.codeDecoded) emit codeDecoded();
    if (change.direct) {
        if (change.changed || change.priced) emit changedDirectly();
    } else {
        emit verbDone();
        if (change.report) emit actionDone();
    }
    if (change.priced) emit priceComputed();
}

}  // namespace kalvora::app
