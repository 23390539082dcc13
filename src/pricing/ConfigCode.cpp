#include "pricing/ConfigCode.h"

namespace kalvora {

int CodeCharIndex(char c) {
    int found = 255;
    for (int i = 0; i < static_cast<int>(kCodeAlphabet.size()); ++i) {
        if (kCodeAlphabet[i] == c) found = i;
    }
    return found;
}

CodeBuilder::CodeBuilder(int trim, int body, int rails, int engine) {
    words_[0] = static_cast<std::uint8_t>((trim * 16 + body * 4 + rails) & 63);
    words_[1] = static_cast<std::uint8_t>(engine & 7);
}

namespace {
// Which word holds the bit of the option at a walk position.
int WordOf(int walkIndex) {
    if (walkIndex < 3) return 1;  // after the engine
    if (walkIndex < 45) return 2 + (walkIndex - 3) / 6;
    if (walkIndex < 51) return 10;  // word 9 is the colour
    return 11;
}
}  // namespace

void CodeBuilder::AddOption(int walkIndex, bool checked) {
    std::uint8_t& word = words_[WordOf(walkIndex)];
    word = static_cast<std::uint8_t>(((word << 1) | (checked ? 1 : 0)) & 63);
    // Word 11 holds only three options, in its top bits.
    if (walkIndex == 53) word = static_cast<std::uint8_t>((word << 3) & 63);
}

void CodeBuilder::SetColour(int itemIndex) {
    words_[9] = static_cast<std::uint8_t>(itemIndex & 63);
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
