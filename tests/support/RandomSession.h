// One random user session at the main window: clicks, trims, bodies, engines, colours, typed
// codes, resets and "equip everything", drawn from the given generator. After each action the
// callback receives the step, a short description of the action and the action's number.
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

template <typename AfterStep>
void PlayRandomSession(std::mt19937& random, RecordingUi& ui, Configuration& config, User& user,
                       int steps, AfterStep afterStep) {
    config.ApplyTrimRules();
    user.PickColour(static_cast<int>(random() % kColourCount));
    for (int step = 0; step < steps; ++step) {
        const unsigned action = random() % 13;
        std::string what;
        SessionAction kind;
        if (action < 6) {
            const Opt o = OptAt(static_cast<int>(random() % kOptionCount));
            what = "click " + std::string(Def(o).name);
            kind = SessionAction::Click;
            user.Click(o);
        } else if (action == 6) {
            const int t = static_cast<int>(random() % kTrimCount);
            what = "trim " + std::to_string(t);
            kind = SessionAction::Trim;
            user.PickTrim(t);
        } else if (action == 7) {
            const int b = static_cast<int>(random() % kBodyCount);
            what = "body " + std::to_string(b);
            kind = SessionAction::Body;
            user.ClickBody(b);
        } else if (action == 8) {
            const int e = static_cast<int>(random() % kEngineCount);
            what = "engine " + std::to_string(e);
            kind = SessionAction::Engine;
            user.ClickEngine(e);
        } else if (action == 9) {
            const int k = static_cast<int>(random() % kColourCount);
            what = "colour " + std::to_string(k);
            kind = SessionAction::Colour;
            user.PickColour(k);
        } else if (action == 10) {
            // Mostly rejected; a random text passes the check word one time in 64.
            const std::string text = RandomCodeText(random);
            what = "code " + text;
            kind = SessionAction::Code;
            user.LeaveOption();
            config.SetEdit1(text);
            config.DecodeCodeField();
        } else if (action == 11) {
            what = "reset";
            kind = SessionAction::Reset;
            user.LeaveOption();
            ui.answers.push_back(true);
            config.ResetAll();
        } else {
            what = "equip";
            kind = SessionAction::Equip;
            config.EquipAll();
        }
        if (!afterStep(step, what, kind)) return;
    }
}

}  // namespace kalvora::testing
