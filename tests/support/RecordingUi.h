// A UiPort for tests: records what the rules show and answers questions from a list. Given to
// the configuration as its observer too (SetObserver), it counts what the engine told.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "engine/model/ConfigurationObserver.h"
#include "engine/model/UiPort.h"

namespace kalvora::testing {

class RecordingUi : public UiPort, public ConfigurationObserver {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool Confirm(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string DateText() override { return "06.12.2026"; }
    std::string TimeText() override { return "18:20:08"; }

    void ConfigurationChanged() override { ++changes; }
    void PriceComputed() override { ++pricesComputed; }
    void CodeDecoded() override { ++codesDecoded; }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    int changes = 0;
    int pricesComputed = 0;
    int codesDecoded = 0;
};

}  // namespace kalvora::testing
