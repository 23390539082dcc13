// What the rules ask of the outside world: a message box, a Yes/No question, the clock. The
// desktop program answers with real boxes; the command line and the tests with a recorder.
// What changed is told through ConfigurationObserver instead.
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
    // The current date and time, as the system's short date and long time formats show them.
    virtual std::string DateText() = 0;
    virtual std::string TimeText() = 0;
};

}  // namespace kalvora
