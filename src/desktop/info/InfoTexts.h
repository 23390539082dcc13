// Every text of the information windows in one place: the explanations shown in message boxes,
// the captions and reference tables of the picture, comparison and About windows. UTF-8; line
// breaks of the explanations are single carriage returns, as the message box expects them.
#pragma once

#include <cstdint>
#include <string_view>

namespace kalvora {

// The explanations shown in a message box.
enum class InfoText : std::uint8_t {
    None,
    SafetyPack5,      // "Пакет безопасности 5 включает в себя:"
    AdaptiveLight,    // adaptive headlamps
    BiXenon,          // bi-xenon headlamps
    VisibilityPack,   // «Обзорность»
    VisibilityPack1,  // «Обзорность 1»
    Abs,              // anti-lock brakes
    SideAirbags,      // three-dimensional side airbags
    Stability,        // ABS with EBD, ESP and EBA
    DriverSeat6,      // six-way power driver's seat
    HeatedSeats,      // heated front seats
    CooledGloveBox,   // 12-litre cooled glove box
    CruiseControl,    // cruise control
    Wheels15,         // 15-inch alloy wheel designation
    Wheels16,         // 16-inch alloy wheel designation
    PaintColours,     // paint colours
    ParkingSensor,    // rear parking sensor
    RadioPack4,       // radio pack 4
    RubberMats,       // short texts from here on
    Registration,
    ComfortPack,
    WinterPack,
    ComfortPlusPack,
    RadioPack6,
    RadioPack12,
    RadioPack1,
    TravellerPack,
    StylePack,
};
constexpr int kInfoTextCount = static_cast<int>(InfoText::StylePack) + 1;

// The text of an explanation; empty for InfoText::None.
std::string_view ExplanationText(InfoText text);

namespace info_text {

// Shown behind every picture until the picture file is loaded over it.
extern const std::string_view kMissingPicture;

extern const std::string_view kFogLampCaption;
extern const std::string_view kClimateCaption;
extern const std::string_view kRadioPack2Caption;
extern const std::string_view kRadioPack7Caption;
extern const std::string_view kAlloyWheelsCaption;
extern const std::string_view kRearBlindsCaption;
extern const std::string_view kRearBlindsExplanation;  // the label right of the picture
extern const std::string_view kBodyTypesCaption;
extern const std::string_view kBodyTypesTable;
extern const std::string_view kTrimComparisonCaption;
extern const std::string_view kTrimComparisonTable;
extern const std::string_view kEngineComparisonCaption;
extern const std::string_view kEngineComparisonTable;
extern const std::string_view kPreheaterCaption;
extern const std::string_view kPreheaterHtml;  // rich text of the pre-start heater window

// About window.
extern const std::string_view kAboutCaption;
extern const std::string_view kAboutName;
extern const std::string_view kAboutVersion;
extern const std::string_view kAboutDate;
extern const std::string_view kAboutDisclaimer;
extern const std::string_view kAboutOfficialLine;
extern const std::string_view kAboutOk;

}  // namespace info_text

}  // namespace kalvora
