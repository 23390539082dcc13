#include "engine/model/Catalogue.h"

namespace kalvora {

namespace {
constexpr bool C = true;   // checked
constexpr bool D = false;  // disabled
constexpr bool E = true;   // enabled
constexpr bool U = false;  // unchecked
constexpr bool H = true;   // hidden for the whole run
constexpr bool V = false;  // visible
using TR = TickRule;
using LR = LeaveRule;
constexpr Column L = Column::Left;
constexpr Column R = Column::Right;
constexpr Column P = Column::Packages;
}  // namespace

// clang-format off
const std::array<OptionDef, kOptionCount> kOptionTable = {{
//   id                          name              caption                                                                          own caption                                   price label          price  chk en  wish on tick               on leave       hidden col
    {Opt::FrontFogLamps,         "ptf",            "Передние противотуманные фары",                                                 "",                                           "ptfLabel",          150,  U, E, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::XenonHeadlamps,        "KsenonBox",      "Ксеноновые фары",                                                               "",                                           "KsenonLabel",       980,  U, E, 0, TR::XenonHeadlamps,   LR::Remember,  V, L},
    {Opt::HeadlampWashers,       "OmivBox",        "Омыватель фар",                                                                 "",                                           "OmivLabel",         200,  U, E, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::AdaptiveHeadlamps,     "AdaptBox",       "Система адаптивного головного освещения",                                       "",                                           "AdaptLabel",        630,  U, E, 0, TR::AdaptiveHeadlamps,    LR::Remember,  V, L},
    {Opt::RearSunBlinds,         "ShtorkiBox",     "Солнцезащитные шторки задних дверей",                                           "",                                           "ShtorkiLabel",      115,  U, E, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::HeatedMirrors,         "ZerkBox",        "Внешние зеркала с подогревом",                                                  "",                                           "ZerkLabel",         0,    C, D, 1, TR::Reprice, LR::Remember,  V, L},
    {Opt::LitHeatedMirrors,      "PodsvBox",       "Внешние зеркала с подогревом с подсветкой околодверного пространства",          "",                                           "PodsvLabel",        290,  U, E, 0, TR::LitHeatedMirrors,    LR::Remember,  V, L},
    {Opt::HeatedWindscreen,      "LobBox",         "Лобовое стекло с подогревом",                                                   "",                                           "LobLabel",          170,  U, E, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::AirConditioning,       "acBox",          "Кондиционер",                                                                   "",                                           "ACLabel",           0,    C, D, 1, TR::Reprice, LR::Remember,  V, L},
    {Opt::ClimateControl,        "KlimatBox",      "Двухзонный климат-контроль",                                                    "",                                           "KlimatLabel",       390,  U, E, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::CooledGloveBox,        "YaschBox",       "Охлаждаемый перчаточный ящик",                                                  "",                                           "YaschLabel",        0,    C, D, 1, TR::Reprice, LR::Remember,  V, L},
    {Opt::RearElectricWindows,   "StekloBox",      "Не только передние, но и задние электростеклоподъемники",                       "",                                           "StekloLabel",       0,    C, D, 1, TR::Reprice, LR::Remember,  V, L},
    {Opt::LongSpoiler,           "SpoilerBox",     "Удлиненный спойлер, окрашенный в цвет кузова",                                  "",                                           "SpoilerLabel",      290,  U, D, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::LuggageNet,            "SetkaBox",       "Сетка-ограничитель багажного отделения",                                        "",                                           "SetkaLabel",        230,  U, E, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::WinterTyres,           "ZimShinaBox",    "Зимние шины 195/65 R15",                                                        "Зимние шины",                                "ZimShinaLabel",     350,  U, E, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::Alloys15,              "d15box",         "15\" легкосплавные диски",                                                      "",                                           "d15Label",          460,  U, D, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::Alloys16,              "d16box",         "16\" легкосплавные диски",                                                      "",                                           "d16Label",          570,  U, E, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::RadioPack1,            "R1Box",          "Радио Пакет №1 (Кассетная магнитола, 2 динамика)",                              "",                                           "R1Label",           300,  U, D, 0, TR::None,             LR::None,      V, L},
    {Opt::RadioPack2,            "R2Box",          "Радио Пакет №2 (CD магнитола, 6 динамиков)",                                    "",                                           "R2Label",           420,  U, E, 0, TR::RadioPack2,       LR::RadioPack2, V, L},
    {Opt::RadioPack4,            "R4Box",          "Радио Пакет №4 (кассетная магнитола, 6 динамиков, CD ченджер)",                 "",                                           "R4Label",           570,  U, E, 0, TR::RadioPack4,       LR::RadioPack4, V, L},
    {Opt::RadioPack6,            "R6Box",          "Радио Пакет №6 (CD, MP3 магнитола, 8 динамиков, RDS, AV)",                      "",                                           "R6Label",           700,  U, E, 0, TR::RadioPack6,       LR::RadioPack6, V, L},
    {Opt::RadioPack7,            "R7Box",          "Радио Пакет №7 (6CD, 8 динамиков, RDS, AV)",                                    "",                                           "R7Label",           750,  U, E, 0, TR::RadioPack7,       LR::RadioPack7, V, L},
    {Opt::RadioPack12,           "R12Box",         "Радио Пакет №12 (Кассетная магнитола, 6 динамиков)",                            "",                                           "R12Label",          320,  U, D, 0, TR::None,             LR::None,      V, L},
    {Opt::SteeringRadioControl,  "RadioBox",       "Система управления радио с рулевой колонки",                                    "",                                           "RadioLabel",        50,   U, E, 0, TR::Reprice, LR::Remember,  V, L},
    {Opt::SecurityPack1,         "PB1Box",         "Пакет Безопасности № 1 (ЦЗ, пульт в ключе)",                                    "",                                           "PB1Label",          0,    C, D, 1, TR::Reprice, LR::Remember,  V, L},
    {Opt::SecurityPack5,         "PB5Box",         "Пакет Безопасности № 5",                                                        "",                                           "PB5Label",          110,  C, E, 1, TR::SecurityPack5,      LR::Remember,  V, L},
    {Opt::StyleInteriorPackage,  "IntererBox",     "Интерьер-пакет \"Style\"",                                                      "",                                           "IntererLabel",      190,  U, E, 0, TR::StyleInteriorPackage,  LR::Remember,  V, P},
    {Opt::ComfortPackage,        "KomfBox",        "Пакет \"Комфорт\"",                                                             "",                                           "KomfLabel",         540,  U, E, 0, TR::ComfortPackage,     LR::Remember,  V, P},
    {Opt::ComfortPlusPackage,    "KomfPBox",       "Пакет \"Комфорт +\"",                                                           "",                                           "KomfPLabel",        820,  U, E, 0, TR::ComfortPlusPackage,    LR::Remember,  V, P},
    {Opt::WinterPackage,         "ZimBox",         "Пакет \"Зимний\"",                                                              "",                                           "ZimLabel",          400,  U, E, 0, TR::WinterPackage,      LR::Remember,  V, P},
    {Opt::VisibilityPackage,     "ObzorBox",       "Пакет \"Улучшенной обзорности\"",                                               "",                                           "ObzorLabel",        140,  U, E, 0, TR::VisibilityPackage,    LR::Remember,  V, P},
    {Opt::VisibilityPackage1,    "Obzor1Box",      "Пакет \"Улучшенной обзорности-1\"",                                             "",                                           "Obzor1Label",       360,  U, E, 0, TR::VisibilityPackage1,   LR::Remember,  V, P},
    {Opt::TravellerPackage,      "PuteshBox",      "Пакет путешественника",                                                         "",                                           "PuteshLabel",       300,  U, E, 0, TR::TravellerPackage,   LR::Remember,  V, P},
    {Opt::LeatherTrim,           "KozaBox",        "Кожаная обивка сидений",                                                        "",                                           "KozaLabel",         1070, U, E, 0, TR::LeatherTrim,     LR::Remember,  V, R},
    {Opt::HeatedFrontSeats,      "PodSidBox",      "Передние сиденья с подогревом",                                                 "",                                           "PodSidLabel",       210,  U, E, 0, TR::Reprice, LR::Remember,  V, R},
    {Opt::PowerDriverSeatHeight, "SidVodBox",      "Сиденье водителя с электро регулировкой по высоте",                             "",                                           "SidVodLabel",       175,  U, E, 0, TR::Reprice, LR::Remember,  V, R},
    {Opt::PowerDriverSeat6Way,   "SidVod6Box",     "Сиденье водителя с электро регулировкой в 6 направлениях + пассаж. по высоте мех", "",                                        "SidVod6Label",      590,  U, E, 0, TR::PowerDriverSeat6Way,  LR::Remember,  V, R},
    {Opt::PassengerSeatHeight,   "SidPPBox",       "Сиденье переднего пассажира с механической регулировкой по высоте",             "",                                           "SidPPLabel",        95,   U, E, 0, TR::Reprice, LR::Remember,  V, R},
    {Opt::PassengerAirbag,       "PBppBox",        "Подушка безопасности переднего пассажира",                                      "",                                           "PBppLabel",         0,    C, D, 0, TR::Reprice, LR::Remember,  V, R},
    {Opt::SideAirbags,           "BokPBBox",       "Боковые подушки безопасности",                                                  "",                                           "BokPBLabel",        0,    C, D, 0, TR::Reprice, LR::Remember,  V, R},
    {Opt::MetallicPaint,         "MetallBox",      "Окраска кузова в \"металлик\".       Цвет:",                                    "Окраска кузова в \"металлик\"",              "MetallLabel",       275,  C, E, 0, TR::MetallicPaint,   LR::Remember,  V, R},
    {Opt::TintedGlass,           "TonBox",         "Тонированные стёкла",                                                           "",                                           "TonLabel",          80,   C, E, 0, TR::AntiLockBrakes,      LR::Remember,  V, R},
    {Opt::AntiLockBrakes,        "ABSBox",         "ABS - Антиблокировочная система тормозов",                                      "",                                           "ABSLabel",          400,  C, E, 0, TR::AntiLockBrakes,      LR::Remember,  V, R},
    {Opt::StabilityControl,      "IVDBox",         "IVD - Cистема стабилизации курсовой устойчивости",                              "",                                           "IVDLabel",          690,  U, E, 0, TR::StabilityControl,      LR::Remember,  V, R},
    {Opt::CruiseControl,         "KruizBox",       "Круиз контроль",                                                                "",                                           "KruizLabel",        230,  U, E, 0, TR::Reprice, LR::Remember,  V, R},
    {Opt::PreStartHeater,        "PPBox",          "Программируемый предпусковой топливный подогреватель",                          "Предпусковой подогреватель",                 "PPLabel",           750,  C, E, 0, TR::Reprice, LR::Remember,  V, R},
    {Opt::ElectricCabinHeater,   "ElectroBox",     "Электрический дополнительный подогреватель воздуха салона",                     "",                                           "ElectroLabel",      290,  C, E, 0, TR::Reprice, LR::Remember,  V, R},
    {Opt::RearParkingSensor,     "ParkBox",        "Задний парковочный сенсор",                                                     "",                                           "ParkLabel",         290,  U, E, 0, TR::Reprice, LR::Remember,  V, R},
    {Opt::RubberMats,            "KovrBox",        "Резиновые коврики",                                                             "",                                           "KovrLabel",         35,   C, E, 0, TR::Reprice, LR::None,      V, R},
    {Opt::PremiumMats,           "KovrPremiumBox", "4 велюровых коврика класса \"Premium\" ",                                       "",                                           "KovrPremiumLabel",  90,   U, E, 0, TR::Reprice, LR::None,      V, R},
    {Opt::BootCarpet,            "KovrBagazBox",   "Двухсторонний ковёр в багажное отделение",                                      "Двухсторонний ковер в багажное отделение",   "KovrBagazLabel",    100,  U, E, 0, TR::Reprice, LR::Remember,  V, R},
    {Opt::SumpGuard,             "KarterBox",      "Защита картера",                                                                "",                                           "KarterLabel",       100,  U, E, 0, TR::Reprice, LR::None,      H, R},
    {Opt::Registration,          "GAIBox",         "Постановка на учёт в ГАИ, получение талона ТО",                                 "",                                           "GaiLabel",          300,  U, E, 0, TR::Reprice, LR::None,      H, R},
    {Opt::EmergencyKit,          "NaborBox",       "Джентельменский набор (аптечка, трос, знак аварийной остановки ...)",           "",                                           "NaborLabel",        33,   U, E, 0, TR::Reprice, LR::None,      H, R},
}};

const std::array<std::string_view, kTrimCount> kTrimItems = {"Ambiente", "Comfort", "Trend", "Ghia"};

const std::array<RadioDef, kBodyCount> kBodies = {{
    {"Kuzov3dr", "Хэтч 3 дв"},
    {"Kuzov4dr", "Седан"},
    {"Kuzov5dr", "Хэтч 5 дв"},
    {"KuzovWag", "Универсал"},
}};

const std::array<RadioDef, kRailsCount> kRails = {{
    {"Univers0", "Нет"},
    {"Univers1", "Черные направляющие багажника"},
    {"Univers2", "Алюминиевые направляющие багажника"},
}};

// In "1,8 M" and "2,0 A" the letters are Latin; in the other captions they are Cyrillic.
const std::array<RadioDef, kEngineCount> kEngines = {{
    {"Dvig14MT",    "1,4 М (80 лс)"},
    {"Dvig16MT100", "1,6 М (100 лс)"},
    {"Dvig16MT115", "1,6 М (115 лс)"},
    {"Dvig16AT100", "1,6 А (100 лс)"},
    {"Dvig18TD115", "1,8 диз М (115 лс)"},
    {"Dvig20MT145", "2,0 М (145 лс)"},
    {"Dvig18MT125", "1,8 M (125 лс)"},
    {"Dvig20AT145", "2,0 A (145 лс)"},
}};

const std::array<ColourDef, kColourCount> kColours = {{
    {"???",                      false, Shade::None,  0},
    {"Frozen White",             false, Shade::Light, 1},
    {"Deep Navy",                false, Shade::Dark,  2},
    {"Jeans Metallic",           true,  Shade::Dark,  3},
    {"Panther Black Metallic",   true,  Shade::Dark,  4},
    {"Tonic Metallic",           true,  Shade::Light, 5},
    {"Deep Rosso Red Metallic",  true,  Shade::Red,   6},
    {"Moondust Silver Metallic", true,  Shade::Light, 7},
    {"Sea Grey Metallic",        true,  Shade::Dark,  8},
    {"Tango Metallic",           true,  Shade::Red,   9},
    {"Aquarius Metallic",        true,  Shade::Blue,  10},
    {"SVO Metallic",             true,  Shade::None,  0},
}};

const std::array<std::string_view, kBodyCount> kBodyPictures = {"Image3dr", "Image4dr", "Image5dr", "Image5dru"};

const std::array<std::array<std::string_view, 4>, kBodyCount> kShadePictures = {{
    // Light          Dark            Red            Blue
    {"I_3dr_Light", "I_3dr_dark", "I_3dr_red", "I_3dr_blue"},
    {"I_4dr_Light", "i_4dr_Dark", "I_4dr_red", "I_4dr_blue"},
    {"I_5dr_Light", "I_5dr_Dark", "I_5dr_Red", "I_5dr_Blue"},
    {"I_Wag_Light", "I_Wag_Dark", "I_Wag_Red", "I_Wag_Blue"},
}};
// clang-format on

namespace {
struct DefIndex {
    std::array<const OptionDef*, kOptionCount> byOpt{};
    DefIndex() {
        for (const OptionDef& d : kOptionTable) byOpt[Index(d.id)] = &d;
    }
};
const DefIndex& Defs() {
    static const DefIndex index;
    return index;
}
}  // namespace

const OptionDef& Def(Opt o) {
    return *Defs().byOpt[Index(o)];
}

bool OptByName(std::string_view name, Opt* out) {
    for (const OptionDef& d : kOptionTable) {
        if (d.name == name) {
            *out = d.id;
            return true;
        }
    }
    return false;
}

std::string CaptionLabelName(Opt o) {
    return std::string(Def(o).name) + "L";
}

}  // namespace kalvora
