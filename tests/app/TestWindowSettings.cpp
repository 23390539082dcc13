// The settings file as the windows share it: hostile files beside it, remembered places that no
// longer fit the screen, and values no field may show.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "desktop/app/MainWindow.h"
#include "desktop/app/RecentFiles.h"
#include "desktop/credit/CreditWindow.h"
#include "desktop/settings/WindowSettings.h"

using kalvora::CreditField;
using kalvora::FitToScreen;
using kalvora::WindowSettings;

class TestWindowSettings : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void placesAreFittedToTheScreen_data();
    void placesAreFittedToTheScreen();
    void aPlaceOffTheScreenOrAbsurdIsNeverRestoredAsIs_data();
    void aPlaceOffTheScreenOrAbsurdIsNeverRestoredAsIs();
    void aSizeChosenByTheUserIsRememberedAndAForcedOneIsNot();
    void thingsThatAreNoRegularFileAreNeitherReadNorReplaced_data();
    void thingsThatAreNoRegularFileAreNeitherReadNorReplaced();
    void aLinkToARegularFileIsWrittenThrough();
    void rememberedNumbersThatAreNoNumbersReadAsTheDefault();

  private:
    QString Path() const { return dir_.filePath(QStringLiteral("kalvora.INI")); }
    void Store(const QString& section, const QString& key, const QString& value) {
        QSettings ini(Path(), QSettings::IniFormat);
        ini.setValue(section + QLatin1Char('/') + key, value);
    }
    QTemporaryDir dir_;
};

void TestWindowSettings::initTestCase() {
    QVERIFY(dir_.isValid());
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    QCOMPARE(kalvora::SettingsFilePath(), Path());
}

void TestWindowSettings::init() {
    QFile::remove(Path());
    QDir(Path()).removeRecursively();
}

void TestWindowSettings::placesAreFittedToTheScreen_data() {
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QRect>("fitted");
    const QRect screen(0, 0, 800, 600);
    QTest::newRow("inside") << QRect(40, 30, 400, 200) << QRect(40, 30, 400, 200);
    QTest::newRow("far up and left") << QRect(-100000, -100000, 640, 480) << QRect(0, 0, 640, 480);
    QTest::newRow("past the right edge") << QRect(700, 500, 400, 250) << QRect(400, 350, 400, 250);
    QTest::newRow("larger than the screen") << QRect(40, 30, 1060, 708) << screen;
    QTest::newRow("one pixel wide") << QRect(10, 10, 1, 400) << QRect(10, 10, 320, 400);
}

void TestWindowSettings::placesAreFittedToTheScreen() {
    QFETCH(QRect, wanted);
    QFETCH(QRect, fitted);
    QCOMPARE(FitToScreen(wanted, QRect(0, 0, 800, 600), QSize(320, 200)), fitted);
}

void TestWindowSettings::aPlaceOffTheScreenOrAbsurdIsNeverRestoredAsIs_data() {
    QTest::addColumn<QString>("normPos");
    QTest::addColumn<bool>("readable");  // a placement at all: otherwise the window keeps its own
    QTest::newRow("far away") << "-100000,-100000,-98940,-99300" << true;
    QTest::newRow("one pixel") << "5,5,6,6" << true;
    QTest::newRow("beyond int") << "-2147483648,-2147483648,2147483647,2147483647" << false;
    QTest::newRow("garbage") << "1,2,x,4" << false;
}

void TestWindowSettings::aPlaceOffTheScreenOrAbsurdIsNeverRestoredAsIs() {
    QFETCH(QString, normPos);
    QFETCH(bool, readable);
    const QRect designed = kalvora::CreditWindow().geometry();
    Store(QStringLiteral("TKreditForm"), QStringLiteral("NormPos"), normPos);
    kalvora::CreditWindow form;
    form.OpenForPrice(20000);
    if (readable) {
        QVERIFY2(form.screen()->availableGeometry().contains(form.geometry()), qPrintable(normPos));
        QVERIFY(form.width() >= 320 && form.height() >= 200);
    } else {
        QCOMPARE(form.geometry(), designed);
    }
    form.done(0);
}

void TestWindowSettings::aSizeChosenByTheUserIsRememberedAndAForcedOneIsNot() {
    Store(QStringLiteral("W"), QStringLiteral("NormPos"), QStringLiteral("10,20,3010,2020"));
    QWidget window;
    const QRect available = window.screen()->availableGeometry();
    QVERIFY(WindowSettings(QStringLiteral("W")).RestorePlacement(window));
    QCOMPARE(window.size(), QSize(3000, 2000).boundedTo(available.size()));

    // Closed without a resize: the size forced by the screen is not stored.
    WindowSettings forced(QStringLiteral("W"));
    forced.StorePlacement(window);
    QVERIFY(forced.Write());
    QCOMPARE(WindowSettings(QStringLiteral("W")).Text(QStringLiteral("NormPos")).value_or(""),
             QStringLiteral("%1,%2,%3,%4")
                 .arg(window.x())
                 .arg(window.y())
                 .arg(window.x() + 3000)
                 .arg(window.y() + 2000));

    // Resized by the user: that size is stored.
    window.resize(500, 400);
    WindowSettings chosen(QStringLiteral("W"));
    chosen.StorePlacement(window);
    QVERIFY(chosen.Write());
    const auto stored = kalvora::ParseRect(
        WindowSettings(QStringLiteral("W")).Text(QStringLiteral("NormPos")).value_or(""));
    QVERIFY(stored);
    QCOMPARE(stored->size(), QSize(500, 400));
}

void TestWindowSettings::thingsThatAreNoRegularFileAreNeitherReadNorReplaced_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("link to a pipe") << "link to a pipe";
    QTest::newRow("folder") << "folder";
    QTest::newRow("dangling link") << "dangling link";
}

void TestWindowSettings::thingsThatAreNoRegularFileAreNeitherReadNorReplaced() {
    QFETCH(QString, kind);
    const QByteArray path = QFile::encodeName(Path());
    const QByteArray pipe = QFile::encodeName(dir_.filePath(QStringLiteral("pipe")));
    ::unlink(pipe.constData());
    QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
    if (kind == "pipe") QVERIFY(::rename(pipe.constData(), path.constData()) == 0);
    if (kind == "link to a pipe") QVERIFY(::symlink(pipe.constData(), path.constData()) == 0);
    if (kind == "folder") QVERIFY(QDir().mkpath(Path()));
    if (kind == "dangling link") QVERIFY(::symlink("nowhere", path.constData()) == 0);
    struct stat before;
    QVERIFY(::lstat(path.constData(), &before) == 0);

    // Reading a pipe would block: nothing is read and the window keeps its own place.
    QWidget window;
    window.setGeometry(30, 40, 400, 300);
    WindowSettings settings(QStringLiteral("TForm1"));
    QVERIFY(!settings.RestorePlacement(window));
    QCOMPARE(window.geometry(), QRect(30, 40, 400, 300));
    settings.SetTick(QStringLiteral("ABSBox_Checked"), true);
    QVERIFY(!settings.Write());

    // The other readers of the settings file keep away from it too: the main window starts (it
    // reads the last folder and the recent files), and recent files are neither read nor
    // written.
    {
        kalvora::app::MainWindow main;
        QVERIFY(main.RecentFiles().isEmpty());
    }
    kalvora::app::WriteRecentFiles(Path(), {dir_.filePath(QStringLiteral("a.klv"))});
    kalvora::app::WriteLastFolder(Path(), dir_.path());
    QVERIFY(kalvora::app::ReadRecentFiles(Path()).isEmpty());
    QVERIFY(kalvora::app::ReadLastFolder(Path()).isEmpty());

    struct stat after;
    QVERIFY(::lstat(path.constData(), &after) == 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    struct stat pipeAfter;
    QVERIFY(::stat(pipe.constData(), &pipeAfter) != 0 || S_ISFIFO(pipeAfter.st_mode));
    ::unlink(path.constData());
    ::unlink(pipe.constData());
}

void TestWindowSettings::aLinkToARegularFileIsWrittenThrough() {
    const QString real = dir_.filePath(QStringLiteral("real.INI"));
    QFile::remove(real);
    { QSettings(real, QSettings::IniFormat).setValue(QStringLiteral("Other/Key"), 1); }
    QVERIFY(QFile::link(real, Path()));
    WindowSettings settings(QStringLiteral("TForm1"));
    settings.SetTick(QStringLiteral("ABSBox_Checked"), false);
    QVERIFY(settings.Write());
    QVERIFY(QFileInfo(Path()).isSymLink());
    QSettings check(real, QSettings::IniFormat);
    QCOMPARE(check.value(QStringLiteral("TForm1/ABSBox_Checked")).toString(),
             QStringLiteral("False"));
    QCOMPARE(check.value(QStringLiteral("Other/Key")).toInt(), 1);
    QFile::remove(Path());
    QFile::remove(real);
}

void TestWindowSettings::rememberedNumbersThatAreNoNumbersReadAsTheDefault() {
    Store(QStringLiteral("TKreditForm"), QStringLiteral("Edit6_Text"), QStringLiteral("nan"));
    Store(QStringLiteral("TKreditForm"), QStringLiteral("Edit7_Text"), QStringLiteral("inf"));
    Store(QStringLiteral("TKreditForm"), QStringLiteral("Nd_Text"), QStringLiteral("1e999"));
    Store(QStringLiteral("TKreditForm"), QStringLiteral("Nr_Text"), QStringLiteral("12.5"));
    kalvora::CreditWindow fresh;
    const QString usd = fresh.Field(CreditField::UsdRate)->text();
    const QString eur = fresh.Field(CreditField::EurRate)->text();
    const QString dollars = fresh.Field(CreditField::Dollars)->text();
    kalvora::CreditWindow form;
    form.OpenForPrice(20000);
    QCOMPARE(form.Field(CreditField::UsdRate)->text(), usd);
    QCOMPARE(form.Field(CreditField::EurRate)->text(), eur);
    QCOMPARE(form.Field(CreditField::Dollars)->text(), dollars);
    // A number written with the other separator is still that number.
    const QString separator = fresh.Field(CreditField::UsdRate)->text().contains(',') ? "," : ".";
    QCOMPARE(form.Field(CreditField::Roubles)->text(), QStringLiteral("12") + separator + "5");
    form.done(0);
}

QTEST_MAIN(TestWindowSettings)
#include "TestWindowSettings.moc"
