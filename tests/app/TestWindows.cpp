// The program's windows created together: the main window's buttons and labels open the
// windows of the other subsystems, and the order text follows the configuration.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ScriptedDialogs.h"
#include "desktop/app/MainWindow.h"
#include "desktop/app/Windows.h"
#include "desktop/documents/ComparisonWindow.h"
#include "desktop/documents/OrderWindow.h"
#include "engine/documents/OrderDocument.h"

using kalvora::app::MainWindow;
using kalvora::app::Windows;

class TestWindows : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void controlsOpenTheirWindows_data();
    void controlsOpenTheirWindows();
    void openingTheComparedVariantMakesItCurrent();
    void orderTextFollowsEveryChange();
    void everyPriceLabelLightsUpUnderTheMouse();
    void closingTheMainWindowEndsTheProgram();

  private:
    QTemporaryDir dir_;
    kalvora::testing::ScriptedDialogs dialogs_;
    std::unique_ptr<Windows> windows_;
};

void TestWindows::initTestCase() {
    QVERIFY(dir_.isValid());
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void TestWindows::init() {
    windows_ = kalvora::app::CreateWindows();
    MainWindow* main = windows_->mainWindow;
    main->SetStartArguments({});
    main->Ui().SetDialogs(&dialogs_);
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
}

void TestWindows::cleanup() {
    windows_.reset();
}

void TestWindows::controlsOpenTheirWindows_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");  // of the window that must show
    QTest::newRow("order") << "SpeedButton9"
                           << "Заказ";
    QTest::newRow("check list") << "SpeedButton3"
                                << "Перечень контролируемых параметров при приёмке автомобиля";
    QTest::newRow("about") << "SpeedButton4"
                           << "About";
    QTest::newRow("trims") << "SpeedButton5"
                           << "Сравнение комплектаций автомобиля";
    QTest::newRow("bodies") << "SpeedButton6"
                            << "Типы кузова";
    QTest::newRow("engines") << "SpeedButton7"
                             << "Сравнение двигателей";
    QTest::newRow("climate price label") << "KlimatLabel"
                                         << "Без климата и с климатом";
    QTest::newRow("climate info button") << "SpeedButton19"
                                         << "Без климата и с климатом";
    QTest::newRow("wheel pictures") << "SpeedButton24"
                                    << "Легкосплавные диски";
    QTest::newRow("sun blinds") << "SpeedButton14"
                                << "Солнцезащитные шторки задних дверей";
    QTest::newRow("pre-start heater") << "PPLabel"
                                      << "Предпусковой подогреватель";
    QTest::newRow("comparison") << "CompareButton"
                                << "Сравнение вариантов";
}

void TestWindows::controlsOpenTheirWindows() {
    QFETCH(QString, control);
    QFETCH(QString, caption);
    auto* widget = windows_->mainWindow->findChild<QWidget*>(control);
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QWidget* shown = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != windows_->mainWindow && top->isVisible()) shown = top;
    }
    QVERIFY(shown);
    QCOMPARE(shown->windowTitle(), caption);
    // Opening an information window changes nothing in the configuration.
    const std::string code = windows_->mainWindow->Config().CodeFieldText();
    // Esc closes every window that shows a document, a picture or an explanation, wherever its
    // focus is.
    if (control != QLatin1String("CompareButton")) {
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == shown ? focus : shown, Qt::Key_Escape);
        QVERIFY2(!shown->isVisible(), "Esc");
    }
    shown->close();
    QCOMPARE(windows_->mainWindow->Config().CodeFieldText(), code);
}

void TestWindows::orderTextFollowsEveryChange() {
    const kalvora::OrderDocument& order = *windows_->order;
    // A trim picked: the configuration has a price.
    auto* trim = windows_->mainWindow->findChild<QWidget*>(QStringLiteral("Compl_1"));
    QTest::mouseClick(trim, Qt::LeftButton, Qt::NoModifier, QPoint(7, trim->height() / 2));
    QCOMPARE(windows_->mainWindow->Config().Trim(), int(kalvora::Comfort));
    const int before = order.Generations();
    auto* box = windows_->mainWindow->findChild<QWidget*>(QStringLiteral("RadioBox"));
    QVERIFY(box && box->isEnabled());
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
    QVERIFY(order.Generations() > before);
    QVERIFY(QString::fromStdString(order.Text()).contains(QStringLiteral("рулевой колонки")));

    // A decoded code: the order is the new configuration's, and the code field has the focus.
    auto* code = windows_->mainWindow->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    const std::string configured = windows_->mainWindow->Config().CodeFieldText();
    code->setText(QStringLiteral("Zt!F!!!t!.!!!!!!!!!!"));
    const int beforeDecode = order.Generations();
    QTest::keyClick(code, Qt::Key_Return);
    QVERIFY(windows_->mainWindow->Config().CodeFieldText() != configured);
    QVERIFY(order.Generations() > beforeDecode);
    QCOMPARE(order.Lines().back(),
             "Итоговая цена: $" + std::to_string(*windows_->mainWindow->Config().Total()));
    QVERIFY(code->hasFocus());
}

void TestWindows::everyPriceLabelLightsUpUnderTheMouse() {
    for (const kalvora::OptionDef& def : kalvora::kOptionTable) {
        QLabel* label = windows_->mainWindow->OptionPriceLabel(def.id);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(label, &enter);
        QVERIFY2(label->font().underline(), def.name.data());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(label, &leave);
        QVERIFY2(!label->font().underline(), def.name.data());
    }
}

void TestWindows::openingTheComparedVariantMakesItCurrent() {
    auto* compare = windows_->mainWindow->findChild<QWidget*>(QStringLiteral("CompareButton"));
    QTest::mouseClick(compare, Qt::LeftButton, Qt::NoModifier, compare->rect().center());
    kalvora::ComparisonWindow* window = windows_->Comparison();
    QVERIFY(window->isVisible());
    QVERIFY(window->CompareWithCode(QStringLiteral("Zt!F!!!t!.!")));
    const std::string first = windows_->mainWindow->Config().CodeFieldText();
    const std::string second = window->Shown()->b.code;
    QVERIFY(second != first);
    auto* open = window->findChild<QPushButton*>(QStringLiteral("OpenVariantButton"));
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(windows_->mainWindow->Config().CodeFieldText(), second);
    QCOMPARE(windows_->mainWindow->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(),
             QString::fromStdString(second));
    QVERIFY(window->Shown()->Same());
    // Opening the variant is one step to undo and redo.
    windows_->mainWindow->UndoClick();
    QCOMPARE(windows_->mainWindow->Config().CodeFieldText(), first);
    windows_->mainWindow->RedoClick();
    QCOMPARE(windows_->mainWindow->Config().CodeFieldText(), second);
    // A change in the main window shows in the open comparison once the event loop runs. The
    // variant on screen is no saved file: opening another one asks first.
    dialogs_.saveAnswer = kalvora::app::SaveAnswer::Discard;
    windows_->mainWindow->OpenVariant("####################");
    QCOMPARE(dialogs_.saveQuestions, QStringList{QStringLiteral("Сохранить изменения?")});
    QTRY_VERIFY(!window->Shown()->Same());
}

void TestWindows::closingTheMainWindowEndsTheProgram() {
    // Qt ends the program when the last window that may end it closes: that is the main
    // window alone, so closing it ends the program while other windows are open, and closing
    // any other window only hides it. The windows that the start leaves for their first use
    // (nothing has asked for them yet) are made here, to be counted with the others.
    QVERIFY(!windows_->AnyMadeOnFirstUse());
    windows_->OrderForm();
    windows_->CheckList();
    windows_->About();
    windows_->Credit();
    windows_->Comparison();
    windows_->Offer();
    for (int i = 1; i <= int(kalvora::InfoWindow::RearBlinds); ++i)
        QVERIFY(windows_->Info(kalvora::InfoWindow(i)));
    QVERIFY(!windows_->Info(kalvora::InfoWindow::None));
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->parentWidget() || top->windowTitle().isEmpty()) continue;
        ++windows;
        QCOMPARE(top->testAttribute(Qt::WA_QuitOnClose), top == windows_->mainWindow);
    }
    QCOMPARE(windows, 17);  // the fifteen of the form, the comparison and the offer
    auto* order = windows_->mainWindow->findChild<QWidget*>(QStringLiteral("SpeedButton9"));
    QTest::mouseClick(order, Qt::LeftButton, Qt::NoModifier, order->rect().center());
    QVERIFY(windows_->OrderForm()->isVisible());
    QVERIFY(windows_->OrderForm()->close());
    QVERIFY(!windows_->OrderForm()->isVisible());
    QVERIFY(windows_->OrderForm()->isWindow());
}

QTEST_MAIN(TestWindows)
#include "TestWindows.moc"
