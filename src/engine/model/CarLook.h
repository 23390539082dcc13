// What the picture of the configured car shows: body, paint, roof rails and wheels. The windows
// and kalvora-cli draw from this; the rules that choose the options stay in the configuration.
#pragma once

#include <array>
#include <cstddef>

#include "engine/model/Catalogue.h"

namespace kalvora {

class Configuration;

enum class RailsLook : int { None = 0, Black = 1, Aluminium = 2 };
enum class WheelLook : int { Steel = 0, Alloy15 = 1, Alloy16 = 2 };

// Paint of a car without a colour, or with one the picture has no shade for.
constexpr Rgb kNeutralPaint = 0x9B9FA4;

// The paint of each `ComboBox1` item, 0xRRGGBB, by item index (beside kColours).
extern const std::array<Rgb, kColourCount> kPaintColours;

struct CarLook {
    int body = Hatchback5Door;
    Rgb paint = kNeutralPaint;
    bool metallic = false;
    RailsLook rails = RailsLook::None;
    WheelLook wheels = WheelLook::Steel;

    bool operator==(const CarLook& o) const {
        return body == o.body && paint == o.paint && metallic == o.metallic && rails == o.rails &&
               wheels == o.wheels;
    }
    bool operator!=(const CarLook& o) const { return !(*this == o); }
};

// The paint a colour item is drawn in: its own for the ten colours with a shade, the neutral grey
// for "???", for a colour without shade and for an index out of range.
Rgb PaintOf(int colourIndex);
// Whether the colour is drawn with the metallic highlight (only colours with their own paint).
bool MetallicPaint(int colourIndex);

// The car as the controls describe it now. Without a selected body the five-door hatchback is
// drawn; the rails show only on the wagon; the 16" wheels win over the 15" ones.
CarLook LookOf(const Configuration& config);

}  // namespace kalvora
