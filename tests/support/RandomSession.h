// One random user session at the main window: clicks, trims, bodies, engines, colours, typed
// codes, resets and "equip everything", drawn from the given generator. After each action the
// callback receives the step, a short description of the action and the action's number.
#pragma once

#include <random>
#include <string>

#include "engine/model/Configuration.h"
#include "engine/code/ConfigCode.h"
#include "support/RecordingUi.h"
#include "support/User.h"

namespace kalvora::testing {

inline std::string RandomCodeText(std::mt19937& random) {
    std::string text;
    const int length = random() % 3 == 0 ? 11 : 20;
    for (int i = 0; i < length; ++i) text += kCodeAlphabet[random() % 64];
    return text;
}

enum class SessionAction { Click, Trim, Body, Engine, Colour, Code, Reset, Equip };

// One action of a random session, drawn before it is played.
struct SessionStep {
    SessionAction kind = SessionAction::Equip;
    int arg = 0;       // the option, trim, body, engine Tag or colour
    std::string code;  // the text typed for Code
    std::string what;  // "click ptf", "trim 2", "body 1", "engine 7", "code ...", "reset", ...
};

inline SessionStep DrawSessionStep(std::mt19937& random) {
    SessionStep s;
    const unsigned action = random() % 13;
    if (action < 6) {
        s.kind = SessionAction::Click;
        s.arg = static_cast<int>(random() % kOptionCount);
        s.what = "click " + std::string(Def(OptAt(s.arg)).name);
    } else if (action == 6) {
        s.kind = SessionAction::Trim;
        s.arg = static_cast<int>(random() % kTrimCount);
        s.what = "trim " + std::to_string(s.arg);
    } else if (action == 7) {
        s.kind = SessionAction::Body;
        s.arg = static_cast<int>(random() % kBodyCount);
        s.what = "body " + std::to_string(s.arg);
    } else if (action == 8) {
        s.kind = SessionAction::Engine;
        s.arg = static_cast<int>(random() % kEngineCount);
        s.what = "engine " + std::to_string(s.arg);
    } else if (action == 9) {
        s.kind = SessionAction::Colour;
        s.arg = static_cast<int>(random() % kColourCount);
        s.what = "colour " + std::to_string(s.arg);
    } else if (action == 10) {
        // Mostly rejected; a random text passes the check word one time in 64.
        s.kind = SessionAction::Code;
        s.code = RandomCodeText(random);
        s.what = "code " + s.code;
    } else if (action == 11) {
        s.kind = SessionAction::Reset;
        s.what = "reset";
    } else {
        s.kind = SessionAction::Equip;
        s.what = "equip";
    }
    return s;
}

// The step as a line of a kalvora-cli script; empty for a click on a hidden option, which a
// scenario cannot name.
inline std::string ScriptLineOf(const SessionStep& s) {
    switch (s.kind) {
        case SessionAction::Click:
            return Def(OptAt(s.arg)).hidden ? std::string() : s.what;
        case SessionAction::Body:
            return "click " + std::string(kBodies[s.arg].name);
        case SessionAction::Engine:
            return "click " + std::string(kEngines[s.arg].name);
        case SessionAction::Reset:
            return "reset yes";
        default:
            return s.what;
    }
}

inline void PlaySessionStep(const SessionStep& s, RecordingUi& ui, Configuration& config,
                            User& user) {
    switch (s.kind) {
        case SessionAction::Click:
            return user.Click(OptAt(s.arg));
        case SessionAction::Trim:
            return user.PickTrim(s.arg);
        case SessionAction::Body:
            return user.ClickBody(s.arg);
        case SessionAction::Engine:
            return user.ClickEngine(s.arg);
        case SessionAction::Colour:
            return user.PickColour(s.arg);
        case SessionAction::Code:
            user.LeaveOption();
            config.SetCodeFieldText(s.code);
            config.DecodeCodeField();
            return;
        case SessionAction::Reset:
            user.LeaveOption();
            ui.answers.push_back(true);
            config.ResetAll();
            return;
        case SessionAction::Equip:
            config.EquipAll();
            return;
    }
}

// `beforeStep(step, what, kind, arg)` sees each action when it is drawn, before it is played.
template <typename BeforeStep, typename AfterStep>
void PlayRandomSession(std::mt19937& random, RecordingUi& ui, Configuration& config, User& user,
                       int steps, BeforeStep beforeStep, AfterStep afterStep) {
    config.ApplyTrimRules();
    user.PickColour(static_cast<int>(random() % kColourCount));
    for (int step = 0; step < steps; ++step) {
        const SessionStep s = DrawSessionStep(random);
        beforeStep(step, s.what, s.kind, s.arg);
        PlaySessionStep(s, ui, config, user);
        if (!afterStep(step, s.what, s.kind)) return;
    }
}

template <typename AfterStep>
void PlayRandomSession(std::mt19937& random, RecordingUi& ui, Configuration& config, User& user,
                       int steps, AfterStep afterStep) {
    PlayRandomSession(
        random, ui, config, user, steps, [](int, const std::string&, SessionAction, int) {},
        afterStep);
}

}  // namespace kalvora::testing
