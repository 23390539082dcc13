// The 20-character configuration code: 19 data words and a check word of six bits each,
// scrambled with the check word and written in a 64-character alphabet.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalvora {

// Position v holds the character of word value v. Digit zero, I, O, l and o are left out so
// that a code read aloud or retyped cannot be mistaken.
constexpr std::string_view kCodeAlphabet =
    "#123456789+=ABCDEFGH@JKLMN*PQRSTUVWXYZabcdefghijk!mn.pqrstuvwxyz";
static_assert(kCodeAlphabet.size() == 64);

constexpr int kCodeLength = 20;     // the code of this version
constexpr int kOldCodeLength = 11;  // the code of the previous version
constexpr std::string_view kResetCode = "####################";

// The position of c in the alphabet, or 255 when c is not in it.
int CodeCharIndex(char c);

using CodeWords = std::array<std::uint8_t, kCodeLength>;

// The layout of the words, for the encoder, the decoder and the tests alike:
//   word 0: trim * 16 + body * 4 + roof rails
//   word 1: engine * 8, then the first three options in bits 2..0
//   words 2..8 and 10..11: six options each, the first one in bit 5 (word 11 holds three)
//   word 9: the colour's item index
//   words 12..18: reserved, 0;  word 19: the check word
constexpr int kChoiceWord = 0;  // trim, body and roof rails
constexpr int kEngineWord = 1;
constexpr int kColourWord = 9;
// The options at walk positions 0..44 come before the colour word, the rest after it.
constexpr int kOptionsBeforeColour = 45;
// The previous version's code ends with the colour word: words from here on are new.
constexpr int kFirstNewWord = 10;

constexpr int ChoiceWord(int trim, int body, int rails) {
    return (trim * 16 + body * 4 + rails) & 63;
}
constexpr int TrimOfWord(int word) {
    return word / 16;
}
constexpr int BodyOfWord(int word) {
    return word % 16 / 4;
}
constexpr int RailsOfWord(int word) {
    return word % 4;
}
constexpr int EngineWord(int engine) {
    return (engine & 7) * 8;
}
constexpr int EngineOfWord(int word) {
    return word / 8;
}

// The word and bit of the option at a walk position (0..53).
struct BitPlace {
    int word;
    int bit;
};
constexpr BitPlace OptionBitPlace(int walkIndex) {
    if (walkIndex < 3) return {kEngineWord, 2 - walkIndex};
    if (walkIndex < kOptionsBeforeColour) return {2 + (walkIndex - 3) / 6, 5 - (walkIndex - 3) % 6};
    return {kFirstNewWord + (walkIndex - kOptionsBeforeColour) / 6,
            5 - (walkIndex - kOptionsBeforeColour) % 6};
}

// Collects the words while the price computation walks the options, then writes the code.
class CodeBuilder {
  public:
    CodeBuilder(int trim, int body, int rails, int engine);
    // The option at walk position `walkIndex` (0..53), in walk order.
    void AddOption(int walkIndex, bool checked);
    // The colour word, read after the option at walk position kOptionsBeforeColour - 1.
    void SetColour(int itemIndex);
    // The check word is the XOR of all data words; every data word is XORed with it, and each
    // word becomes its alphabet character.
    std::string Finish() const;

  private:
    CodeWords words_{};
};

}  // namespace kalvora
