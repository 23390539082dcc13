#include "engine/history/ActionHistory.h"

#include <utility>

namespace kalvora {

ActionHistory::ActionHistory(Configuration& config) : config_(config) {
    Restart({});
}

void ActionHistory::Restart(const UserAction& action) {
    steps_.clear();
    steps_.push_back({action, ConfigurationSnapshot(config_), {}});
    cursor_ = 0;
    ExplainConfiguration(steps_[0].state, &steps_[0].reasons);
    report_ = {};
    report_.action = action;
    report_.oldFigures = report_.newFigures = config_.Figures();
}

void ActionHistory::AbsorbChangesBetweenActions() {
    Step& current = steps_[cursor_];
    now_.TakeFrom(config_);
    // A code typed but not decoded is not part of the configuration.
    now_.SetCodeFieldText(current.state.CodeFieldText());
    if (now_ != current.state) current.state = now_;
}

void ActionHistory::Begin(const UserAction& action) {
    if (depth_++ > 0) return;
    pending_ = action;
    AbsorbChangesBetweenActions();
}

void ActionHistory::End() {
    if (--depth_ > 0) return;
    now_.TakeFrom(config_);
    const Step& before = steps_[cursor_];
    if (std::exchange(codeRejected_, false)) now_.SetCodeFieldText(before.state.CodeFieldText());
    ReportChanges(before.state, now_, pending_, {}, &report_);
    if (!report_.changed) return;

    Step next{pending_, now_, before.reasons};
    if (SetsWholeConfiguration(pending_.kind)) {
        ExplainConfiguration(now_, &next.reasons);
    } else {
        UpdateReasons(report_, now_, &next.reasons);
    }
    steps_.resize(cursor_ + 1);  // a new step drops what could be redone
    steps_.push_back(std::move(next));
    if (steps_.size() > kStepLimit + 1) steps_.pop_front();
    cursor_ = steps_.size() - 1;
}

void ActionHistory::StepTo(std::size_t index, ActionKind kind) {
    AbsorbChangesBetweenActions();
    const std::size_t from = cursor_;
    const UserAction undone = steps_[kind == ActionKind::Undo ? from : index].action;
    cursor_ = index;
    steps_[index].state.RestoreInto(config_);
    ReportChanges(steps_[from].state, steps_[index].state, {kind, 0}, undone, &report_);
}

bool ActionHistory::Undo() {
    if (!CanUndo() || depth_ > 0) return false;
    StepTo(cursor_ - 1, ActionKind::Undo);
    return true;
}

bool ActionHistory::Redo() {
    if (!CanRedo() || depth_ > 0) return false;
    StepTo(cursor_ + 1, ActionKind::Redo);
    return true;
}

std::string ActionHistory::Reason(Opt o) const {
    return ReasonText(o, config_.Option(o), ReasonOf(o));
}

}  // namespace kalvora

namespace kalvora {

namespace {
std::string TitleOf(const UserAction& action, const ConfigurationSnapshot& state) {
    const bool ticked = action.kind == ActionKind::Click && state.Option(OptAt(action.arg)).checked;
    return StepTitle(action, ticked);
}
}  // namespace

std::string ActionHistory::UndoTitle() const {
    return CanUndo() ? TitleOf(steps_[cursor_].action, steps_[cursor_].state) : std::string();
}

std::string ActionHistory::RedoTitle() const {
    return CanRedo() ? TitleOf(steps_[cursor_ + 1].action, steps_[cursor_ + 1].state)
                     : std::string();
}

}  // namespace kalvora
