// libFuzzer target: any text in the code field, decoded. A rejected text changes nothing but
// the field; an accepted one leaves a settled 20-character code whose first 19 characters XOR
// to 0 and a colour of the list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/model/Configuration.h"
#include "engine/code/ConfigCode.h"
#include "support/Settled.h"

namespace {

class QuietUi : public kalvora::UiPort {
  public:
    void ShowMessage(const std::string& text) override { messages += text; }
    bool Confirm(const std::string&) override { return false; }
    std::string DateText() override { return "06.12.2026"; }
    std::string TimeText() override { return "18:20:08"; }
    std::string messages;
};

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kalvora;
    QuietUi ui;
    Configuration config(ui);
    config.SetCodeFieldText(std::string(kResetCode));
    config.DecodeCodeField();
    const int trim = config.Trim();
    const std::int32_t price = *config.Total();
    ui.messages.clear();

    config.SetCodeFieldText(std::string(reinterpret_cast<const char*>(data), size));
    config.DecodeCodeField();
    if (ui.messages.find("Недопустимая комбинация кода") != std::string::npos) {
        Require(config.Trim() == trim && *config.Total() == price);
        return 0;
    }
    Require(testing::IsSettled(config));
    return 0;
}
