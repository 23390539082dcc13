// How the configuration tells its session what its rules did, inside the engine.
//
// A configuration has one observer: the session (src/engine/session), which keeps the order text and
// the focus model in step and tells the front ends once the verb has returned. Each notice is
// given where the rule reaches it, so that the session's own effects (the exit rule of the box
// that loses the focus to the code field) happen at the same point of the rule as a person's
// would.
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
    // A code has just been decoded and settled (its price follows as the decode returns): the
    // code field takes the keyboard focus, and the check box that loses it runs its exit rule,
    // as with any other focus change.
    virtual void CodeDecoded() {}
};

}  // namespace kalvora
