#include "history/OptionReasons.h"

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
    return std::to_string(s.price) == Def(o).price;
}

}  // namespace

void UpdateReasons(const ActionReport& report, const ConfigurationSnapshot& after,
                   ReasonTable* reasons) {
    const Cause cause = CauseOf(report.action, after);
    // The user's own click makes the option his choice again.
    if (report.action.kind == ActionKind::Click) {
        OptionReason& own = (*reasons)[report.action.arg];
        own.state = {};
        own.effect = OptionEffect::None;
    }
    for (const OptionChange& change : report.options) {
        OptionReason& reason = (*reasons)[Index(change.option)];
        if (change.effect != OptionEffect::None) {
            reason.state = cause;
            reason.effect = change.effect;
        }
        if (change.priceChanged) {
            reason.price =
                AtTablePrice(change.option, after.Option(change.option)) ? Cause{} : cause;
        }
    }
}

void ExplainConfiguration(const ConfigurationSnapshot& config, ReasonTable* reasons) {
    *reasons = {};
    // Which options need a cause: not free, or not at the table's price.
    std::array<bool, kOptionCount> needState{}, needPrice{};
    int open = 0;
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionState& s = config.Option(OptAt(i));
        needState[i] = !s.enabled;
        needPrice[i] = !AtTablePrice(OptAt(i), s);
        open += needState[i] + needPrice[i];
    }
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

}  // namespace kalvora
