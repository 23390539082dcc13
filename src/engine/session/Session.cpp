#include "engine/session/Session.h"

#include <utility>

#include "engine/documents/Comparison.h"

namespace kalvora {

// Held for the length of one verb. The outermost one tells the observer what the verb changed;
// a verb run from inside another (a box's event loop, a test) is part of the outer one.
class Session::Verb {
  public:
    Verb(Session& s, bool step) : s_(s), step_(step) { ++s_.depth_; }
    ~Verb() {
        if (step_) s_.pending_.report = &s_.history_.LastReport();
        if (--s_.depth_ > 0) return;
        s_.Tell(std::exchange(s_.pending_, SessionChange{}));
    }
    Verb(const Verb&) = delete;
    Verb& operator=(const Verb&) = delete;

  private:
    Session& s_;
    bool step_;
};

Session::Session(UiPort& ui)
    : config_(ui), history_(config_), focus_(config_), order_(config_, ui) {
    config_.SetObserver(this);
}

Session::~Session() {
    config_.SetObserver(nullptr);
}

template <typename F>
void Session::Act(const UserAction& action, F&& call) {
    const Verb verb(*this, true);
    const ActionScope step(history_, action);
    call();
}

void Session::ChooseTrim(int trim) {
    Act({ActionKind::Trim, trim}, [&] { config_.SelectTrim(trim); });
}

void Session::ChooseBody(int body) {
    Act({ActionKind::Body, body}, [&] { config_.SelectBody(body); });
}

void Session::ChooseRails(int rails) {
    Act({ActionKind::Rails, rails}, [&] { config_.SelectRails(rails); });
}

void Session::ClickEngine(int engine) {
    Act({ActionKind::Engine, engine}, [&] { config_.OnEngineClicked(engine); });
}

void Session::ChooseColour(int colour) {
    if (config_.Colour() == colour) return;
    Act({ActionKind::Colour, colour}, [&] {
        config_.SetColourIndex(colour);
        config_.OnColourChosen();
    });
}

void Session::ClickOption(Opt option, bool checked) {
    Act({ActionKind::Click, Index(option)}, [&] { config_.OnOptionClicked(option, checked); });
}

void Session::DecodeCode(const std::string& text) {
    Act({ActionKind::Code, 0}, [&] {
        config_.SetCodeFieldText(text);
        if (config_.DecodeCodeField().outcome == Outcome::Rejected) history_.CodeRejected();
    });
}

void Session::OpenVariant(const std::string& code) {
    Act({ActionKind::Code, 0}, [&] { kalvora::OpenVariant(config_, code); });
}

void Session::ResetAll() {
    Act({ActionKind::Reset, 0}, [&] { config_.ResetAll(); });
}

void Session::EquipAll() {
    Act({ActionKind::Equip, 0}, [&] { config_.EquipAll(); });
}

Result Session::OpenFile(const std::string& path, FileAccess& files) {
    Result opened;
    Act({ActionKind::Open, 0}, [&] { opened = config_.OpenFile(path, files); });
    return opened;
}

bool Session::Undo() {
    if (depth_ > 0 || !history_.CanUndo()) return false;
    const Verb verb(*this, true);
    history_.Undo();
    FollowRestoredPrice();
    return true;
}

bool Session::Redo() {
    if (depth_ > 0 || !history_.CanRedo()) return false;
    const Verb verb(*this, true);
    history_.Redo();
    FollowRestoredPrice();
    return true;
}

// An undo or a redo puts back the figures of the step it returns to without computing them:
// the order text (and whoever follows the price) follows them as after a computed price.
void Session::FollowRestoredPrice() {
    if (!config_.Total()) return;
    order_.FollowPrice();
    pending_.priced = true;
}

Result Session::RunStartCode(const std::vector<std::string>& args, FileAccess& files) {
    if (!config_.StartupPending()) return {};
    Result result;
    {
        const Verb verb(*this, true);
        result = config_.RunStartCode(args, files, false);
        // Undo reaches back to the configuration the start code made, not before it.
        history_.Restart();
    }
    if (result.outcome == Outcome::Rejected) config_.Ui().ShowMessage(result.reason);
    return result;
}

Result Session::SaveToFile(const std::string& path, FileAccess& files, bool askReadOnly) {
    const Verb verb(*this, false);
    return config_.SaveToFile(path, files, askReadOnly);
}

void Session::TypeCode(const std::string& text) {
    const Verb verb(*this, false);
    config_.SetCodeFieldText(text);
}

void Session::RememberWish(Opt option) {
    const Verb verb(*this, false);
    config_.OptionExit(option);
}

void Session::EnterEngine(int engine) {
    const Verb verb(*this, false);
    config_.OnEngineFocused(engine);
}

void Session::ApplyTrimRules() {
    const Verb verb(*this, false);
    config_.ApplyTrimRules();
}

void Session::MarkFiguresDue() {
    const Verb verb(*this, false);
    config_.MarkFiguresDue();
}

void Session::SetChecked(Opt option, bool checked) {
    const Verb verb(*this, false);
    config_.SetChecked(option, checked);
}

// --- What the configuration tells ---------------------------------------------------------------

void Session::ConfigurationChanged() {
    if (depth_ > 0) {
        pending_.changed = true;
        return;
    }
    SessionChange change;
    change.changed = change.direct = true;
    Tell(change);
}

void Session::PriceComputed() {
    order_.FollowPrice();
    if (depth_ > 0) {
        pending_.priced = true;
        return;
    }
    SessionChange change;
    change.priced = change.direct = true;
    Tell(change);
}

// The code field takes the focus: the check box that loses it runs its exit rule here, inside
// the decode, before its price is computed, as a person's focus change would.
void Session::CodeDecoded() {
    focus_.MoveTo(FocusTarget::CodeField());
    if (depth_ > 0) {
        pending_.codeDecoded = true;
        return;
    }
    SessionChange change;
    change.codeDecoded = change.direct = true;
    Tell(change);
}

void Session::Tell(SessionChange change) {
    order_.TellIfRewritten();
    if (observer_) observer_->SessionChanged(change);
}

}  // namespace kalvora
