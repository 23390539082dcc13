// The UI port of script mode: message boxes and confirmations become lines of output, and the
// answer to a confirmation comes from the scenario.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "engine/model/UiPort.h"

namespace kalvora::cli {

// A text on one output line: carriage returns and line feeds written as \r and \n.
// A NUL byte is written as \0.
std::string EscapeLine(std::string_view text);

// "не удалось записать вывод", with the reason when the system gave one (errno `code`).
std::string OutputFailed(int code);

class ScriptUi : public UiPort {
  public:
    explicit ScriptUi(std::ostream& out) : out_(out) {}

    // The answer to the next confirmation; without one, a confirmation is answered No.
    void SetAnswer(std::optional<bool> answer) { answer_ = answer; }
    void SetClock(std::string date, std::string time);

    void ShowMessage(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    std::string DateText() override { return date_; }
    std::string TimeText() override { return time_; }

  private:
    std::ostream& out_;
    std::optional<bool> answer_;
    std::string date_ = "06.12.2026";
    std::string time_ = "18:20:08";
};

}  // namespace kalvora::cli
