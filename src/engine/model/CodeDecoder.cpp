// DecodeCodeField and the start code: from a code back to the controls.
#include <string>

#include "engine/code/ConfigCode.h"
#include "engine/code/ConfigFile.h"
#include "engine/model/Configuration.h"

namespace kalvora {

namespace {

constexpr std::string_view kInvalidCode = "Недопустимая комбинация кода";
constexpr std::string_view kOldCodeConverted =
    "Введённый код был получен предыдущей версией конфигуратора. Сейчас код будет "
    "преобразован в новый.";

// The colour list has twelve items; the colour word is read modulo 15, so 12 to 14 name no
// colour at all.
constexpr int kColourModulus = 15;

// `$` is read as `.` (they are easily confused when a code is written down); trailing blanks
// come from copying a code out of a document.
std::string CleanCode(std::string text) {
    for (char& c : text) {
        if (c == '$') c = '.';
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// An argument that is no existing file is a code, unless it can only be meant as a file: a
// '/' never occurs in a code, and a name ending in ".klv" is a file unless it could be a code
// (a code's length, every character from the code alphabet, which has ".KLV").
bool LooksLikeFileName(const std::string& argument) {
    if (argument.find('/') != std::string::npos) return true;
    const std::string cleaned = CleanCode(argument);
    bool codeShaped = cleaned.size() == static_cast<std::size_t>(kCodeLength) ||
                      cleaned.size() == static_cast<std::size_t>(kOldCodeLength);
    for (char c : cleaned) codeShaped = codeShaped && CodeCharIndex(c) != 255;
    if (codeShaped) return false;
    constexpr std::string_view kExtension = ".klv";
    if (argument.size() < kExtension.size()) return false;
    const std::string_view tail(argument.data() + argument.size() - kExtension.size(),
                                kExtension.size());
    for (std::size_t i = 0; i < kExtension.size(); ++i) {
        if ((tail[i] | 0x20) != kExtension[i]) return false;
    }
    return true;
}

}  // namespace

Result Configuration::DecodeCodeField() {
    Result result = DecodeCodeFieldQuietly();
    if (result.outcome == Outcome::Rejected) ui_.ShowMessage(result.reason);
    return result;
}

Result Configuration::DecodeCodeFieldQuietly() {
    const Settle settle(*this);
    const Result rejected{Outcome::Rejected, std::string(kInvalidCode)};
    const std::string text = CleanCode(codeFieldText_);
    SetCodeFieldText(text);

    const bool oldCode = text.size() == static_cast<std::size_t>(kOldCodeLength);
    if (!oldCode && text.size() != static_cast<std::size_t>(kCodeLength)) {
        return rejected;
    }
    CodeWords words{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int value = CodeCharIndex(text[i]);
        if (value == 255) {
            return rejected;
        }
        words[i] = static_cast<std::uint8_t>(value);
    }

    // Unscramble with the check word and verify it.
    const int checkIndex = static_cast<int>(text.size()) - 1;
    const std::uint8_t check = words[checkIndex];
    std::uint8_t sum = 0;
    for (int i = 0; i < checkIndex; ++i) {
        words[i] ^= check;
        sum ^= words[i];
    }
    // A colour word of 12 to 14 (after the modulo) names no item of the colour list; such a
    // code was never written by the program, so it is rejected like any other damaged code.
    if (sum != check || words[kColourWord] % kColourModulus >= kColourCount) {
        return rejected;
    }
    if (oldCode) {
        ui_.ShowMessage(std::string(kOldCodeConverted));
        // The previous version had no words for the nine newest options: they are not ticked.
        for (int i = kFirstNewWord; i < kCodeLength; ++i) words[i] = 0;
    }

    // While the options are assigned, no colour is selected: otherwise the metallic mark would
    // follow the colour of the previous configuration, and a code with "???" would come back
    // with that colour's mark (a reset after a metallic colour kept the metallic paint).
    SetColourIndex(-1);

    // Every assignment below behaves like a click: the rules run as the controls change.
    SelectTrim(TrimOfWord(words[kChoiceWord]));
    SelectBody(BodyOfWord(words[kChoiceWord]));
    const int rails = RailsOfWord(words[kChoiceWord]);
    if (rails < kRailsCount) SelectRails(rails);
    const int engine = EngineOfWord(words[kEngineWord]);
    // 1,8 M (125) and 2,0 A (145) come back through the preferred engine, when the trim rules
    // choose the engine from it.
    if (engine <= Petrol20Manual145) SelectEngine(engine);
    SetPreferredEngine(engine);

    const auto applyOption = [&](int walkIndex) {
        const BitPlace place = OptionBitPlace(walkIndex);
        const Opt o = OptAt(walkIndex);
        SetChecked(o, (words[place.word] >> place.bit & 1) != 0);
        // The wish is what the option shows after its own rule has run, so that the trim
        // rules below bring it back exactly when it survived.
        SetWish(o, Checked(o) ? 1 : 0);
    };
    for (int i = 0; i < kOptionsBeforeColour; ++i) applyOption(i);
    SetColourIndex(words[kColourWord] % kColourModulus);
    for (int i = kOptionsBeforeColour; i < kOptionCount; ++i) applyOption(i);

    // Settle: the colour, then the trim rules for the decoded trim, body and engine, then the
    // price and the code of what the rules allowed.
    OnColourChosen();
    ApplyTrimRules();
    MarkFiguresDue();
    if (observer_) observer_->CodeDecoded();
    return {oldCode ? Outcome::Converted : Outcome::Accepted, {}};
}

Result Configuration::RunStartCode(const std::vector<std::string>& args, FileAccess& files,
                                   bool sayRejection) {
    if (!startupPending_) return {};
    std::string code(kResetCode);
    std::string startFile;
    Result failure;
    if (args.size() == 1) {
        const std::string& argument = args.front();
        if (files.Exists(argument) || LooksLikeFileName(argument)) {
            std::string line;
            std::string error;
            if (ReadCodeFile(files, argument, &line, &error)) {
                code = line;
                startFile = argument;
            } else {
                failure = {Outcome::Rejected, error};
            }
        } else {
            code = argument;
        }
    }
    Result result = failure;
    if (result.outcome != Outcome::Rejected) {
        SetCodeFieldText(code);
        result = DecodeCodeFieldQuietly();
    }
    if (result.outcome == Outcome::Rejected) {
        // Start as without an argument, so that the window shows a settled configuration while
        // the message is up and after it.
        SetCodeFieldText(kResetCode);
        DecodeCodeFieldQuietly();
    }
    startupPending_ = false;
    ApplyTrimRules();
    // What the program starts with is not a change of the user's. A file whose code was
    // rejected, or that could not be read, is not what is on screen, so it is not the open
    // document.
    documentPath_ = result.Succeeded() ? startFile : std::string();
    savedCodeFieldText_ = codeFieldText_;
    Changed();
    if (sayRejection && result.outcome == Outcome::Rejected) ui_.ShowMessage(result.reason);
    return result;
}

}  // namespace kalvora
