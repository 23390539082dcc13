#include "engine/model/CarLook.h"

#include "engine/model/Configuration.h"

namespace kalvora {

// clang-format off
const std::array<Rgb, kColourCount> kPaintColours = {
    kNeutralPaint,  // "???"
    0xF1F2EF,       // Frozen White
    0x1C2B4A,       // Deep Navy
    0x3C5F8C,       // Jeans Metallic
    0x18191C,       // Panther Black Metallic
    0x8FB3A6,       // Tonic Metallic
    0x8C1620,       // Deep Rosso Red Metallic
    0xB8BCC1,       // Moondust Silver Metallic
    0x5B6770,       // Sea Grey Metallic
    0xC43A1C,       // Tango Metallic
    0x2C7DB8,       // Aquarius Metallic
    kNeutralPaint,  // SVO Metallic: painted to order, no shade to show
};
// clang-format on

namespace {

bool HasOwnPaint(int colourIndex) {
    return colourIndex >= 0 && colourIndex < kColourCount &&
           kColours[std::size_t(colourIndex)].shade != Shade::None;
}

}  // namespace

Rgb PaintOf(int colourIndex) {
    return HasOwnPaint(colourIndex) ? kPaintColours[std::size_t(colourIndex)] : kNeutralPaint;
}

bool MetallicPaint(int colourIndex) {
    return HasOwnPaint(colourIndex) && kColours[std::size_t(colourIndex)].metallic;
}

CarLook LookOf(const Configuration& config) {
    CarLook look;
    if (config.Body() >= 0 && config.Body() < kBodyCount) look.body = config.Body();
    look.paint = PaintOf(config.Colour());
    look.metallic = MetallicPaint(config.Colour());
    if (look.body == Wagon) {
        if (config.Rails() == BlackRoofRails) look.rails = RailsLook::Black;
        if (config.Rails() == AluminiumRoofRails) look.rails = RailsLook::Aluminium;
    }
    if (config.Checked(Opt::Alloys16)) {
        look.wheels = WheelLook::Alloy16;
    } else if (config.Checked(Opt::Alloys15)) {
        look.wheels = WheelLook::Alloy15;
    }
    return look;
}

}  // namespace kalvora
