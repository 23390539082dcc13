// kalvora-cli: prices the configuration the program starts with.
#include <iostream>

#include "model/Configuration.h"

namespace {
class ConsoleUi : public kalvora::UiPort {
public:
    void ShowMessage(const std::string& text) override { std::cout << "message: " << text << '\n'; }
    bool Confirm(const std::string&) override { return false; }
    std::string DateText() override { return "06.12.2026"; }
    std::string TimeText() override { return "18:20:08"; }
};
}  // namespace

int main() {
    ConsoleUi ui;
    kalvora::Configuration config(ui);
    config.ComplButtonClick();
    std::cout << config.PriceLabel() << '\n' << config.Edit1() << '\n';
    return 0;
}
