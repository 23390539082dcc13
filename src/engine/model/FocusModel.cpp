#include "engine/model/FocusModel.h"

#include "engine/model/Configuration.h"

namespace kalvora {

void FocusModel::MoveTo(const FocusTarget& target) {
    Move(target, true);
}

void FocusModel::MoveToClicked(const FocusTarget& target) {
    Move(target, false);
}

void FocusModel::Move(const FocusTarget& target, bool runEntryRule) {
    if (target == current_) return;
    const FocusTarget previous = current_;
    current_ = target;
    if (previous.kind == FocusTarget::Kind::Option) config_.OptionExit(OptAt(previous.index));
    if (runEntryRule && target.kind == FocusTarget::Kind::Engine) {
        config_.OnEngineFocused(target.index);
    }
}

void FocusModel::RememberWish() {
    if (current_.kind == FocusTarget::Kind::Option) config_.OptionExit(OptAt(current_.index));
}

}  // namespace kalvora
