// The one current choice: the state of every control of the main window that a rule reads or
// writes, and the rules themselves, named after the control and event that run them.
//
// Setting a tick, a radio selection or the trim from code behaves like a user click: when the
// value actually changes, the control's click rule runs before the setter returns; setting the
// value it already has runs nothing. Enabling, prices and highlights never run a rule. Rules
// therefore cascade, and the order of their steps matters.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/Catalogue.h"
#include "engine/model/ConfigurationObserver.h"
#include "engine/model/UiPort.h"

namespace kalvora {

// The check box, price label and caption label of one option.
struct OptionState {
    bool checked = false;
    bool enabled = true;
    int wish = 0;            // the remembered wish: 1 when the user left the option ticked
    std::int32_t price = 0;  // whole dollars; the price label shows it as decimal text
    Rgb shadow = kShadowNone;
    Rgb font = kFontBlack;
    bool captionEnabled = true;  // caption label drawn normally (true) or greyed
};

// The figures behind the price labels, in whole dollars. The labels' texts are written from
// them (model/PriceTexts.h); nothing reads a figure back out of a text.
struct PriceFigures {
    // Whether the trim rules have set the base price yet; until then the label keeps the text it
    // starts with.
    bool baseSet = false;
    // The base price of trim, engine and body and the roof-rail surcharge as the trim rules last
    // set them: none for a combination the factory does not offer (and no base price before
    // the trim rules have run).
    std::optional<Dollars> base;
    std::optional<Dollars> surcharge = 0;
    // Whether a price computation has run, and the total it came to: none while the base price
    // or the surcharge is not a price.
    bool computed = false;
    std::optional<Dollars> total;

    bool operator==(const PriceFigures& o) const {
        return baseSet == o.baseSet && base == o.base && surcharge == o.surcharge &&
               computed == o.computed && total == o.total;
    }
    bool operator!=(const PriceFigures& o) const { return !(*this == o); }
};

// Which of the pictures chosen by the rules is visible; -1 or 0 for none.
struct VisiblePictures {
    int body = -1;  // index into kBodyPictures
    int shadeBody = -1;
    Shade shade = Shade::None;  // with shadeBody: the body-and-shade picture, None for none
    int swatch = 0;             // 1..10 for I1..I10, 0 for none
};

class FileAccess;

// What became of a code given to the decoder, or of a configuration file read or written.
enum class Outcome {
    Accepted,   // decoded; or the file was written
    Converted,  // a code of the previous version, decoded and converted to the current one
    Declined,   // the user kept an existing file
    Rejected,   // nothing changed; `reason` is the message the user was shown
};
struct Result {
    Outcome outcome = Outcome::Accepted;
    std::string reason;

    bool Succeeded() const { return outcome == Outcome::Accepted || outcome == Outcome::Converted; }
};

class Configuration {
  public:
    explicit Configuration(UiPort& ui);
    Configuration(const Configuration&) = delete;
    Configuration& operator=(const Configuration&) = delete;

    UiPort& Ui() { return ui_; }
    void SetObserver(ConfigurationObserver* observer) { observer_ = observer; }

    // --- Reading the controls -------------------------------------------------------------

    const OptionState& Option(Opt o) const { return options_[Index(o)]; }
    bool Checked(Opt o) const { return Option(o).checked; }
    bool Enabled(Opt o) const { return Option(o).enabled; }
    int Wish(Opt o) const { return Option(o).wish; }
    Dollars Price(Opt o) const { return Option(o).price; }

    int Trim() const { return trim_; }
    int Body() const { return body_; }  // -1 when no body button is selected
    bool BodyEnabled(int b) const { return bodyEnabled_[b]; }
    int Rails() const { return rails_; }  // -1 when no roof-rail button is selected
    bool RailsEnabled(int r) const { return railsEnabled_[r]; }
    int Engine() const { return engine_; }  // -1 when no engine button is selected
    bool EngineEnabled(int e) const { return engineEnabled_[e]; }
    int PreferredEngine() const { return preferredEngine_; }  // the Tag of DvigBox
    int Colour() const { return colour_; }  // item index of ComboBox1, -1 when none

    const PriceFigures& Figures() const { return figures_; }
    // The base price and the roof-rail surcharge; none while the combination is not offered
    // (or, before the first trim rules, no price at all).
    std::optional<Dollars> BaseAmount() const { return figures_.base; }
    std::optional<Dollars> SurchargeAmount() const { return figures_.surcharge; }
    // The total of the last price computation; none while the base price or the surcharge is
    // not a price (the price label then shows "XXXXX"), and before the first one.
    std::optional<Dollars> Total() const { return figures_.total; }
    const std::string& CodeFieldText() const { return codeFieldText_; }
    const VisiblePictures& Pictures() const { return pictures_; }

    // --- Changing the controls from code --------------------------------------------------

    // A different tick runs the option's click rule.
    void SetChecked(Opt o, bool checked);
    void SetEnabled(Opt o, bool enabled);
    void SetWish(Opt o, int wish);
    void SetPrice(Opt o, std::int32_t price);
    void SetShadow(Opt o, Rgb colour);
    void SetFont(Opt o, Rgb colour);
    void SetCaptionEnabled(Opt o, bool enabled);

    // Back as the user last left it: ticked when it is wished for, then enabled.
    void SetOptionAvailable(Opt o);
    // Standard equipment: ticked, then disabled.
    void SetOptionStandard(Opt o);
    // Not available: unticked, then disabled.
    void SetOptionUnavailable(Opt o);

    // Selecting a button that is not selected deselects the rest of its group and runs its
    // click rule: the trim rules for bodies and roof rails, OnEngineChosen for engines.
    void SelectBody(int b);
    void SetBodyEnabled(int b, bool enabled);
    void SelectRails(int r);
    void SetRailsEnabled(int r, bool enabled);
    void SelectEngine(int e);
    void SetEngineEnabled(int e, bool enabled);
    // A different trim runs OnTrimChosen.
    void SelectTrim(int trim);
    void SetPreferredEngine(int e);
    // Sets the item index of the colour list without running its change rule (as code does).
    void SetColourIndex(int index);
    // The trim rules' base price and roof-rail surcharge: none for a combination the factory
    // does not offer, which the label then says.
    void SetBaseAmount(std::optional<Dollars> dollars);
    void SetSurchargeAmount(std::optional<Dollars> dollars);
    // The code field's text, as typed by the user or written by a rule.
    void SetCodeFieldText(std::string_view text);
    void SetBodyPicture(int body);
    void SetShadePicture(int body, Shade shade);
    void SetSwatch(int swatch);

    // --- Rules ---------------------------------------------------------------------------

    // The user clicks an option's check box, which now shows `checked`. A radio pack ticked
    // this way replaces the packs and comfort packages it unticks for good: they are no longer
    // wanted. A pack that a rule ticks leaves the wishes alone.
    void OnOptionClicked(Opt o, bool checked);
    // Runs the click rule bound to an option's check box.
    void RunClickRule(Opt o);
    // The exit rule of an option's check box, run when the keyboard focus leaves it.
    void OptionExit(Opt o);

    // Colour list and metallic mark.
    void OnColourChosen();
    void OnMetallicToggled();

    // Trim rules and the entry points that lead to them.
    void ApplyTrimRules();
    void OnTrimChosen();
    void OnEngineChosen();
    void OnEngineFocused(int engine);
    // The user clicks an engine button: entering it makes it the preferred engine, then it is
    // selected. One action, so that undoing it takes the preference back too; also when the
    // button kept the focus from before.
    void OnEngineClicked(int engine);

    // Option rules.
    void OnComfortPackageToggled();
    void OnComfortPlusPackageToggled();
    void OnWinterPackageToggled();
    void OnVisibilityPackageToggled();
    void OnVisibilityPackage1Toggled();
    void OnTravellerPackageToggled();
    void OnStyleInteriorPackageToggled();
    void OnRadioPack2Toggled();
    void OnRadioPack4Toggled();
    void OnRadioPack6Toggled();
    void OnRadioPack7Toggled();
    void OnXenonHeadlampsToggled();
    void OnAdaptiveHeadlampsToggled();
    void OnSecurityPack5Toggled();
    void OnPowerDriverSeat6WayToggled();
    void OnLitHeatedMirrorsToggled();
    void OnLeatherTrimToggled();
    void OnStabilityControlToggled();
    void OnAntiLockBrakesToggled();
    void OnRadioPack2Left();
    void OnRadioPack4Left();
    void OnRadioPack6Left();
    void OnRadioPack7Left();

    // Price, caption labels and configuration code. Inside a rule this only marks them due:
    // they are computed once, when the outermost call into the configuration returns, so that a
    // cascade of rules computes them once and not at every step.
    void MarkFiguresDue();

    // The code of the configuration on screen, as the last price computation wrote it; the
    // field may meanwhile hold text the user typed. Empty before the first price.
    const std::string& ConfigurationCode() const { return configurationCode_; }

    // Code field: decode its text (double-click or Enter). A rejected code is reported to the
    // user and changes nothing.
    Result DecodeCodeField();
    // The first activation of the main window: decodes the code given on the command line (a
    // file name or a code) or the reset code, once per run. A code the decoder rejects, or a
    // file that cannot be read, is reported once the program has started as it does without
    // an argument; with `sayRejection` false the caller says it (the result holds the reason).
    Result RunStartCode(const std::vector<std::string>& args, FileAccess& files,
                        bool sayRejection = true);
    bool StartupPending() const { return startupPending_; }

    // "Сбросить всё" and "Оснастить".
    void ResetAll();
    void EquipAll();

    // "Сохранить..." and "Открыть..." after the file dialog has given a path.
    // The file holds the code of the configuration on screen, not a code typed and rejected.
    // A read-only file is replaced only where the user can be asked and agrees
    // (`mayAskAboutReadOnly`, the window); script mode refuses it.
    Result SaveToFile(const std::string& path, FileAccess& files, bool mayAskAboutReadOnly = false);
    // A file that cannot be read or holds no valid code is reported and changes nothing.
    Result OpenFile(const std::string& path, FileAccess& files);

    // --- The configuration as a document -------------------------------------------------

    // The file last saved, opened or named on the command line; empty when there is none.
    const std::string& DocumentPath() const { return documentPath_; }
    // Whether the code field differs from what was last saved or opened (or, without a file,
    // from what the start code left). A file holds nothing but that field, so this is exactly
    // "saving now would write something else". Never true before the start code has run.
    bool HasUnsavedChanges() const {
        return !startupPending_ && codeFieldText_ != savedCodeFieldText_;
    }

  private:
    // Copies every control out and puts them back without running a rule (undo and redo).
    friend class ConfigurationSnapshot;

    // Held for the length of a call that may run rules; the price, captions and code that the
    // rules asked for are computed when the outermost one ends.
    class Settle {
      public:
        explicit Settle(Configuration& c) : c_(c) { ++c_.settleDepth_; }
        ~Settle() {
            if (--c_.settleDepth_ == 0 && c_.figuresDue_) c_.ComputeFigures();
        }
        Settle(const Settle&) = delete;
        Settle& operator=(const Settle&) = delete;

      private:
        Configuration& c_;
    };

    void Changed();
    void ComputeFigures();
    void CaptionFollowsBox(Opt o);
    // The price list's price of the option in the current trim.
    void Charge(Opt o);
    // Decodes the field without reporting a rejection; the conversion notice is shown.
    Result DecodeCodeFieldQuietly();
    void RadioPackExit(Opt pack);
    void RadioPackTwoBack();
    bool RadioPacksMayReturn(Opt otherComfortPackage) const;
    void RadioPackClick(Opt pack, std::initializer_list<Opt> unticks, bool bringsSteeringControl);
    // The two halves of OnComfortPlusPackageToggled.
    void ComfortPlusPackageTicked();
    void ComfortPlusPackageUnticked();

    UiPort& ui_;
    ConfigurationObserver* observer_ = nullptr;

    std::array<OptionState, kOptionCount> options_;
    int trim_ = Ghia;
    int body_ = Sedan;
    std::array<bool, kBodyCount> bodyEnabled_{true, true, true, true};
    int rails_ = NoRoofRails;
    std::array<bool, kRailsCount> railsEnabled_{true, true, true};
    int engine_ = Petrol20Automatic145;
    std::array<bool, kEngineCount> engineEnabled_{true, true, true, true, true, true, false, true};
    int preferredEngine_ = 0;
    int colour_ = -1;
    PriceFigures figures_;
    std::string codeFieldText_;
    VisiblePictures pictures_;
    bool startupPending_ = true;
    // The option whose box the user is clicking, until its click rule has run.
    std::optional<Opt> usersClick_;
    int settleDepth_ = 0;
    bool figuresDue_ = false;
    std::string configurationCode_;
    std::string documentPath_;
    std::string savedCodeFieldText_;
};

}  // namespace kalvora
