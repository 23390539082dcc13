// The order and check list windows offscreen: printing into a PDF file, copying to the
// clipboard, the refresh of their texts and the order window's remembered state.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <memory>

#include "desktop/documents/CheckListWindow.h"
#include "desktop/documents/OrderWindow.h"
#include "desktop/settings/WindowSettings.h"
#include "engine/documents/OrderDocument.h"
#include "engine/model/Configuration.h"
#include "support/AccessibleNames.h"
#include "support/RecordingUi.h"

using namespace kalvora;

namespace {

// A Ghia wagon with xenon headlamps, as the rules would leave it priced.
void SetUpCar(Configuration& c) {
    c.SelectBody(Wagon);
    c.OnEngineFocused(Petrol20Manual145);
    c.SelectEngine(Petrol20Manual145);
    c.SetColourIndex(7);
    c.SetChecked(Opt::XenonHeadlamps, true);
    c.SetPrice(Opt::XenonHeadlamps, 980);
    c.SetBaseAmount(18560);
    c.SetSurchargeAmount(0);
    c.MarkFiguresDue();
    c.SetCodeFieldText("ABCDEFGHIJKLMNOPQRST");
}

// Pages and document title of a PDF file as Qt writes it.
struct PdfFacts {
    int pages = 0;
    bool hasTitle = false;
};

PdfFacts ReadPdf(const QString& path, const QString& title) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    PdfFacts facts;
    facts.pages = static_cast<int>(
        QString::fromLatin1(data).count(QRegularExpression("/Type\\s*/Page(?!s)")));
    // The title is written as UTF-16 text.
    QByteArray utf16;
    for (QChar ch : title) {
        utf16.append(char(ch.unicode() >> 8));
        utf16.append(char(ch.unicode() & 0xFF));
    }
    facts.hasTitle = data.contains(utf16) || data.contains(title.toLatin1());
    return facts;
}

}  // namespace

class TestDocumentWindows : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir configHome_;
    std::unique_ptr<testing::RecordingUi> ui_;
    std::unique_ptr<Configuration> config_;
    std::unique_ptr<OrderDocument> order_;

    std::unique_ptr<DocumentWindow> MakeWindow(const QString& which) {
        if (which == "order") {
            order_->OnVerbalToggled();
            return std::make_unique<OrderWindow>(*order_);
        }
        auto checkList = std::make_unique<CheckListWindow>(*config_, *ui_);
        checkList->Refresh();
        return checkList;
    }

  private slots:
    void initTestCase() {
        QVERIFY(configHome_.isValid());
        qputenv("XDG_CONFIG_HOME", configHome_.path().toLocal8Bit());
    }

    void init() {
        QFile::remove(SettingsFilePath());
        StartRun();
    }

  private:
    // A new run of the program: the engine and the order boxes at their initial state.
    void StartRun() {
        order_.reset();
        config_.reset();
        ui_ = std::make_unique<testing::RecordingUi>();
        config_ = std::make_unique<Configuration>(*ui_);
        SetUpCar(*config_);
        order_ = std::make_unique<OrderDocument>(*config_, *ui_);
    }

  private slots:

    void settingsFileIsInTheConfigurationFolder() {
        QCOMPARE(SettingsFilePath(), configHome_.filePath("kalvora.INI"));
    }

    void windowsStartWithTheInitialText_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("caption");
        QTest::newRow("order") << "order"
                               << "Заказ";
        QTest::newRow("checklist") << "checklist"
                                   << "Перечень контролируемых параметров при приёмке автомобиля";
    }
    void windowsStartWithTheInitialText() {
        QFETCH(QString, which);
        QFETCH(QString, caption);
        std::unique_ptr<DocumentWindow> window;
        if (which == "order") {
            window = std::make_unique<OrderWindow>(*order_);
        } else {
            window = std::make_unique<CheckListWindow>(*config_, *ui_);
        }
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->TextArea()->toPlainText(), QString("Memo1"));
        QVERIFY(window->TextArea()->font().fixedPitch());
        QCOMPARE(window->Panel()->height(), 41);
        // A screen reader names the text by what it holds, and every button and box.
        QVERIFY(!window->TextArea()->accessibleName().isEmpty());
        const QStringList faults = testing::AccessibleNameFaults(window.get());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Tab leaves the text for the panel; an indented line wraps under its own first character;
    // the last box of the panel keeps clear of the window's edge.
    void keyboardAndWrapping() {
        OrderWindow form(*order_);
        order_->SetIndented(true);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString text = form.TextArea()->toPlainText();
        form.TextArea()->setFocus();
        QTest::keyClick(form.TextArea(), Qt::Key_Tab);
        QCOMPARE(form.TextArea()->toPlainText(), text);
        QVERIFY(!form.TextArea()->hasFocus());

        QTextBlock first = form.TextArea()->document()->firstBlock();
        while (first.isValid() && first.text().trimmed().isEmpty()) first = first.next();
        QVERIFY(first.text().startsWith(QString(17, QLatin1Char(' '))));
        const qreal blank = QFontMetricsF(form.TextArea()->font()).horizontalAdvance(' ');
        QVERIFY(first.blockFormat().leftMargin() >= 17 * blank - 0.5);
        QCOMPARE(first.blockFormat().textIndent(), -first.blockFormat().leftMargin());

        QWidget* last = form.findChild<QCheckBox*>("OtstupBox");
        QVERIFY(last->geometry().right() + 8 <= form.width());
    }

    void orderWindowFollowsEveryRefresh() {
        OrderWindow form(*order_);
        QCOMPARE(form.TextArea()->toPlainText(), QString("Memo1"));
        order_->OnVerbalToggled();
        QCOMPARE(form.TextArea()->toPlainText(), QString::fromStdString(order_->Text()));
        QVERIFY(form.TextArea()->toPlainText().contains("[$980] Ксеноновые фары"));
    }

    void orderBoxesRebuildTheText_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("verbal");
        QTest::addColumn<bool>("coded");
        QTest::addColumn<QString>("line");
        QTest::newRow("code box adds designations")
            << QStringList{"KodBox"} << true << true << "Тип кузова: Wagon (универсал)";
        QTest::newRow("last box is ticked again")
            << QStringList{"SlovoBox"} << true << false << "Тип кузова: универсал";
        QTest::newRow("code only")
            << QStringList{"KodBox", "SlovoBox"} << false << true << "Тип кузова: Wagon";
        QTest::newRow("without prices")
            << QStringList{"CBox"} << true << false << "Ксеноновые фары";
    }
    void orderBoxesRebuildTheText() {
        QFETCH(QStringList, clicks);
        QFETCH(bool, verbal);
        QFETCH(bool, coded);
        QFETCH(QString, line);
        OrderWindow form(*order_);
        order_->OnVerbalToggled();
        for (const QString& name : clicks) form.findChild<QCheckBox*>(name)->click();
        QCOMPARE(form.VerbalBox()->isChecked(), verbal);
        QCOMPARE(form.CodedBox()->isChecked(), coded);
        QCOMPARE(order_->Verbal(), verbal);
        QVERIFY(form.TextArea()->toPlainText().split('\n').contains(line));
    }

    void printsOneJobIntoAPdfFile_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("minPages");
        QTest::addColumn<int>("maxPages");
        QTest::newRow("order") << "order"
                               << "Zakaz" << 1 << 1;
        QTest::newRow("checklist") << "checklist"
                                   << "CheckList" << 2 << 6;
    }
    void printsOneJobIntoAPdfFile() {
        QFETCH(QString, which);
        QFETCH(QString, title);
        QFETCH(int, minPages);
        QFETCH(int, maxPages);
        auto window = MakeWindow(which);
        QVERIFY(window->TextArea()->toPlainText().contains("06.12.2026, 18:20:08"));
        const QString path = configHome_.filePath(which + ".pdf");
        window->SetPrinterChooser([&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
        window->PrintClick();
        QVERIFY(QFile::exists(path));
        const PdfFacts pdf = ReadPdf(path, title);
        QVERIFY2(pdf.pages >= minPages && pdf.pages <= maxPages,
                 qPrintable(QString::number(pdf.pages)));
        QVERIFY(pdf.hasTitle);
    }

    void cancelledPrintDialogPrintsNothing() {
        auto window = MakeWindow("order");
        const QString path = configHome_.filePath("cancelled.pdf");
        const QString text = window->TextArea()->toPlainText();
        const int selectionStart = window->TextArea()->textCursor().selectionStart();
        window->SetPrinterChooser([&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return false;
        });
        window->PrintClick();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(window->TextArea()->toPlainText(), text);
        QCOMPARE(window->TextArea()->textCursor().selectionStart(), selectionStart);
        QVERIFY(!window->TextArea()->textCursor().hasSelection());
    }

    void copyPutsTheWholeTextOnTheClipboard_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("message");
        QTest::newRow("order") << "order"
                               << "Текст Вашего заказа скопирован в буфер обмена.";
        QTest::newRow("checklist")
            << "checklist"
            << "Перечень контролируемых параметров скопирован в буфер обмена.";
        QTest::newRow("before the first document")
            << "memo1"
            << "Текст Вашего заказа скопирован в буфер обмена.";
    }
    void copyPutsTheWholeTextOnTheClipboard() {
        QFETCH(QString, which);
        QFETCH(QString, message);
        std::unique_ptr<DocumentWindow> window;
        if (which == "memo1") {
            window = std::make_unique<OrderWindow>(*order_);
        } else {
            window = MakeWindow(which);
        }
        QApplication::clipboard()->clear();
        window->findChild<QToolButton*>("SpeedButton4")->click();
        QCOMPARE(QApplication::clipboard()->text(), window->TextArea()->toPlainText());
        const QTextCursor cursor = window->TextArea()->textCursor();
        QCOMPARE(cursor.selectionStart(), 0);
        QCOMPARE(cursor.selectionEnd(), window->TextArea()->document()->characterCount() - 1);
        QCOMPARE(ui_->messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(ui_->messages[0]), message);
        window->CopyClick();
        QCOMPARE(ui_->messages.size(), std::size_t{2});
    }

    void typedTextIsCopiedUntilTheListIsComposedAgain() {
        CheckListWindow form(*config_, *ui_);
        form.Refresh();
        const QString composed = form.TextArea()->toPlainText();
        form.TextArea()->moveCursor(QTextCursor::End);
        QTest::keyClicks(form.TextArea(), " typed");
        form.CopyClick();
        QVERIFY(QApplication::clipboard()->text().endsWith(" typed"));
        form.findChild<QPushButton*>("Button1")->click();
        QCOMPARE(form.TextArea()->toPlainText(), composed);
    }

    void checkListFollowsTheConfigurationOnlyWhenComposed() {
        CheckListWindow form(*config_, *ui_);
        form.ComposeAndShow();
        QVERIFY(form.isVisible());
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(form.TextArea()->toPlainText().contains("        Ближний ксеноновый свет"));
        config_->SetChecked(Opt::XenonHeadlamps, false);
        QVERIFY(form.TextArea()->toPlainText().contains("        Ближний ксеноновый свет"));
        form.Refresh();
        QVERIFY(!form.TextArea()->toPlainText().contains("Ближний ксеноновый свет"));
    }

    void orderWindowRemembersBoxesAndPlacement() {
        const QRect place(100, 120, 640, 400);
        {
            OrderWindow form(*order_);
            order_->OnVerbalToggled();
            form.ShowOrder();
            form.CodedBox()->click();
            form.VerbalBox()->click();
            form.IndentBox()->click();
            form.setGeometry(place);
            form.close();
            QVERIFY(!form.isVisible());
        }
        QSettings settings(SettingsFilePath(), QSettings::IniFormat);
        QCOMPARE(settings.value("TZakazForm/KodBox_Checked").toString(), QString("True"));
        QCOMPARE(settings.value("TZakazForm/SlovoBox_Checked").toString(), QString("False"));
        QCOMPARE(settings.value("TZakazForm/OtstupBox_Checked").toString(), QString("True"));
        QCOMPARE(settings.value("TZakazForm/CBox_Checked").toString(), QString("True"));

        // The next run starts with the initial boxes and reads them back when shown.
        StartRun();
        order_->OnVerbalToggled();
        OrderWindow again(*order_);
        const int before = order_->Generations();
        again.ShowOrder();
        QVERIFY(!order_->Verbal());
        QVERIFY(order_->Coded());
        QVERIFY(order_->Indented());
        QVERIFY(order_->Generations() > before);
        QVERIFY(again.CodedBox()->isChecked());
        QVERIFY(!again.VerbalBox()->isChecked());
        QVERIFY(again.TextArea()->toPlainText().contains("                 Тип кузова: Wagon\n"));
        QCOMPARE(again.geometry(), place);
    }

    void nothingIsWrittenWhenTheWindowWasNeverShown() {
        { OrderWindow form(*order_); }
        QVERIFY(!QFile::exists(SettingsFilePath()));
    }

    void stateIsWrittenAtTheEndWhenShownSinceLastWritten() {
        {
            OrderWindow form(*order_);
            form.ShowOrder();
            form.PricesBox()->click();
        }
        QSettings settings(SettingsFilePath(), QSettings::IniFormat);
        QCOMPARE(settings.value("TZakazForm/CBox_Checked").toString(), QString("False"));
    }

    void unreadableSettingsKeepTheCurrentState() {
        {
            QSettings settings(SettingsFilePath(), QSettings::IniFormat);
            settings.setValue("TZakazForm/CBox_Checked", "Maybe");
            settings.setValue("TZakazForm/NormPos", "1,2,x");
        }
        OrderWindow form(*order_);
        const QRect place = form.geometry();
        const int before = order_->Generations();
        form.ShowOrder();
        QVERIFY(order_->WithPrices());
        QCOMPARE(order_->Generations(), before);
        QCOMPARE(form.geometry(), place);
    }

    void screenshots() {
        OrderWindow form(*order_);
        order_->OnVerbalToggled();
        form.ShowOrder();
        QVERIFY(form.grab().save("/tmp/kalvora-zakaz.png"));
        CheckListWindow checkList(*config_, *ui_);
        checkList.ComposeAndShow();
        QVERIFY(checkList.grab().save("/tmp/kalvora-momo.png"));
    }
};

QTEST_MAIN(TestDocumentWindows)
#include "TestDocumentWindows.moc"
