// Clicks on the price labels and information buttons of the option rows: which explanation
// or window each one shows, and the hover effect of the price labels.
#include <QLabel>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "desktop/info/AboutWindow.h"
#include "desktop/info/AlloyWheelsWindow.h"
#include "desktop/info/BodyTypesWindow.h"
#include "desktop/info/ClimateWindow.h"
#include "desktop/info/EngineComparisonWindow.h"
#include "desktop/info/FogLampWindow.h"
#include "desktop/info/OptionInfo.h"
#include "desktop/info/PreheaterWindow.h"
#include "desktop/info/PriceLabelHover.h"
#include "desktop/info/RadioPack2Window.h"
#include "desktop/info/RadioPack7Window.h"
#include "desktop/info/RearBlindsWindow.h"
#include "desktop/info/TrimComparisonWindow.h"
#include "support/RecordingUi.h"

using namespace kalvora;
using kalvora::testing::RecordingUi;

namespace {

// What a click is expected to show, written as the buyer sees it:
//   "first:LINE"  a message whose first line is LINE, with more lines after it;
//   "exact:TEXT"  a message that is exactly TEXT (lines separated by "\r");
//   "window:NAME" the window class NAME;
//   ""            nothing at all.
QString First(const char* line) {
    return QStringLiteral("first:") + QString::fromUtf8(line);
}
QString Exact(const char* text) {
    return QStringLiteral("exact:") + QString::fromUtf8(text);
}
QString Window(const char* name) {
    return QStringLiteral("window:") + QLatin1String(name);
}
const QString kNothing;

const char* const kRubberMats =
    "Резиновые коврики:\r\rПачкаются сами, не позволяя пачкаться напольному покрытию.\r"
    "Коврики легко моются и могут прослужить ни один год...";
const char* const kRegistration =
    "Дилеры предлагают услугу постановки автомобиля на учёт\r"
    "с получением гос. номеров и талона тех. осмотра";
const char* const kComfort =
    "Пакет \"Комфорт\":        \r                        \rРадио Пакет № 2         \r"
    "Пакет Безопасности №5   ";
const char* const kWinter =
    "Зимний пакет:\r\r- Внешние зеркала с подогревом\r- Передние сиденья с подогревом\r"
    "- Лобовое стекло с подогревом\r\rЭтот пакет несовместим с пакетами \"Улучшенной "
    "обзорности\"!";
const char* const kComfortPlus =
    "Пакет \"Комфорт +\":      \r                        \rРадио Пакет № 2         \r"
    "Пакет Безопасности №5   \rЛегкосплавные диски";
const char* const kRadio6 =
    "\"Радио Пакет №6\" включает в себя:\r - 6-дисковую CDX6+AM/FM Радио высокого класса "
    "(Sony)\r - A/V Jack\r - RDS радио информационный декодер\r - 8 динамиков высокого "
    "класса\r - центральная антенна.";
const char* const kRadio12 =
    "\"Радио Пакет №12\" включает в себя:\r\r - Центральная антенна\r - Кассетная магнитола "
    "AM/FM радио\r - 6 динамиков";
const char* const kRadio1 =
    "\"Радио Пакет №1\" Включает в себя:\r\r - Центральная антенна\r - Кассетная магнитола "
    "AM/FM радио\r - 2 динамика";
const char* const kTraveller =
    "Пакет Путешественника:\r\rсетка-ограничитель багажного отделения\rдвухсторонний ковер в "
    "багажное отделение.\r\rДоступен в комплектации Ghia с кузовом универсал.";
const char* const kStyle =
    "Интерьер-пакет \"Style\" включает:\r\rстальную накладку на пороге передних дверей,\r"
    "передние велюровые коврики,\rметаллическую накладку на рычаг управления передач";

struct Expectation {
    Opt option;
    QString label;
    QString button;
};

// The whole click table as the buyer meets it, row by row.
std::vector<Expectation> Expectations() {
    std::vector<Expectation> rows = {
        {Opt::SecurityPack5, First("Пакет безопасности 5 включает в себя:"), {}},
        {Opt::AdaptiveHeadlamps, First("Система Адаптивного Головного Освещения"), {}},
        {Opt::XenonHeadlamps, First("Биксеноновые фары"), {}},
        {Opt::RadioPack2, Window("TR2Form"), {}},
        {Opt::VisibilityPackage, First("Пакет оборудования «Обзорность»:"), {}},
        {Opt::VisibilityPackage1, First("Пакет оборудования «Обзорность 1»:"), {}},
        {Opt::AntiLockBrakes, First("Антиблокировочная Система Тормозов (ABS)"), {}},
        {Opt::SideAirbags, First("«Трехмерные» боковые подушки безопасности"), {}},
        {Opt::PassengerAirbag, kNothing, kNothing},
        {Opt::StabilityControl,
         First("Антиблокировочная Система Тормозов (ABS) с Электронной Системой"),
         {}},
        {Opt::PowerDriverSeat6Way,
         First("Электрическая регулировка сиденья водителя по 6-параметрам:"),
         {}},
        {Opt::HeatedFrontSeats, First("Электрический обогрев сидений"), {}},
        {Opt::CooledGloveBox, First("12-литровый охлаждаемый перчаточный ящик:"), {}},
        {Opt::RearSunBlinds, Window("TShtorkiForm"), {}},
        {Opt::PreStartHeater, Window("TPPForma"), {}},
        {Opt::RubberMats, Exact(kRubberMats), {}},
        {Opt::Registration, Exact(kRegistration), {}},
        {Opt::ComfortPackage, Exact(kComfort), {}},
        {Opt::CruiseControl, First("Круиз контроль."), {}},
        {Opt::Alloys15, First("5x108 ET 52.5 6JxR15:"), {}},
        {Opt::Alloys16, First("5x108 ET 52.5 6.5JxR16:"), {}},
        {Opt::MetallicPaint,
         First("На Ваш вкус предлагается 2 однотонных цвета покраски (Diamond White, Deep Navy)"),
         {}},
        {Opt::RearParkingSensor, First("Задний парковочный сенсор."), {}},
        {Opt::FrontFogLamps, Window("Tptf_Form"), {}},
        {Opt::ClimateControl, Window("TKlimat_form"), {}},
        {Opt::RadioPack7, Window("TR7Form"), {}},
        {Opt::WinterPackage, Exact(kWinter), {}},
        {Opt::ComfortPlusPackage, Exact(kComfortPlus), {}},
        {Opt::RadioPack6, kNothing, Exact(kRadio6)},
        {Opt::RadioPack4, kNothing, First("\"Радио Пакет №4\" включает в себя:")},
        {Opt::RadioPack12, kNothing, Exact(kRadio12)},
        {Opt::RadioPack1, kNothing, Exact(kRadio1)},
        {Opt::TravellerPackage, Exact(kTraveller), {}},
        {Opt::StyleInteriorPackage, Exact(kStyle), {}},
    };
    // Unless stated otherwise the button does what the label does.
    for (Expectation& row : rows) {
        if (row.button.isNull()) {
            row.button = row.label;
        }
    }
    // Every other price label only lights up under the mouse, and its row has no button.
    for (int i = 0; i < kOptionCount; ++i) {
        const Opt option = OptAt(i);
        bool listed = false;
        for (const Expectation& row : rows) {
            listed = listed || row.option == option;
        }
        if (!listed) {
            rows.push_back({option, kNothing, kNothing});
        }
    }
    return rows;
}

QString RowName(Opt option) {
    const std::string_view name = Def(option).name;
    return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

}  // namespace

Q_DECLARE_METATYPE(kalvora::Opt)
Q_DECLARE_METATYPE(kalvora::InfoControl)

class TestOptionInfo : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // No picture files: the windows must work without them.
        QVERIFY(dir_.isValid());
        QVERIFY(QDir::setCurrent(dir_.path()));
        windows_.preheater = new PreheaterWindow;
        windows_.bodyTypes = new BodyTypesWindow;
        windows_.fogLamps = new FogLampWindow;
        windows_.climate = new ClimateWindow;
        windows_.radioPack2 = new RadioPack2Window;
        windows_.radioPack7 = new RadioPack7Window;
        windows_.about = new AboutWindow;
        windows_.trimComparison = new TrimComparisonWindow;
        windows_.engineComparison = new EngineComparisonWindow;
        windows_.alloyWheels = new AlloyWheelsWindow;
        windows_.rearBlinds = new RearBlindsWindow;
        owned_ = {windows_.preheater,   windows_.bodyTypes,      windows_.fogLamps,
                  windows_.climate,     windows_.radioPack2,     windows_.radioPack7,
                  windows_.about,       windows_.trimComparison, windows_.engineComparison,
                  windows_.alloyWheels, windows_.rearBlinds};
    }

    void cleanupTestCase() { qDeleteAll(owned_); }

    void init() {
        for (QWidget* window : owned_) {
            window->hide();
        }
        ui_.messages.clear();
    }

    void ClickShowsTheOptionsExplanation_data() {
        QTest::addColumn<Opt>("option");
        QTest::addColumn<InfoControl>("control");
        QTest::addColumn<QString>("expected");
        for (const Expectation& row : Expectations()) {
            const QByteArray name = RowName(row.option).toLatin1();
            QTest::newRow((name + " price label").constData())
                << row.option << InfoControl::PriceLabel << row.label;
            QTest::newRow((name + " info button").constData())
                << row.option << InfoControl::InfoButton << row.button;
        }
        QTest::newRow("d15box wheel picture button")
            << Opt::Alloys15 << InfoControl::WheelPictureButton << Window("TDiskForm");
        QTest::newRow("d16box has no wheel picture button")
            << Opt::Alloys16 << InfoControl::WheelPictureButton << kNothing;
    }
    void ClickShowsTheOptionsExplanation() {
        QFETCH(Opt, option);
        QFETCH(InfoControl, control);
        QFETCH(QString, expected);
        OptionInfoClick(option, control, windows_, ui_);
        CheckShown(expected);
        // A button that does something exists on the row; one that does nothing may not.
        if (control != InfoControl::PriceLabel && !expected.isEmpty()) {
            QVERIFY(HasInfoButton(option, control));
        }
    }

    // The same, with a real mouse click on a price label that has the hover filter.
    void MouseClickOnPriceLabelShowsTheExplanation_data() {
        QTest::addColumn<Opt>("option");
        QTest::addColumn<QString>("expected");
        for (const Expectation& row : Expectations()) {
            QTest::newRow(RowName(row.option).toLatin1().constData()) << row.option << row.label;
        }
    }
    void MouseClickOnPriceLabelShowsTheExplanation() {
        QFETCH(Opt, option);
        QFETCH(QString, expected);
        QWidget host;
        auto* label = new QLabel(QStringLiteral("1234"), &host);
        label->setGeometry(10, 10, 60, 16);
        InstallPriceLabelInfo(label, option, windows_, ui_);
        host.resize(100, 40);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
        CheckShown(expected);
    }

    void PressOnLabelAndReleaseElsewhereIsNoClick() {
        QWidget host;
        auto* label = new QLabel(QStringLiteral("980"), &host);
        label->setGeometry(10, 10, 60, 16);
        InstallPriceLabelInfo(label, Opt::XenonHeadlamps, windows_, ui_);
        host.resize(200, 60);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
        QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(150, 40));
        QVERIFY(ui_.messages.empty());
        QTest::mouseClick(label, Qt::RightButton, Qt::NoModifier, QPoint(20, 8));
        QVERIFY(ui_.messages.empty());
    }

    void PriceLabelLightsUpUnderTheMouse_data() {
        QTest::addColumn<Opt>("option");
        QTest::addColumn<bool>("withClick");
        QTest::newRow("label with an explanation") << Opt::XenonHeadlamps << true;
        QTest::newRow("label with a window") << Opt::FrontFogLamps << true;
        QTest::newRow("label that does nothing") << Opt::PassengerAirbag << true;
        QTest::newRow("label without action") << Opt::HeadlampWashers << false;
        QTest::newRow("hidden option's label") << Opt::EmergencyKit << false;
    }
    void PriceLabelLightsUpUnderTheMouse() {
        QFETCH(Opt, option);
        QFETCH(bool, withClick);
        QWidget host;
        auto* layout = new QVBoxLayout(&host);
        auto* label = new QLabel(QStringLiteral("150"), &host);
        auto* other = new QLabel(QStringLiteral("elsewhere"), &host);
        layout->addWidget(label);
        layout->addWidget(other);
        if (withClick) {
            InstallPriceLabelInfo(label, option, windows_, ui_);
        } else {
            InstallPriceLabelHover(label);
        }
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        CheckPlain(label);

        QTest::mouseMove(label, label->rect().center());
        QTRY_COMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(label->font().underline());
        QVERIFY(ui_.messages.empty());  // hovering explains nothing

        QTest::mouseMove(other, other->rect().center());
        QTRY_COMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        CheckPlain(label);

        // Enter and leave as the window system reports them, too.
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(label, &enter);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(label->font().underline());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(label, &leave);
        CheckPlain(label);
    }

    void RowsWithoutButtonHaveNoButtonName() {
        int buttons = 0;
        for (int i = 0; i < kOptionCount; ++i) {
            const Opt option = OptAt(i);
            const std::string_view name = InfoButtonName(option, InfoControl::InfoButton);
            QCOMPARE(HasInfoButton(option, InfoControl::InfoButton), !name.empty());
            QVERIFY(InfoButtonName(option, InfoControl::PriceLabel).empty());
            buttons += name.empty() ? 0 : 1;
        }
        QCOMPARE(buttons, 34);  // with SpeedButton24 the 35 information buttons of the panel
        QCOMPARE(InfoButtonName(Opt::Alloys15, InfoControl::WheelPictureButton),
                 std::string_view("SpeedButton24"));
    }

    // The main window is created before the information windows and fills them in afterwards.
    void LabelInstalledBeforeTheWindowsExistShowsThemLater() {
        InfoWindows later;
        QWidget host;
        auto* label = new QLabel(QStringLiteral("390"), &host);
        label->setGeometry(0, 0, 60, 16);
        InstallPriceLabelInfo(label, Opt::ClimateControl, later, ui_);
        later = windows_;
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        CheckShown(Window("TKlimat_form"));
    }

    void MissingWindowShowsNothing() {
        InfoWindows none;
        OptionInfoClick(Opt::FrontFogLamps, InfoControl::PriceLabel, none, ui_);
        QVERIFY(ui_.messages.empty());
    }

  private:
    void CheckShown(const QString& expected) {
        QWidget* visible = nullptr;
        for (QWidget* window : owned_) {
            if (window->isVisible()) {
                QVERIFY2(visible == nullptr, "two windows shown by one click");
                visible = window;
            }
        }
        if (expected.isEmpty()) {
            QVERIFY(ui_.messages.empty());
            QVERIFY(visible == nullptr);
            return;
        }
        if (expected.startsWith(QLatin1String("window:"))) {
            QVERIFY(ui_.messages.empty());
            QVERIFY(visible != nullptr);
            QCOMPARE(visible->objectName(), expected.mid(7));
            QVERIFY(visible->isModal());
            return;
        }
        QVERIFY(visible == nullptr);
        QCOMPARE(ui_.messages.size(), std::size_t{1});
        const QString text = QString::fromStdString(ui_.messages.front());
        QVERIFY2(!text.contains(QLatin1Char('\n')), "lines are separated by carriage returns");
        if (expected.startsWith(QLatin1String("exact:"))) {
            QCOMPARE(text, expected.mid(6));
            return;
        }
        const QStringList lines = text.split(QLatin1Char('\r'));
        QCOMPARE(lines.front(), expected.mid(6));
        QVERIFY2(lines.size() >= 4, "an explanation goes on after its first line");
        for (const QString& line : lines) {
            QVERIFY2(!line.endsWith(QLatin1Char(' ')) || line.trimmed().isEmpty(),
                     qPrintable(line));
        }
    }

    static void CheckPlain(QLabel* label) {
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QVERIFY(!label->font().underline());
    }

    QTemporaryDir dir_;
    InfoWindows windows_;
    QList<QWidget*> owned_;
    RecordingUi ui_;
};

QTEST_MAIN(TestOptionInfo)
#include "TestOptionInfo.moc"
