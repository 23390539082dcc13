// What the rules need from the outside world. The desktop program implements this with message
// boxes and its event loop; the command line and the tests implement it with a recorder.
#pragma once

#include <string>

namespace kalvora {

class UiPort {
  public:
    virtual ~UiPort() = default;

    // A modal information box with one OK button. Line breaks are carriage returns.
    virtual void ShowMessage(const std::string& text) = 0;
    // A Yes/No confirmation box; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // Let the window repaint what changed so far, in the middle of a long rule.
    virtual void ProcessPendingEvents() {}
    // The order window rebuilds its text; called at the end of every price computation that
    // produced a price.
    virtual void RefreshOrder() {}
    // Give the keyboard focus to the code field `Edit1` (after a code has been decoded). The
    // check box that loses the focus runs its exit rule, as with any other focus change.
    virtual void FocusCodeField() {}
    // The current date and time, as the system's short date and long time formats show them.
    virtual std::string DateText() = 0;
    virtual std::string TimeText() = 0;
};

// Told about every change of the configuration's state, so that a window can repaint.
class ConfigurationObserver {
  public:
    virtual ~ConfigurationObserver() = default;
    virtual void ConfigurationChanged() = 0;
};

}  // namespace kalvora
