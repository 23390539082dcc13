// The information windows themselves: pictures and the missing-picture label, how each window
// is closed, the comparison tables and the About window.
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <functional>
#include <memory>

#include "JpegWriter.h"
#include "desktop/info/AboutWindow.h"
#include "desktop/info/AlloyWheelsWindow.h"
#include "desktop/info/BodyTypesWindow.h"
#include "desktop/info/ClimateWindow.h"
#include "desktop/info/EngineComparisonWindow.h"
#include "desktop/info/FogLampWindow.h"
#include "desktop/info/InfoTexts.h"
#include "desktop/info/PictureView.h"
#include "desktop/info/PreheaterWindow.h"
#include "desktop/info/RadioPack2Window.h"
#include "desktop/info/RadioPack7Window.h"
#include "desktop/info/RearBlindsWindow.h"
#include "desktop/info/TrimComparisonWindow.h"
#include "engine/model/Catalogue.h"
#include "desktop/pictures/CarPicture.h"

using namespace kalvora;
using namespace kalvora::testing;

namespace {

std::unique_ptr<QWidget> Create(const QString& cls) {
    const std::map<QString, std::function<QWidget*()>> factories = {
        {QStringLiteral("TPPForma"), [] { return new PreheaterWindow; }},
        {QStringLiteral("TKozov_form"), [] { return new BodyTypesWindow; }},
        {QStringLiteral("Tptf_Form"), [] { return new FogLampWindow; }},
        {QStringLiteral("TKlimat_form"), [] { return new ClimateWindow; }},
        {QStringLiteral("TR2Form"), [] { return new RadioPack2Window; }},
        {QStringLiteral("TR7Form"), [] { return new RadioPack7Window; }},
        {QStringLiteral("TAboutBox"), [] { return new AboutWindow; }},
        {QStringLiteral("TKomplForm"), [] { return new TrimComparisonWindow; }},
        {QStringLiteral("TDvigForm"), [] { return new EngineComparisonWindow; }},
        {QStringLiteral("TDiskForm"), [] { return new AlloyWheelsWindow; }},
        {QStringLiteral("TShtorkiForm"), [] { return new RearBlindsWindow; }},
    };
    return std::unique_ptr<QWidget>(factories.at(cls)());
}

// Where Esc is pressed in a window: the text field where there is one, else the window.
QWidget* EscTarget(QWidget* window) {
    if (auto* table = window->findChild<QPlainTextEdit*>()) {
        return table;
    }
    if (auto* text = window->findChild<QTextEdit*>()) {
        return text;
    }
    return window;
}

QStringList Lines(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

}  // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

    const QString builtInDrawings_ = kalvora::pictures::DrawingFolder();

  public slots:
    void RecordUrl(const QUrl& url) { opened_.append(url); }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir::setCurrent(dir_.path()));
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "RecordUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "RecordUrl");
    }

    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void init() {
        for (const QString& name : QDir::current().entryList(QDir::Files)) {
            QFile::remove(name);
        }
        opened_.clear();
        // These tests are about the picture files; the built-in drawings are switched on only
        // where a test says so.
        kalvora::pictures::SetDrawingFolder(QStringLiteral("/nonexistent/kalvora-drawings"));
    }

    void cleanup() { kalvora::pictures::SetDrawingFolder(builtInDrawings_); }

    void WindowHasItsCaption_data() {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("caption");
        QTest::newRow("TPPForma") << "TPPForma"
                                  << "Предпусковой подогреватель";
        QTest::newRow("TKozov_form") << "TKozov_form"
                                     << "Типы кузова";
        QTest::newRow("Tptf_Form") << "Tptf_Form"
                                   << "Адаптивное головное освещение и противотуманная фара";
        QTest::newRow("TKlimat_form") << "TKlimat_form"
                                      << "Без климата и с климатом";
        QTest::newRow("TR2Form") << "TR2Form"
                                 << "Радио-пакет №2";
        QTest::newRow("TR7Form") << "TR7Form"
                                 << "Радио-пакет №7";
        QTest::newRow("TAboutBox") << "TAboutBox"
                                   << "About";
        QTest::newRow("TKomplForm") << "TKomplForm"
                                    << "Сравнение комплектаций автомобиля";
        QTest::newRow("TDvigForm") << "TDvigForm"
                                   << "Сравнение двигателей";
        QTest::newRow("TDiskForm") << "TDiskForm"
                                   << "Легкосплавные диски";
        QTest::newRow("TShtorkiForm") << "TShtorkiForm"
                                      << "Солнцезащитные шторки задних дверей";
    }
    void WindowHasItsCaption() {
        QFETCH(QString, cls);
        QFETCH(QString, caption);
        auto window = Create(cls);
        QCOMPARE(window->windowTitle(), caption);
        QVERIFY(window->isWindow());
        QVERIFY(!window->isVisible());  // shown on demand only
    }

    void EscClosesTheWindow_data() {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<bool>("closes");
        QTest::newRow("fog lamp picture") << "Tptf_Form" << true;
        QTest::newRow("climate picture") << "TKlimat_form" << true;
        QTest::newRow("radio 2 picture") << "TR2Form" << true;
        QTest::newRow("radio 7 picture") << "TR7Form" << true;
        QTest::newRow("wheels picture") << "TDiskForm" << true;
        QTest::newRow("sun blinds") << "TShtorkiForm" << true;
        QTest::newRow("bodies table") << "TKozov_form" << true;
        QTest::newRow("trims table") << "TKomplForm" << true;
        QTest::newRow("engines table") << "TDvigForm" << true;
        QTest::newRow("pre-start heater") << "TPPForma" << true;
    }
    void EscClosesTheWindow() {
        QFETCH(QString, cls);
        QFETCH(bool, closes);
        auto window = Create(cls);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::keyClick(EscTarget(window.get()), Qt::Key_Escape);
        QCOMPARE(window->isVisible(), !closes);
        // Another key never closes anything.
        window->show();
        QTest::keyClick(EscTarget(window.get()), Qt::Key_A);
        QVERIFY(window->isVisible());
        // The window's own close button always closes, and only hides the window.
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
        window->show();
        QVERIFY(window->isVisible());
    }

    void ClickOnThePictureClosesOnlyTheWindowsThatAllowIt_data() {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("withPicture");
        QTest::addColumn<bool>("closes");
        const struct {
            const char* cls;
            const char* file;
            bool closes;
        } rows[] = {
            {"Tptf_Form", "_ptf.jpg", true},         {"TKlimat_form", "_Klimat.jpg", true},
            {"TR2Form", "_Radio2.jpg", true},        {"TR7Form", "_Radio7.jpg", true},
            {"TDiskForm", "_Disks.jpg", true},       {"TKozov_form", "_Kuzov.jpg", true},
            {"TShtorkiForm", "_Shtorki.jpg", false},
        };
        for (const auto& row : rows) {
            for (bool withPicture : {true, false}) {
                QTest::addRow("%s %s", row.cls, withPicture ? "with picture" : "without picture")
                    << row.cls << row.file << withPicture << row.closes;
            }
        }
    }
    void ClickOnThePictureClosesOnlyTheWindowsThatAllowIt() {
        QFETCH(QString, cls);
        QFETCH(QString, file);
        QFETCH(bool, withPicture);
        QFETCH(bool, closes);
        if (withPicture) {
            QVERIFY(WriteFile(file, MakeJpeg(200, 120, QColor(30, 90, 160))));
        }
        auto window = Create(cls);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* picture = window->findChild<PictureView*>();
        QVERIFY(picture != nullptr);
        QCOMPARE(picture->HasPicture(), withPicture);
        QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, picture->rect().center());
        QCOMPARE(window->isVisible(), !closes);
    }

    void MissingPictureLabelShowsOnlyWithoutAGoodFile_data() {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("drawings");
        QTest::addColumn<bool>("loaded");
        const struct {
            const char* cls;
            const char* file;
        } windows[] = {
            {"Tptf_Form", "_ptf.jpg"},     {"TKlimat_form", "_Klimat.jpg"},
            {"TR2Form", "_Radio2.jpg"},    {"TR7Form", "_Radio7.jpg"},
            {"TDiskForm", "_Disks.jpg"},   {"TShtorkiForm", "_Shtorki.jpg"},
            {"TKozov_form", "_Kuzov.jpg"},
        };
        // Without the built-in drawings only a good file shows; with them, a good file still
        // wins and the drawing serves otherwise.
        const struct {
            const char* name;
            bool drawings;
            bool loaded;
        } contents[] = {
            {"good", false, true},       {"absent", false, false},     {"corrupt", false, false},
            {"truncated", false, false}, {"other name", false, false}, {"good", true, true},
            {"corrupt", true, true},
        };
        for (const auto& window : windows) {
            for (const auto& content : contents) {
                QTest::addRow("%s %s%s", window.cls, content.name,
                              content.drawings ? " with drawings" : "")
                    << window.cls << window.file << content.name << content.drawings
                    << content.loaded;
            }
        }
    }
    void MissingPictureLabelShowsOnlyWithoutAGoodFile() {
        QFETCH(QString, cls);
        QFETCH(QString, file);
        QFETCH(QString, content);
        QFETCH(bool, drawings);
        QFETCH(bool, loaded);
        if (drawings) kalvora::pictures::SetDrawingFolder(builtInDrawings_);
        const QByteArray good = MakeJpeg(240, 160, QColor(200, 200, 40));
        if (content == QLatin1String("good")) {
            QVERIFY(WriteFile(file, good));
        } else if (content == QLatin1String("corrupt")) {
            QVERIFY(WriteFile(file, QByteArray("\xFF\xD8 garbage, not a picture")));
        } else if (content == QLatin1String("truncated")) {
            QVERIFY(WriteFile(file, good.left(good.size() * 2 / 3)));
        } else if (content == QLatin1String("other name")) {
            QVERIFY(WriteFile(QStringLiteral("ptf.jpg"), good));  // not the window's file name
        }
        auto window = Create(cls);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* picture = window->findChild<PictureView*>();
        QVERIFY(picture != nullptr);
        QCOMPARE(picture->HasPicture(), loaded);
        QCOMPARE(picture->MissingPictureLabel()->isVisible(), !loaded);
        QCOMPARE(picture->ImageLabel()->isVisible(), loaded);
        QCOMPARE(picture->MissingPictureLabel()->text(),
                 QStringLiteral("Файл с графическим изображением не найден!\n\nРаспакуйте "
                                "графические файлы в папку конфигуратора\n\nи перезапустите "
                                "программу!"));
        if (content == QLatin1String("good")) {
            QCOMPARE(picture->ImageLabel()->pixmap().size(), QSize(240, 160));
            // The picture is shown at its natural size, not stretched.
            QVERIFY(picture->width() >= 240 && picture->height() >= 160);
        }
    }

    void PictureAddedLaterIsSeenOnlyByANewWindow() {
        auto window = Create(QStringLiteral("TR2Form"));
        QVERIFY(WriteFile(QStringLiteral("_Radio2.jpg"), MakeJpeg(50, 50, Qt::red)));
        window->show();
        QVERIFY(!window->findChild<PictureView*>()->HasPicture());
        auto restarted = Create(QStringLiteral("TR2Form"));
        QVERIFY(restarted->findChild<PictureView*>()->HasPicture());
    }

    // On a small screen (or at a large scale) a picture larger than the view's room is shown
    // scaled down with its proportions; the drawings are drawn at that size; a smaller picture
    // keeps its own size.
    void PicturesKeepWithinTheRoom() {
        QVERIFY(WriteFile(QStringLiteral("_Wide.jpg"), MakeJpeg(800, 400, Qt::red)));
        QVERIFY(WriteFile(QStringLiteral("_Small.jpg"), MakeJpeg(120, 90, Qt::blue)));
        struct Case {
            const char* file;
            QSize room;
            QSize shown;
        };
        const Case cases[] = {{"_Wide.jpg", QSize(400, 300), QSize(400, 200)},
                              {"_Wide.jpg", QSize(1000, 100), QSize(200, 100)},
                              {"_Small.jpg", QSize(400, 300), QSize(120, 90)},
                              {"_Missing.jpg", QSize(280, 300), QSize(280, 140)}};
        for (const Case& c : cases) {
            PictureView view(QSize(560, 280));
            view.SetRoom(c.room);
            view.LoadPicture(QString::fromLatin1(c.file), pictures::Illustration::Headlamps);
            QCOMPARE(view.sizeHint(), c.shown);
        }
        // Beside the sun blinds' picture the explanation takes its share of the room.
        RearBlindsWindow window;
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(window.Picture()->Room().width(),
                 screen.width() - 16 - window.Explanation()->sizeHint().width());
    }

    void SunBlindWindowExplainsBesideThePicture() {
        RearBlindsWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString text = window.Explanation()->text();
        QVERIFY(text.startsWith(window.windowTitle()));
        QVERIFY(window.Explanation()->isVisible());
        QVERIFY(window.Explanation()->x() > window.Picture()->x());
    }

    void TrimTableHasAMarkPerTrimOnEveryRow() {
        TrimComparisonWindow window;
        const QStringList lines = Lines(window.Table()->toPlainText());
        QCOMPARE(lines.front(), QStringLiteral("Характеристики автомобиля"));
        for (const char* legend :
             {"+ — Стандартный вариант", "$ — Опция за дополнительную стоимость.",
              "- - опция недоступна", "o — Часть опционного пакета за дополнительную стоимость"}) {
            QVERIFY2(lines.contains(QString::fromUtf8(legend)), legend);
        }
        const QString heading = lines.at(1);
        const int columns[] = {int(heading.indexOf(QLatin1String("Ambi."))),
                               int(heading.indexOf(QLatin1String("Comfort"))),
                               int(heading.indexOf(QLatin1String("Trend"))),
                               int(heading.indexOf(QLatin1String("Ghia")))};
        for (int column : columns) {
            QVERIFY(column > 0);
        }
        int rows = 0;
        const QRegularExpression markRow(
            QStringLiteral("^  \\S.*\\S {2,}([-+$o])(\\s+[-+$o]){3}$"));
        for (const QString& line : lines) {
            if (!line.startsWith(QLatin1String("  ")) || line == heading) {
                continue;
            }
            QVERIFY2(markRow.match(line).hasMatch(), qPrintable(line));
            // Each mark stands under its trim's heading.
            for (int i = 0; i < 4; ++i) {
                const int start = columns[i];
                const int end = i < 3 ? columns[i + 1] : int(heading.size());
                QVERIFY2(!line.mid(start, end - start).trimmed().isEmpty(), qPrintable(line));
            }
            ++rows;
        }
        QVERIFY(rows >= 50);
        // The cruise control is a Ghia option only, as its explanation says.
        QVERIFY(lines.filter(QStringLiteral("Круиз-контроль"))
                    .front()
                    .endsWith(QLatin1String("-      -      $")));
    }

    void EngineTableMatchesTheEngineChoices() {
        EngineComparisonWindow window;
        const QString text = window.Table()->toPlainText();
        const QStringList lines = Lines(text);
        for (const char* variant :
             {"1.4", "1.6", "1.6 авт.", "1.6 Ti-VCT", "2.0", "1.8 TDCi", "1.8"}) {
            QVERIFY2(lines.front().contains(QString::fromUtf8(variant)), variant);
        }
        for (const char* group : {"Хэтч, 3 дв:", "Хэтч, 5 дв, Седан:", "Универсал, 4 дв:"}) {
            QVERIFY2(lines.contains(QString::fromUtf8(group)), group);
        }
        // Every horsepower figure of the engine buttons appears in the power row.
        const QString power = lines.filter(QStringLiteral("Мощность")).front();
        for (const RadioDef& engine : kEngines) {
            const QString caption =
                QString::fromUtf8(engine.caption.data(), static_cast<int>(engine.caption.size()));
            const QString hp =
                QRegularExpression(QStringLiteral("\\((\\d+) лс\\)")).match(caption).captured(1);
            QVERIFY2(!hp.isEmpty(), qPrintable(caption));
            QVERIFY2(power.contains(QLatin1Char('/') + hp), qPrintable(caption));
        }
        // Seven figures on every data row of the body groups.
        int dataRows = 0;
        for (const QString& line : lines) {
            if (line.startsWith(QStringLiteral("  Расход")) ||
                line.startsWith(QStringLiteral("  Разгон")) ||
                line.startsWith(QStringLiteral("  Макс"))) {
                const QString figures = line.mid(30).simplified();
                QCOMPARE(figures.split(QLatin1Char(' ')).size(), 7);
                ++dataRows;
            }
        }
        QCOMPARE(dataRows, 18);
    }

    void BodyTableHasThreeValuesPerDimension() {
        BodyTypesWindow window;
        const QStringList lines = Lines(window.Table()->toPlainText());
        QVERIFY(lines.front().endsWith(QStringLiteral("Хэтчбэк Седан   Универсал")));
        const int column = int(lines.front().indexOf(QStringLiteral("Хэтчбэк")));
        int rows = 0;
        for (const QString& line : lines) {
            if (!line.startsWith(QLatin1String("  "))) {
                continue;
            }
            const QStringList values = line.mid(column).simplified().split(QLatin1Char(' '));
            QCOMPARE(values.size(), 3);
            for (const QString& value : values) {
                QVERIFY2(
                    value == QLatin1String("?") || value == QLatin1String("-") || value.toInt() > 0,
                    qPrintable(line));
            }
            ++rows;
        }
        QVERIFY(rows >= 18);
    }

    void ComparisonTablesAreReadOnlyAndFixedPitch_data() {
        QTest::addColumn<QString>("cls");
        QTest::newRow("trims") << "TKomplForm";
        QTest::newRow("engines") << "TDvigForm";
        QTest::newRow("bodies") << "TKozov_form";
    }
    void ComparisonTablesAreReadOnlyAndFixedPitch() {
        QFETCH(QString, cls);
        auto window = Create(cls);
        auto* table = window->findChild<QPlainTextEdit*>();
        QVERIFY(table->isReadOnly());
        QVERIFY(QFontInfo(table->font()).fixedPitch());
        QCOMPARE(table->lineWrapMode(), QPlainTextEdit::NoWrap);
        const QString before = table->toPlainText();
        window->show();
        QTest::keyClicks(table, QStringLiteral("abc"));
        QCOMPARE(table->toPlainText(), before);
    }

    void HeaterWindowDescribesTheHeater() {
        PreheaterWindow window;
        QVERIFY(window.Text()->isReadOnly());
        const QString text = window.Text()->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("Предпусковой подогреватель.")));
        QVERIFY(text.contains(QStringLiteral("TDCi")));  // the diesel's electric heater
    }

    // Only the dealer's site is linked, and only when one is set; anything but a web address
    // is refused.
    void AboutLinksOnlyToTheDealersSite_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("shown");
        QTest::newRow("none") << QString() << false;
        QTest::newRow("dealer") << QStringLiteral("https://dealer.example.ru/config/") << true;
        QTest::newRow("plain http") << QStringLiteral("http://dealer.example.ru") << true;
        QTest::newRow("local file") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("no host") << QStringLiteral("https://") << false;
    }
    void AboutLinksOnlyToTheDealersSite() {
        QFETCH(QString, address);
        QFETCH(bool, shown);
        AboutWindow about;
        about.SetDealerSite(QUrl(address));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.OfficialLink()->isVisible(), shown);
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>()) {
            if (label->isVisible()) texts << label->text();
        }
        QCOMPARE(texts.contains(
                     QStringLiteral("И не забывайте что существует официальный конфигуратор:")),
                 shown);
        QVERIFY(!texts.join(QString()).contains(QStringLiteral("example.org")));
        about.OpenOfficialLink();
        QCOMPARE(opened_, shown ? QList<QUrl>{QUrl(address)} : QList<QUrl>{});
        if (shown) {
            QVERIFY(about.OfficialLink()->text().contains(QUrl(address).host()));
            QCOMPARE(about.OfficialLink()->cursor().shape(), Qt::PointingHandCursor);
        }
        // Every text is within the window.
        for (QLabel* label : about.findChildren<QLabel*>()) {
            if (label->isVisible()) QVERIFY(about.rect().contains(label->geometry()));
        }
        QVERIFY(about.isVisible());  // opening a link keeps the window open
    }

    void AboutShowsNameVersionAndDateAndClosesWithOk() {
        AboutWindow about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>()) {
            texts << label->text();
        }
        for (const char* expected : {"Kalvora", "Версия 1.12", "08 февраля 2007 г."}) {
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
        }
        QVERIFY(about.OkButton()->isDefault());
        QCOMPARE(about.OkButton()->text(), QStringLiteral("OK"));
        QTest::mouseClick(about.OkButton(), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QVERIFY(opened_.isEmpty());
    }

    // With KALVORA_SCREENSHOT_DIR set, writes what the windows look like as PNG files.
    void Screenshots() {
        const QString target = qEnvironmentVariable("KALVORA_SCREENSHOT_DIR");
        if (target.isEmpty()) {
            QSKIP("KALVORA_SCREENSHOT_DIR not set");
        }
        QVERIFY(WriteFile(QStringLiteral("_Kuzov.jpg"), MakeJpeg(600, 180, QColor(90, 110, 140))));
        for (const char* cls : {"TKomplForm", "TDvigForm", "TKozov_form", "TAboutBox", "TPPForma",
                                "TShtorkiForm", "Tptf_Form"}) {
            auto window = Create(QString::fromLatin1(cls));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QVERIFY(window->grab().save(target + QLatin1Char('/') + QLatin1String(cls) +
                                        QLatin1String(".png")));
        }
    }

  private:
    QTemporaryDir dir_;
    QList<QUrl> opened_;
};

QTEST_MAIN(TestInfoWindows)
#include "TestInfoWindows.moc"
