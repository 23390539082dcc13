#include "model/FocusModel.h"

#include "model/Configuration.h"

namespace kalvora {

void FocusModel::MoveTo(const FocusTarget& target) {
    if (target == current_) return;
    const FocusTarget previous = current_;
    current_ = target;
    if (previous.kind == FocusTarget::Kind::Option) config_.OptionExit(OptAt(previous.index));
    if (target.kind == FocusTarget::Kind::Engine) config_.OnEngineFocused(target.index);
}

}  // namespace kalvora
