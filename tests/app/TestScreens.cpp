// Every window of the program opens wholly on the screen it starts on. CTest runs this program
// on the screens of tests/app/screens (1024×768, 1280×1024 and 2560×1600), the larger two at
// QT_SCALE_FACTOR=2, through the offscreen platform's screen configuration.
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ScriptedDialogs.h"
#include "desktop/app/MainWindow.h"
#include "desktop/app/WindowUi.h"
#include "desktop/app/Windows.h"
#include "desktop/credit/CreditWindow.h"
#include "desktop/documents/CheckListWindow.h"
#include "desktop/documents/ComparisonWindow.h"
#include "desktop/documents/OrderWindow.h"
#include "desktop/info/AboutWindow.h"
#include "desktop/info/AlloyWheelsWindow.h"
#include "desktop/info/BodyTypesWindow.h"
#include "desktop/info/ClimateWindow.h"
#include "desktop/info/EngineComparisonWindow.h"
#include "desktop/info/FogLampWindow.h"
#include "desktop/info/OptionInfo.h"
#include "desktop/info/PreheaterWindow.h"
#include "desktop/info/RadioPack2Window.h"
#include "desktop/info/RadioPack7Window.h"
#include "desktop/info/RearBlindsWindow.h"
#include "desktop/info/TrimComparisonWindow.h"

using kalvora::app::MainWindow;

class TestScreens : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void everyWindowOpensOnTheScreen();

  private:
    // Where a window lies off its screen's free area; empty when it lies wholly within.
    static QString OffScreen(const QWidget* window);
    // Shows a modal window through `open` and reports where it lay while it was up.
    static QString WhileModal(const std::function<void()>& open);

    QTemporaryDir dir_;
};

void TestScreens::initTestCase() {
    QVERIFY(dir_.isValid());
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    QVERIFY(QDir::setCurrent(dir_.path()));
    const QScreen* screen = QGuiApplication::primaryScreen();
    qInfo("screen %dx%d, scale %s", screen->geometry().width(), screen->geometry().height(),
          qgetenv("QT_SCALE_FACTOR").constData());
}

QString TestScreens::OffScreen(const QWidget* window) {
    const QScreen* screen = window->screen();
    const QRect frame = window->frameGeometry();
    if (screen && screen->availableGeometry().contains(frame)) return QString();
    return QStringLiteral("%1 «%2» at %3,%4 %5x%6")
        .arg(window->objectName(), window->windowTitle())
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height());
}

QString TestScreens::WhileModal(const std::function<void()>& open) {
    QString where = QStringLiteral("no window came up");
    QTimer::singleShot(300, [&where]() {
        QWidget* window = QApplication::activeModalWidget();
        if (!window) return;
        where = OffScreen(window);
        window->close();
    });
    open();
    return where;
}

void TestScreens::everyWindowOpensOnTheScreen() {
    std::unique_ptr<kalvora::app::Windows> windows = kalvora::app::CreateWindows();
    MainWindow* main = windows->mainWindow;
    main->SetStartArguments({});
    main->SetSettingsPath(dir_.filePath(QStringLiteral("kalvora.INI")));
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QStringList off;
    const auto check = [&off](const QWidget* window) {
        const QString where = OffScreen(window);
        if (!where.isEmpty()) off << where;
    };
    check(main);

    emit main->orderRequested();
    check(windows->OrderForm());
    windows->OrderForm()->close();
    emit main->checkListRequested();
    check(windows->CheckList());
    windows->CheckList()->close();
    emit main->comparisonRequested();
    check(windows->Comparison());
    windows->Comparison()->close();
    using kalvora::InfoWindow;
    for (const InfoWindow which :
         {InfoWindow::Preheater, InfoWindow::BodyTypes, InfoWindow::FogLamps, InfoWindow::Climate,
          InfoWindow::RadioPack2, InfoWindow::RadioPack7, InfoWindow::About,
          InfoWindow::TrimComparison, InfoWindow::EngineComparison, InfoWindow::AlloyWheels,
          InfoWindow::RearBlinds}) {
        QWidget* const info = windows->Info(which);
        kalvora::ShowInfoWindow(info);
        check(info);
        info->close();
    }

    const auto modal = [&off](const std::function<void()>& open) {
        const QString where = WhileModal(open);
        if (!where.isEmpty()) off << where;
    };
    modal([&]() { emit main->creditRequested(*main->Config().Total()); });
    // The boxes and dialogs of the main window, Qt's own.
    kalvora::app::QtDialogs dialogs(main);
    modal([&]() { dialogs.Message(QStringLiteral("Ваша конфигурация сохранена в файл:")); });
    modal([&]() { dialogs.SaveQuestion(QStringLiteral("Сохранить изменения?")); });
    modal([&]() { dialogs.ChooseFileToOpen(dir_.path()); });
    modal([&]() { dialogs.ChooseFileToSave(dir_.path(), QStringLiteral("a.klv")); });
    QVERIFY2(off.isEmpty(), qPrintable(off.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestScreens)
#include "TestScreens.moc"
