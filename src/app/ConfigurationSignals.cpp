#include "app/ConfigurationSignals.h"

#include <QCoreApplication>

namespace kalvora::app {

void ConfigurationSignals::RepaintDue() {
    emit repaintDue();
    // Repaint only: a click made meanwhile waits until the rule has finished.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kalvora::app
