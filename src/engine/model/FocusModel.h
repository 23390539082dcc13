// Which control of the main window has the keyboard focus, and the rules that run when it
// moves: the check box that loses the focus stores the user's wish (its exit rule), an engine
// button that gains it becomes the preferred engine (its entry rule).
//
// The desktop program has the toolkit's own focus; this model is for front ends without a
// window (script mode, tests, fuzzing), which move the focus as a person's clicks would.
#pragma once

#include <cstdint>

#include "engine/model/Catalogue.h"

namespace kalvora {

class Configuration;

// A control of the main window that can hold the keyboard focus.
struct FocusTarget {
    enum class Kind : std::uint8_t { None, Option, Body, Rails, Engine, Trim, Colour, CodeField };
    Kind kind = Kind::None;
    int index = 0;  // the option, body, roof-rail button or engine Tag; 0 otherwise

    static FocusTarget Nothing() { return {}; }
    static FocusTarget OptionBox(Opt o) { return {Kind::Option, Index(o)}; }
    static FocusTarget BodyButton(int b) { return {Kind::Body, b}; }
    static FocusTarget RailsButton(int r) { return {Kind::Rails, r}; }
    static FocusTarget EngineButton(int e) { return {Kind::Engine, e}; }
    static FocusTarget TrimGroup() { return {Kind::Trim, 0}; }
    static FocusTarget ColourList() { return {Kind::Colour, 0}; }
    static FocusTarget CodeField() { return {Kind::CodeField, 0}; }

    bool operator==(const FocusTarget& other) const {
        return kind == other.kind && index == other.index;
    }
    bool operator!=(const FocusTarget& other) const { return !(*this == other); }
};

class FocusModel {
  public:
    explicit FocusModel(Configuration& config) : config_(config) {}

    const FocusTarget& Current() const { return current_; }

    // Moves the focus to `target`: first the exit rule of the check box that loses it, then
    // the entry rule of the engine button that gains it. Moving to the control that already
    // has the focus runs nothing.
    void MoveTo(const FocusTarget& target);
    // Moves the focus for a click on `target`: the check box that loses it runs its exit rule,
    // but an engine button's entry rule is left to the click, which runs it as part of its own
    // action (Configuration::OnEngineClicked), so that undoing the click takes it back.
    void MoveToClicked(const FocusTarget& target);
    // Runs the exit rule of the check box that has the focus, which keeps it: before a command
    // whose code may take the focus to the code field, so that the wish is remembered before
    // the command acts, as a click elsewhere would remember it.
    void RememberWish();

    // Takes note of where a toolkit's own focus has gone, running no rule: the desktop runs the
    // exit and entry rules from its focus events and tells the model, so that a decode knows
    // which check box loses the focus to the code field.
    void Follow(const FocusTarget& target) { current_ = target; }

  private:
    void Move(const FocusTarget& target, bool runEntryRule);

    Configuration& config_;
    FocusTarget current_;
};

}  // namespace kalvora
