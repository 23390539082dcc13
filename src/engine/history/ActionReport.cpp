#include "engine/history/ActionReport.h"

namespace kalvora {

namespace {

OptionEffect EffectOf(const OptionState& before, const OptionState& after) {
    const OptionStanding was = StandingOf(before);
    const OptionStanding is = StandingOf(after);
    if (was == is) {
        if (is != OptionStanding::Free || before.checked == after.checked)
            return OptionEffect::None;
        return after.checked ? OptionEffect::Ticked : OptionEffect::Unticked;
    }
    switch (is) {
        case OptionStanding::Standard:
            return OptionEffect::Standard;
        case OptionStanding::Unavailable:
            return OptionEffect::Unavailable;
        case OptionStanding::Free:
            break;
    }
    return OptionEffect::Available;
}

// The option or choice an action aims at; its own change is not a side effect.
struct Target {
    int option = -1;
    int choice = -1;  // a ChoiceKind
};

Target TargetOf(const UserAction& action) {
    switch (action.kind) {
        case ActionKind::Click:
            return {action.arg, -1};
        case ActionKind::Trim:
            return {-1, int(ChoiceKind::Trim)};
        case ActionKind::Body:
            return {-1, int(ChoiceKind::Body)};
        case ActionKind::Rails:
            return {-1, int(ChoiceKind::Rails)};
        case ActionKind::Engine:
            return {-1, int(ChoiceKind::Engine)};
        case ActionKind::Colour:
            return {-1, int(ChoiceKind::Colour)};
        default:
            return {};
    }
}

}  // namespace

void ReportChanges(const ConfigurationSnapshot& before, const ConfigurationSnapshot& after,
                   const UserAction& action, const UserAction& undone, ActionReport* report) {
    report->action = action;
    report->undone = undone;
    report->choices.clear();
    report->options.clear();
    report->oldFigures = before.Figures();
    report->newFigures = after.Figures();
    const bool undoing = action.kind == ActionKind::Undo || action.kind == ActionKind::Redo;
    const UserAction& aim = undoing ? undone : action;
    // Undoing a click shows what the click did: the tick it had before the undo.
    report->targetTicked =
        aim.kind == ActionKind::Click &&
        (action.kind == ActionKind::Undo ? before : after).Option(OptAt(aim.arg)).checked;
    report->changed = before != after;
    if (!report->changed) return;

    const Target target = TargetOf(aim);
    const std::pair<ChoiceKind, std::pair<int, int>> choices[] = {
        {ChoiceKind::Trim, {before.Trim(), after.Trim()}},
        {ChoiceKind::Body, {before.Body(), after.Body()}},
        {ChoiceKind::Rails, {before.Rails(), after.Rails()}},
        {ChoiceKind::Engine, {before.Engine(), after.Engine()}},
        {ChoiceKind::Colour, {before.Colour(), after.Colour()}},
    };
    for (const auto& [kind, values] : choices) {
        if (values.first == values.second || int(kind) == target.choice) continue;
        report->choices.push_back({kind, values.first, values.second});
    }
    for (int i = 0; i < kOptionCount; ++i) {
        if (i == target.option) continue;
        const OptionState& was = before.Option(OptAt(i));
        const OptionState& is = after.Option(OptAt(i));
        const OptionEffect effect = EffectOf(was, is);
        const bool priceChanged = was.price != is.price;
        if (effect == OptionEffect::None && !priceChanged) continue;
        report->options.push_back(
            {OptAt(i), effect, is.checked, was.checked, priceChanged, was.price, is.price});
    }
}

}  // namespace kalvora
