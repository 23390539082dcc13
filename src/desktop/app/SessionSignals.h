// The session's observer on the desktop: what a verb changed becomes Qt signals, so that every
// window that follows the configuration connects to it (Windows.cpp) instead of being called by
// name. The signals come once the verb has returned, never while a rule runs.
#pragma once

#include <QObject>

#include "engine/session/Session.h"

namespace kalvora::app {

class SessionSignals : public QObject, public SessionObserver {
    Q_OBJECT

  public:
    using QObject::QObject;

  signals:
    // In this order, after each verb: a decoded code takes the focus to the code field; the
    // window shows the configuration again; after a user's action, an undo or a redo, its
    // notice and the options' reasons; after a price, the windows that follow it.
    void codeDecoded();
    void verbDone();
    void actionDone();
    void priceComputed();
    // The configuration was changed outside any verb (a test setting a control directly).
    void changedDirectly();

  private:
    void SessionChanged(const SessionChange& change) override;
};

}  // namespace kalvora::app
