// The user's actions on one configuration, as whole steps that can be undone and redone, with
// the report of the last action and the reason of every option.
//
// The session wraps each user action in Begin() and End() (an ActionScope). Changes made
// between two actions, such as the wish an option's exit rule remembers when the focus leaves
// it, belong to the state the previous action left; a text typed into the code field but not
// decoded does not, so undoing a step shows the code of the configuration it returns to.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "engine/history/ChangeTexts.h"

namespace kalvora {

class ActionHistory {
  public:
    // Steps kept; older ones are forgotten.
    static constexpr std::size_t kStepLimit = 5000;

    // Starts with the configuration as it is now, with nothing to undo.
    explicit ActionHistory(Configuration& config);
    ActionHistory(const ActionHistory&) = delete;
    ActionHistory& operator=(const ActionHistory&) = delete;

    // Around one user action. A nested Begin (an action inside an action) is part of the outer
    // one. An action that changes nothing is no step.
    void Begin(const UserAction& action);
    void End();
    // Inside an action: the code it decoded was rejected. The text stays in the code field as
    // typed but, like any text typed and not decoded, is no part of the configuration: the
    // action changed nothing, is no step, and what could be redone stays.
    void CodeRejected() { codeRejected_ = true; }

    // Forgets every step: the configuration as it is now is where undo stops. The start code
    // does this, so that undo never returns to the window's state before it.
    void Restart(const UserAction& action = {ActionKind::Start, 0});

    bool CanUndo() const { return cursor_ > 0; }
    bool CanRedo() const { return cursor_ + 1 < steps_.size(); }
    std::size_t UndoCount() const { return cursor_; }
    std::size_t RedoCount() const { return steps_.size() - 1 - cursor_; }
    // Puts the configuration back as it was before the last step (after the next one); false
    // when there is none. Writes no file and asks nothing.
    bool Undo();
    bool Redo();

    // What the last action (an undo and a redo included) changed.
    const ActionReport& LastReport() const { return report_; }
    std::string Notice() const { return NoticeText(report_); }
    // Why the option is what it is now; empty when it is freely choosable.
    std::string Reason(Opt o) const;
    const OptionReason& ReasonOf(Opt o) const { return steps_[cursor_].reasons[Index(o)]; }
    // The step that undo (redo) would take back (bring back), in the user's words.
    std::string UndoTitle() const;
    std::string RedoTitle() const;

  private:
    struct Step {
        UserAction action;  // what led here
        ConfigurationSnapshot state;
        ReasonTable reasons;
    };

    // Takes into the current step what changed since it was left (remembered wishes).
    void AbsorbChangesBetweenActions();
    void StepTo(std::size_t index, ActionKind kind);

    Configuration& config_;
    std::deque<Step> steps_;  // steps_[0] is where undo stops
    std::size_t cursor_ = 0;  // the step the configuration is at
    int depth_ = 0;
    bool codeRejected_ = false;
    UserAction pending_;
    ConfigurationSnapshot now_;  // scratch, to keep its storage
    ActionReport report_;
};

// Begin() and End() around a scope.
class ActionScope {
  public:
    ActionScope(ActionHistory& history, const UserAction& action) : history_(history) {
        history_.Begin(action);
    }
    ~ActionScope() { history_.End(); }
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

  private:
    ActionHistory& history_;
};

}  // namespace kalvora
