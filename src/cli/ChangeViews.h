// Script mode's and kalvora-cli's views of what an action changed and why options are what
// they are: "print changes" and "kalvora-cli explain".
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/history/ActionHistory.h"

namespace kalvora::cli {

// The report of the last action: a line "action ...", one line per choice and option that
// changed besides the action's target, a line "total OLD NEW", then ".".
void WriteActionReport(const ActionReport& report, std::ostream& out);

// For every option of the configuration, in the order of the state dump, one line
// ID<TAB>CAPTION<TAB>STATE<TAB>PRICE<TAB>REASON. STATE is ticked, unticked, standard or
// unavailable; for the hidden dealer extras, which only a code ticks, hidden or hidden ticked.
void WriteExplanation(const Configuration& config, const ActionHistory& history, std::ostream& out);

// The word for an option's standing: "ticked", "unticked", "standard" or "unavailable"; for a
// hidden dealer extra "hidden" or "hidden ticked".
const char* StandingWord(Opt option, const OptionState& state);

}  // namespace kalvora::cli
