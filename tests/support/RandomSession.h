// One random user session at the main window: clicks, trims, bodies, engines, colours, typed
// codes, resets and "equip everything", drawn from the given generator. After each action the
// callback receives the step, a short description of the action and the action's kind; another
// may see each action before it is done.
#pragma once

#include <random>
#include <string>

#include "model/Configuration.h"
#include "pricing/ConfigCode.h"
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

// `beforeStep(step, what, kind, arg)` runs when the action is drawn and before it is done; arg
// is the option's index, the trim, body, engine or colour, 0 for the rest.
template <typename BeforeStep, typename AfterStep>
void PlayRandomSession(std::mt19937& random, RecordingUi& ui, Configuration& config, User& user,
                       int steps, BeforeStep beforeStep, AfterStep afterStep) {
    config.ApplyTrimRules();
    user.PickColour(static_cast<int>(random() % kColourCount));
    for (int step = 0; step < steps; ++step) {
        const unsigned action = random() % 13;
        std::string what;
        SessionAction kind;
        int arg = 0;
        std::string text;
        if (action < 6) {
            arg = static_cast<int>(random() % kOptionCount);
            what = "click " + std::string(Def(OptAt(arg)).name);
            kind = SessionAction::Click;
        } else if (action == 6) {
            arg = static_cast<int>(random() % kTrimCount);
            what = "trim " + std::to_string(arg);
            kind = SessionAction::Trim;
        } else if (action == 7) {
            arg = static_cast<int>(random() % kBodyCount);
            what = "body " + std::to_string(arg);
            kind = SessionAction::Body;
        } else if (action == 8) {
            arg = static_cast<int>(random() % kEngineCount);
            what = "engine " + std::to_string(arg);
            kind = SessionAction::Engine;
        } else if (action == 9) {
            arg = static_cast<int>(random() % kColourCount);
            what = "colour " + std::to_string(arg);
            kind = SessionAction::Colour;
        } else if (action == 10) {
            // Mostly rejected; a random text passes the check word one time in 64.
            text = RandomCodeText(random);
            what = "code " + text;
            kind = SessionAction::Code;
        } else if (action == 11) {
            what = "reset";
            kind = SessionAction::Reset;
        } else {
            what = "equip";
            kind = SessionAction::Equip;
        }
        beforeStep(step, what, kind, arg);
        switch (kind) {
            case SessionAction::Click:
                user.Click(OptAt(arg));
                break;
            case SessionAction::Trim:
                user.PickTrim(arg);
                break;
            case SessionAction::Body:
                user.ClickBody(arg);
                break;
            case SessionAction::Engine:
                user.ClickEngine(arg);
                break;
            case SessionAction::Colour:
                user.PickColour(arg);
                break;
            case SessionAction::Code:
                user.LeaveOption();
                config.SetEdit1(text);
                config.DecodeCodeField();
                break;
            case SessionAction::Reset:
                user.LeaveOption();
                ui.answers.push_back(true);
                config.ResetAll();
                break;
            case SessionAction::Equip:
                config.EquipAll();
                break;
        }
        if (!afterStep(step, what, kind)) return;
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
