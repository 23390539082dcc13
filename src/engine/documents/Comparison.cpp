#include "engine/documents/Comparison.h"

#include <algorithm>

#include "engine/documents/OrderDocument.h"
#include "engine/model/PriceTexts.h"
#include "engine/code/ConfigCode.h"

namespace kalvora {

namespace {

// The decoder's notice about an older code is information, not a failure.
constexpr std::string_view kConversionNotice =
    "Введённый код был получен предыдущей версией конфигуратора.";

// A configuration of its own, started as the program starts without arguments, which keeps the
// first failure message it is shown.
class SettlingSession : public UiPort {
  public:
    SettlingSession() : config_(*this) {}

    Configuration& Config() { return config_; }
    const std::string& Error() const { return error_; }

    void ShowMessage(const std::string& text) override {
        if (error_.empty() && text.rfind(kConversionNotice, 0) != 0) error_ = text;
    }
    bool Confirm(const std::string&) override { return false; }
    std::string DateText() override { return {}; }
    std::string TimeText() override { return {}; }

  private:
    std::string error_;
    Configuration config_;
};

// Starting without arguments reads no file.
class NoFiles : public FileAccess {
  public:
    bool Exists(const std::string&) override { return false; }
    bool ReadFirstLine(const std::string&, std::string*, std::string*) override { return false; }
    bool WriteFile(const std::string&, const std::string&, std::string*) override { return false; }
};

SettledConfiguration Settled(SettlingSession& session) {
    SettledConfiguration result;
    if (!session.Error().empty()) {
        result.error = session.Error();
        return result;
    }
    result.facts = ReadFacts(session.Config());
    if (!result.facts) result.error = std::string(kInvalidCombination);
    return result;
}

void StartFresh(SettlingSession& session) {
    NoFiles none;
    session.Config().RunStartCode({}, none);
}

std::string DollarText(std::int64_t amount) {
    return "$" + std::to_string(amount);
}

std::string OptionCell(const OptionFact& fact) {
    switch (fact.presence) {
        case Presence::Absent:
            return "—";
        case Presence::Chosen:
            return DollarText(fact.price);
        case Presence::Standard:
            // Standard means included at no cost; what is locked in at a price is compulsory.
            return fact.price == 0 ? "стандарт" : "обязательно, " + DollarText(fact.price);
    }
    return {};
}

std::string OptionTsvCell(const OptionFact& fact) {
    switch (fact.presence) {
        case Presence::Absent:
            return "-";
        case Presence::Chosen:
            return std::to_string(fact.price);
        case Presence::Standard:
            return fact.price == 0 ? "std" : "std:" + std::to_string(fact.price);
    }
    return {};
}

std::optional<Dollars> OptionAmount(const OptionFact& fact) {
    if (fact.presence != Presence::Chosen) return std::nullopt;
    return fact.price;
}

std::int64_t OptionCost(const OptionFact& fact) {
    return fact.presence == Presence::Absent ? 0 : fact.price;
}

// Which section an option belongs in, or false when the two sides agree and neither chose it.
bool OptionSection(const OptionFact& a, const OptionFact& b, ComparisonSection* section) {
    const bool chosenA = a.presence == Presence::Chosen;
    const bool chosenB = b.presence == Presence::Chosen;
    if (chosenA && chosenB) {
        *section = ComparisonSection::Both;
    } else if (chosenA) {
        *section = ComparisonSection::OnlyA;
    } else if (chosenB) {
        *section = ComparisonSection::OnlyB;
    } else if (a.presence != b.presence ||
               (a.presence == Presence::Standard && a.price != b.price)) {
        // The price label of an option that neither side has means nothing.
        *section = ComparisonSection::Standard;
    } else {
        return false;
    }
    return true;
}

std::string_view ColourName(int colour) {
    return colour >= 0 && colour < kColourCount ? kColours[colour].item : std::string_view("???");
}

// The number of characters (not bytes) of a UTF-8 text.
std::size_t Width(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

std::string Padded(std::string_view text, std::size_t width) {
    std::string out(text);
    const std::size_t w = Width(text);
    if (w < width) out.append(width - w, ' ');
    return out;
}

// `text` in lines of at most `width` characters, broken at blanks; a word longer than a line is
// cut. Always at least one line.
std::vector<std::string> Wrapped(std::string_view text, std::size_t width) {
    std::vector<std::string> lines(1);
    std::size_t used = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        while (Width(word) > width) {
            if (used > 0) {
                lines.emplace_back();
                used = 0;
            }
            // The first `width` characters of the word, whole UTF-8 sequences only.
            std::size_t cut = 0;
            for (std::size_t n = 0; cut < word.size(); ++cut) {
                if ((static_cast<unsigned char>(word[cut]) & 0xC0) != 0x80 && n++ == width) break;
            }
            lines.back() = std::string(word.substr(0, cut));
            lines.emplace_back();
            word.remove_prefix(cut);
        }
        const std::size_t w = Width(word);
        if (used > 0 && used + 1 + w > width) {
            lines.emplace_back();
            used = 0;
        }
        if (used > 0) {
            lines.back() += ' ';
            ++used;
        }
        lines.back() += std::string(word);
        used += w;
    }
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace

std::optional<ConfigurationFacts> ReadFacts(const Configuration& config) {
    const auto base = config.BaseAmount();
    const auto rails = config.SurchargeAmount();
    const auto total = config.Total();
    if (!total || !base || !rails) return std::nullopt;

    ConfigurationFacts facts;
    facts.trim = std::clamp(config.Trim(), 0, kTrimCount - 1);
    // As the price computation reads them: no selection counts as the first button.
    facts.body = std::max(config.Body(), 0);
    facts.rails = std::max(config.Rails(), 0);
    facts.engine = std::max(config.Engine(), 0);
    facts.colour = std::max(config.Colour(), 0);
    facts.basePrice = *base;
    facts.railsPrice = *rails;
    facts.total = *total;
    // The code is built from the controls, as the price computation builds it: the code field
    // may hold something half typed.
    CodeBuilder code(facts.trim, facts.body, facts.rails, facts.engine);
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionState& s = config.Option(OptAt(i));
        OptionFact& fact = facts.options[i];
        fact.price = s.price;
        if (s.checked) fact.presence = s.enabled ? Presence::Chosen : Presence::Standard;
        code.AddOption(i, s.checked);
    }
    code.SetColour(facts.colour);
    facts.code = code.Finish();
    return facts;
}

SettledConfiguration SettleCode(std::string_view code) {
    SettlingSession session;
    StartFresh(session);
    session.Config().SetCodeFieldText(code);
    session.Config().DecodeCodeField();
    return Settled(session);
}

SettledConfiguration SettleFile(const std::string& path, FileAccess& files) {
    SettlingSession session;
    StartFresh(session);
    session.Config().OpenFile(path, files);
    return Settled(session);
}

SettledConfiguration SettleArgument(const std::string& argument, FileAccess& files) {
    SettlingSession session;
    session.Config().RunStartCode({argument}, files);
    return Settled(session);
}

void OpenVariant(Configuration& config, std::string_view code) {
    config.SetCodeFieldText(code);
    config.DecodeCodeField();
}

Comparison CompareFacts(const ConfigurationFacts& a, const ConfigurationFacts& b) {
    Comparison c{a, b, {}};
    auto choice = [&c](const char* key, const char* label, std::string_view textA,
                       std::string_view textB) {
        ComparisonRow row{ComparisonSection::Choices,
                          key,
                          label,
                          std::string(textA),
                          std::string(textB),
                          std::string(textA),
                          std::string(textB),
                          std::nullopt,
                          std::nullopt,
                          textA != textB,
                          0,
                          0};
        c.rows.push_back(std::move(row));
    };
    choice("trim", "Комплектация", kTrimItems[a.trim], kTrimItems[b.trim]);
    choice("body", "Тип кузова", kBodies[a.body].caption, kBodies[b.body].caption);
    choice("engine", "Двигатель и коробка", kEngines[a.engine].caption, kEngines[b.engine].caption);
    choice("rails", "Направляющие багажника", kRails[a.rails].caption, kRails[b.rails].caption);
    choice("colour", "Цвет", ColourName(a.colour), ColourName(b.colour));

    auto money = [&c](const char* key, const char* label, std::int32_t amountA,
                      std::int32_t amountB) {
        c.rows.push_back({ComparisonSection::Choices, key, label, DollarText(amountA),
                          DollarText(amountB), std::to_string(amountA), std::to_string(amountB),
                          amountA, amountB, amountA != amountB, amountA, amountB});
    };
    money("base", "Базовая цена", a.basePrice, b.basePrice);
    money("rails-price", "Доплата за крышу", a.railsPrice, b.railsPrice);

    for (const ComparisonSection section : {ComparisonSection::OnlyA, ComparisonSection::OnlyB,
                                            ComparisonSection::Both, ComparisonSection::Standard}) {
        for (int i = 0; i < kOptionCount; ++i) {
            const OptionFact& fa = a.options[i];
            const OptionFact& fb = b.options[i];
            ComparisonSection found;
            if (!OptionSection(fa, fb, &found) || found != section) continue;
            const Opt o = OptAt(i);
            const bool differs = section != ComparisonSection::Both || fa.price != fb.price;
            c.rows.push_back({section, std::string(Def(o).name), std::string(OrderOptionText(o)),
                              OptionCell(fa), OptionCell(fb), OptionTsvCell(fa), OptionTsvCell(fb),
                              OptionAmount(fa), OptionAmount(fb), differs, OptionCost(fa),
                              OptionCost(fb)});
        }
    }
    return c;
}

ArgumentComparison CompareArguments(const std::string& a, const std::string& b, FileAccess& files) {
    ArgumentComparison result;
    const SettledConfiguration sideA = SettleArgument(a, files);
    const SettledConfiguration sideB = SettleArgument(b, files);
    auto complain = [&result](const char* side, const std::string& argument,
                              const std::string& error) {
        if (error.empty()) return;
        if (!result.error.empty()) result.error += '\n';
        result.error += std::string("Вариант ") + side + " (" + argument + "): " + error;
    };
    complain("A", a, sideA.error);
    complain("B", b, sideB.error);
    if (result.error.empty()) result.comparison = CompareFacts(*sideA.facts, *sideB.facts);
    return result;
}

std::string SectionTitle(ComparisonSection section, std::string_view nameA,
                         std::string_view nameB) {
    switch (section) {
        case ComparisonSection::Choices:
            return "Основное";
        case ComparisonSection::OnlyA:
            return "Только в варианте «" + std::string(nameA) + "»";
        case ComparisonSection::OnlyB:
            return "Только в варианте «" + std::string(nameB) + "»";
        case ComparisonSection::Both:
            return "Опции в обоих вариантах";
        case ComparisonSection::Standard:
            return "Стандартное оборудование, которое различается";
    }
    return {};
}

std::string SignedDollars(std::int64_t amount) {
    if (amount > 0) return "+" + DollarText(amount);
    if (amount < 0) return "-" + DollarText(-amount);
    return DollarText(0);
}

RowNaming NameOfRow(const ComparisonRow& row) {
    if (row.section == ComparisonSection::Choices) return {row.key, row.label};
    return {row.section == ComparisonSection::Standard ? "standard" : "option", row.key};
}

std::vector<std::string> ComparisonTsv(const Comparison& comparison) {
    std::vector<std::string> lines;
    for (const ComparisonRow& row : comparison.rows) {
        if (!row.differs) continue;
        const RowNaming named = NameOfRow(row);
        lines.push_back(named.kind + '\t' + named.name + '\t' + row.tsvA + '\t' + row.tsvB);
    }
    lines.push_back("total\t" + std::to_string(comparison.a.total) + '\t' +
                    std::to_string(comparison.b.total) + '\t' +
                    std::to_string(comparison.Difference()));
    return lines;
}

std::vector<std::string> ComparisonText(const Comparison& comparison, std::string_view nameA,
                                        std::string_view nameB) {
    constexpr std::size_t kLabel = 44;
    constexpr std::size_t kCell = 26;
    std::vector<std::string> lines;
    lines.push_back("Сравнение конфигураций");
    lines.push_back("");
    lines.push_back("Слева:  " + std::string(nameA) + ", код " + comparison.a.code);
    lines.push_back("Справа: " + std::string(nameB) + ", код " + comparison.b.code);
    // Each cell wraps within its column and keeps two blanks from the next, so that a long
    // value never runs into its neighbour.
    auto row = [&lines](bool differs, std::string_view label, std::string_view a,
                        std::string_view b) {
        const std::vector<std::string> cells[3] = {Wrapped(label, kLabel - 2),
                                                   Wrapped(a, kCell - 2), Wrapped(b, kCell - 2)};
        const std::size_t height = std::max({cells[0].size(), cells[1].size(), cells[2].size()});
        auto part = [&cells](int column, std::size_t i) {
            return i < cells[column].size() ? cells[column][i] : std::string();
        };
        for (std::size_t i = 0; i < height; ++i) {
            std::string line = i == 0 && differs ? "* " : "  ";
            line += Padded(part(0, i), kLabel) + Padded(part(1, i), kCell) + part(2, i);
            while (!line.empty() && line.back() == ' ') line.pop_back();
            lines.push_back(line);
        }
    };
    bool any = false;
    for (int s = 0; s <= static_cast<int>(ComparisonSection::Standard); ++s) {
        const auto section = static_cast<ComparisonSection>(s);
        bool titled = false;
        for (const ComparisonRow& r : comparison.rows) {
            if (r.section != section) continue;
            if (!titled) {
                lines.push_back("");
                lines.push_back(SectionTitle(section, nameA, nameB) + ":");
                titled = true;
            }
            row(r.differs, r.label, r.a, r.b);
            any = any || r.differs;
        }
    }
    lines.push_back("");
    row(comparison.a.total != comparison.b.total, "Итоговая цена", DollarText(comparison.a.total),
        DollarText(comparison.b.total));
    lines.push_back("");
    lines.push_back(comparison.Same() ? "Конфигурации одинаковы."
                                      : "Разница (справа минус слева): " +
                                            SignedDollars(comparison.Difference()));
    if (any) lines.push_back("Строки, которые различаются, отмечены «*».");
    return lines;
}

std::string RememberedVariants::Remember(std::string_view name, std::string_view code) {
    std::string_view trimmed = name;
    while (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.front() == '\t')) {
        trimmed.remove_prefix(1);
    }
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) {
        trimmed.remove_suffix(1);
    }
    std::string kept = trimmed.empty() ? SuggestedName() : std::string(trimmed);
    ++counter_;
    variants_.erase(std::remove_if(variants_.begin(), variants_.end(),
                                   [&kept](const Variant& v) { return v.name == kept; }),
                    variants_.end());
    variants_.insert(variants_.begin(), Variant{kept, std::string(code)});
    if (variants_.size() > kMaximum) variants_.resize(kMaximum);
    return kept;
}

std::string RememberedVariants::SuggestedName() const {
    return "Вариант " + std::to_string(counter_ + 1);
}

}  // namespace kalvora
