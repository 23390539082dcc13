// Plays a user at the main window: clicks move the keyboard focus first (running the exit rule
// of the check box that loses it, the entry rule of an engine button that gains it), then act.
// Clicks on disabled controls do nothing.
#pragma once

#include "engine/model/Configuration.h"

namespace kalvora::testing {

class User {
  public:
    explicit User(Configuration& config) : c(config) {}

    void Click(Opt o) {
        if (!c.Enabled(o)) return;
        FocusOption(o);
        c.OnOptionClicked(o, !c.Checked(o));
    }
    void ClickBody(int b) {
        if (!c.BodyEnabled(b)) return;
        LeaveOption();
        c.SelectBody(b);
    }
    void ClickRails(int r) {
        if (!c.RailsEnabled(r)) return;
        LeaveOption();
        c.SelectRails(r);
    }
    void ClickEngine(int e) {
        if (!c.EngineEnabled(e)) return;
        LeaveOption();
        c.OnEngineClicked(e);
    }
    void PickTrim(int t) {
        LeaveOption();
        c.SelectTrim(t);
    }
    void PickColour(int index) {
        LeaveOption();
        c.SetColourIndex(index);
        c.OnColourChosen();
    }
    // Moves the focus away from any check box, as clicking an empty spot of another control.
    void LeaveOption() {
        if (focused_ >= 0) c.OptionExit(OptAt(focused_));
        focused_ = -1;
    }

  private:
    void FocusOption(Opt o) {
        if (focused_ == Index(o)) return;
        LeaveOption();
        focused_ = Index(o);
    }

    Configuration& c;
    int focused_ = -1;  // the option whose check box has the focus, -1 for none
};

}  // namespace kalvora::testing
