// What every decoded configuration shows: a 20-character code of the alphabet whose first 19
// characters XOR to 0, and a colour of the list.
#pragma once

#include "engine/model/Configuration.h"
#include "engine/code/ConfigCode.h"

namespace kalvora::testing {

inline bool CodeIsWellFormed(const std::string& code) {
    if (code.size() != static_cast<std::size_t>(kCodeLength)) return false;
    int x = 0;
    for (int i = 0; i < kCodeLength - 1; ++i) x ^= CodeCharIndex(code[i]);
    return x == 0 && CodeCharIndex(code[kCodeLength - 1]) != 255;
}

inline bool IsSettled(const Configuration& config) {
    return CodeIsWellFormed(config.CodeFieldText()) && config.Colour() >= 0 &&
           config.Colour() < kColourCount;
}

}  // namespace kalvora::testing
