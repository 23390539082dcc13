// The configuration's observer on the desktop: each notice of the engine becomes a Qt signal, so
// that every window that follows the configuration connects to it (Windows.cpp) instead of being
// called by name. The connections are direct: a slot runs inside the engine call, at the point
// of the rule that gave the notice.
#pragma once

#include <QObject>

#include "model/ConfigurationObserver.h"

namespace kalvora::app {

class ConfigurationSignals : public QObject, public ConfigurationObserver {
    Q_OBJECT

  public:
    using QObject::QObject;

  signals:
    // Some control's state changed.
    void changed();
    // A price was computed: the order text and the comparison follow it.
    void priceComputed();
    // A long rule lets the window show the state so far; the event loop repaints right after.
    void repaintDue();
    // A code was decoded: the code field takes the focus.
    void codeDecoded();

  private:
    void ConfigurationChanged() override { emit changed(); }
    void PriceComputed() override { emit priceComputed(); }
    void RepaintDue() override;
    void CodeDecoded() override { emit codeDecoded(); }
};

}  // namespace kalvora::app
