// libFuzzer target: any bytes as a configuration file, opened from disk. The file either opens
// to a settled configuration or ends in a message with the configuration unchanged.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/model/Configuration.h"
#include "engine/code/ConfigCode.h"
#include "engine/code/DiskFileAccess.h"
#include "support/Settled.h"

namespace {

class QuietUi : public kalvora::UiPort {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool Confirm(const std::string&) override { return false; }
    std::string DateText() override { return "06.12.2026"; }
    std::string TimeText() override { return "18:20:08"; }
    std::vector<std::string> messages;
};

void Require(bool condition) {
    if (!condition) std::abort();
}

const std::string& FilePath() {
    static const std::string path = "/tmp/kalvora-fuzz-" + std::to_string(::getpid()) + ".klv";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kalvora;
    std::FILE* file = std::fopen(FilePath().c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    QuietUi ui;
    DiskFileAccess files;
    Configuration config(ui);
    config.RunStartCode({}, files);
    const std::int32_t price = *config.Total();
    ui.messages.clear();

    config.OpenFile(FilePath(), files);
    bool rejected = false;
    for (const std::string& m : ui.messages) {
        if (m !=
            "Введённый код был получен предыдущей версией конфигуратора. Сейчас код будет "
            "преобразован в новый.") {
            rejected = true;
        }
    }
    if (rejected) {
        Require(*config.Total() == price);
        return 0;
    }
    Require(testing::IsSettled(config));
    return 0;
}
