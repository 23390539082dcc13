#include "engine/history/ChangeTexts.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace kalvora {

namespace {

// How an option is named in a sentence: "пакет «Зимний»", "опция «Кондиционер»", or, for the
// options whose caption already says what they are, the caption alone: "«Радио Пакет №2»".
struct OptionName {
    enum class Noun : std::uint8_t { Package, Option, None } noun;
    std::string quoted;  // «...»

    bool Masculine() const { return noun != Noun::Option; }
    std::string Nominative() const { return Prefixed("пакет ", "опция "); }
    std::string Genitive() const { return Prefixed("пакета ", "опции "); }
    std::string Instrumental() const { return Prefixed("пакетом ", "опцией "); }

  private:
    std::string Prefixed(const char* package, const char* option) const {
        if (noun == Noun::Package) return package + quoted;
        if (noun == Noun::Option) return option + quoted;
        return quoted;
    }
};

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Straight double quotes in pairs become the inner quotes „...“.
std::string InnerQuotes(std::string_view text) {
    // A lone quote is an inch mark (15" wheels).
    std::size_t quotes = 0;
    for (char c : text) quotes += c == '"';
    if (quotes % 2 != 0) return std::string(text);
    std::string out;
    bool open = true;
    for (char c : text) {
        if (c == '"') {
            out += open ? "„" : "“";
            open = !open;
        } else {
            out += c;
        }
    }
    return out;
}

OptionName NameOf(Opt o) {
    const OptionDef& d = Def(o);
    std::string_view caption = d.ownCaption.empty() ? d.caption : d.ownCaption;
    // The part in brackets lists contents; the name is what comes before it.
    const std::size_t bracket = caption.find(" (");
    if (bracket != std::string_view::npos) caption = caption.substr(0, bracket);
    while (!caption.empty() && caption.back() == ' ') caption.remove_suffix(1);
    constexpr std::string_view kPackage = "Пакет \"";
    if (StartsWith(caption, kPackage) && caption.size() > kPackage.size() &&
        caption.back() == '"') {
        caption = caption.substr(kPackage.size(), caption.size() - kPackage.size() - 1);
        return {OptionName::Noun::Package, "«" + InnerQuotes(caption) + "»"};
    }
    const bool package = caption.find("акет") != std::string_view::npos;
    return {package ? OptionName::Noun::None : OptionName::Noun::Option,
            "«" + InnerQuotes(caption) + "»"};
}

const char* Gendered(const OptionName& name, const char* masculine, const char* feminine) {
    return name.Masculine() ? masculine : feminine;
}

std::string ColourName(int colour) {
    if (colour < 0 || colour >= kColourCount) return "—";
    if (colour == 0) return "«???»";
    return std::string(kColours[colour].item);
}

std::string ChoiceName(ChoiceKind kind, int value) {
    if (value < 0) return "—";
    switch (kind) {
        case ChoiceKind::Trim:
            return value < kTrimCount ? std::string(kTrimItems[value]) : "—";
        case ChoiceKind::Body:
            return value < kBodyCount ? std::string(kBodies[value].caption) : "—";
        case ChoiceKind::Rails:
            return value < kRailsCount ? "«" + std::string(kRails[value].caption) + "»" : "—";
        case ChoiceKind::Engine:
            return value < kEngineCount ? std::string(kEngines[value].caption) : "—";
        case ChoiceKind::Colour:
            return ColourName(value);
    }
    return "—";
}

// The cause as it follows a verb: "в комплектации Ghia", "с пакетом «Комфорт»".
std::string CausePhrase(const Cause& c) {
    if (c.inherent) return "для этого автомобиля";
    switch (c.kind) {
        case ActionKind::Click: {
            const OptionName name = NameOf(OptAt(c.arg));
            return (c.ticked ? "с " + name.Instrumental() : "без " + name.Genitive());
        }
        case ActionKind::Trim:
            return "в комплектации " + ChoiceName(ChoiceKind::Trim, c.arg);
        case ActionKind::Body:
            return "с кузовом " + ChoiceName(ChoiceKind::Body, c.arg);
        case ActionKind::Rails:
            return "при выборе " + ChoiceName(ChoiceKind::Rails, c.arg) + " для кузова Универсал";
        case ActionKind::Engine:
            return "с двигателем " + ChoiceName(ChoiceKind::Engine, c.arg);
        case ActionKind::Colour:
            return "с цветом " + ChoiceName(ChoiceKind::Colour, c.arg);
        case ActionKind::Code:
            return "по введённому коду";
        case ActionKind::Reset:
            return "после сброса всех опций";
        case ActionKind::Equip:
            return "командой «Оснастить»";
        case ActionKind::Open:
            return "по открытому файлу";
        case ActionKind::Start:
            return "при запуске";
        case ActionKind::None:
        case ActionKind::Undo:
        case ActionKind::Redo:
            break;
    }
    return {};
}

std::string WithCause(const char* state, const Cause& c) {
    const std::string phrase = CausePhrase(c);
    return phrase.empty() ? std::string(state) : std::string(state) + " " + phrase;
}

bool IsTickingClick(const Cause& c) {
    return !c.inherent && c.kind == ActionKind::Click && c.ticked;
}

// Upper case for the first letter of a sentence (Cyrillic or Latin).
std::string Capitalised(std::string text) {
    if (text.empty()) return text;
    const auto b0 = static_cast<unsigned char>(text[0]);
    if (b0 >= 'a' && b0 <= 'z') {
        text[0] = char(b0 - 32);
    } else if (b0 == 0xD0 && text.size() > 1) {
        const auto b1 = static_cast<unsigned char>(text[1]);
        if (b1 >= 0xB0 && b1 <= 0xBF) text[1] = char(b1 - 0x20);  // а..п
    } else if (b0 == 0xD1 && text.size() > 1) {
        const auto b1 = static_cast<unsigned char>(text[1]);
        if (b1 >= 0x80 && b1 <= 0x8F) {  // р..я
            text[0] = char(0xD0);
            text[1] = char(b1 + 0x20);
        }
    }
    return text;
}

// "1 опция", "3 опции", "5 опций", with the verb in the matching number.
std::string Counted(int n, const char* singularVerb, const char* pluralVerb) {
    const int tens = n % 100, ones = n % 10;
    const bool singular = ones == 1 && tens != 11;
    const bool few = ones >= 2 && ones <= 4 && (tens < 12 || tens > 14);
    return std::to_string(n) +
           (singular ? " опция "
            : few    ? " опции "
                     : " опций ") +
           (singular ? singularVerb : pluralVerb);
}

std::string Dollars(std::int64_t amount, const char* sign) {
    return std::string(" (") + sign + std::to_string(amount) + " $)";
}

// The action as the notice begins: "Комплектация Ghia", "С пакетом «Комфорт»".
std::string ActionTitle(const UserAction& a, bool ticked) {
    switch (a.kind) {
        case ActionKind::Click: {
            const OptionName name = NameOf(OptAt(a.arg));
            return ticked ? "с " + name.Instrumental() : "без " + name.Genitive();
        }
        case ActionKind::Trim:
            return "комплектация " + ChoiceName(ChoiceKind::Trim, a.arg);
        case ActionKind::Body:
            return "кузов " + ChoiceName(ChoiceKind::Body, a.arg);
        case ActionKind::Rails:
            return "выбор " + ChoiceName(ChoiceKind::Rails, a.arg) + " для кузова Универсал";
        case ActionKind::Engine:
            return "двигатель " + ChoiceName(ChoiceKind::Engine, a.arg);
        case ActionKind::Colour:
            return "цвет " + ChoiceName(ChoiceKind::Colour, a.arg);
        case ActionKind::Code:
            return "введённый код";
        case ActionKind::Reset:
            return "сброс всех опций";
        case ActionKind::Equip:
            return "«Оснастить»";
        case ActionKind::Open:
            return "открытый файл";
        case ActionKind::Start:
            return "запуск";
        case ActionKind::None:
        case ActionKind::Undo:
        case ActionKind::Redo:
            break;
    }
    return {};
}

std::string ChoicePart(const ChoiceChange& c) {
    const std::string from = ChoiceName(c.kind, c.from), to = ChoiceName(c.kind, c.to);
    switch (c.kind) {
        case ChoiceKind::Trim:
            return "комплектация " + from + " заменена на " + to;
        case ChoiceKind::Body:
            return "кузов " + from + " заменён на " + to;
        case ChoiceKind::Rails:
            return "для кузова Универсал " + from + " заменено на " + to;
        case ChoiceKind::Engine:
            return "двигатель " + from + " заменён на " + to;
        case ChoiceKind::Colour:
            return "цвет " + from + " заменён на " + to;
    }
    return {};
}

}  // namespace

std::string OptionTitle(Opt o) {
    return NameOf(o).quoted;
}

std::string StepTitle(const UserAction& action, bool ticked) {
    return Capitalised(ActionTitle(action, ticked));
}

std::string ReasonText(Opt o, const OptionState& now, const OptionReason& reason) {
    if (Def(o).hidden) {
        return "Дополнительная (не заводская) опция дилера: в окне не показывается, её задаёт "
               "только код конфигурации";
    }
    const Cause& c = reason.state;
    const bool known = c.inherent || c.kind != ActionKind::None;
    std::string text;
    switch (StandingOf(now)) {
        case OptionStanding::Standard: {
            const std::string price = ", цена " + std::to_string(now.price);
            // Standard means included at no cost; what a rule locks in at a price is compulsory.
            if (now.price != 0) return WithCause("Обязательно", known ? c : Cause{}) + price;
            if (IsTickingClick(c) && NameOf(OptAt(c.arg)).noun != OptionName::Noun::Option) {
                return "Входит в " + NameOf(OptAt(c.arg)).Nominative() + ": стандартно" + price;
            }
            return WithCause("Стандартно", known ? c : Cause{}) + price;
        }
        case OptionStanding::Unavailable:
            if (IsTickingClick(c)) return "Несовместимо с " + NameOf(OptAt(c.arg)).Instrumental();
            return WithCause("Недоступно", known ? c : Cause{});
        case OptionStanding::Free:
            break;
    }
    if (known && !now.checked && reason.effect == OptionEffect::Unticked) {
        text = IsTickingClick(c) ? "Снято: несовместимо с " + NameOf(OptAt(c.arg)).Instrumental()
                                 : WithCause("Снято", c);
    } else if (known && now.checked && reason.effect == OptionEffect::Ticked) {
        text = WithCause("Отмечено", c);
    }
    const Cause& p = reason.price;
    if (now.price != Def(o).price && (p.inherent || p.kind != ActionKind::None)) {
        if (!text.empty()) text += "; ";
        text += WithCause(("цена " + std::to_string(now.price) + " $").c_str(), p);
    }
    return Capitalised(text);
}

std::string IncludedWithText(const OptionReason& reason) {
    const Cause& c = reason.state;
    if (!IsTickingClick(c)) return {};
    const OptionName name = NameOf(OptAt(c.arg));
    switch (name.noun) {
        case OptionName::Noun::Package:
            return "в пакете " + name.quoted;
        case OptionName::Noun::None:
            return "в составе " + name.quoted;
        case OptionName::Noun::Option:
            break;
    }
    return "с " + name.Instrumental();
}

namespace {

// What became of an option for the buyer, as the notice groups it.
enum class Fate : std::uint8_t {
    Removed,     // a rule unticked it
    Added,       // a rule ticked it, free to untick or compulsory at a price
    Standard,    // ticked, locked and free
    Compulsory,  // was ticked already and is now locked at a price
    Unavailable,
    Available,
    Repriced,  // stays ticked at another price
    Other,     // nothing the buyer sees in the total or the window
};

Fate FateOf(const OptionChange& c) {
    if (c.wasTicked && !c.ticked) return Fate::Removed;
    if (c.effect == OptionEffect::Standard) {
        if (c.newPrice == 0) return Fate::Standard;
        return c.wasTicked ? Fate::Compulsory : Fate::Added;
    }
    if (!c.wasTicked && c.ticked) return Fate::Added;
    if (c.effect == OptionEffect::Unavailable) return Fate::Unavailable;
    if (c.effect == OptionEffect::Available) return Fate::Available;
    if (c.ticked && c.priceChanged) return Fate::Repriced;
    return Fate::Other;
}

// What the option adds to the total now, less what it added before.
std::int64_t AmountOf(const OptionChange& c) {
    return std::int64_t(c.ticked ? c.newPrice : 0) - (c.wasTicked ? c.oldPrice : 0);
}

// An option the notice names rather than counts: one the buyer pays for or loses, that is one
// a rule ticked or unticked and that costs money either way, or one that changes the total.
bool Named(const OptionChange& c) {
    return (c.ticked != c.wasTicked && (c.oldPrice != 0 || c.newPrice != 0)) || AmountOf(c) != 0;
}

// "1 опция", "3 опции", "5 опций".
std::string CountedOptions(int n) {
    const int tens = n % 100, ones = n % 10;
    if (ones == 1 && tens != 11) return std::to_string(n) + " опция";
    if (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14)) return std::to_string(n) + " опции";
    return std::to_string(n) + " опций";
}

// " (+520 $)", " (−460 $)", or nothing when the total stays.
std::string AmountText(const OptionChange& c) {
    const std::int64_t amount = AmountOf(c);
    if (amount == 0) return {};
    return Dollars(amount < 0 ? -amount : amount, amount < 0 ? "−" : "+");
}

// Option changes by what became of them, from what costs the buyer most to what only informs
// him, with the words each group is told in.
struct Group {
    Fate fate;
    const char* masculine;
    const char* feminine;
    const char* countedSingular;
    const char* countedPlural;
    bool verbFirst;  // "снят пакет «X»" rather than "пакет «X» стал ..."
};
constexpr Group kGroups[] = {
    {Fate::Removed, "снят", "снята", "снята", "сняты", true},
    {Fate::Added, "добавлен", "добавлена", "добавлена", "добавлены", true},
    {Fate::Standard, "стал стандартным", "стала стандартной", "стала стандартной",
     "стали стандартными", false},
    {Fate::Compulsory, "стал обязательным", "стала обязательной", "стала обязательной",
     "стали обязательными", false},
    {Fate::Unavailable, "стал недоступным", "стала недоступной", "стала недоступной",
     "стали недоступными", false},
    {Fate::Available, "снова доступен", "снова доступна", "снова доступна", "снова доступны",
     false},
};

// The part of the notice that tells a group, or nothing when no option is in it. Every option
// the buyer pays for or loses is named with its amount; the rest of the group is counted.
std::optional<std::string> GroupPart(const Group& g, const std::vector<OptionChange>& options) {
    std::vector<const OptionChange*> named;
    int count = 0;
    const OptionChange* only = nullptr;
    for (const OptionChange& c : options) {
        if (FateOf(c) != g.fate) continue;
        ++count;
        only = &c;
        if (Named(c)) named.push_back(&c);
    }
    if (count == 0) return std::nullopt;
    std::string part;
    if (count == 1) {
        const OptionName name = NameOf(only->option);
        const char* verb = Gendered(name, g.masculine, g.feminine);
        part = g.verbFirst ? std::string(verb) + " " + name.Nominative()
                           : name.Nominative() + " " + verb;
        part += AmountText(*only);
    } else if (named.empty()) {
        part = Counted(count, g.countedSingular, g.countedPlural);
    } else {
        // "сняты пакет «Зимний» (−400 $), опция «X» и ещё 2 опции": what changes the total
        // first.
        std::stable_sort(named.begin(), named.end(),
                         [](const OptionChange* a, const OptionChange* b) {
                             return AmountOf(*a) != 0 && AmountOf(*b) == 0;
                         });
        part = g.countedPlural;
        const int rest = count - int(named.size());
        for (std::size_t i = 0; i < named.size(); ++i) {
            const bool last = i + 1 == named.size() && rest == 0;
            part += i == 0 ? " " : last ? " и " : ", ";
            part += NameOf(named[i]->option).Nominative() + AmountText(*named[i]);
        }
        if (rest > 0) part += " и ещё " + CountedOptions(rest);
    }
    return part;
}

}  // namespace

std::string NoticeText(const ActionReport& r) {
    const bool undoing = r.action.kind == ActionKind::Undo || r.action.kind == ActionKind::Redo;
    if (!undoing && !r.HasSideEffects()) return {};

    std::vector<std::string> parts;
    for (const ChoiceChange& c : r.choices) parts.push_back(ChoicePart(c));
    for (const Group& g : kGroups) {
        if (std::optional<std::string> part = GroupPart(g, r.options)) {
            parts.push_back(std::move(*part));
        }
    }
    // New prices of options that stay ticked change the total too.
    for (const OptionChange& c : r.options) {
        if (FateOf(c) != Fate::Repriced) continue;
        parts.push_back("цена " + NameOf(c.option).Genitive() + ": " + std::to_string(c.oldPrice) +
                        " → " + std::to_string(c.newPrice) + " $");
    }

    std::string text;
    if (undoing) {
        text = (r.action.kind == ActionKind::Undo ? "Отменено: " : "Повторено: ") +
               ActionTitle(r.undone, r.targetTicked);
    } else {
        text = Capitalised(ActionTitle(r.action, r.targetTicked));
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += i == 0 ? (undoing ? " — " : ": ") : "; ";
        text += parts[i];
    }
    return text;
}

}  // namespace kalvora
