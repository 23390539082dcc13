#include "engine/history/OptionReasons.h"

#include <functional>

namespace kalvora {

namespace {

// A configuration nobody sees: no messages, no questions, no order window.
class SilentUi : public UiPort {
  public:
    void ShowMessage(const std::string&) override {}
    bool Confirm(const std::string&) override { return false; }
    std::string DateText() override { return {}; }
    std::string TimeText() override { return {}; }
};

Cause CauseOf(const UserAction& action, const ConfigurationSnapshot& after) {
    Cause cause;
    cause.kind = action.kind;
    cause.arg = static_cast<std::int16_t>(action.arg);
    if (action.kind == ActionKind::Click) cause.ticked = after.Option(OptAt(action.arg)).checked;
    return cause;
}

bool AtTablePrice(Opt o, const OptionState& s) {
    return s.price == Def(o).price;
}

// Whether the choice a cause names is still made: the option still ticked (or unticked), the
// trim, body, roof rails, engine or colour still the one named.
bool StillMade(const Cause& c, const ConfigurationSnapshot& config) {
    if (c.inherent) return true;
    switch (c.kind) {
        case ActionKind::Click:
            return config.Option(OptAt(c.arg)).checked == c.ticked;
        case ActionKind::Trim:
            return config.Trim() == c.arg;
        case ActionKind::Body:
            return config.Body() == c.arg;
        case ActionKind::Rails:
            return config.Rails() == c.arg;
        case ActionKind::Engine:
            return config.Engine() == c.arg;
        case ActionKind::Colour:
            return config.Colour() == c.arg;
        default:
            return false;
    }
}

// Finds the cause of every option marked in `needState` and `needPrice` by trying the user's
// choices one at a time on a scratch configuration: the first choice whose change would change
// the option is its cause; what no single choice changes is how this car is built.
void FindCauses(const ConfigurationSnapshot& config, std::array<bool, kOptionCount> needState,
                std::array<bool, kOptionCount> needPrice, ReasonTable* reasons) {
    int open = 0;
    for (int i = 0; i < kOptionCount; ++i) open += needState[i] + needPrice[i];
    if (open == 0) return;

    SilentUi ui;
    Configuration scratch(ui);
    // Tries one change of the user's choices; every option it changes gets it as its cause.
    auto attempt = [&](const Cause& cause, const std::function<void()>& change) {
        if (open == 0) return;
        config.RestoreInto(scratch);
        change();
        for (int i = 0; i < kOptionCount; ++i) {
            const OptionState& was = config.Option(OptAt(i));
            const OptionState& is = scratch.Option(OptAt(i));
            if (needState[i] && (was.checked != is.checked || was.enabled != is.enabled)) {
                (*reasons)[i].state = cause;
                (*reasons)[i].effect =
                    was.checked ? OptionEffect::Standard : OptionEffect::Unavailable;
                needState[i] = false;
                --open;
            }
            if (needPrice[i] && was.price != is.price) {
                (*reasons)[i].price = cause;
                needPrice[i] = false;
                --open;
            }
        }
    };

    // The options and packages the user ticked, most specific first.
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionState& s = config.Option(OptAt(i));
        if (!s.enabled || !s.checked || Def(OptAt(i)).hidden) continue;
        attempt({ActionKind::Click, std::int16_t(i), true, false},
                [&] { scratch.SetChecked(OptAt(i), false); });
    }
    for (int e = 0; e < kEngineCount; ++e) {
        if (e == config.Engine() || !config.EngineEnabled(e)) continue;
        attempt({ActionKind::Engine, std::int16_t(config.Engine()), false, false}, [&] {
            scratch.OnEngineFocused(e);
            scratch.SelectEngine(e);
        });
    }
    for (int b = 0; b < kBodyCount; ++b) {
        if (b == config.Body() || !config.BodyEnabled(b)) continue;
        attempt({ActionKind::Body, std::int16_t(config.Body()), false, false},
                [&] { scratch.SelectBody(b); });
    }
    for (int r = 0; r < kRailsCount; ++r) {
        if (r == config.Rails() || !config.RailsEnabled(r)) continue;
        attempt({ActionKind::Rails, std::int16_t(config.Rails()), false, false},
                [&] { scratch.SelectRails(r); });
    }
    for (int t = 0; t < kTrimCount; ++t) {
        if (t == config.Trim()) continue;
        attempt({ActionKind::Trim, std::int16_t(config.Trim()), false, false},
                [&] { scratch.SelectTrim(t); });
    }
    if (config.Colour() > 0) {
        attempt({ActionKind::Colour, std::int16_t(config.Colour()), false, false}, [&] {
            scratch.SetColourIndex(0);
            scratch.OnColourChosen();
        });
    }
    // What no single choice changes is how this car is built.
    for (int i = 0; i < kOptionCount; ++i) {
        if (needState[i]) {
            (*reasons)[i].state.inherent = true;
            (*reasons)[i].effect = config.Option(OptAt(i)).checked ? OptionEffect::Standard
                                                                   : OptionEffect::Unavailable;
        }
        if (needPrice[i]) (*reasons)[i].price.inherent = true;
    }
}

// The metallic mark follows the colour while one is chosen: a click on it is undone at once. Held
// ticked by a metallic colour, it was ticked by that colour, as choosing the colour ticks it,
// however the configuration came about (a click before the colour, a code, a file).
void HeldByColour(const ConfigurationSnapshot& config, ReasonTable* reasons) {
    const int colour = config.Colour();
    const OptionState& mark = config.Option(Opt::MetallicPaint);
    if (colour < 1 || colour >= kColourCount || !kColours[colour].metallic || !mark.enabled ||
        !mark.checked) {
        return;
    }
    OptionReason& reason = (*reasons)[Index(Opt::MetallicPaint)];
    reason.state = {ActionKind::Colour, std::int16_t(colour), false, false};
    reason.effect = OptionEffect::Ticked;
}

}  // namespace

void UpdateReasons(const ActionReport& report, const ConfigurationSnapshot& after,
                   ReasonTable* reasons) {
    const Cause cause = CauseOf(report.action, after);
    std::array<const OptionChange*, kOptionCount> changes{};
    for (const OptionChange& change : report.options) changes[Index(change.option)] = &change;

    std::array<bool, kOptionCount> needState{}, needPrice{};
    for (int i = 0; i < kOptionCount; ++i) {
        const Opt o = OptAt(i);
        const OptionState& s = after.Option(o);
        const OptionChange* change = changes[i];
        OptionReason& reason = (*reasons)[i];
        // What the action changed has the action as its cause. Everything else keeps its cause
        // while the choice it names is still made, and has it found again when it is not. The
        // user's own click makes the option his choice again.
        if (change != nullptr && change->effect != OptionEffect::None) {
            reason.state = cause;
            reason.effect = change->effect;
        } else if (!s.enabled) {
            const bool own = report.action.kind == ActionKind::Click && report.action.arg == i;
            if (own || !StillMade(reason.state, after) ||
                (reason.state.kind == ActionKind::None && !reason.state.inherent)) {
                reason.state = {};
                needState[i] = true;
            }
        } else {
            // A free option tells only what a rule did to it, while that still holds.
            const bool holds = (reason.effect == OptionEffect::Ticked && s.checked) ||
                               (reason.effect == OptionEffect::Unticked && !s.checked);
            if (!holds || !StillMade(reason.state, after) ||
                (report.action.kind == ActionKind::Click && report.action.arg == i)) {
                reason.state = {};
                reason.effect = OptionEffect::None;
            }
        }

        if (AtTablePrice(o, s)) {
            reason.price = {};
        } else if (change != nullptr && change->priceChanged) {
            reason.price = cause;
        } else if (!StillMade(reason.price, after) ||
                   (reason.price.kind == ActionKind::None && !reason.price.inherent)) {
            reason.price = {};
            needPrice[i] = true;
        }
    }
    FindCauses(after, needState, needPrice, reasons);
    HeldByColour(after, reasons);
}

void ExplainConfiguration(const ConfigurationSnapshot& config, ReasonTable* reasons) {
    *reasons = {};
    // Which options need a cause: not free, or not at the table's price.
    std::array<bool, kOptionCount> needState{}, needPrice{};
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionState& s = config.Option(OptAt(i));
        needState[i] = !s.enabled;
        needPrice[i] = !AtTablePrice(OptAt(i), s);
    }
    FindCauses(config, needState, needPrice, reasons);
    HeldByColour(config, reasons);
}

}  // namespace kalvora
