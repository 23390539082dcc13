// The figures: the total price, the caption labels' greyed state and the configuration code,
// all in one walk over the options.
#include <initializer_list>

#include "engine/model/Configuration.h"
#include "engine/code/ConfigCode.h"

namespace kalvora {

namespace {

// A package disables the check boxes of the options it includes; their captions stay readable
// while one of the named packages is ticked and the option with it.
struct CaptionRule {
    Opt option;
    std::initializer_list<Opt> packages;
    bool comfortOnly;
};

// clang-format off
const CaptionRule kCaptionRules[] = {
    {Opt::FrontFogLamps,          {Opt::VisibilityPackage, Opt::VisibilityPackage1}, true},
    {Opt::HeatedMirrors,      {Opt::WinterPackage},                   false},
    {Opt::HeatedWindscreen,       {Opt::WinterPackage, Opt::VisibilityPackage1},   false},
    {Opt::Alloys15,       {Opt::ComfortPackage, Opt::ComfortPlusPackage},   false},
    {Opt::Alloys16,       {Opt::ComfortPackage, Opt::ComfortPlusPackage},   false},
    {Opt::RadioPack2,        {Opt::ComfortPackage, Opt::ComfortPlusPackage},   false},
    {Opt::SecurityPack5,       {Opt::ComfortPackage, Opt::ComfortPlusPackage},   false},
    {Opt::HeatedFrontSeats,    {Opt::WinterPackage},                   false},
    {Opt::LuggageNet,     {Opt::TravellerPackage},                false},
    {Opt::BootCarpet, {Opt::TravellerPackage},                false},
};
// clang-format on

}  // namespace

void Configuration::MarkFiguresDue() {
    figuresDue_ = true;
    if (settleDepth_ == 0) ComputeFigures();
}

void Configuration::ComputeFigures() {
    figuresDue_ = false;
    const PriceFigures before = figures_;
    figures_.computed = true;
    figures_.total.reset();
    // Without a base price or a surcharge there is no total, and the code and the captions stay
    // as they are.
    if (!figures_.base || !figures_.surcharge) {
        if (figures_ != before) Changed();
        return;
    }
    const Dollars base = *figures_.base;
    const Dollars surcharge = *figures_.surcharge;

    // A group without a selected button counts as its first button.
    CodeBuilder code(trim_, body_ < 0 ? 0 : body_, rails_ < 0 ? 0 : rails_,
                     engine_ < 0 ? 0 : engine_);

    // Summed in 64 bits and kept as the 32-bit figure the window shows.
    std::int64_t total = static_cast<std::int64_t>(base) + surcharge;
    for (int i = 0; i < kOptionCount; ++i) {
        const Opt o = OptAt(i);
        const OptionState& s = options_[i];
        code.AddOption(i, s.checked);
        if (s.checked) total += s.price;
        if (o != Opt::MetallicPaint) SetCaptionEnabled(o, s.enabled);
        for (const CaptionRule& rule : kCaptionRules) {
            if (rule.option != o || !s.checked) continue;
            if (rule.comfortOnly && trim_ != Comfort) continue;
            for (Opt package : rule.packages) {
                if (Checked(package)) SetCaptionEnabled(o, true);
            }
        }
        if (i == kOptionsBeforeColour - 1) {
            // The colour list has no selection only before the start code: write colour 0.
            code.SetColour(colour_ >= 0 && colour_ < kColourCount ? colour_ : 0);
        }
    }

    figures_.total = static_cast<Dollars>(total);
    if (figures_ != before) Changed();
    configurationCode_ = code.Finish();
    SetCodeFieldText(configurationCode_);
    if (observer_) observer_->PriceComputed();
}

}  // namespace kalvora
