#include "engine/model/Configuration.h"

#include "engine/model/PriceList.h"

namespace kalvora {

Configuration::Configuration(UiPort& ui) : ui_(ui) {
    for (const OptionDef& d : kOptionTable) {
        OptionState& s = options_[Index(d.id)];
        s.checked = d.checked;
        s.enabled = d.enabled;
        s.wish = d.wish;
        s.price = d.price;
    }
    // Already before the first price computation, a box that cannot be changed looks it.
    for (const OptionDef& d : kOptionTable) CaptionFollowsBox(d.id);
}

void Configuration::Changed() {
    if (observer_) observer_->ConfigurationChanged();
}

// --- Options ---------------------------------------------------------------------------------

// The caption of an unticked option is greyed exactly when its box is disabled, so that an
// option never looks choosable when it is not. A ticked option's caption is the price
// computation's: a package keeps the captions of the options it includes readable. The
// metallic mark follows the colour list and keeps its caption.
void Configuration::CaptionFollowsBox(Opt o) {
    const OptionState& s = options_[Index(o)];
    if (!s.checked && o != Opt::MetallicPaint) SetCaptionEnabled(o, s.enabled);
}

void Configuration::SetChecked(Opt o, bool checked) {
    OptionState& s = options_[Index(o)];
    if (s.checked == checked) return;
    const Settle settle(*this);
    s.checked = checked;
    Changed();
    CaptionFollowsBox(o);
    RunClickRule(o);
}

void Configuration::OnOptionClicked(Opt o, bool checked) {
    const Settle settle(*this);
    usersClick_ = o;
    SetChecked(o, checked);
    usersClick_.reset();
}

void Configuration::SetEnabled(Opt o, bool enabled) {
    OptionState& s = options_[Index(o)];
    if (s.enabled == enabled) return;
    s.enabled = enabled;
    Changed();
    CaptionFollowsBox(o);
}

void Configuration::SetWish(Opt o, int wish) {
    OptionState& s = options_[Index(o)];
    if (s.wish == wish) return;
    s.wish = wish;
    Changed();
}

void Configuration::SetPrice(Opt o, std::int32_t price) {
    OptionState& s = options_[Index(o)];
    if (s.price == price) return;
    s.price = price;
    Changed();
}

void Configuration::SetShadow(Opt o, Rgb colour) {
    OptionState& s = options_[Index(o)];
    if (s.shadow == colour) return;
    s.shadow = colour;
    Changed();
}

void Configuration::SetFont(Opt o, Rgb colour) {
    OptionState& s = options_[Index(o)];
    if (s.font == colour) return;
    s.font = colour;
    Changed();
}

void Configuration::SetCaptionEnabled(Opt o, bool enabled) {
    OptionState& s = options_[Index(o)];
    if (s.captionEnabled == enabled) return;
    s.captionEnabled = enabled;
    Changed();
}

void Configuration::SetOptionAvailable(Opt o) {
    SetChecked(o, Wish(o) == 1);
    SetEnabled(o, true);
}

void Configuration::SetOptionStandard(Opt o) {
    SetChecked(o, true);
    SetEnabled(o, false);
}

void Configuration::SetOptionUnavailable(Opt o) {
    SetChecked(o, false);
    SetEnabled(o, false);
}

void Configuration::RunClickRule(Opt o) {
    const Settle settle(*this);
    switch (Def(o).onTick) {
        case TickRule::None:
            return;
        case TickRule::Reprice:
            return MarkFiguresDue();
        case TickRule::XenonHeadlamps:
            return OnXenonHeadlampsToggled();
        case TickRule::AdaptiveHeadlamps:
            return OnAdaptiveHeadlampsToggled();
        case TickRule::LitHeatedMirrors:
            return OnLitHeatedMirrorsToggled();
        case TickRule::RadioPack2:
            return OnRadioPack2Toggled();
        case TickRule::RadioPack4:
            return OnRadioPack4Toggled();
        case TickRule::RadioPack6:
            return OnRadioPack6Toggled();
        case TickRule::RadioPack7:
            return OnRadioPack7Toggled();
        case TickRule::SecurityPack5:
            return OnSecurityPack5Toggled();
        case TickRule::StyleInteriorPackage:
            return OnStyleInteriorPackageToggled();
        case TickRule::ComfortPackage:
            return OnComfortPackageToggled();
        case TickRule::ComfortPlusPackage:
            return OnComfortPlusPackageToggled();
        case TickRule::WinterPackage:
            return OnWinterPackageToggled();
        case TickRule::VisibilityPackage:
            return OnVisibilityPackageToggled();
        case TickRule::VisibilityPackage1:
            return OnVisibilityPackage1Toggled();
        case TickRule::TravellerPackage:
            return OnTravellerPackageToggled();
        case TickRule::LeatherTrim:
            return OnLeatherTrimToggled();
        case TickRule::PowerDriverSeat6Way:
            return OnPowerDriverSeat6WayToggled();
        case TickRule::MetallicPaint:
            return OnMetallicToggled();
        case TickRule::AntiLockBrakes:
            return OnAntiLockBrakesToggled();
        case TickRule::StabilityControl:
            return OnStabilityControlToggled();
    }
}

void Configuration::OptionExit(Opt o) {
    switch (Def(o).onLeave) {
        case LeaveRule::None:
            return;
        case LeaveRule::Remember:
            return SetWish(o, Checked(o) ? 1 : 0);
        case LeaveRule::RadioPack2:
            return OnRadioPack2Left();
        case LeaveRule::RadioPack4:
            return OnRadioPack4Left();
        case LeaveRule::RadioPack6:
            return OnRadioPack6Left();
        case LeaveRule::RadioPack7:
            return OnRadioPack7Left();
    }
}

// --- Radio choices ---------------------------------------------------------------------------

void Configuration::SelectBody(int b) {
    if (body_ == b) return;
    const Settle settle(*this);
    body_ = b;
    Changed();
    ApplyTrimRules();
}

void Configuration::SetBodyEnabled(int b, bool enabled) {
    if (bodyEnabled_[b] == enabled) return;
    bodyEnabled_[b] = enabled;
    Changed();
}

void Configuration::SelectRails(int r) {
    if (rails_ == r) return;
    const Settle settle(*this);
    rails_ = r;
    Changed();
    ApplyTrimRules();
}

void Configuration::SetRailsEnabled(int r, bool enabled) {
    if (railsEnabled_[r] == enabled) return;
    railsEnabled_[r] = enabled;
    Changed();
}

void Configuration::SelectEngine(int e) {
    if (engine_ == e) return;
    const Settle settle(*this);
    engine_ = e;
    Changed();
    OnEngineChosen();
}

void Configuration::SetEngineEnabled(int e, bool enabled) {
    if (engineEnabled_[e] == enabled) return;
    engineEnabled_[e] = enabled;
    Changed();
}

void Configuration::SelectTrim(int trim) {
    if (trim_ == trim) return;
    const Settle settle(*this);
    trim_ = trim;
    Changed();
    OnTrimChosen();
}

void Configuration::SetPreferredEngine(int e) {
    if (preferredEngine_ == e) return;
    preferredEngine_ = e;
    Changed();
}

void Configuration::OnTrimChosen() {
    ApplyTrimRules();
}
void Configuration::OnEngineChosen() {
    ApplyTrimRules();
}
void Configuration::OnEngineFocused(int engine) {
    SetPreferredEngine(engine);
}
void Configuration::OnEngineClicked(int engine) {
    const Settle settle(*this);
    OnEngineFocused(engine);
    SelectEngine(engine);
}

// --- Texts and pictures ----------------------------------------------------------------------

void Configuration::SetColourIndex(int index) {
    if (colour_ == index) return;
    colour_ = index;
    Changed();
}

namespace {
void Assign(std::string& field, std::string_view text, bool& changed) {
    if (field == text) return;
    field = std::string(text);
    changed = true;
}
}  // namespace

void Configuration::SetBaseAmount(std::optional<Dollars> dollars) {
    if (figures_.baseSet && figures_.base == dollars) return;
    figures_.baseSet = true;
    figures_.base = dollars;
    Changed();
}

void Configuration::SetSurchargeAmount(std::optional<Dollars> dollars) {
    if (figures_.surcharge == dollars) return;
    figures_.surcharge = dollars;
    Changed();
}

void Configuration::SetCodeFieldText(std::string_view text) {
    bool changed = false;
    Assign(codeFieldText_, text, changed);
    if (changed) Changed();
}

void Configuration::SetBodyPicture(int body) {
    if (pictures_.body == body) return;
    pictures_.body = body;
    Changed();
}

void Configuration::SetShadePicture(int body, Shade shade) {
    if (shade == Shade::None) body = -1;
    if (pictures_.shadeBody == body && pictures_.shade == shade) return;
    pictures_.shadeBody = body;
    pictures_.shade = shade;
    Changed();
}

void Configuration::SetSwatch(int swatch) {
    if (pictures_.swatch == swatch) return;
    pictures_.swatch = swatch;
    Changed();
}

// --- Colour ----------------------------------------------------------------------------------

void Configuration::OnColourChosen() {
    const Settle settle(*this);
    const int index = colour_;
    // Without a selected item there is no item text to read: the metallic mark is left alone.
    if (index >= 1 && index < kColourCount)
        SetChecked(Opt::MetallicPaint, kColours[index].metallic);
    SetPrice(Opt::MetallicPaint, MetallicPrice(index == kSvoMetallic));
    SetSwatch(index >= 1 && index < kColourCount ? kColours[index].swatch : 0);
    ApplyTrimRules();
}

void Configuration::OnMetallicToggled() {
    const Settle settle(*this);
    // With a colour chosen the metallic mark always follows the colour.
    if (colour_ >= 1 && colour_ < kColourCount) OnColourChosen();
    MarkFiguresDue();
}

// --- Radio pack exit rules -------------------------------------------------------------------

void Configuration::RadioPackExit(Opt pack) {
    if (!Checked(pack)) {
        SetWish(pack, 0);
        return;
    }
    SetWish(pack, 1);
    for (Opt other : {Opt::RadioPack1, Opt::RadioPack2, Opt::RadioPack4, Opt::RadioPack6,
                      Opt::RadioPack7, Opt::RadioPack12}) {
        if (other != pack) SetWish(other, 0);
    }
}

void Configuration::OnRadioPack2Left() {
    RadioPackExit(Opt::RadioPack2);
}
void Configuration::OnRadioPack4Left() {
    RadioPackExit(Opt::RadioPack4);
}
void Configuration::OnRadioPack6Left() {
    RadioPackExit(Opt::RadioPack6);
}
void Configuration::OnRadioPack7Left() {
    RadioPackExit(Opt::RadioPack7);
}

}  // namespace kalvora
