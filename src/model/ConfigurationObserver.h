// The one way the engine tells whoever shows the configuration what changed.
//
// A configuration has one observer. Where several parts follow it (the main window, the order
// text, the comparison window, script mode's focus), the observer passes each notice on: the
// desktop's ConfigurationSignals as Qt signals, script mode's session by calling them in turn.
// Every notice is given while the engine call is still running, in the order the rules reach
// it, so that a listener's own effects (a focus change running an exit rule) happen at the same
// point of the rule as a person's would.
#pragma once

namespace kalvora {

class ConfigurationObserver {
  public:
    virtual ~ConfigurationObserver() = default;

    // Some control's state changed: a tick, a selection, an enabling, a price, a highlight.
    virtual void ConfigurationChanged() {}
    // The price computation produced a price: the price, the code and the captions are new, and
    // the order text is to be written again. A computation that found no price tells nothing.
    virtual void PriceComputed() {}
    // A long rule (settling a decoded code) has come to a point where the window may show the
    // state so far before the rule goes on.
    virtual void RepaintDue() {}
    // A code has just been decoded and settled (its price follows as the decode returns): the
    // code field takes the keyboard focus, and the check box that loses it runs its exit rule,
    // as with any other focus change.
    virtual void CodeDecoded() {}
};

}  // namespace kalvora
