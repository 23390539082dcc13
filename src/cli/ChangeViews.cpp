#include "cli/ChangeViews.h"

#include "cli/ScriptUi.h"
#include "engine/model/PriceTexts.h"

namespace kalvora::cli {

namespace {

const char* ChoiceWord(ChoiceKind kind) {
    switch (kind) {
        case ChoiceKind::Trim:
            return "trim";
        case ChoiceKind::Body:
            return "body";
        case ChoiceKind::Rails:
            return "rails";
        case ChoiceKind::Engine:
            return "engine";
        case ChoiceKind::Colour:
            return "colour";
    }
    return "";
}

std::string Value(int v) {
    return v < 0 ? std::string("-") : std::to_string(v);
}

// The action as the scenario command that does it.
std::string ActionWords(const UserAction& a) {
    switch (a.kind) {
        case ActionKind::None:
            return "none";
        case ActionKind::Start:
            return "start";
        case ActionKind::Click:
            return "click " + std::string(Def(OptAt(a.arg)).name);
        case ActionKind::Trim:
            return "trim " + std::to_string(a.arg);
        case ActionKind::Body:
            return "click " + std::string(kBodies[a.arg].name);
        case ActionKind::Rails:
            return "click " + std::string(kRails[a.arg].name);
        case ActionKind::Engine:
            return "click " + std::string(kEngines[a.arg].name);
        case ActionKind::Colour:
            return "colour " + std::to_string(a.arg);
        case ActionKind::Code:
            return "code";
        case ActionKind::Reset:
            return "reset";
        case ActionKind::Equip:
            return "equip";
        case ActionKind::Open:
            return "open";
        case ActionKind::Undo:
            return "undo";
        case ActionKind::Redo:
            return "redo";
    }
    return "";
}

const char* EffectWord(const OptionChange& c) {
    switch (c.effect) {
        case OptionEffect::None:
            return nullptr;
        case OptionEffect::Ticked:
            return "ticked";
        case OptionEffect::Unticked:
            return "unticked";
        case OptionEffect::Standard:
            return "standard";
        case OptionEffect::Unavailable:
            return "unavailable";
        case OptionEffect::Available:
            return c.ticked ? "available ticked" : "available";
    }
    return nullptr;
}

}  // namespace

const char* StandingWord(Opt o, const OptionState& s) {
    // The dealer extras have no check box: a code alone ticks them.
    if (Def(o).hidden) return s.checked ? "hidden ticked" : "hidden";
    switch (StandingOf(s)) {
        case OptionStanding::Standard:
            return "standard";
        case OptionStanding::Unavailable:
            return "unavailable";
        case OptionStanding::Free:
            break;
    }
    return s.checked ? "ticked" : "unticked";
}

void WriteActionReport(const ActionReport& report, std::ostream& out) {
    out << "action " << ActionWords(report.action);
    if (report.action.kind == ActionKind::Undo || report.action.kind == ActionKind::Redo) {
        out << ' ' << ActionWords(report.undone);
    }
    out << '\n';
    for (const ChoiceChange& c : report.choices) {
        out << ChoiceWord(c.kind) << ' ' << Value(c.from) << ' ' << Value(c.to) << '\n';
    }
    for (const OptionChange& c : report.options) {
        out << "option " << Def(c.option).name;
        if (const char* word = EffectWord(c)) out << ' ' << word;
        if (c.priceChanged) out << " price " << c.oldPrice << ' ' << c.newPrice;
        out << '\n';
    }
    out << "total " << ReportTotalText(report.oldFigures) << ' '
        << ReportTotalText(report.newFigures) << "\n.\n";
}

void WriteExplanation(const Configuration& config, const ActionHistory& history,
                      std::ostream& out) {
    for (int i = 0; i < kOptionCount; ++i) {
        const Opt o = OptAt(i);
        const OptionState& s = config.Option(o);
        out << Def(o).name << '\t' << Def(o).caption << '\t' << StandingWord(o, s) << '\t'
            << s.price << '\t' << EscapeLine(history.Reason(o)) << '\n';
    }
}

}  // namespace kalvora::cli
