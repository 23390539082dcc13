#include "engine/documents/OrderDocument.h"

#include <array>
#include <optional>
#include <utility>

#include "engine/model/PriceTexts.h"

namespace kalvora {

namespace {

// --- Body and engine texts by variant -----------------------------------------------------

struct VariantTexts {
    std::string_view verbal;
    std::string_view code;
    std::string_view combined;
};

// clang-format off
constexpr std::array<VariantTexts, kBodyCount> kBodyTexts = {{
    {"хэтчбэк 3 двери",  "Hatch 3d", "Hatch 3d (хэтчбэк 3 двери)"},
    {"седан",            "Sedan",    "Sedan (Седан)"},
    {"хэтчбэк 5 дверей", "Hatch 5d", "Hatch 5d (хэтчбэк 5 дверей)"},
    {"универсал",        "Wagon",    "Wagon (универсал)"},
}};

// By EngineChoice. The 1,8 petrol engine has a manual gearbox; the 2,0 automatic is named like
// the 2,0 manual with the gearbox added, as the 1,6 automatic is.
constexpr std::array<VariantTexts, kEngineCount> kEngineTexts = {{
    {"1,4 л (80 л.с.)",                                  "1,4L (80MT)",   "1,4L (80MT), механическая коробка передач, 80 л.с."},
    {"1,6 л (100 л.с.)",                                 "1,6L (100MT)",  "1,6L (100MT), механическая коробка передач, 100 л.с."},
    {"1,6 л (115 л.с.)",                                 "1,6L (115MT)",  "1,6L (115MT), механическая коробка передач, 115 л.с."},
    {"1,6 л (100 л.с.), автоматическая коробка передач", "1,6L (100AT)",  "1,6L (100AT), автоматическая коробка передач, 100 л.с."},
    {"1,8 л турбо дизель (115 л.с.)",                    "1,8L (115TDI)", "1,8L (115TDI), дизель, механическая коробка передач, 115 л.с."},
    {"2,0 л (145 л.с.)",                                 "2,0L (145MT)",  "2,0L (145MT), механическая коробка передач, 145 л.с."},
    {"1,8 л (125 л.с.)",                                 "1,8L (125MT)",  "1,8L (125MT), механическая коробка передач, 125 л.с."},
    {"2,0 л (145 л.с.), автоматическая коробка передач", "2,0L (145AT)",  "2,0L (145AT), автоматическая коробка передач, 145 л.с."},
}};

// Roof rails by RoofRails; the combined text is the designation alone.
constexpr std::array<VariantTexts, kRailsCount> kRailTexts = {{
    {"", "", ""},
    {"Черные направляющие багажника",      "Roof Rails",          "Roof Rails"},
    {"Алюминиевые направляющие багажника", "Roof Rails - Alumin", "Roof Rails - Alumin"},
}};
// clang-format on

// --- Option lines ------------------------------------------------------------------------------

enum RowKind : std::uint8_t {
    kPlain,   // combined: designation (without its trailing blank) + " (" + verbal + ")"
    kByTrim,  // code and combined texts depend on the trim level
    kPaint,   // the colour name follows the texts
};

struct OptionLine {
    Opt option;
    std::string_view verbal;
    std::string_view code;
    RowKind kind;
};

// The option lines in the order in which they are written.
// clang-format off
constexpr std::array<OptionLine, 51> kOptionLines = {{
    {Opt::FrontFogLamps, "Передние противотуманные фары", "Front Fog La,ps", kPlain},
    {Opt::XenonHeadlamps, "Ксеноновые фары", "H.Inten Hdlmps/K03D0", kPlain},
    {Opt::HeadlampWashers, "Омыватель фар", "Headlamp Jet Wash", kPlain},
    {Opt::AdaptiveHeadlamps, "Система адаптивного головного освещения", "Cornering Lmps/K02G3", kPlain},
    {Opt::RearSunBlinds, "Солнцезащитные шторки задних дверей", "Side Window Blinds", kPlain},
    {Opt::HeatedMirrors, "Внешние зеркала с подогревом", "Dr P/Htd Dr Mr/KD4ND", kPlain},
    {Opt::LitHeatedMirrors, "Внешние зеркала с подогревом с подсветкой околодверного пространства", "Dr P/Htd-A/Lt /K02HI", kPlain},
    {Opt::HeatedWindscreen, "Лобовое стекло с подогревом", "Conven Grp /K04Z7", kPlain},
    {Opt::AirConditioning, "Кондиционер", "Aircon - Manual", kPlain},
    {Opt::ClimateControl, "Двухзонный климат-контроль", "A/C - EATC 2 Zone ilo Aircon - Manual", kPlain},
    {Opt::CooledGloveBox, "Охлаждаемый перчаточный ящик", "Cooled Glove Box", kPlain},
    {Opt::Alloys15, "15\" легкосплавные диски", "6.0x15\"#1 A.Wl/KE4QF", kPlain},
    {Opt::Alloys16, "16\" легкосплавные диски", "", kByTrim},
    {Opt::RearElectricWindows, "Не только передние, но и задние электростеклоподъемники", "PFW-Dr 1 Shot /K03D2", kPlain},
    {Opt::RadioPack1, "Радио Пакет №1 (Кассетная магнитола, 2 динамика)", "ICE Feat Pk  1/K00Y8", kPlain},
    {Opt::RadioPack2, "Радио Пакет №2 (CD магнитола, 6 динамиков)", "ICE Feat Pk  2/K00Y9", kPlain},
    {Opt::RadioPack4, "Радио Пакет №4 (кассетная магнитола, 6 динамиков, CD ченджер)", "ICE Feat Pk  4/K02TP", kPlain},
    {Opt::RadioPack6, "Радио Пакет №6 (CD, MP3 магнитола, 8 динамиков, RDS, AV)", "ICE Feat Pk  6/K00ZC", kPlain},
    {Opt::RadioPack7, "Радио Пакет №7 (6CD, 8 динамиков, RDS, AV)", "ICE Feat Pk  7/K00ZD", kPlain},
    {Opt::RadioPack12, "Радио Пакет №12 (Кассетная магнитола, 6 динамиков)", "ICE Feat Pk 12/K00ZH", kPlain},
    {Opt::SteeringRadioControl, "Система управления радио с рулевой колонки", "ICE Ctrls-St.Whl/Col", kPlain},
    {Opt::SecurityPack1, "Пакет Безопасности № 1 (ЦЗ, пульт в ключе)", "Sec Lock Gp  1/K0192", kPlain},
    {Opt::SecurityPack5, "Пакет Безопасности № 5", "", kByTrim},
    {Opt::ComfortPackage, "Пакет \"Комфорт\"", "", kByTrim},
    {Opt::ComfortPlusPackage, "Пакет \"Комфорт +\"", "", kByTrim},
    {Opt::WinterPackage, "Пакет \"Зимний\"", "", kByTrim},
    {Opt::VisibilityPackage, "Пакет \"Улучшенной обзорности\"", "", kByTrim},
    {Opt::VisibilityPackage1, "Пакет \"Улучшенной обзорности-1\"", "", kByTrim},
    {Opt::LeatherTrim, "Кожаная обивка сидений", "Leather Trim  /K0007", kPlain},
    {Opt::HeatedFrontSeats, "Передние сиденья с подогревом", "Htd Drvr Seat /KD4J1", kPlain},
    {Opt::PowerDriverSeatHeight, "Сиденье водителя с электро регулировкой по высоте", "Pwr 2W Dr Seat/K00C1", kPlain},
    {Opt::PowerDriverSeat6Way, "Сиденье водителя с электро регулировкой в 6 направлениях + пассаж. по высоте мех", "Pwr 6W Dr Seat/K00C2", kPlain},
    {Opt::PassengerSeatHeight, "Сиденье переднего пассажира с механической регулировкой по высоте", "Man 4W Pass St/K02G2", kPlain},
    {Opt::PassengerAirbag, "Подушка безопасности переднего пассажира", "Front AirBag - Pass", kPlain},
    {Opt::SideAirbags, "Боковые подушки безопасности", "Dr Door Airbag/K00AD", kPlain},
    {Opt::MetallicPaint, "Окраска кузова в \"металлик\"", "Metallic paint", kPaint},
    {Opt::TintedGlass, "Тонированные стёкла", "Privacy Glass", kPlain},
    {Opt::AntiLockBrakes, "ABS - Антиблокировочная система тормозов", "ABS", kPlain},
    {Opt::StabilityControl, "IVD - Cистема стабилизации курсовой устойчивости", "Interact V.Dyn/KE4SF", kPlain},
    {Opt::CruiseControl, "Круиз контроль", "Speed Control /K03D4", kPlain},
    {Opt::PreStartHeater, "Предпусковой подогреватель", "Auxilary heater", kPlain},
    {Opt::RearParkingSensor, "Задний парковочный сенсор", "Reverse Parking Aid", kPlain},
    {Opt::RubberMats, "Резиновые коврики", "Frt Rubr F.Mts/K00AR", kPlain},
    {Opt::LongSpoiler, "Удлиненный спойлер, окрашенный в цвет кузова", "Large Painted Spoiler ", kPlain},
    {Opt::LuggageNet, "Сетка-ограничитель багажного отделения", "Load barrier retention net", kPlain},
    {Opt::WinterTyres, "Зимние шины", "195/65R15 Winter tires", kPlain},
    {Opt::StyleInteriorPackage, "Интерьер-пакет \"Style\"", "Style Pk-VP#1/K028F", kPlain},
    {Opt::TravellerPackage, "Пакет путешественника", "Traveller Pack", kPlain},
    {Opt::ElectricCabinHeater, "Электрический дополнительный подогреватель воздуха салона", "Auxiliary heater (Diesel only)", kPlain},
    {Opt::PremiumMats, "4 велюровых коврика класса \"Premium\" ", "Floor mats Premium Velour ", kPlain},
    {Opt::BootCarpet, "Двухсторонний ковер в багажное отделение", "Reversible Floor Mat ", kPlain},
}};

// Designations that depend on the trim level, by TrimLevel; empty where the trim has none.
struct TrimLine {
    Opt option;
    std::array<std::string_view, kTrimCount> code;
    std::array<std::string_view, kTrimCount> combined;
};

constexpr std::array<TrimLine, 7> kTrimLines = {{
    {Opt::Alloys16,
     {"", "", "6.5x16\"AW-TRND/K00UY", "6.5x16\"'L'AWhl/K00UX"},
     {"", "", "6.5x16\"AW-TRND/K00UY (16\" легкосплавные диски)", "6.5x16\"'L'AWhl/K00UX (16\" легкосплавные диски)"}},
    {Opt::SecurityPack5,
     {"", "Sec Lock Gp  5/K04SX", "Sec Lock Gp  5/K04SX", "Sec Lock Gp  5/K04SY ilo Sec Lock Gp  1/K0192"},
     {"", "Sec Lock Gp  5/K04SX (Пакет Безопасности № 5)", "Sec Lock Gp  5/K04SX (Пакет Безопасности № 5)",
      "Sec Lock Gp  5/K04SY ilo Sec Lock Gp  1/K0192 (Пакет Безопасности № 5)"}},
    {Opt::ComfortPackage,
     {"", "Radio+CD+Alarm", "Radio+CD+Alarm", "Radio+CD+Alarm for Ghia ilo Sec Lock Gp 1/K0192"},
     {"", "Radio+CD+Alarm (Пакет \"Комфорт\")", "Radio+CD+Alarm (Пакет \"Комфорт\")",
      "Radio+CD+Alarm for Ghia ilo Sec Lock Gp 1/K0192 (Пакет \"Комфорт\")"}},
    {Opt::ComfortPlusPackage,
     {"", "Radio+CD+Alarm+Alloy Wheels", "Radio+CD+Alarm+Alloy for Sport", "Radio+CD+Alarm+Alloy for Ghia ilo Sec Lock Gp 1/K0192"},
     {"", "Radio+CD+Alarm+Alloy Wheels (Пакет \"Комфорт+\")", "Radio+CD+Alarm+Alloy for Sport (Пакет \"Комфорт+\")",
      "Radio+CD+Alarm+Alloy for Ghia ilo Sec Lock Gp 1/K0192 (Пакет \"Комфорт+\")"}},
    {Opt::WinterPackage,
     {"", "Winter pack", "Winter pack", "Winter pack for Ghia"},
     {"", "Winter pack (Пакет \"Зимний\")", "Winter pack (Пакет \"Зимний\")", "Winter pack for Ghia (Пакет \"Зимний\")"}},
    {Opt::VisibilityPackage,
     {"", "Conven Grp  3/K04Z0", "Conven Grp  3/K04Z0 ilo Front Fog Lamps", "Conven Grp  3/K04Z0 ilo Front Fog Lamps"},
     {"", "Conven Grp  3/K04Z0 (Пакет \"Улучшенной обзорности\")",
      "Conven Grp  3/K04Z0 ilo Front Fog Lamps (Пакет \"Улучшенной обзорности\")",
      "Conven Grp  3/K04Z0 ilo Front Fog Lamps (Пакет \"Улучшенной обзорности\")"}},
    {Opt::VisibilityPackage1,
     {"", "Conven Grp  8/K04Z8", "Conven Grp  8/K04Z8 ilo Front Fog Lamps", "Conven Grp  8/K04Z8 ilo Front Fog Lamps"},
     {"", "Conven Grp  8/K04Z8 (Пакет \"Улучшенной обзорности-1\")",
      "Conven Grp  8/K04Z8 ilo Front Fog Lamps (Пакет \"Улучшенной обзорности-1\")",
      "Conven Grp  8/K04Z8 ilo Front Fog Lamps (Пакет \"Улучшенной обзорности-1\")"}},
}};
// clang-format on

// The dealer-fitted extras, never shown in the main window, in the order they are written.
constexpr std::array<Opt, 3> kDealerExtras = {Opt::SumpGuard, Opt::Registration, Opt::EmergencyKit};

constexpr std::string_view kModelLine = "Модель: Ford Focus C307";
constexpr std::string_view kSeparator = "----------------------";
constexpr std::string_view kExtrasHeading = "Дополнительные (не заводские) опции:";

std::string_view Pick(const VariantTexts& t, OrderVariant v) {
    switch (v) {
        case OrderVariant::Verbal:
            return t.verbal;
        case OrderVariant::Code:
            return t.code;
        case OrderVariant::Combined:
            break;
    }
    return t.combined;
}

std::string WithoutTrailingBlanks(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return std::string(s);
}

// The text of an option line in a variant, or nothing when the trim has no designation.
std::optional<std::string> OptionText(const OptionLine& line, OrderVariant v, int trim,
                                      const std::string& colour) {
    const std::string verbal(line.verbal);
    if (line.kind == kPaint) {
        switch (v) {
            case OrderVariant::Verbal:
                return verbal + ": " + colour;
            case OrderVariant::Code:
                return std::string(line.code) + ": " + colour;
            case OrderVariant::Combined:
                return std::string(line.code) + " (" + verbal + "): " + colour;
        }
    }
    if (v == OrderVariant::Verbal) return verbal;
    if (line.kind == kByTrim) {
        for (const TrimLine& t : kTrimLines) {
            if (t.option != line.option) continue;
            if (trim < 0 || trim >= kTrimCount) return std::nullopt;
            const std::string_view text = v == OrderVariant::Code ? t.code[trim] : t.combined[trim];
            if (text.empty()) return std::nullopt;
            return std::string(text);
        }
        return std::nullopt;
    }
    if (v == OrderVariant::Code) return std::string(line.code);
    return WithoutTrailingBlanks(line.code) + " (" + verbal + ")";
}

}  // namespace

std::string_view OrderBodyText(int body) {
    return body >= 0 && body < kBodyCount ? kBodyTexts[body].verbal : std::string_view();
}

std::string_view OrderEngineText(int engine) {
    return engine >= 0 && engine < kEngineCount ? kEngineTexts[engine].verbal : std::string_view();
}

std::string_view OrderRailsText(int rails) {
    return rails >= 0 && rails < kRailsCount ? kRailTexts[rails].verbal : std::string_view();
}

std::string_view OrderOptionText(Opt option) {
    for (const OptionLine& line : kOptionLines) {
        if (line.option == option) return line.verbal;
    }
    return Def(option).caption;
}

std::vector<Opt> OrderOptionSequence() {
    std::vector<Opt> options;
    for (const OptionLine& line : kOptionLines) options.push_back(line.option);
    return options;
}

OrderDocument::OrderDocument(const Configuration& config, UiPort& ui) : config_(config), ui_(ui) {}

void OrderDocument::SetVerbal(bool ticked) {
    if (verbal_ == ticked) return;
    verbal_ = ticked;
    OnVerbalToggled();
}

void OrderDocument::SetCoded(bool ticked) {
    if (coded_ == ticked) return;
    coded_ = ticked;
    OnCodeToggled();
}

void OrderDocument::SetWithPrices(bool ticked) {
    if (withPrices_ == ticked) return;
    withPrices_ = ticked;
    OnPricesToggled();
}

void OrderDocument::SetIndented(bool ticked) {
    if (indented_ == ticked) return;
    indented_ = ticked;
    OnIndentToggled();
}

bool OrderDocument::ClickBox(std::string_view name) {
    if (name == "SlovoBox") {
        SetVerbal(!verbal_);
    } else if (name == "KodBox") {
        SetCoded(!coded_);
    } else if (name == "CBox") {
        SetWithPrices(!withPrices_);
    } else if (name == "OtstupBox") {
        SetIndented(!indented_);
    } else {
        return false;
    }
    return true;
}

// At least one of the two description boxes stays ticked: unticking the last one ticks it
// again, which is a click of its own that builds the text; the outer handler then builds it
// once more.
void OrderDocument::VariantRule(void (OrderDocument::*retick)(bool)) {
    if (!verbal_ && !coded_) (this->*retick)(true);
    RunVariantGenerator();
}

void OrderDocument::OnVerbalToggled() {
    VariantRule(&OrderDocument::SetVerbal);
}

void OrderDocument::OnCodeToggled() {
    VariantRule(&OrderDocument::SetCoded);
}

void OrderDocument::OnPricesToggled() {
    RunVariantGenerator();
}

void OrderDocument::OnIndentToggled() {
    RunVariantGenerator();
}

OrderVariant OrderDocument::Variant() const {
    if (verbal_ && coded_) return OrderVariant::Combined;
    if (coded_) return OrderVariant::Code;
    return OrderVariant::Verbal;
}

void OrderDocument::RunVariantGenerator() {
    switch (Variant()) {
        case OrderVariant::Verbal:
            WriteVerbal();
            break;
        case OrderVariant::Code:
            WriteCode();
            break;
        case OrderVariant::Combined:
            WriteCombined();
            break;
    }
}

void OrderDocument::WriteVerbal() {
    Generate(OrderVariant::Verbal);
}
void OrderDocument::WriteCode() {
    Generate(OrderVariant::Code);
}
void OrderDocument::WriteCombined() {
    Generate(OrderVariant::Combined);
}

void OrderDocument::AddOrderLine(std::string_view text, std::optional<Dollars> price) {
    std::string line = indented_ ? std::string(kIndent) : std::string();
    if (price && withPrices_) {
        if (*price == 0) return;
        line += "[$" + std::to_string(*price) + "] ";
    }
    line += text;
    lines_.push_back(std::move(line));
}

void OrderDocument::AddAmountLine(const std::string& text, std::optional<Dollars> amount,
                                  const std::string& label) {
    if (amount) {
        AddOrderLine(text, *amount);
    } else {
        AddOrderLine(text + " (" + label + ")", std::nullopt);
    }
}

void OrderDocument::Generate(OrderVariant v) {
    const Configuration& c = config_;
    const int colourIndex = c.Colour();
    // With no item selected there is no colour name to write.
    const std::string colour = colourIndex >= 0 && colourIndex < kColourCount
                                   ? std::string(kColours[colourIndex].item)
                                   : "";
    const int trim = c.Trim();

    lines_.clear();
    AddOrderLine("", std::nullopt);
    AddOrderLine("Заказ составлен " + ui_.DateText() + ", " + ui_.TimeText(), std::nullopt);
    AddOrderLine("", std::nullopt);
    AddOrderLine(kModelLine, std::nullopt);
    const std::string body =
        c.Body() >= 0 && c.Body() < kBodyCount ? std::string(Pick(kBodyTexts[c.Body()], v)) : "";
    AddOrderLine("Тип кузова: " + body, std::nullopt);
    const std::string engine = c.Engine() >= 0 && c.Engine() < kEngineCount
                                   ? std::string(Pick(kEngineTexts[c.Engine()], v))
                                   : "";
    AddOrderLine("Двигатель: " + engine, std::nullopt);
    AddOrderLine("Цвет окраски кузова: " + colour, std::nullopt);
    const std::string trimName =
        trim >= 0 && trim < kTrimCount ? std::string(kTrimItems[trim]) : "";
    const PriceFigures& figures = c.Figures();
    AddAmountLine("Комплектация: " + trimName, figures.baseSet ? figures.base : std::nullopt,
                  BasePriceText(figures));

    if (figures.surcharge != 0) {
        for (int rails : {BlackRoofRails, AluminiumRoofRails}) {
            if (c.Rails() == rails) {
                AddAmountLine(std::string(Pick(kRailTexts[rails], v)), figures.surcharge,
                              SurchargeText(figures));
            }
        }
    }

    for (const OptionLine& line : kOptionLines) {
        if (!c.Checked(line.option) || c.Price(line.option) == 0) continue;
        if (std::optional<std::string> text = OptionText(line, v, trim, colour)) {
            AddOrderLine(*text, c.Price(line.option));
        }
    }

    bool anyExtra = false;
    for (Opt o : kDealerExtras) anyExtra = anyExtra || c.Checked(o);
    if (anyExtra) {
        AddOrderLine(kSeparator, std::nullopt);
        AddOrderLine(kExtrasHeading, std::nullopt);
        for (Opt o : kDealerExtras) {
            if (c.Checked(o) && c.Enabled(o)) AddOrderLine(std::string(Def(o).caption), c.Price(o));
        }
    }

    AddOrderLine("", std::nullopt);
    AddOrderLine("Итоговая цена: " + DollarTotalText(figures), std::nullopt);

    ++generations_;
    if (quiet_) {
        rewritten_ = true;
    } else if (observer_) {
        observer_();
    }
}

void OrderDocument::FollowPrice() {
    const bool outer = quiet_;
    quiet_ = true;
    OnVerbalToggled();
    quiet_ = outer;
}

void OrderDocument::TellIfRewritten() {
    if (!std::exchange(rewritten_, false)) return;
    if (observer_) observer_();
}

std::string OrderDocument::Text() const {
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines_[i];
    }
    return text;
}

}  // namespace kalvora
