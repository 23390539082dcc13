#include "engine/documents/CheckList.h"

#include <array>
#include <cstdint>

namespace kalvora {

namespace {

constexpr std::uint8_t Bit(int n) {
    return static_cast<std::uint8_t>(1u << n);
}
constexpr std::uint64_t OptBit(Opt o) {
    return std::uint64_t{1} << Index(o);
}

// When an inspection item is listed. The alternatives (trims, engines, bodies, roof rails,
// ticked options, colour) list it when any of them holds; a body restriction or a required
// tick then overrides every alternative.
struct ListingRule {
    std::uint8_t trims = 0;
    std::uint8_t engines = 0;
    std::uint8_t bodies = 0;
    std::uint8_t rails = 0;
    std::uint64_t options = 0;
    int colour = -1;
    std::uint8_t onlyBodies = 0;  // non-zero: listed for these bodies only
    std::uint8_t notBodies = 0;   // never listed for these bodies
    std::uint64_t mustBeTicked = 0;
    std::uint64_t mustBeUnticked = 0;

    constexpr ListingRule Or(ListingRule other) const {
        ListingRule r = *this;
        r.trims |= other.trims;
        r.engines |= other.engines;
        r.bodies |= other.bodies;
        r.rails |= other.rails;
        r.options |= other.options;
        if (other.colour >= 0) r.colour = other.colour;
        return r;
    }
    constexpr ListingRule OnlyFor(int body) const {
        ListingRule r = *this;
        r.onlyBodies |= Bit(body);
        return r;
    }
    constexpr ListingRule NeverFor(int body) const {
        ListingRule r = *this;
        r.notBodies |= Bit(body);
        return r;
    }
    constexpr ListingRule And(Opt o) const {
        ListingRule r = *this;
        r.mustBeTicked |= OptBit(o);
        return r;
    }
    constexpr ListingRule AndNot(Opt o) const {
        ListingRule r = *this;
        r.mustBeUnticked |= OptBit(o);
        return r;
    }
};

template <typename... T>
constexpr ListingRule Trims(T... trims) {
    ListingRule r;
    r.trims = static_cast<std::uint8_t>((Bit(trims) | ...));
    return r;
}
constexpr ListingRule Always() {
    return Trims(Ambiente, Comfort, Trend, Ghia);
}
template <typename... T>
constexpr ListingRule Engines(T... engines) {
    ListingRule r;
    r.engines = static_cast<std::uint8_t>((Bit(engines) | ...));
    return r;
}
template <typename... T>
constexpr ListingRule Bodies(T... bodies) {
    ListingRule r;
    r.bodies = static_cast<std::uint8_t>((Bit(bodies) | ...));
    return r;
}
constexpr ListingRule Rails(int rails) {
    ListingRule r;
    r.rails = Bit(rails);
    return r;
}
template <typename... T>
constexpr ListingRule Ticked(T... options) {
    ListingRule r;
    r.options = (OptBit(options) | ...);
    return r;
}
// Colour item `index` of the colour list.
constexpr ListingRule Colour(int index) {
    ListingRule r;
    r.colour = index;
    return r;
}

struct InspectionItem {
    std::string_view text;
    ListingRule rule;
};

// The inspection items in the order of the list. Colour item 1 reads "Frozen White" in the
// colour list but the factory calls it Diamond White.
// clang-format off
constexpr std::array<InspectionItem, CheckList::kRowCount> kItems = {{
    /*   1 */ {"Боковые молдинги в цвет кузова",
               Trims(Comfort, Trend, Ghia)},
    /*   2 */ {"Боковые молдинги чёрного цвета",
               Trims(Ambiente)},
    /*   3 */ {"Передние электростеклоподъёмники с функцией опускания стекла водителя при одном нажатии кнопки",
               Always()},
    /*   4 */ {"Подушка безопасности водителя",
               Always()},
    /*   5 */ {"Пиротехнические преднатяжители безопасности передних сидений",
               Always()},
    /*   6 */ {"Ограничители усилия натяжения ремней безопасности передних сидений",
               Always()},
    /*   7 */ {"Система предотвращения травмирования ног водителя педалями сцепления и тормоза",
               Always()},
    /*   8 */ {"Энергопоглощающая рулевая колонка",
               Always()},
    /*   9 */ {"Система центрального запирания дверей",
               Always()},
    /*  10 */ {"Иммобилайзер - пассивная противоугонная система (PATS)",
               Always()},
    /*  11 */ {"Регулируемая по вылету и углу наклона рулевая колонка",
               Always()},
    /*  12 */ {"Переключатель режима рециркуляции воздуха",
               Always()},
    /*  13 */ {"Передние плафоны освещения с постепенным затуханием и функцией задержки выключения",
               Always()},
    /*  14 */ {"Заднее сиденье с разделенной в отношении 60:40 спинкой и фиксаторами для детских кресел ISOFIX",
               Always()},
    /*  15 */ {"Шторка багажного отделения",
               Always().OnlyFor(Wagon)},
    /*  16 */ {"Система кондиционирования воздуха с хладогентом, не содержащем CFC",
               Trims(Comfort, Trend, Ghia).Or(Ticked(Opt::AirConditioning))},
    /*  17 */ {"Алюминиевая отделка внутренних дверных ручек",
               Trims(Comfort, Trend, Ghia)},
    /*  18 */ {"Наружные зеркала в цвет кузова",
               Trims(Comfort, Trend, Ghia)},
    /*  19 */ {"Ручка задней двери в цвет кузова",
               Trims(Comfort, Trend, Ghia)},
    /*  20 */ {"Хромированная окантовка решетки радиатора",
               Trims(Comfort, Trend, Ghia)},
    /*  21 */ {"Темные ободки фар",
               Trims(Trend)},
    /*  22 */ {"Передние противотуманные фары",
               Trims(Trend).Or(Ticked(Opt::FrontFogLamps))},
    /*  23 */ {"Алюминиевая отделка кнопки отпускания стояночного тормоза",
               Trims(Trend)},
    /*  24 */ {"Матовая алюминиевая окантовка приборов",
               Trims(Trend)},
    /*  25 */ {"Бортовой компьютер с информацией о поездке и расходе топлива",
               Trims(Trend).Or(Ticked(Opt::PreStartHeater))},
    /*  26 */ {"Обтянутое кожей 3-х спицевое рулевое колесо",
               Trims(Trend)},
    /*  27 */ {"Спортивная подвеска",
               Trims(Trend).NeverFor(Wagon)},
    /*  28 */ {"Подушка безопасности переднего пассажира",
               Trims(Ghia).Or(Ticked(Opt::PassengerAirbag))},
    /*  29 */ {"\"Трёхмерные\" боковые подушки безопасности для водителя и пассажира",
               Trims(Ghia).Or(Ticked(Opt::SideAirbags))},
    /*  30 */ {"Задние электростеклоподъёмники с функцией опускания/поднятия одним нажатием кнопки",
               Trims(Ghia).Or(Ticked(Opt::RearElectricWindows)).NeverFor(Hatchback3Door)},
    /*  31 */ {"Функция электростеклоподъёмников \"Защита от защемления\"",
               Trims(Ghia)},
    /*  32 */ {"Туалетные зеркала с подсветкой, встроенные в солнцезащитные козырьки",
               Trims(Ghia)},
    /*  33 */ {"Передние фонари для чтения",
               Trims(Ghia)},
    /*  34 */ {"Подсветка в зоне ног",
               Trims(Ghia)},
    /*  35 */ {"Потолочный плафон внутреннего освещения в задней части салона",
               Trims(Ghia)},
    /*  36 */ {"Обтянутый кожей рычаг переключения передач с серебристым логотипом и алюминиевым ободком",
               Trims(Ghia)},
    /*  37 */ {"Система задержки выключения фар при выходе из автомобиля",
               Trims(Ghia).Or(Ticked(Opt::SecurityPack5))},
    /*  38 */ {"Охлаждаемый перчаточный ящик",
               Trims(Ghia).Or(Ticked(Opt::CooledGloveBox))},
    /*  39 */ {"Держатель для солнцезащитных очков со стороны водителя",
               Trims(Ghia)},
    /*  40 */ {"Складывающийся центральный подлокотник заднего сиденья с отделением для хранения мелких предметов",
               Trims(Ghia)},
    /*  41 */ {"Обтянутое кожей 4-хспицевое рулевое колесо",
               Trims(Ghia)},
    /*  42 */ {"15-дюймовые стальные колёса с 8-спицевыми декоративными колпаками",
               Trims(Ambiente, Comfort).AndNot(Opt::Alloys15)},
    /*  43 */ {"15-дюймовые стальные колёса с 9-спицевыми декоративными колпаками",
               Trims(Trend, Ghia).AndNot(Opt::Alloys16)},
    /*  44 */ {"15-дюймовые легкосплавные колёса",
               Trims(Ambiente, Comfort).And(Opt::Alloys15)},
    /*  45 */ {"16-дюймовые легкосплавные колёса",
               Trims(Trend, Ghia).And(Opt::Alloys16)},
    /*  46 */ {"Кузов - трёхдверный хэтчбек",
               Bodies(Hatchback3Door)},
    /*  47 */ {"Кузов - четырёхдверный седан",
               Bodies(Sedan)},
    /*  48 */ {"Кузов - пятидверный хэтчбек",
               Bodies(Hatchback5Door)},
    /*  49 */ {"Кузов - пятидверный универсал",
               Bodies(Wagon)},
    /*  50 */ {"Задние дисковые тормоза",
               Engines(Petrol20Manual145, Petrol20Automatic145).Or(Ticked(Opt::StabilityControl)).Or(Bodies(Wagon))},
    /*  51 */ {"Двигатель бензиновый, объемом 1.4 литра, 4 цилиндра, 80 л.с.",
               Engines(Petrol14Manual80)},
    /*  52 */ {"Двигатель бензиновый, объемом 1.6 литра, 4 цилиндра, 100 л.с.",
               Engines(Petrol16Manual100, Petrol16Automatic100)},
    /*  53 */ {"Двигатель бензиновый, объемом 1.6 литра, 4 цилиндра, 115 л.с.",
               Engines(Petrol16Manual115)},
    /*  54 */ {"Двигатель дизельный, объемом 1.8 литра, 4 цилиндра, 115 л.с.",
               Engines(Diesel18Manual115)},
    /*  55 */ {"Двигатель бензиновый, объемом 2.0 литра, 4 цилиндра, 145 л.с.",
               Engines(Petrol20Manual145, Petrol20Automatic145)},
    /*  56 */ {"Механическая коробка передач",
               Engines(Petrol14Manual80, Petrol16Manual100, Petrol16Manual115, Diesel18Manual115, Petrol18Manual125, Petrol20Manual145)},
    /*  57 */ {"Автоматическая коробка передач",
               Engines(Petrol16Automatic100, Petrol20Automatic145)},
    /*  58 */ {"Черные направляющие багажника на крыше",
               Rails(BlackRoofRails)},
    /*  59 */ {"Алюминиевые направляющие багажника на крыше",
               Rails(AluminiumRoofRails)},
    /*  60 */ {"Цвет Diamond White",
               Colour(1)},
    /*  61 */ {"Цвет Deep Navy",
               Colour(2)},
    /*  62 */ {"Цвет Jeans Metallic",
               Colour(3)},
    /*  63 */ {"Цвет Panther Black Metallic",
               Colour(4)},
    /*  64 */ {"Цвет Tonic Metallic",
               Colour(5)},
    /*  65 */ {"Цвет Deep Rosso Red Metallic",
               Colour(6)},
    /*  66 */ {"Цвет Moondust Silver Metallic",
               Colour(7)},
    /*  67 */ {"Цвет Sea Grey Metallic",
               Colour(8)},
    /*  68 */ {"Цвет Tango Metallic",
               Colour(9)},
    /*  69 */ {"Цвет Aquarius Metallic",
               Colour(10)},
    /*  70 */ {"Внешний вид и качество покраски. Крыша",
               Always()},
    /*  71 */ {"Внешний вид и качество покраски. Двери - передняя левая",
               Always()},
    /*  72 */ {"Внешний вид и качество покраски. Двери - задняя левая",
               Always().NeverFor(Hatchback3Door)},
    /*  73 */ {"Внешний вид и качество покраски. Двери - передняя правая",
               Always()},
    /*  74 */ {"Внешний вид и качество покраски. Двери - задняя правая",
               Always().NeverFor(Hatchback3Door)},
    /*  75 */ {"Внешний вид и качество покраски. Капот",
               Always()},
    /*  76 */ {"Внешний вид и качество покраски. Багажник",
               Always().OnlyFor(Sedan)},
    /*  77 */ {"Внешний вид и качество покраски. задняя дверь",
               Always().NeverFor(Sedan)},
    /*  78 */ {"Внешний вид и качество покраски. Крылья - переднее левое",
               Always()},
    /*  79 */ {"Внешний вид и качество покраски. Крылья - заднее левое",
               Always()},
    /*  80 */ {"Внешний вид и качество покраски. Крылья - переднее правое",
               Always()},
    /*  81 */ {"Внешний вид и качество покраски. Крылья - заднее правое",
               Always()},
    /*  82 */ {"Внешний вид и качество покраски. передний бампер",
               Always()},
    /*  83 */ {"Внешний вид и качество покраски. задний бампер",
               Always()},
    /*  84 */ {"Внешний вид и качество покраски. Стойки - передняя левая",
               Always()},
    /*  85 */ {"Внешний вид и качество покраски. Стойки - передняя правая",
               Always()},
    /*  86 */ {"Внешний вид и качество покраски. Стойки - центральная левая",
               Always()},
    /*  87 */ {"Внешний вид и качество покраски. Стойки - центральная правая",
               Always()},
    /*  88 */ {"Внешний вид и качество покраски. Стойки - задняя левая",
               Always()},
    /*  89 */ {"Внешний вид и качество покраски. Стойки - задняя правая",
               Always()},
    /*  90 */ {"Равномерность зазоров, геометрия плоскостей. Дверь передняя левая",
               Always()},
    /*  91 */ {"Равномерность зазоров, геометрия плоскостей. Дверь задняя левая",
               Always().NeverFor(Hatchback3Door)},
    /*  92 */ {"Равномерность зазоров, геометрия плоскостей. Дверь передняя правая",
               Always()},
    /*  93 */ {"Равномерность зазоров, геометрия плоскостей. Дверь задняя правая",
               Always().NeverFor(Hatchback3Door)},
    /*  94 */ {"Равномерность зазоров, геометрия плоскостей. Капот - левое крыло",
               Always()},
    /*  95 */ {"Равномерность зазоров, геометрия плоскостей. Капот - правое крыло",
               Always()},
    /*  96 */ {"Равномерность зазоров, геометрия плоскостей. Капот - левая фара",
               Always()},
    /*  97 */ {"Равномерность зазоров, геометрия плоскостей. Капот - правая фара",
               Always()},
    /*  98 */ {"Равномерность зазоров, геометрия плоскостей. Задняя (багажная) дверь",
               Always().NeverFor(Sedan)},
    /*  99 */ {"Равномерность зазоров, геометрия плоскостей. Багажник",
               Always().OnlyFor(Sedan)},
    /* 100 */ {"Опция \"ксеноновые фары\", состав",
               Ticked(Opt::XenonHeadlamps)},
    /* 101 */ {"Ближний ксеноновый свет",
               Ticked(Opt::XenonHeadlamps)},
    /* 102 */ {"Дальний ксеноновый свет",
               Ticked(Opt::XenonHeadlamps)},
    /* 103 */ {"Омыватель фар, работает при включенном ближнем свете",
               Ticked(Opt::XenonHeadlamps, Opt::HeadlampWashers)},
    /* 104 */ {"Автоматическое управление наклоном света фар",
               Ticked(Opt::XenonHeadlamps)},
    /* 105 */ {"Система адаптивного головного освещения, работает при повороте руля направо",
               Ticked(Opt::AdaptiveHeadlamps)},
    /* 106 */ {"Солнцезащитные шторки задних дверей",
               Ticked(Opt::RearSunBlinds)},
    /* 107 */ {"Подогрев внешних зеркал, проверить работу, подышав на зеркало",
               Ticked(Opt::HeatedMirrors)},
    /* 108 */ {"Внешние зеркала с подогревом с подсветкой околодверного пространства",
               Ticked(Opt::LitHeatedMirrors)},
    /* 109 */ {"Лобовое стекло с подогревом, подышать на стекло и проверить работоспособность",
               Ticked(Opt::HeatedWindscreen)},
    /* 110 */ {"Двухзонный климат-контроль",
               Ticked(Opt::ClimateControl)},
    /* 111 */ {"Встроенный в ключ пульт управления центральным замком",
               Ticked(Opt::SecurityPack1, Opt::SecurityPack5)},
    /* 112 */ {"Мини потолочная консоль",
               Ticked(Opt::SecurityPack5)},
    /* 113 */ {"Двойное запирание замков, проверяется запиранием пассажира в салоне",
               Ticked(Opt::SecurityPack5)},
    /* 114 */ {"Охранная система с датчиком защиты периметра и объема",
               Ticked(Opt::SecurityPack5)},
    /* 115 */ {"Подсветка заднего номерного знака",
               Always()},
    /* 116 */ {"Лампы для чтения карт для передних пассажиров",
               Ticked(Opt::SecurityPack5)},
    /* 117 */ {"Подогрев форсунок омывателя лобового стекла",
               Ticked(Opt::WinterPackage)},
    /* 118 */ {"Автоматическое включение внешнего освещения",
               Ticked(Opt::VisibilityPackage, Opt::VisibilityPackage1)},
    /* 119 */ {"Электрохроматическое/автоматически затемняющееся зеркало заднего вида",
               Ticked(Opt::VisibilityPackage, Opt::VisibilityPackage1)},
    /* 120 */ {"Датчик дождя, находится в верхней части лобового стекла",
               Ticked(Opt::VisibilityPackage, Opt::VisibilityPackage1)},
    /* 121 */ {"Автоматическое включение дворников, настройка чувствительности",
               Ticked(Opt::VisibilityPackage, Opt::VisibilityPackage1)},
    /* 122 */ {"Кожаная обивка сидений",
               Ticked(Opt::LeatherTrim)},
    /* 123 */ {"Подогрев передних сидений",
               Ticked(Opt::LeatherTrim, Opt::HeatedFrontSeats)},
    /* 124 */ {"Сидения с отделкой кожей и увеличенной боковой поддержкой",
               Ticked(Opt::LeatherTrim)},
    /* 125 */ {"Сидение водителя с электрорегулировкой по 6-ти направлениям",
               Ticked(Opt::LeatherTrim, Opt::PowerDriverSeat6Way)},
    /* 126 */ {"Сидение пассажира с механической регулировкой по высоте",
               Ticked(Opt::LeatherTrim)},
    /* 127 */ {"Регулируемый поясничный подпор",
               Ticked(Opt::LeatherTrim)},
    /* 128 */ {"Сидение водителя с электрорегулировкой по высоте",
               Ticked(Opt::PowerDriverSeatHeight)},
    /* 129 */ {"Сиденье переднего пассажира с механической регулировкой по высоте",
               Ticked(Opt::PassengerSeatHeight)},
    /* 130 */ {"Антиблокировочная система тормозов (ABS), проверка резким торможением",
               Ticked(Opt::AntiLockBrakes)},
    /* 131 */ {"Cистема стабилизации курсовой устойчивости (IVD)",
               Ticked(Opt::StabilityControl)},
    /* 132 */ {"Круиз-контроль",
               Ticked(Opt::CruiseControl)},
    /* 133 */ {"Предпусковой подогреватель, наличие настроек в бортовом компьютере",
               Ticked(Opt::PreStartHeater)},
    /* 134 */ {"Задний парковочный радар, проверка работы",
               Ticked(Opt::RearParkingSensor)},
    /* 135 */ {"Резиновые коврики",
               Ticked(Opt::RubberMats)},
    /* 136 */ {"Стальное запасное колесо",
               Always()},
    /* 137 */ {"Домкрат",
               Always()},
    /* 138 */ {"Баллонный ключ",
               Always()},
    /* 139 */ {"Уровень охлаждающей жидкости",
               Always()},
    /* 140 */ {"Уровень моторного масла",
               Always()},
    /* 141 */ {"Уровень тормозной жидкости",
               Always()},
    /* 142 */ {"Уровень жидкости гидроусилителя рулевого управления",
               Always()},
    /* 143 */ {"Уровень жидкости омывателя",
               Always()},
    /* 144 */ {"Наличие бензина в бензобаке",
               Always()},
    /* 145 */ {"Центральная антенна",
               Always()},
    /* 146 */ {"Кассетная магнитола AM/FM радио",
               Ticked(Opt::RadioPack1, Opt::RadioPack12)},
    /* 147 */ {"2 динамика, оба должны быть подключены",
               Ticked(Opt::RadioPack1)},
    /* 148 */ {"Ford 6000 - CD+AM/FM Радио высокого класса",
               Ticked(Opt::RadioPack2)},
    /* 149 */ {"6 динамиков, все должны быть подключены",
               Ticked(Opt::RadioPack2, Opt::RadioPack4, Opt::RadioPack12)},
    /* 150 */ {"Внешний CD ченджер",
               Ticked(Opt::RadioPack4)},
    /* 151 */ {"A/V Jack",
               Ticked(Opt::RadioPack6, Opt::RadioPack7)},
    /* 152 */ {"CD+MP3+AM/FM - Радио высокого класса (Sony)",
               Ticked(Opt::RadioPack6)},
    /* 153 */ {"Система управления радио с рулевой колонки",
               Ticked(Opt::SteeringRadioControl, Opt::RadioPack6, Opt::RadioPack7)},
    /* 154 */ {"RDS радио информационный декодер",
               Ticked(Opt::RadioPack6, Opt::RadioPack7)},
    /* 155 */ {"8 динамиков высокого класса, все должны быть подключены",
               Ticked(Opt::RadioPack6, Opt::RadioPack7)},
    /* 156 */ {"CDX6+AM/FM - Радио высокого класса (Sony)",
               Ticked(Opt::RadioPack7)},
    /* 157 */ {"левое зеркало, качество сборки, зазоры",
               Always()},
    /* 158 */ {"правое зеркало",
               Always()},
    /* 159 */ {"Отделка - передняя панель",
               Always()},
    /* 160 */ {"Отделка - Низ передней панели",
               Always()},
    /* 161 */ {"Отделка - Центральная консоль",
               Always()},
    /* 162 */ {"Отделка двери - передняя левая",
               Always()},
    /* 163 */ {"Отделка двери - передняя правая",
               Always()},
    /* 164 */ {"Отделка двери - Задняя левая",
               Always().NeverFor(Hatchback3Door)},
    /* 165 */ {"Отделка двери - Задняя правая",
               Always().NeverFor(Hatchback3Door)},
    /* 166 */ {"Потолок, качество установки, чистота, отсутствие громыханий в движении",
               Always()},
    /* 167 */ {"Сидение водителя",
               Always()},
    /* 168 */ {"Сидение пассажира",
               Always()},
    /* 169 */ {"Задний диван",
               Always()},
    /* 170 */ {"Руль",
               Always()},
    /* 171 */ {"Органы управления",
               Always()},
    /* 172 */ {"Аудиосистема - воспроизведение носителей, приём радио",
               Always()},
    /* 173 */ {"Стойка передняя левая",
               Always()},
    /* 174 */ {"Стойка передняя правая",
               Always()},
    /* 175 */ {"Стойка левая",
               Always()},
    /* 176 */ {"Стойка правая",
               Always()},
    /* 177 */ {"Стойка задняя левая",
               Always()},
    /* 178 */ {"Стойка задняя правая",
               Always()},
    /* 179 */ {"Багажное отделение",
               Always()},
    /* 180 */ {"Дорожный тест, \"сверчки\" салона, стуки подвески...",
               Always()},
    /* 181 */ {"Тормозная система, плавное и резкое торможение",
               Always()},
    /* 182 */ {"Работа сцепления, плавность трогания",
               Always()},
    /* 183 */ {"Коробка передач, чёткость включения 1-й и задней передач",
               Always()},
    /* 184 */ {"Посторонние шумы и звуки",
               Always()},
    /* 185 */ {"Устройства внешнего освещения, габаритные огни, стопы, поворотники, фонарь заднего хода...",
               Always()},
    /* 186 */ {"Звуковой сигнал",
               Always()},
    /* 187 */ {"Устройства внутреннего освещения, подсветка приборов",
               Always()},
    /* 188 */ {"Приборы водительской панели, работа тахометра, спидометра, показание уровня топлива",
               Always()},
    /* 189 */ {"Пепельница",
               Always()},
    /* 190 */ {"Наличия гнезда прикуривателя",
               Always()},
    /* 191 */ {"Наличие прикуривателя ($12?)",
               Always()},
    /* 192 */ {"Герметичность отверстий жиклёров омывателя лобового стекла (отсутствие течи на двигатель)",
               Always()},
    /* 193 */ {"Диммер (регулировка яркости подсветки приборов)",
               Ticked(Opt::XenonHeadlamps, Opt::VisibilityPackage, Opt::VisibilityPackage1)},
    /* 194 */ {"Задний дворник, его работа",
               Always().NeverFor(Sedan)},
    /* 195 */ {"Работа омывателя заднего стекла",
               Always().NeverFor(Sedan)},
    /* 196 */ {"При работе кондиционера не должно быть течи на передний пассажирский коврик",
               Ticked(Opt::AirConditioning)},
    /* 197 */ {"Отсутствие царапин на всех стёклах и фарах",
               Always()},
    /* 198 */ {"Отсутствие микротрещин на задних фарах, особенно в местах их креплений",
               Always()},
    /* 199 */ {"Качество установки фар, они не должны шататься",
               Always()},
    /* 200 */ {"Шумоизоляция подкапотного пространства",
               Engines(Petrol20Manual145, Petrol18Manual125)},
    /* 201 */ {"При постановке на ручной тормоз-высвечивание иконки на панели приборов",
               Always()},
    /* 202 */ {"Давление воздуха в колёсах",
               Always()},
    /* 203 */ {"Внешний вид ремней кондиционера и помпы/генератора",
               Always()},
    /* 204 */ {"Сверка номеров (номер двигателя, VIN) в ПТС и на автомобиле",
               Always()},
    /* 205 */ {"обивка обратной стороны заднего сиденья",
               Trims(Trend, Ghia)},
    /* 206 */ {"Цветные вставки сидений",
               Trims(Trend)},
    /* 207 */ {"Удлиненный спойлер, окрашенный в цвет кузова",
               Ticked(Opt::LongSpoiler)},
    /* 208 */ {"Сетка-ограничитель багажного отделения",
               Ticked(Opt::LuggageNet)},
    /* 209 */ {"Зимние шины",
               Ticked(Opt::WinterTyres)},
    /* 210 */ {"Cтальная накладкя на пороге передних дверей",
               Ticked(Opt::StyleInteriorPackage)},
    /* 211 */ {"Передние велюровые коврики",
               Ticked(Opt::StyleInteriorPackage)},
    /* 212 */ {"Металлическая накладка на рычаг управления передач",
               Ticked(Opt::StyleInteriorPackage)},
    /* 213 */ {"4 велюровых коврика класса \"Premium\" ",
               Ticked(Opt::PremiumMats)},
    /* 214 */ {"Электрический дополнительный подогреватель воздуха салона",
               Ticked(Opt::ElectricCabinHeater)},
    /* 215 */ {"Двухсторонний ковёр в багажное отделение",
               Ticked(Opt::BootCarpet)},
    /* 216 */ {"Двигатель бензиновый, объемом 1.8 литра, 4 цилиндра, 125 л.с.",
               Engines(Petrol18Manual125)},
    /* 217 */ {"Тонированные стёкла",
               Ticked(Opt::TintedGlass)},
}};
// clang-format on

// The ticked options as a set of bits.
std::uint64_t TickedOptions(const Configuration& c) {
    std::uint64_t ticked = 0;
    for (int i = 0; i < kOptionCount; ++i) {
        if (c.Checked(OptAt(i))) ticked |= OptBit(OptAt(i));
    }
    return ticked;
}

bool Holds(const ListingRule& r, const Configuration& c, std::uint64_t ticked) {
    const auto has = [](std::uint8_t mask, int value) {
        return value >= 0 && value < 8 && (mask & Bit(value)) != 0;
    };
    const bool any = has(r.trims, c.Trim()) || has(r.engines, c.Engine()) ||
                     has(r.bodies, c.Body()) || has(r.rails, c.Rails()) ||
                     (r.options & ticked) != 0 || (r.colour >= 0 && r.colour == c.Colour());
    if (!any) return false;
    if (r.onlyBodies != 0 && !has(r.onlyBodies, c.Body())) return false;
    if (has(r.notBodies, c.Body())) return false;
    if ((r.mustBeTicked & ticked) != r.mustBeTicked) return false;
    if ((r.mustBeUnticked & ticked) != 0) return false;
    return true;
}

constexpr std::string_view kIndent = "        ";
constexpr std::string_view kRule = "        -----";

}  // namespace

std::vector<int> CheckList::ListedRows(const Configuration& config) {
    std::vector<int> rows;
    const std::uint64_t ticked = TickedOptions(config);
    for (int i = 0; i < kRowCount; ++i) {
        if (Holds(kItems[i].rule, config, ticked)) rows.push_back(i + 1);
    }
    return rows;
}

std::string_view CheckList::RowText(int number) {
    if (number < 1 || number > kRowCount) return {};
    return kItems[number - 1].text;
}

std::vector<std::string> CheckList::Compose(const Configuration& config, UiPort& ui) {
    std::vector<std::string> lines;
    lines.reserve(kRowCount + 8);
    lines.emplace_back();
    lines.push_back(std::string(kIndent) +
                    "Перечень контролируемых параметров для конфигурации: \"" +
                    config.CodeFieldText() + "\"");
    lines.emplace_back(kRule);
    lines.emplace_back();
    for (int row : ListedRows(config))
        lines.push_back(std::string(kIndent) + std::string(RowText(row)));
    lines.emplace_back();
    lines.emplace_back(kRule);
    lines.push_back(std::string(kIndent) + "Список подготовлен Конфигуратором Kalvora от Dravel, " +
                    std::string(kVersion) + ", " + ui.DateText() + ", " + ui.TimeText());
    return lines;
}

}  // namespace kalvora
