// The UI port of script mode: message boxes and confirmations become lines of output, the
// answer to a confirmation comes from the scenario, and the code field takes the focus through
// the focus model.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "model/UiPort.h"

namespace kalvora {
class FocusModel;
class OrderDocument;
}  // namespace kalvora

namespace kalvora::cli {

// A text on one output line: carriage returns and line feeds written as \r and \n.
std::string EscapeLine(std::string_view text);

class ScriptUi : public UiPort {
  public:
    explicit ScriptUi(std::ostream& out) : out_(out) {}

    void SetFocusModel(FocusModel* focus) { focus_ = focus; }
    // The order window, whose text follows every price computation.
    void SetOrder(OrderDocument* order) { order_ = order; }
    // The answer to the next confirmation; without one, a confirmation is answered No.
    void SetAnswer(std::optional<bool> answer) { answer_ = answer; }
    void SetClock(std::string date, std::string time);

    void ShowMessage(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void FocusCodeField() override;
    void RefreshOrder() override;
    std::string DateText() override { return date_; }
    std::string TimeText() override { return time_; }

  private:
    std::ostream& out_;
    FocusModel* focus_ = nullptr;
    OrderDocument* order_ = nullptr;
    std::optional<bool> answer_;
    std::string date_ = "06.12.2026";
    std::string time_ = "18:20:08";
};

}  // namespace kalvora::cli
