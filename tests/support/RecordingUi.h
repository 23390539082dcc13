// A UiPort for tests: records what the rules show and answers questions from a list.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "model/UiPort.h"

namespace kalvora::testing {

class RecordingUi : public UiPort {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool Confirm(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ProcessPendingEvents() override { ++pendingEventRuns; }
    void RefreshOrder() override { ++orderRefreshes; }
    std::string DateText() override { return "06.12.2026"; }
    std::string TimeText() override { return "18:20:08"; }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    int pendingEventRuns = 0;
    int orderRefreshes = 0;
};

}  // namespace kalvora::testing
