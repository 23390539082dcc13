#include "cli/StateDump.h"

#include <cstdio>
#include <string>

#include "cli/ScriptUi.h"
#include "engine/model/PriceTexts.h"

namespace kalvora::cli {

namespace {

std::string OrDash(int value) {
    return value < 0 ? "-" : std::to_string(value);
}

template <typename Enabled>
std::string Flags(int count, Enabled enabled) {
    std::string flags;
    for (int i = 0; i < count; ++i) flags += enabled(i) ? '1' : '0';
    return flags;
}

std::string Hex(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(colour & 0xFFFFFF));
    return text;
}

std::string PictureNames(const VisiblePictures& p) {
    std::string body =
        p.body >= 0 && p.body < kBodyCount ? std::string(kBodyPictures[p.body]) : "-";
    std::string shade = "-";
    if (p.shade != Shade::None && p.shadeBody >= 0 && p.shadeBody < kBodyCount) {
        shade = std::string(kShadePictures[p.shadeBody][static_cast<int>(p.shade) - 1]);
    }
    std::string swatch = p.swatch >= 1 ? "I" + std::to_string(p.swatch) : "-";
    return body + ' ' + shade + ' ' + swatch;
}

}  // namespace

void WriteStateDump(const Configuration& c, std::ostream& out) {
    const PriceFigures& f = c.Figures();
    out << "trim " << c.Trim() << '\n'
        << "body " << OrDash(c.Body()) << '\n'
        << "rails " << OrDash(c.Rails()) << '\n'
        << "engine " << OrDash(c.Engine()) << '\n'
        << "preferred " << c.PreferredEngine() << '\n'
        << "colour " << c.Colour() << '\n'
        << "bodies-enabled " << Flags(kBodyCount, [&](int i) { return c.BodyEnabled(i); }) << '\n'
        << "rails-enabled " << Flags(kRailsCount, [&](int i) { return c.RailsEnabled(i); }) << '\n'
        << "engines-enabled " << Flags(kEngineCount, [&](int i) { return c.EngineEnabled(i); })
        << '\n'
        << "base " << EscapeLine(BasePriceText(f)) << '\n'
        << "surcharge " << EscapeLine(SurchargeText(f)) << '\n'
        << "price-label " << EscapeLine(PriceLabelText(f)) << '\n'
        << "current-price " << (f.total ? *f.total : FigureWithoutTotal(f)) << '\n'
        << "code " << EscapeLine(c.CodeFieldText()) << '\n'
        << "pictures " << PictureNames(c.Pictures()) << '\n';
    for (int i = 0; i < kOptionCount; ++i) {
        const Opt o = OptAt(i);
        const OptionState& s = c.Option(o);
        out << "option " << Def(o).name << ' ' << s.checked << ' ' << s.enabled << ' ' << s.wish
            << ' ' << s.price << " shadow=" << Hex(s.shadow) << " font=" << Hex(s.font)
            << " caption=" << s.captionEnabled << '\n';
    }
    out << ".\n";
}

}  // namespace kalvora::cli
