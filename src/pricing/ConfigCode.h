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

// Collects the words while the price computation walks the options, then writes the code.
//   word 0: trim * 16 + body * 4 + roof rails
//   word 1: engine, then the first three options
//   words 2..8 and 10..11: six options each, the first one in bit 5
//   word 9: the colour's item index
//   words 12..18: reserved, 0;  word 19: the check word
class CodeBuilder {
  public:
    CodeBuilder(int trim, int body, int rails, int engine);
    // The option at walk position `walkIndex` (0..53), in walk order.
    void AddOption(int walkIndex, bool checked);
    // The colour word, read between options 45 and 46 of the walk.
    void SetColour(int itemIndex);
    // The check word is the XOR of all data words; every data word is XORed with it, and each
    // word becomes its alphabet character.
    std::string Finish() const;

  private:
    CodeWords words_{};
};

}  // namespace kalvora
