// "Предложение..." in the window: the preview opens on the configuration as it stands, and the
// PDF it saves is the one kalvora-cli makes, byte for byte.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <iostream>
#include <sstream>

#include "../app/ScriptedDialogs.h"
#include "cli/OfferCommand.h"
#include "desktop/app/MainWindow.h"
#include "desktop/app/Windows.h"
#include "desktop/credit/CreditWindow.h"
#include "desktop/offer/OfferSettings.h"
#include "desktop/offer/OfferWindow.h"
#include "desktop/settings/WindowSettings.h"

using kalvora::app::MainWindow;

namespace {
constexpr char kGhiaWagon[] = "yLTqV.vzk7Ss########";

std::string CliOffer(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = kalvora::cli::RunOfferCommand(arguments, std::cin, out, err);
    return status == 0 ? out.str() : "failed: " + err.str();
}

void Screenshot(QWidget& window, const char* name) {
    const QByteArray folder = qgetenv("KALVORA_SCREENSHOT_DIR");
    if (!folder.isEmpty()) window.grab().save(QString::fromLocal8Bit(folder) + "/" + name);
}
}  // namespace

class TestOfferWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void offerButtonOpensThePreviewAndSavesTheCommandLinesPdf();
    void dealerDialogKeepsTheFilledFieldsOnly();

  private:
    QTemporaryDir dir_;
    kalvora::testing::ScriptedDialogs dialogs_;
};

void TestOfferWindow::initTestCase() {
    QVERIFY(dir_.isValid());
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    qunsetenv("SOURCE_DATE_EPOCH");
}

void TestOfferWindow::offerButtonOpensThePreviewAndSavesTheCommandLinesPdf() {
    QVERIFY(kalvora::WriteOfferDealer({"Автосалон «Север»", "Мурманск, ул. Полярная, 1",
                                       "+7 815 200-00-00", "https://sever.example"},
                                      kalvora::SettingsFilePath()));
    auto windows = kalvora::app::CreateWindows();
    MainWindow* main = windows->mainWindow;
    main->SetStartArguments({kGhiaWagon});
    main->Ui().SetDialogs(&dialogs_);
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(main->Config().ConfigurationCode(), std::string(kGhiaWagon));

    // The button sits in the command bar with its own mnemonic and takes Tab.
    auto* button = main->findChild<QToolButton*>(QStringLiteral("OfferButton"));
    QVERIFY(button);
    QCOMPARE(QKeySequence::mnemonic(button->text()), QKeySequence(QStringLiteral("Alt+П")));
    QVERIFY(button->focusPolicy() & Qt::TabFocus);
    for (QToolButton* other : main->findChildren<QToolButton*>()) {
        if (other != button && other->isVisible()) {
            QVERIFY2(
                QKeySequence::mnemonic(other->text()) != QKeySequence::mnemonic(button->text()),
                qPrintable(other->objectName()));
        }
    }
    Screenshot(*main, "offer-main-window.png");

    // Without the credit window opened the offer has no credit.
    QTest::mouseClick(button, Qt::LeftButton);
    kalvora::OfferWindow* offer = windows->Offer();
    QVERIFY(offer->isVisible());
    QVERIFY(offer->windowTitle().contains(QLatin1String(kGhiaWagon)));
    QVERIFY(offer->CurrentOffer() && !offer->CurrentOffer()->credit);

    // After the buyer has looked at the credit, the offer carries it.
    windows->Credit()->OpenForPrice(*main->Config().Total());
    offer->SetDate(kalvora::ParseOfferDate("2026-12-08"));
    offer->ShowOffer();
    QVERIFY(offer->CurrentOffer() && offer->CurrentOffer()->credit);
    Screenshot(*offer, "offer-preview.png");

    const QString path = dir_.filePath(QStringLiteral("offer.pdf"));
    // The file dialog starts where the configuration dialogs are; a code still holding its '#'
    // fillers gives no part of the name.
    main->Ui().dialogFolder = dir_.path();
    offer->SetFileChooser([&](const QString& suggested) {
        return suggested == dir_.filePath(QStringLiteral("Предложение.pdf")) ? path : QString();
    });
    offer->findChild<QPushButton*>(QStringLiteral("SavePdfButton"))->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string saved = file.readAll().toStdString();
    QCOMPARE(saved, CliOffer({"--date", "2026-12-08", "--credit", kGhiaWagon, "-"}));

    // "Расчёт кредита" ticked itself when the credit was opened; unticked, the offer is one page,
    // the one the command line makes without credit.
    auto* withCredit = offer->findChild<QCheckBox*>(QStringLiteral("CreditBox"));
    QVERIFY(withCredit && withCredit->isChecked());
    QCOMPARE(QKeySequence::mnemonic(withCredit->text()), QKeySequence(QStringLiteral("Alt+К")));
    for (QPushButton* other : offer->findChildren<QPushButton*>()) {
        QVERIFY2(
            QKeySequence::mnemonic(other->text()) != QKeySequence::mnemonic(withCredit->text()),
            qPrintable(other->objectName()));
    }
    withCredit->click();
    QVERIFY(offer->CurrentOffer() && !offer->CurrentOffer()->credit);
    QVERIFY(!offer->WritePdf(path));
    QFile onePage(path);
    QVERIFY(onePage.open(QIODevice::ReadOnly));
    QCOMPARE(onePage.readAll().toStdString(), CliOffer({"--date", "2026-12-08", kGhiaWagon, "-"}));
    offer->ShowOffer();
    QVERIFY(!withCredit->isChecked());

    // A folder that is not there: the message names the file and nothing is written.
    const auto problem = offer->WritePdf(QStringLiteral("/nonexistent-folder/offer.pdf"));
    QVERIFY(problem && problem->startsWith(QStringLiteral("Не удалось сохранить файл")));
}

void TestOfferWindow::dealerDialogKeepsTheFilledFieldsOnly() {
    kalvora::OfferSettingsDialog dialog(kalvora::SettingsFilePath());
    const char* values[] = {"  Дилер  ", "", "+7 000 000-00-00", ""};
    const char* keys[] = {"Name", "Address", "Telephone", "Site"};
    for (int i = 0; i < 4; ++i) {
        auto* field = dialog.findChild<QLineEdit*>(QLatin1String(keys[i]));
        QVERIFY(field);
        field->setText(QString::fromUtf8(values[i]));
    }
    dialog.show();
    Screenshot(dialog, "offer-dealer-dialog.png");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const kalvora::OfferDealer dealer = kalvora::ReadOfferDealer(kalvora::SettingsFilePath());
    QCOMPARE(dealer.name, std::string("Дилер"));
    QCOMPARE(dealer.address, std::string());
    QCOMPARE(dealer.telephone, std::string("+7 000 000-00-00"));
}

QTEST_MAIN(TestOfferWindow)
#include "TestOfferWindow.moc"
