// What the screen shows after clicks that repaint only what changed must be what a whole new
// paint of the window shows, pixel for pixel, at 1280 x 1024; and the same as when every
// change of a drawing repaints the whole drawing, as before.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ScriptedDialogs.h"
#include "desktop/app/DrawingLabel.h"
#include "desktop/app/LabelTextCache.h"
#include "desktop/app/MainWindow.h"
#include "desktop/app/Windows.h"

using kalvora::app::DrawingLabel;
using kalvora::app::LabelTextCache;
using kalvora::app::MainWindow;

namespace {

// The window as the screen shows it: the pixels Qt last put on the screen, not a new paint.
QImage OnScreen(QWidget* window) {
    return window->screen()
        ->grabWindow(window->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage PaintedAnew(QWidget* window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

template <typename T>
T* Child(QWidget* window, const QString& name) {
    T* child = window->findChild<T*>(name);
    if (!child) qFatal("no %s", qPrintable(name));
    return child;
}

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
    QCoreApplication::processEvents();
}

// The window after the clicks that make `scenario`, repainted as Qt does after each.
// `byLabels`: the window painted anew with every label painting its text itself.
QImage ScreenAfter(const QString& scenario, bool wholeRepaint, QImage* anew,
                   QImage* byLabels = nullptr) {
    DrawingLabel::SetWholeRepaint(wholeRepaint);
    kalvora::testing::ScriptedDialogs dialogs;
    const std::unique_ptr<kalvora::app::Windows> windows = kalvora::app::CreateWindows();
    MainWindow* form = windows->mainWindow;
    form->Ui().SetDialogs(&dialogs);
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowExposed(form)) return {};
    QCoreApplication::processEvents();
    // A colour, a body and a few options first, so that the reset has something to repaint.
    Click(Child<QRadioButton>(form, QStringLiteral("Compl_%1").arg(kalvora::Ghia)));
    emit Child<QComboBox>(form, QStringLiteral("ComboBox1"))->activated(3);
    QCoreApplication::processEvents();
    Click(Child<QRadioButton>(form, QStringLiteral("Kuzov5dr")));
    Click(Child<QCheckBox>(form, QStringLiteral("KlimatBox")));
    if (scenario == QLatin1String("reset")) {
        Click(Child<QToolButton>(form, QStringLiteral("SpeedButton8")));
    } else {
        // A red Trend wagon with options: the trim, the body, the colour, then the boxes.
        Click(Child<QRadioButton>(form, QStringLiteral("Compl_%1").arg(kalvora::Trend)));
        Click(Child<QRadioButton>(form, QStringLiteral("KuzovWag")));
        emit Child<QComboBox>(form, QStringLiteral("ComboBox1"))->activated(9);
        QCoreApplication::processEvents();
        for (const char* name : {"KlimatBox", "ABSBox", "SpoilerBox", "d16box"}) {
            if (auto* box = form->findChild<QCheckBox*>(QLatin1String(name));
                box && box->isEnabled() && !box->isChecked())
                Click(box);
        }
    }
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    const QImage screen = OnScreen(form);
    *anew = PaintedAnew(form);
    if (byLabels) {
        LabelTextCache::SetEnabled(false);
        *byLabels = PaintedAnew(form);
        LabelTextCache::SetEnabled(true);
    }
    DrawingLabel::SetWholeRepaint(false);
    return screen;
}

}  // namespace

class TestRepaint : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
        QVERIFY(QDir::setCurrent(dir_.path()));  // no picture files: the program's drawings
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1280, 1024));
    }

    void ScreenIsAWholeNewPaint_data() {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("reset") << QStringLiteral("reset");
        QTest::newRow("red Trend wagon with options") << QStringLiteral("wagon");
    }
    void ScreenIsAWholeNewPaint() {
        QFETCH(QString, scenario);
        QImage anew;
        QImage byLabels;
        const QImage changedOnly = ScreenAfter(scenario, false, &anew, &byLabels);
        QVERIFY(!changedOnly.isNull());
        QCOMPARE(changedOnly.size(), QSize(1023, 708));
        QVERIFY(changedOnly == anew);
        // The labels' texts painted from the kept layouts are the labels' own pixels.
        QVERIFY(byLabels == anew);
        QImage anewWhole;
        const QImage whole = ScreenAfter(scenario, true, &anewWhole);
        QVERIFY(whole == changedOnly);
        QVERIFY(anewWhole == anew);
    }

    // The parts of a drawing that differ, and only those.
    void ChangedAreaIsWhereThePicturesDiffer() {
        QImage before(100, 70, QImage::Format_ARGB32_Premultiplied);
        before.fill(Qt::transparent);
        QImage after = before.copy();
        QCOMPARE(DrawingLabel::ChangedArea(before, after, 32), QRegion());
        after.setPixel(33, 5, qRgb(1, 2, 3));
        after.setPixel(99, 69, qRgb(1, 2, 3));
        const QRegion changed = DrawingLabel::ChangedArea(before, after, 32);
        QCOMPARE(changed, QRegion(32, 0, 32, 32) + QRegion(96, 64, 4, 6));
        for (int y = 0; y < 70; ++y) {
            for (int x = 0; x < 100; ++x) {
                if (before.pixel(x, y) != after.pixel(x, y))
                    QVERIFY(changed.contains(QPoint(x, y)));
            }
        }
        QCOMPARE(DrawingLabel::ChangedArea(before, after.copy(0, 0, 50, 50), 32),
                 QRegion(0, 0, 50, 50));
    }

  private:
    QTemporaryDir dir_;
};

int main(int argc, char* argv[]) {
    // A screen of 1280 x 1024 at scale 1, whatever the offscreen default.
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("screen.json"));
    QFile json(file);
    if (!json.open(QIODevice::WriteOnly)) return 1;
    json.write(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": 1280, "height": 1024,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    json.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file).toLocal8Bit());
    QApplication app(argc, argv);
    TestRepaint test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestRepaint.moc"
