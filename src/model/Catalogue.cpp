#include "model/Catalogue.h"

namespace kalvora {

namespace {
constexpr bool C = true;   // checked
constexpr bool D = false;  // disabled
constexpr bool E = true;   // enabled
constexpr bool U = false;  // unchecked
constexpr bool H = true;   // hidden for the whole run
constexpr bool V = false;  // visible
using CR = ClickRule;
using XR = ExitRule;
constexpr Column L = Column::Left;
constexpr Column R = Column::Right;
constexpr Column P = Column::Packages;
}  // namespace

// clang-format off
const std::array<OptionDef, kOptionCount> kOptionTable = {{
//   id                   name              caption                                                                          own caption                                   price label          price  chk en  tag click                  exit           hidden col y
    {Opt::ptf,            "ptf",            "Передние противотуманные фары",                                                 "",                                           "ptfLabel",          150,  U, E, 0, CR::Reprice, XR::Remember,  V, L, 16},
    {Opt::KsenonBox,      "KsenonBox",      "Ксеноновые фары",                                                               "",                                           "KsenonLabel",       980,  U, E, 0, CR::KsenonBoxClick,   XR::Remember,  V, L, 32},
    {Opt::OmivBox,        "OmivBox",        "Омыватель фар",                                                                 "",                                           "OmivLabel",         200,  U, E, 0, CR::Reprice, XR::Remember,  V, L, 48},
    {Opt::AdaptBox,       "AdaptBox",       "Система адаптивного головного освещения",                                       "",                                           "AdaptLabel",        630,  U, E, 0, CR::AdaptBoxClick,    XR::Remember,  V, L, 64},
    {Opt::ShtorkiBox,     "ShtorkiBox",     "Солнцезащитные шторки задних дверей",                                           "",                                           "ShtorkiLabel",      115,  U, E, 0, CR::Reprice, XR::Remember,  V, L, 80},
    {Opt::ZerkBox,        "ZerkBox",        "Внешние зеркала с подогревом",                                                  "",                                           "ZerkLabel",         0,    C, D, 1, CR::Reprice, XR::Remember,  V, L, 96},
    {Opt::PodsvBox,       "PodsvBox",       "Внешние зеркала с подогревом с подсветкой околодверного пространства",          "",                                           "PodsvLabel",        290,  U, E, 0, CR::PodsvBoxClick,    XR::Remember,  V, L, 112},
    {Opt::LobBox,         "LobBox",         "Лобовое стекло с подогревом",                                                   "",                                           "LobLabel",          170,  U, E, 0, CR::Reprice, XR::Remember,  V, L, 128},
    {Opt::acBox,          "acBox",          "Кондиционер",                                                                   "",                                           "ACLabel",           0,    C, D, 1, CR::Reprice, XR::Remember,  V, L, 144},
    {Opt::KlimatBox,      "KlimatBox",      "Двухзонный климат-контроль",                                                    "",                                           "KlimatLabel",       390,  U, E, 0, CR::Reprice, XR::Remember,  V, L, 160},
    {Opt::YaschBox,       "YaschBox",       "Охлаждаемый перчаточный ящик",                                                  "",                                           "YaschLabel",        0,    C, D, 1, CR::Reprice, XR::Remember,  V, L, 176},
    {Opt::StekloBox,      "StekloBox",      "Не только передние, но и задние электростеклоподъемники",                       "",                                           "StekloLabel",       0,    C, D, 1, CR::Reprice, XR::Remember,  V, L, 192},
    {Opt::SpoilerBox,     "SpoilerBox",     "Удлиненный спойлер, окрашенный в цвет кузова",                                  "",                                           "SpoilerLabel",      290,  U, D, 0, CR::Reprice, XR::Remember,  V, L, 208},
    {Opt::SetkaBox,       "SetkaBox",       "Сетка-ограничитель багажного отделения",                                        "",                                           "SetkaLabel",        230,  U, E, 0, CR::Reprice, XR::Remember,  V, L, 224},
    {Opt::ZimShinaBox,    "ZimShinaBox",    "Зимние шины 195/65 R15",                                                        "Зимние шины",                                "ZimShinaLabel",     350,  U, E, 0, CR::Reprice, XR::Remember,  V, L, 248},
    {Opt::d15box,         "d15box",         "15\" легкосплавные диски",                                                      "",                                           "d15Label",          460,  U, D, 0, CR::Reprice, XR::Remember,  V, L, 264},
    {Opt::d16box,         "d16box",         "16\" легкосплавные диски",                                                      "",                                           "d16Label",          570,  U, E, 0, CR::Reprice, XR::Remember,  V, L, 280},
    {Opt::R1Box,          "R1Box",          "Радио Пакет №1 (Кассетная магнитола, 2 динамика)",                              "",                                           "R1Label",           300,  U, D, 0, CR::None,             XR::None,      V, L, 312},
    {Opt::R2Box,          "R2Box",          "Радио Пакет №2 (CD магнитола, 6 динамиков)",                                    "",                                           "R2Label",           420,  U, E, 0, CR::R2BoxClick,       XR::R2BoxExit, V, L, 328},
    {Opt::R4Box,          "R4Box",          "Радио Пакет №4 (кассетная магнитола, 6 динамиков, CD ченджер)",                 "",                                           "R4Label",           570,  U, E, 0, CR::R4BoxClick,       XR::R4BoxExit, V, L, 344},
    {Opt::R6Box,          "R6Box",          "Радио Пакет №6 (CD, MP3 магнитола, 8 динамиков, RDS, AV)",                      "",                                           "R6Label",           700,  U, E, 0, CR::R6BoxClick,       XR::R6BoxExit, V, L, 360},
    {Opt::R7Box,          "R7Box",          "Радио Пакет №7 (6CD, 8 динамиков, RDS, AV)",                                    "",                                           "R7Label",           750,  U, E, 0, CR::R7BoxClick,       XR::R7BoxExit, V, L, 376},
    {Opt::R12Box,         "R12Box",         "Радио Пакет №12 (Кассетная магнитола, 6 динамиков)",                            "",                                           "R12Label",          320,  U, D, 0, CR::None,             XR::None,      V, L, 392},
    {Opt::RadioBox,       "RadioBox",       "Система управления радио с рулевой колонки",                                    "",                                           "RadioLabel",        50,   U, E, 0, CR::Reprice, XR::Remember,  V, L, 416},
    {Opt::PB1Box,         "PB1Box",         "Пакет Безопасности № 1 (ЦЗ, пульт в ключе)",                                    "",                                           "PB1Label",          0,    C, D, 1, CR::Reprice, XR::Remember,  V, L, 448},
    {Opt::PB5Box,         "PB5Box",         "Пакет Безопасности № 5",                                                        "",                                           "PB5Label",          110,  C, E, 1, CR::PB5BoxClick,      XR::Remember,  V, L, 464},
    {Opt::IntererBox,     "IntererBox",     "Интерьер-пакет \"Style\"",                                                      "",                                           "IntererLabel",      190,  U, E, 0, CR::IntererBoxClick,  XR::Remember,  V, P, 16},
    {Opt::KomfBox,        "KomfBox",        "Пакет \"Комфорт\"",                                                             "",                                           "KomfLabel",         540,  U, E, 0, CR::KomfBoxClick,     XR::Remember,  V, P, 32},
    {Opt::KomfPBox,       "KomfPBox",       "Пакет \"Комфорт +\"",                                                           "",                                           "KomfPLabel",        820,  U, E, 0, CR::KomfPBoxClick,    XR::Remember,  V, P, 46},
    {Opt::ZimBox,         "ZimBox",         "Пакет \"Зимний\"",                                                              "",                                           "ZimLabel",          400,  U, E, 0, CR::ZimBoxClick,      XR::Remember,  V, P, 64},
    {Opt::ObzorBox,       "ObzorBox",       "Пакет \"Улучшенной обзорности\"",                                               "",                                           "ObzorLabel",        140,  U, E, 0, CR::ObzorBoxClick,    XR::Remember,  V, P, 80},
    {Opt::Obzor1Box,      "Obzor1Box",      "Пакет \"Улучшенной обзорности-1\"",                                             "",                                           "Obzor1Label",       360,  U, E, 0, CR::Obzor1BoxClick,   XR::Remember,  V, P, 96},
    {Opt::PuteshBox,      "PuteshBox",      "Пакет путешественника",                                                         "",                                           "PuteshLabel",       300,  U, E, 0, CR::PuteshBoxClick,   XR::Remember,  V, P, 112},
    {Opt::KozaBox,        "KozaBox",        "Кожаная обивка сидений",                                                        "",                                           "KozaLabel",         1070, U, E, 0, CR::KozaBoxClick,     XR::Remember,  V, R, 144},
    {Opt::PodSidBox,      "PodSidBox",      "Передние сиденья с подогревом",                                                 "",                                           "PodSidLabel",       210,  U, E, 0, CR::Reprice, XR::Remember,  V, R, 160},
    {Opt::SidVodBox,      "SidVodBox",      "Сиденье водителя с электро регулировкой по высоте",                             "",                                           "SidVodLabel",       175,  U, E, 0, CR::Reprice, XR::Remember,  V, R, 176},
    {Opt::SidVod6Box,     "SidVod6Box",     "Сиденье водителя с электро регулировкой в 6 направлениях + пассаж. по высоте мех", "",                                        "SidVod6Label",      590,  U, E, 0, CR::SidVod6BoxClick,  XR::Remember,  V, R, 192},
    {Opt::SidPPBox,       "SidPPBox",       "Сиденье переднего пассажира с механической регулировкой по высоте",             "",                                           "SidPPLabel",        95,   U, E, 0, CR::Reprice, XR::Remember,  V, R, 208},
    {Opt::PBppBox,        "PBppBox",        "Подушка безопасности переднего пассажира",                                      "",                                           "PBppLabel",         0,    C, D, 0, CR::Reprice, XR::Remember,  V, R, 224},
    {Opt::BokPBBox,       "BokPBBox",       "Боковые подушки безопасности",                                                  "",                                           "BokPBLabel",        0,    C, D, 0, CR::Reprice, XR::Remember,  V, R, 240},
    {Opt::MetallBox,      "MetallBox",      "Окраска кузова в \"металлик\".       Цвет:",                                    "Окраска кузова в \"металлик\"",              "MetallLabel",       275,  C, E, 0, CR::OnMetallicToggled,   XR::Remember,  V, R, 264},
    {Opt::TonBox,         "TonBox",         "Тонированные стёкла",                                                           "",                                           "TonLabel",          80,   C, E, 0, CR::ABSBoxClick,      XR::Remember,  V, R, 284},
    {Opt::ABSBox,         "ABSBox",         "ABS - Антиблокировочная система тормозов",                                      "",                                           "ABSLabel",          400,  C, E, 0, CR::ABSBoxClick,      XR::Remember,  V, R, 304},
    {Opt::IVDBox,         "IVDBox",         "IVD - Cистема стабилизации курсовой устойчивости",                              "",                                           "IVDLabel",          690,  U, E, 0, CR::IVDBoxClick,      XR::Remember,  V, R, 320},
    {Opt::KruizBox,       "KruizBox",       "Круиз контроль",                                                                "",                                           "KruizLabel",        230,  U, E, 0, CR::Reprice, XR::Remember,  V, R, 336},
    {Opt::PPBox,          "PPBox",          "Программируемый предпусковой топливный подогреватель",                          "Предпусковой подогреватель",                 "PPLabel",           750,  C, E, 0, CR::Reprice, XR::Remember,  V, R, 352},
    {Opt::ElectroBox,     "ElectroBox",     "Электрический дополнительный подогреватель воздуха салона",                     "",                                           "ElectroLabel",      290,  C, E, 0, CR::Reprice, XR::Remember,  V, R, 368},
    {Opt::ParkBox,        "ParkBox",        "Задний парковочный сенсор",                                                     "",                                           "ParkLabel",         290,  U, E, 0, CR::Reprice, XR::Remember,  V, R, 384},
    {Opt::KovrBox,        "KovrBox",        "Резиновые коврики",                                                             "",                                           "KovrLabel",         35,   C, E, 0, CR::Reprice, XR::None,      V, R, 400},
    {Opt::KovrPremiumBox, "KovrPremiumBox", "4 велюровых коврика класса \"Premium\" ",                                       "",                                           "KovrPremiumLabel",  90,   U, E, 0, CR::Reprice, XR::None,      V, R, 416},
    {Opt::KovrBagazBox,   "KovrBagazBox",   "Двухсторонний ковёр в багажное отделение",                                      "Двухсторонний ковер в багажное отделение",   "KovrBagazLabel",    100,  U, E, 0, CR::Reprice, XR::Remember,  V, R, 432},
    {Opt::KarterBox,      "KarterBox",      "Защита картера",                                                                "",                                           "KarterLabel",       100,  U, E, 0, CR::Reprice, XR::None,      H, R, 456},
    {Opt::GAIBox,         "GAIBox",         "Постановка на учёт в ГАИ, получение талона ТО",                                 "",                                           "GaiLabel",          300,  U, E, 0, CR::Reprice, XR::None,      H, R, 472},
    {Opt::NaborBox,       "NaborBox",       "Джентельменский набор (аптечка, трос, знак аварийной остановки ...)",           "",                                           "NaborLabel",        33,   U, E, 0, CR::Reprice, XR::None,      H, R, 488},
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
