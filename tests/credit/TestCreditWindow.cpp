// The credit window driven as a user would: typing into its fields, clicking its boxes,
// dropping a figure on the converter, closing and opening it again.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "desktop/credit/CreditWindow.h"
#include "desktop/credit/CreditWindowSettings.h"
#include "desktop/credit/DeskCalculatorDialog.h"
#include "desktop/settings/WindowSettings.h"
#include "support/AccessibleNames.h"

using kalvora::CreditBox;
using kalvora::CreditField;
using kalvora::CreditWindow;

class TestCreditWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void typingShowsTheEnginesFigures_data();
    void typingShowsTheEnginesFigures();
    void typedFirstPaymentIsReplacedOnEnter();
    void leavingTheFirstPaymentFieldAlsoTakesTheAmount();
    void deskCalculatorComputesFromItsKeys();
    void badRateTurnsTheFieldRed();
    void scheduleGridShowsTheMonths();
    void converterConvertsWhenAKeyIsReleased();
    void droppingAFigureOnDollarsConvertsIt();
    void ratesAndConverterFieldsAreRememberedBetweenRuns();
    void windowLooksRight();
    void tabFollowsTheFieldsInReadingOrder();
    void everyControlIsNamedForAScreenReader();

  private:
    static void Type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QTemporaryDir config_;
};

void TestCreditWindow::initTestCase() {
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestCreditWindow::init() {
    QFile::remove(kalvora::SettingsFilePath());
}

void TestCreditWindow::typingShowsTheEnginesFigures_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownField");
    QTest::addColumn<QString>("shown");
    QTest::newRow("price") << "Edit1"
                           << "20000"
                           << "EzemF"
                           << "359,11";
    QTest::newRow("price gives the loan") << "Edit1"
                                          << "20000"
                                          << "SummaR"
                                          << "11292,93";
    QTest::newRow("price gives the discount") << "Edit1"
                                              << "20000"
                                              << "SkidkaEdit"
                                              << "707,07";
    QTest::newRow("price gives the premium") << "Edit1"
                                             << "20000"
                                             << "Kasko2NSumEdit"
                                             << "1446,97";
    QTest::newRow("price gives the losses") << "Edit1"
                                            << "20000"
                                            << "Edit11"
                                            << "928,04";
    QTest::newRow("first payment share") << "Edit4"
                                         << "50"
                                         << "Edit5"
                                         << "10000,00";
    QTest::newRow("credit sum follows the share") << "Edit4"
                                                  << "50"
                                                  << "SummaF"
                                                  << "10000,00";
    QTest::newRow("premium rate") << "PrKasko1Edit"
                                  << "6"
                                  << "Kasko1SumEdit"
                                  << "1157,58";
    QTest::newRow("equal rates") << "StavkaF"
                                 << "9"
                                 << "SkidkaEdit"
                                 << "0,00";
}

void TestCreditWindow::typingShowsTheEnginesFigures() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shownField);
    QFETCH(QString, shown);
    CreditWindow form;
    form.Box(CreditBox::FixedDiscount)->click();
    QVERIFY(!form.Box(CreditBox::FixedDiscount)->isChecked());
    form.OpenForPrice(15000);
    Type(form.findChild<QLineEdit*>("Edit1"), "20000");
    Type(form.findChild<QLineEdit*>(field), typed);
    QCOMPARE(form.findChild<QLineEdit*>(shownField)->text().trimmed(), shown);
}

void TestCreditWindow::typedFirstPaymentIsReplacedOnEnter() {
    CreditWindow form;
    form.OpenForPrice(21000);
    QLineEdit* firstPayment = form.Field(CreditField::FirstPayment);
    Type(firstPayment, "7777");
    QCOMPARE(form.Field(CreditField::FirstPercent)->text(), QString("40"));  // not before Enter
    QTest::keyClick(firstPayment, Qt::Key_Return);
    QCOMPARE(form.Field(CreditField::FirstPercent)->text(), QString("37,03"));
    QCOMPARE(firstPayment->text(), QString("7776,30"));
    QCOMPARE(form.CreditSumFormulaLabel()->text(), QString("21000,00 - 7776,30 = "));
}

void TestCreditWindow::leavingTheFirstPaymentFieldAlsoTakesTheAmount() {
    CreditWindow form;
    form.OpenForPrice(20000);
    QLineEdit* firstPayment = form.Field(CreditField::FirstPayment);
    Type(firstPayment, "5000");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(firstPayment, &leave);
    QCOMPARE(form.Field(CreditField::FirstPercent)->text(), QString("25,00"));
    QCOMPARE(form.Field(CreditField::CreditSum)->text(), QString("15000,00"));
}

void TestCreditWindow::deskCalculatorComputesFromItsKeys() {
    kalvora::DeskCalculatorDialog dialog(',');
    QTest::keyClicks(&dialog, "12+30");
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.DisplayText(), QString("42"));
    QTest::keyClicks(&dialog, "7,5/3=");
    QCOMPARE(dialog.DisplayText(), QString("2,5"));
    auto* nine = dialog.findChild<QPushButton*>("9");
    QVERIFY(nine != nullptr);
    nine->click();
    QCOMPARE(dialog.DisplayText(), QString("9"));
    dialog.grab().save(QDir(QDir::tempPath()).filePath("kalvora-desk-calculator.png"));
}

void TestCreditWindow::badRateTurnsTheFieldRed() {
    CreditWindow form;
    form.OpenForPrice(20000);
    QLineEdit* rate = form.Field(CreditField::RateReal);
    Type(rate, "abc");
    QCOMPARE(rate->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(form.Field(CreditField::MonthlyPayment)->palette().color(QPalette::Base),
             QColor(240, 250, 255));
    QVERIFY(form.Field(CreditField::MonthlyPayment)->isReadOnly());
    Type(rate, "9");
    QCOMPARE(rate->palette().color(QPalette::Base), QColor(255, 255, 255));
    // The other decimal mark reads as well and means the same rate.
    const QString monthly = form.Field(CreditField::MonthlyPayment)->text();
    Type(rate, "9.5");
    QCOMPARE(rate->palette().color(QPalette::Base), QColor(255, 255, 255));
    const QString withPoint = form.Field(CreditField::RealLoan)->text();
    Type(rate, "9,5");
    QCOMPARE(form.Field(CreditField::RealLoan)->text(), withPoint);
    QVERIFY(withPoint.contains(QLatin1Char(',')));
    QCOMPARE(form.Field(CreditField::MonthlyPayment)->text(), monthly);
    // Computed figures look unlike the fields a user types into, on the documented tint.
    QLineEdit* computed = form.Field(CreditField::MonthlyPayment);
    QVERIFY(!computed->hasFrame() && rate->hasFrame());
    QVERIFY(computed->palette().color(QPalette::Text) != rate->palette().color(QPalette::Text));
}

void TestCreditWindow::scheduleGridShowsTheMonths() {
    CreditWindow form;
    form.Box(CreditBox::FixedDiscount)->click();
    form.OpenForPrice(20000);
    QTableWidget* grid = form.Grid();
    // Month 37 would carry nothing but its number; the grid ends with the last paid month.
    QCOMPARE(grid->rowCount(), 36);
    QCOMPARE(grid->item(35, 0)->text(), QString("36"));
    QCOMPARE(grid->horizontalHeaderItem(3)->text(), QString("Выплатить"));
    // Every header shows in full.
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QString header = grid->horizontalHeaderItem(c)->text();
        QVERIFY2(grid->horizontalHeader()->fontMetrics().horizontalAdvance(header) <
                     grid->columnWidth(c),
                 qPrintable(header));
    }
    QCOMPARE(grid->item(0, 2)->text().trimmed(), QString("84,70"));
    QCOMPARE(grid->item(0, 3)->text().trimmed(), QString("11018,52"));
    QCOMPARE(grid->item(0, 5)->text().trimmed(), QString("9323,76"));
    QCOMPARE(grid->item(35, 3)->text().trimmed(), QString("0,00"));
    QCOMPARE(grid->columnWidth(5), 73);
    QCOMPARE(form.Field(CreditField::Losses)->palette().color(QPalette::Base),
             QColor(255, 128, 128));
    Type(form.Field(CreditField::RepayBy), "48");
    QCOMPARE(grid->rowCount(), 48);
    form.Box(CreditBox::KaskoYear1)->click();
    QCOMPARE(grid->item(0, 4)->text(), QString());
    QCOMPARE(form.DiscountLabel()->toolTip(), QString("12000,00 - 11292,93 ="));
}

void TestCreditWindow::converterConvertsWhenAKeyIsReleased() {
    CreditWindow form;
    Type(form.Field(CreditField::UsdRate), "30");
    Type(form.Field(CreditField::EurRate), "40");
    Type(form.Field(CreditField::Dollars), "100");
    QCOMPARE(form.Field(CreditField::Roubles)->text(), QString("3000,00"));
    QCOMPARE(form.Field(CreditField::Euros)->text(), QString("75,00"));
    Type(form.Field(CreditField::Euros), "3");
    QCOMPARE(form.Field(CreditField::Dollars)->text(), QString("4,00"));
}

void TestCreditWindow::droppingAFigureOnDollarsConvertsIt() {
    CreditWindow form;
    form.Box(CreditBox::FixedDiscount)->click();
    form.OpenForPrice(20000);
    Type(form.Field(CreditField::UsdRate), "30");
    QLineEdit* nd = form.Field(CreditField::Dollars);
    QMimeData mime;
    mime.setData("application/x-kalvora-credit-field", "EzemF");
    mime.setText("359,11");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(nd, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(nd, &drop);
    QCOMPARE(nd->text(), QString("359,11"));
    QCOMPARE(form.Field(CreditField::Roubles)->text(), QString("10773,30"));
}

void TestCreditWindow::tabFollowsTheFieldsInReadingOrder() {
    CreditWindow form;
    form.OpenForPrice(20000);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Field(CreditField::Price)->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited.mid(0, 5), (QStringList{"Edit1", "PrKasko1Edit", "Kasko1SumEdit",
                                             "PrKasko2Edit", "Kasko2SumEdit"}));
}

void TestCreditWindow::ratesAndConverterFieldsAreRememberedBetweenRuns() {
    {
        CreditWindow form;
        form.OpenForPrice(20000);
        Type(form.Field(CreditField::UsdRate), "30,5");
        Type(form.Field(CreditField::Dollars), "12");
        form.move(40, 30);
        form.resize(1100, 760);
        form.done(0);
    }
    QSettings ini(kalvora::SettingsFilePath(), QSettings::IniFormat);
    QVERIFY(ini.childGroups().contains("TKreditForm"));
    QCOMPARE(ini.value("TKreditForm/Edit6_Text").toString(), QString("30,5"));
    QCOMPARE(ini.value("TKreditForm/Nd_Text").toString(), QString("12"));
    QCOMPARE(ini.value("TKreditForm/Nr_Text").toString(), QString("366,00"));
    QCOMPARE(ini.value("TKreditForm/Edit7_Text").toString(), QString("33,336"));

    CreditWindow again;
    again.OpenForPrice(20000);
    QCOMPARE(again.Field(CreditField::UsdRate)->text(), QString("30,5"));
    QCOMPARE(again.Field(CreditField::Roubles)->text(), QString("366,00"));
    // On a screen too small for it the window is fitted to the screen, but the size the user
    // chose stays remembered for a larger one.
    const QSize available = again.screen()->availableGeometry().size();
    QCOMPARE(again.size(), QSize(1100, 760).boundedTo(available));
    QTest::keyClick(again.Field(CreditField::Dollars), Qt::Key_End);  // the restored rate is used
    QCOMPARE(again.Field(CreditField::Roubles)->text(), QString("366,00"));
    Type(again.Field(CreditField::Dollars), "2");
    QCOMPARE(again.Field(CreditField::Roubles)->text(), QString("61,00"));
    again.done(0);
    const QStringList stored = QSettings(kalvora::SettingsFilePath(), QSettings::IniFormat)
                                   .value("TKreditForm/NormPos")
                                   .toString()
                                   .split(',');
    QCOMPARE(stored.size(), 4);
    QCOMPARE(stored[2].toInt() - stored[0].toInt(), 1100);
    QCOMPARE(stored[3].toInt() - stored[1].toInt(), 760);
}

void TestCreditWindow::windowLooksRight() {
    CreditWindow form;
    form.Box(CreditBox::FixedDiscount)->click();
    form.OpenForPrice(20000);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QString("Денежные расчёты"));
    QVERIFY(form.NewsButton()->text().startsWith("Проверить на "));
    QVERIFY(form.Field(CreditField::Discount)->toolTip().contains("ФМК должна уменьшить"));
    const QImage picture = form.grab().toImage();
    QVERIFY(!picture.isNull());
    picture.save(QDir(QDir::tempPath()).filePath("kalvora-credit-window.png"));
    form.done(0);
}

// A screen reader names each of the window's 42 controls by what it is, not by the group box it
// sits in, and reads the subtraction in front of the credit sum with what it subtracts.
void TestCreditWindow::everyControlIsNamedForAScreenReader() {
    CreditWindow form;
    form.OpenForPrice(20000);
    const QStringList faults = kalvora::testing::AccessibleNameFaults(&form);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QCOMPARE(form.CreditSumFormulaLabel()->accessibleName(),
             QString("Стоимость минус первый взнос: 20000,00 - 8000,00 ="));
}

QTEST_MAIN(TestCreditWindow)
#include "TestCreditWindow.moc"
