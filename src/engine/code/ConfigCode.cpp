#include "engine/code/ConfigCode.h"

namespace kalvora {

int CodeCharIndex(char c) {
    int found = 255;
    for (int i = 0; i < static_cast<int>(kCodeAlphabet.size()); ++i) {
        if (kCodeAlphabet[i] == c) found = i;
    }
    return found;
}

CodeBuilder::CodeBuilder(int trim, int body, int rails, int engine) {
    words_[kChoiceWord] = static_cast<std::uint8_t>(ChoiceWord(trim, body, rails));
    words_[kEngineWord] = static_cast<std::uint8_t>(EngineWord(engine));
}

void CodeBuilder::AddOption(int walkIndex, bool checked) {
    const BitPlace place = OptionBitPlace(walkIndex);
    std::uint8_t& word = words_[place.word];
    const auto bit = static_cast<std::uint8_t>(1u << place.bit);
    word = static_cast<std::uint8_t>(checked ? word | bit : word & ~bit);
}

void CodeBuilder::SetColour(int itemIndex) {
    words_[kColourWord] = static_cast<std::uint8_t>(itemIndex & 63);
}

std::string CodeBuilder::Finish() const {
    CodeWords w = words_;
    std::uint8_t check = 0;
    for (int i = 0; i < kCodeLength - 1; ++i) check ^= w[i];
    w[kCodeLength - 1] = check;
    for (int i = 0; i < kCodeLength - 1; ++i) w[i] ^= check;
    std::string text;
    text.reserve(kCodeLength);
    for (std::uint8_t v : w) text += kCodeAlphabet[v];
    return text;
}

}  // namespace kalvora
