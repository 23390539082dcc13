// Why an option is not freely choosable: for every option that is standard, unavailable,
// ticked or unticked by a rule, or priced differently from the option table, the user's choice
// that made it so.
//
// A reason always speaks of the configuration as it stands. After a single action every option
// that the action changed takes the action as its cause; every other option keeps its cause
// only while the choice that cause names is still made (the same trim, body, roof rails, engine
// or colour, the option named still ticked or unticked). Otherwise, and after an action that
// sets the whole configuration (the start code, a code, a reset, an opened file, "Оснастить"),
// the cause is found by trying the user's choices one at a time on a scratch configuration: the
// first choice whose change would change the option is its cause. The metallic mark, which
// follows the colour once one is chosen, has a metallic colour as its cause whenever that colour
// holds it ticked.
#pragma once

#include <array>
#include <cstdint>

#include "engine/history/ActionReport.h"

namespace kalvora {

struct Cause {
    ActionKind kind = ActionKind::None;  // None: nothing but the user's own choice
    std::int16_t arg = 0;                // as in UserAction
    bool ticked = false;                 // Click: the option was ticked (not unticked)
    bool inherent = false;               // no single choice of the user changes it
};

struct OptionReason {
    Cause state;  // what made the option ticked, unticked, standard or unavailable
    OptionEffect effect = OptionEffect::None;
    Cause price;  // what set a price other than the option table's
};

using ReasonTable = std::array<OptionReason, kOptionCount>;

// The reasons after a single action, from its report and the reasons before it.
void UpdateReasons(const ActionReport& report, const ConfigurationSnapshot& after,
                   ReasonTable* reasons);

// The reasons of a whole configuration, each option's cause found by trying the user's choices
// one at a time.
void ExplainConfiguration(const ConfigurationSnapshot& config, ReasonTable* reasons);

}  // namespace kalvora
