// What one user action changed besides its own target, found by comparing the configuration
// before and after it: choices the rules moved (body, engine, ...), options that were ticked,
// unticked, made standard, unavailable or available again, prices, and the old and new total.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/history/ConfigurationSnapshot.h"

namespace kalvora {

// A user's action on the main window, one undoable step.
enum class ActionKind : std::uint8_t {
    None,    // nothing has been done yet
    Start,   // the start code at the first activation
    Click,   // an option's check box; arg: the option
    Trim,    // arg: the trim
    Body,    // arg: the body button
    Rails,   // arg: the roof-rail button
    Engine,  // arg: the engine Tag
    Colour,  // arg: the item of the colour list
    Code,    // a code typed and decoded
    Reset,   // "Сбросить всё"
    Equip,   // "Оснастить"
    Open,    // "Открыть..."
    Undo,
    Redo,
};

struct UserAction {
    ActionKind kind = ActionKind::None;
    int arg = 0;

    bool operator==(const UserAction& o) const { return kind == o.kind && arg == o.arg; }
};

// Actions that set the whole configuration at once.
inline bool SetsWholeConfiguration(ActionKind kind) {
    return kind == ActionKind::Start || kind == ActionKind::Code || kind == ActionKind::Reset ||
           kind == ActionKind::Equip || kind == ActionKind::Open;
}

// Where an option stands for the user.
enum class OptionStanding : std::uint8_t {
    Free,         // enabled: the user may tick or untick it
    Standard,     // ticked and disabled
    Unavailable,  // unticked and disabled
};
inline OptionStanding StandingOf(const OptionState& s) {
    if (s.enabled) return OptionStanding::Free;
    return s.checked ? OptionStanding::Standard : OptionStanding::Unavailable;
}

enum class OptionEffect : std::uint8_t {
    None,  // only the price changed
    Ticked,
    Unticked,
    Standard,
    Unavailable,
    Available,  // enabled again after being standard or unavailable
};

struct OptionChange {
    Opt option;
    OptionEffect effect;
    bool ticked;     // the tick after the action
    bool wasTicked;  // and before it
    bool priceChanged;
    std::int32_t oldPrice;  // whole dollars
    std::int32_t newPrice;
};

enum class ChoiceKind : std::uint8_t { Trim, Body, Rails, Engine, Colour };

struct ChoiceChange {
    ChoiceKind kind;
    int from;
    int to;
};

struct ActionReport {
    UserAction action;
    UserAction undone;          // for Undo and Redo: the step undone or redone
    bool targetTicked = false;  // a click (or the click undone or redone) ticked its option
    std::vector<ChoiceChange> choices;
    std::vector<OptionChange> options;
    PriceFigures oldFigures;  // the figures behind the price labels, before and after
    PriceFigures newFigures;
    bool changed = false;  // the configuration changed at all (the code field included)

    // Choices and options that changed besides the action's own target.
    bool HasSideEffects() const { return !choices.empty() || !options.empty(); }
};

// Fills `report` (reusing its storage) with the differences from `before` to `after`. The
// target of `action` (or of the step undone or redone) is left out.
void ReportChanges(const ConfigurationSnapshot& before, const ConfigurationSnapshot& after,
                   const UserAction& action, const UserAction& undone, ActionReport* report);

}  // namespace kalvora
