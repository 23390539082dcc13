// Sets the main window's controls to a wanted state for document tests.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/model/Configuration.h"

namespace kalvora::testing {

struct Scene {
    int trim = Ghia;
    int body = Sedan;
    int engine = Petrol20Manual145;
    int rails = NoRoofRails;
    int colour = 7;
    std::optional<Dollars> base = 18560;  // none: not offered
    std::optional<Dollars> surcharge = 0;
    // Every option not listed here ends unticked; listed ones carry this price text.
    std::vector<std::pair<Opt, std::string>> ticked;
    std::vector<Opt> disabled;
    std::string code = "ABCDEFGHIJKLMNOPQRST";
};

// The rules run as they would for a user, then every tick, price and figure is forced to the
// scene and the total computed from them, so that a test sees exactly the state it describes.
inline void Apply(Configuration& c, const Scene& s) {
    c.SelectTrim(s.trim);
    c.SelectBody(s.body);
    // Entering the engine button makes it the preferred engine, which the trim rules keep.
    c.OnEngineFocused(s.engine);
    c.SelectEngine(s.engine);
    c.SelectRails(s.rails);
    // With no colour chosen the metallic mark does not follow the colour while ticks are set.
    c.SetColourIndex(-1);
    const auto wanted = [&](Opt o) {
        for (const auto& [opt, price] : s.ticked) {
            if (opt == o) return true;
        }
        return false;
    };
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < kOptionCount; ++i) c.SetChecked(OptAt(i), wanted(OptAt(i)));
    }
    for (int i = 0; i < kOptionCount; ++i) {
        ASSERT_EQ(c.Checked(OptAt(i)), wanted(OptAt(i))) << Def(OptAt(i)).name;
        c.SetEnabled(OptAt(i), true);
    }
    for (Opt o : s.disabled) c.SetEnabled(o, false);
    for (const auto& [opt, price] : s.ticked) c.SetPrice(opt, std::stoi(price));
    ASSERT_EQ(c.Trim(), s.trim);
    ASSERT_EQ(c.Body(), s.body);
    ASSERT_EQ(c.Engine(), s.engine);
    ASSERT_EQ(c.Rails(), s.rails);
    c.SetColourIndex(s.colour);
    c.SetBaseAmount(s.base);
    c.SetSurchargeAmount(s.surcharge);
    c.MarkFiguresDue();
    c.SetCodeFieldText(s.code);
}

}  // namespace kalvora::testing
