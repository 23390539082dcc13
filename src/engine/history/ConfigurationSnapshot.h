// A copy of everything a rule reads or writes: every control of the main window, the remembered
// wishes, the preferred engine, the code field and the price. Taking one and putting it back
// runs no rule, so a configuration can be stepped back and forth exactly.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/model/Configuration.h"

namespace kalvora {

class ConfigurationSnapshot {
  public:
    ConfigurationSnapshot() = default;
    explicit ConfigurationSnapshot(const Configuration& c) { TakeFrom(c); }

    // Copies every control of `c` into this snapshot (reusing its storage).
    void TakeFrom(const Configuration& c);
    // Puts every control back as it was taken. No rule runs; the observer hears one change.
    void RestoreInto(Configuration& c) const;

    // Equal when every control is.
    bool operator==(const ConfigurationSnapshot& other) const;
    bool operator!=(const ConfigurationSnapshot& other) const { return !(*this == other); }

    const OptionState& Option(Opt o) const { return options_[Index(o)]; }
    int Trim() const { return trim_; }
    int Body() const { return body_; }
    int Rails() const { return rails_; }
    int Engine() const { return engine_; }
    int Colour() const { return colour_; }
    bool BodyEnabled(int b) const { return bodyEnabled_[b]; }
    bool RailsEnabled(int r) const { return railsEnabled_[r]; }
    bool EngineEnabled(int e) const { return engineEnabled_[e]; }
    const PriceFigures& Figures() const { return figures_; }
    const std::string& CodeFieldText() const { return codeFieldText_; }
    void SetCodeFieldText(const std::string& text) { codeFieldText_ = text; }

  private:
    std::array<OptionState, kOptionCount> options_{};
    int trim_ = 0;
    int body_ = -1;
    std::array<bool, kBodyCount> bodyEnabled_{};
    int rails_ = -1;
    std::array<bool, kRailsCount> railsEnabled_{};
    int engine_ = -1;
    std::array<bool, kEngineCount> engineEnabled_{};
    int preferredEngine_ = 0;
    int colour_ = -1;
    PriceFigures figures_;
    std::string codeFieldText_;
    std::string configurationCode_;
    VisiblePictures pictures_;
    bool startupPending_ = false;
};

// The same state of one option: tick, availability, wish, price, highlight and caption.
bool SameOptionState(const OptionState& a, const OptionState& b);

}  // namespace kalvora
