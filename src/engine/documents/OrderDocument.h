// The order window's document: the order description of the current configuration, written one
// paragraph a line, in words, in the factory's ordering designations, or both, with
// or without prices and indent, as the window's four check boxes choose.
//
// The text is never edited in place: every refresh builds it again from nothing. Whoever owns
// the document calls OnVerbalToggled() when the configuration tells its observer that a price was
// computed (ConfigurationObserver::PriceComputed); changing one of the four boxes refreshes it
// too.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/Configuration.h"
#include "engine/model/UiPort.h"

namespace kalvora {

enum class OrderVariant { Verbal, Code, Combined };

// The words the verbal order text uses for a body, an engine, roof rails (empty for none) and an
// option (the dealer extras by their captions); other texts that name a configuration use them
// too, so that they read as the order does.
std::string_view OrderBodyText(int body);
std::string_view OrderEngineText(int engine);
std::string_view OrderRailsText(int rails);
std::string_view OrderOptionText(Opt option);
// The factory options in the order the order description lists them.
std::vector<Opt> OrderOptionSequence();

class OrderDocument {
  public:
    // Reads `config` at every refresh and the date and time from `ui`.
    OrderDocument(const Configuration& config, UiPort& ui);
    OrderDocument(const OrderDocument&) = delete;
    OrderDocument& operator=(const OrderDocument&) = delete;

    UiPort& Ui() { return ui_; }

    // --- The four boxes of the window's top panel -----------------------------------------

    bool Verbal() const { return verbal_; }  // "Словесное описание", ticked at start
    bool Coded() const { return coded_; }    // "Кодовое описание"
    bool WithPrices() const { return withPrices_; }  // "Добавлять цену в описание", ticked
    bool Indented() const { return indented_; }  // "Добавить отступы на странице"

    // Setting a box to a different state is a click on it: its handler runs before the setter
    // returns. Setting the state it already has runs nothing.
    void SetVerbal(bool ticked);
    void SetCoded(bool ticked);
    void SetWithPrices(bool ticked);
    void SetIndented(bool ticked);
    // A mouse click on the box named "SlovoBox", "KodBox", "CBox" or "OtstupBox": its state
    // flips. False, and nothing happens, for any other name.
    bool ClickBox(std::string_view name);

    // --- Handlers ---------------------------------------------------------------------------

    // Variant rule with the verbal box as the box to re-tick, then the variant's generator. Also
    // the refresh run at the end of every price computation that produced a price.
    void OnVerbalToggled();
    // The same with the code box as the box to re-tick.
    void OnCodeToggled();
    // Rebuild the text in the variant that the verbal and code boxes select; nothing is re-ticked.
    void OnPricesToggled();
    void OnIndentToggled();

    // The generators: clear the lines and write the whole text in one variant.
    void WriteVerbal();    // verbal
    void WriteCode();      // code
    void WriteCombined();  // combined

    // Appends one line: the indent, the price tag "[$PRICE] " when prices are wanted, then
    // `text`. A line without a price has no tag; with prices wanted a price of 0 drops it.
    void AddOrderLine(std::string_view text, std::optional<Dollars> price);

    // The variant the verbal and code boxes select now.
    OrderVariant Variant() const;

    // --- The text ---------------------------------------------------------------------------

    // One element per paragraph; "Memo1" until the first refresh.
    const std::vector<std::string>& Lines() const { return lines_; }
    // The paragraphs joined by line feeds.
    std::string Text() const;
    // How many times a generator has written the whole text.
    int Generations() const { return generations_; }
    // Called after each generator has written the whole text (the window shows it).
    void SetTextObserver(std::function<void()> observer) { observer_ = std::move(observer); }
    // The refresh that follows a price computed inside a rule (OnVerbalToggled): the text is
    // written at once, and the observer is told only by TellIfRewritten(), once the rules have
    // finished.
    void FollowPrice();
    void TellIfRewritten();

    static constexpr std::string_view kIndent = "                 ";  // 17 blanks

  private:
    void Generate(OrderVariant variant);
    void VariantRule(void (OrderDocument::*retick)(bool));
    void RunVariantGenerator();
    // A line priced by the base price or the surcharge; without a figure the line has no tag
    // and names what the label shows instead (`label`).
    void AddAmountLine(const std::string& text, std::optional<Dollars> amount,
                       const std::string& label);

    const Configuration& config_;
    UiPort& ui_;
    bool verbal_ = true;
    bool coded_ = false;
    bool withPrices_ = true;
    bool indented_ = false;
    std::vector<std::string> lines_{"Memo1"};
    int generations_ = 0;
    bool quiet_ = false;      // inside FollowPrice: the observer waits
    bool rewritten_ = false;  // written since the observer last heard
    std::function<void()> observer_;
};

}  // namespace kalvora
