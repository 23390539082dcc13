#include "cli/PriceCommand.h"

#include "cli/ScriptUi.h"
#include "model/Configuration.h"
#include "model/IntegerText.h"

namespace kalvora::cli {

namespace {

// The conversion notice of an older code is information, not a failure.
constexpr std::string_view kConversionNotice =
    "Введённый код был получен предыдущей версией конфигуратора.";

class CollectingUi : public UiPort {
  public:
    void ShowMessage(const std::string& text) override {
        if (firstError.empty() && text.rfind(kConversionNotice, 0) != 0) firstError = text;
    }
    bool Confirm(const std::string&) override { return false; }
    std::string DateText() override { return "06.12.2026"; }
    std::string TimeText() override { return "18:20:08"; }

    std::string firstError;
};

constexpr std::string_view kPricePrefix = "Цена: $";

}  // namespace

int RunPrice(const std::vector<std::string>& arguments, std::ostream& out, FileAccess& files) {
    int status = 0;
    for (const std::string& argument : arguments) {
        CollectingUi ui;
        Configuration config(ui);
        config.FormActivate({argument}, files);
        std::string error = ui.firstError;
        const std::string& label = config.PriceLabel();
        const bool priced = label.rfind(kPricePrefix, 0) == 0 &&
                            ParseInteger(label.substr(kPricePrefix.size())).has_value();
        if (error.empty() && (!priced || config.StartupPending())) {
            error = std::string(kInvalidCombination);
        }
        out << EscapeLine(argument) << '\t';
        if (error.empty()) {
            out << config.Edit1() << '\t' << config.CurrentPrice() << '\n';
        } else {
            out << "error: " << EscapeLine(error) << '\n';
            status = 1;
        }
    }
    return status;
}

}  // namespace kalvora::cli
