#include "engine/history/ConfigurationSnapshot.h"

namespace kalvora {

bool SameOptionState(const OptionState& a, const OptionState& b) {
    return a.checked == b.checked && a.enabled == b.enabled && a.wish == b.wish &&
           a.shadow == b.shadow && a.font == b.font && a.captionEnabled == b.captionEnabled &&
           a.price == b.price;
}

void ConfigurationSnapshot::TakeFrom(const Configuration& c) {
    options_ = c.options_;
    trim_ = c.trim_;
    body_ = c.body_;
    bodyEnabled_ = c.bodyEnabled_;
    rails_ = c.rails_;
    railsEnabled_ = c.railsEnabled_;
    engine_ = c.engine_;
    engineEnabled_ = c.engineEnabled_;
    preferredEngine_ = c.preferredEngine_;
    colour_ = c.colour_;
    figures_ = c.figures_;
    codeFieldText_ = c.codeFieldText_;
    configurationCode_ = c.configurationCode_;
    pictures_ = c.pictures_;
    startupPending_ = c.startupPending_;
}

void ConfigurationSnapshot::RestoreInto(Configuration& c) const {
    c.options_ = options_;
    c.trim_ = trim_;
    c.body_ = body_;
    c.bodyEnabled_ = bodyEnabled_;
    c.rails_ = rails_;
    c.railsEnabled_ = railsEnabled_;
    c.engine_ = engine_;
    c.engineEnabled_ = engineEnabled_;
    c.preferredEngine_ = preferredEngine_;
    c.colour_ = colour_;
    c.figures_ = figures_;
    c.codeFieldText_ = codeFieldText_;
    // The code a save writes goes back with the rest: after an undo the file gets the code of
    // the configuration on screen, not of the one undone.
    c.configurationCode_ = configurationCode_;
    c.pictures_ = pictures_;
    c.startupPending_ = startupPending_;
    c.Changed();
}

bool ConfigurationSnapshot::operator==(const ConfigurationSnapshot& o) const {
    if (trim_ != o.trim_ || body_ != o.body_ || rails_ != o.rails_ || engine_ != o.engine_ ||
        preferredEngine_ != o.preferredEngine_ || colour_ != o.colour_ || figures_ != o.figures_ ||
        startupPending_ != o.startupPending_ || bodyEnabled_ != o.bodyEnabled_ ||
        railsEnabled_ != o.railsEnabled_ || engineEnabled_ != o.engineEnabled_ ||
        pictures_.body != o.pictures_.body || pictures_.shadeBody != o.pictures_.shadeBody ||
        pictures_.shade != o.pictures_.shade || pictures_.swatch != o.pictures_.swatch) {
        return false;
    }
    for (int i = 0; i < kOptionCount; ++i) {
        if (!SameOptionState(options_[i], o.options_[i])) return false;
    }
    return codeFieldText_ == o.codeFieldText_ && configurationCode_ == o.configurationCode_;
}

}  // namespace kalvora
