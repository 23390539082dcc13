// The comparison window offscreen: what its table shows for Trend with the comfort package
// against Ghia, how it follows the current configuration, and its second-variant sources.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "desktop/documents/ComparisonWindow.h"
#include "desktop/info/AccessibleComboBox.h"
#include "desktop/settings/WindowSettings.h"
#include "pricing/FakeFileAccess.h"
#include "support/AccessibleNames.h"
#include "support/RecordingUi.h"

using namespace kalvora;

namespace {

std::string CodeOf(const std::function<void(Configuration&)>& steps) {
    testing::RecordingUi ui;
    testing::FakeFileAccess files;
    Configuration config(ui);
    config.RunStartCode({}, files);
    steps(config);
    return config.CodeFieldText();
}

void Colour(Configuration& c, int colour) {
    c.SetColourIndex(colour);
    c.OnColourChosen();
}

// The row whose first cell reads `label`, or -1.
int RowOf(QTableWidget* table, const QString& label) {
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, 0) && table->item(r, 0)->text() == label) return r;
    }
    return -1;
}

QStringList Words(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QStringList Words(const std::string& text) {
    return Words(QString::fromStdString(text));
}

bool Highlighted(QTableWidget* table, int row) {
    return table->item(row, 1) && table->item(row, 1)->background().style() != Qt::NoBrush;
}

}  // namespace

class TestComparisonWindow : public QObject {
    Q_OBJECT

  private:
    std::string trend_;
    std::string ghia_;
    std::unique_ptr<testing::RecordingUi> ui_;
    std::unique_ptr<testing::FakeFileAccess> files_;
    std::unique_ptr<Configuration> config_;
    std::unique_ptr<ComparisonWindow> window_;
    QTemporaryDir configHome_;

  private slots:
    void initTestCase() {
        InstallAccessibleComboBoxNames();  // as the program does before it makes its windows
        QVERIFY(configHome_.isValid());
        qputenv("XDG_CONFIG_HOME", configHome_.path().toLocal8Bit());
        trend_ = CodeOf([](Configuration& c) {
            c.SelectTrim(Trend);
            c.SelectBody(Hatchback5Door);
            Colour(c, 7);
            c.SetChecked(Opt::ComfortPackage, true);
        });
        ghia_ = CodeOf([](Configuration& c) {
            c.SelectTrim(Ghia);
            c.SelectBody(Hatchback5Door);
            Colour(c, 7);
        });
    }

    void init() {
        ui_ = std::make_unique<testing::RecordingUi>();
        files_ = std::make_unique<testing::FakeFileAccess>();
        config_ = std::make_unique<Configuration>(*ui_);
        config_->RunStartCode({trend_}, *files_);
        window_ = std::make_unique<ComparisonWindow>(*config_, *ui_, *files_);
        QObject::connect(window_.get(), &ComparisonWindow::openVariantRequested, window_.get(),
                         [this](const std::string& code) { OpenVariant(*config_, code); });
        window_->show();
    }

    void cleanup() { window_.reset(); }

    void tableShowsBothSidesWithTheDifferencesHighlighted() {
        QTableWidget* table = window_->Table();
        QCOMPARE(window_->OpenButton()->isEnabled(), false);  // nothing to open yet
        QVERIFY(window_->CompareWithCode(QString::fromStdString(ghia_)));

        const int trim = RowOf(table, "Комплектация");
        QVERIFY(trim >= 0);
        QCOMPARE(table->item(trim, 1)->text(), QString("Trend"));
        QCOMPARE(table->item(trim, 2)->text(), QString("Ghia"));
        QVERIFY(Highlighted(table, trim));
        const int body = RowOf(table, "Тип кузова");
        QCOMPARE(table->item(body, 1)->text(), QString("Хэтч 5 дв"));
        QVERIFY(!Highlighted(table, body));

        const int onlyCurrent = RowOf(table, "Только в варианте «Текущая конфигурация»");
        QVERIFY(onlyCurrent >= 0);
        QCOMPARE(table->columnSpan(onlyCurrent, 0), 3);
        const int comfort = RowOf(table, "Пакет \"Комфорт\"");
        QVERIFY(comfort > onlyCurrent);
        QCOMPARE(table->item(comfort, 1)->text(), QString("$540"));
        QCOMPARE(table->item(comfort, 2)->text(), QString("—"));
        QVERIFY(Highlighted(table, comfort));
        QVERIFY(RowOf(table, "Стандартное оборудование, которое различается") > comfort);

        const Comparison& c = *window_->Shown();
        const int total = table->rowCount() - 1;
        QCOMPARE(table->item(total, 0)->text(), QString("Итоговая цена"));
        QCOMPARE(table->item(total, 1)->text(), QString("$%1").arg(c.a.total));
        QCOMPARE(table->item(total, 2)->text(), QString("$%1").arg(c.b.total));
        const std::int64_t difference = std::int64_t{c.b.total} - c.a.total;
        QCOMPARE(window_->DifferenceLabel()->text(),
                 QString("Разница: %1$%2").arg(difference < 0 ? "-" : "+").arg(qAbs(difference)));
        QVERIFY(window_->DifferenceLabel()->font().pointSize() >= 18);
        QVERIFY(window_->OpenButton()->isEnabled());

        // KALVORA_SCREENSHOT=path keeps a picture of the window as the test sees it.
        const QString shot = qEnvironmentVariable("KALVORA_SCREENSHOT");
        if (!shot.isEmpty()) {
            QCoreApplication::processEvents();  // the layout takes the new texts
            QVERIFY(window_->grab().save(shot));
        }

        // "Печать..." and "Скопировать..." hand on the same rows as text.
        const QString text = window_->Text();
        QVERIFY(text.contains("* Комплектация"));
        QVERIFY(text.contains(QString::fromStdString(ghia_)));
        QTemporaryDir dir;
        const QString pdf = dir.filePath("comparison.pdf");
        window_->SetPrinterChooser([&pdf](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        QTest::mouseClick(window_->findChild<QPushButton*>("PrintButton"), Qt::LeftButton);
        QVERIFY(QFileInfo(pdf).size() > 1000);
        QTest::mouseClick(window_->findChild<QPushButton*>("CopyButton"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), text);
        QCOMPARE(ui_->messages.back(),
                 std::string("Сравнение вариантов скопировано в буфер обмена."));
    }

    // A Ghia wagon with every option against an Ambiente three-door, printed and read back from
    // the PDF: every word of every cell is there, and no two cells run into each other (which
    // would read as a word that is in no cell, "багажникаЧерные").
    void printedComparisonKeepsEveryValueInItsCell() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty()) QSKIP("pdftotext (Debian package poppler-utils) is missing");
        OpenVariant(*config_, CodeOf([](Configuration& c) {
            c.SelectTrim(Ghia);
            c.SelectBody(Wagon);
            c.SelectRails(AluminiumRoofRails);
            Colour(c, 3);
            c.EquipAll();
        }));
        QVERIFY(window_->CompareWithCode(QString::fromStdString(CodeOf([](Configuration& c) {
            c.SelectTrim(Ambiente);
            c.SelectBody(Hatchback3Door);
        }))));
        const Comparison& c = *window_->Shown();

        QTemporaryDir dir;
        const QString pdf = dir.filePath("comparison.pdf");
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        window_->PrintTo(printer);
        QProcess reader;
        reader.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(reader.waitForFinished(30000));
        const QStringList printed = Words(QString::fromUtf8(reader.readAllStandardOutput()));
        // KALVORA_PDF=path keeps the printed comparison.
        if (!qEnvironmentVariable("KALVORA_PDF").isEmpty()) {
            QFile::remove(qEnvironmentVariable("KALVORA_PDF"));
            QVERIFY(QFile::copy(pdf, qEnvironmentVariable("KALVORA_PDF")));
        }

        QMap<QString, int> cells;  // every word of every cell, with how often it occurs
        for (const ComparisonRow& r : c.rows) {
            for (const std::string* text : {&r.label, &r.a, &r.b}) {
                for (const QString& word : Words(*text)) ++cells[word];
            }
        }
        QStringList around = {"Сравнение конфигураций",
                              ComparisonWindow::kNameA,
                              ComparisonWindow::kNameB,
                              "код",
                              "*",
                              "Итоговая цена",
                              "Разница (второй вариант минус текущая конфигурация):",
                              "Строки, которые различаются, отмечены «*» и выделены цветом.",
                              QString::fromStdString(c.a.code),
                              QString::fromStdString(c.b.code),
                              QString("$%1 $%2").arg(c.a.total).arg(c.b.total),
                              QString::fromStdString(SignedDollars(c.Difference()))};
        for (int s = 0; s <= static_cast<int>(ComparisonSection::Standard); ++s) {
            around << QString::fromStdString(SectionTitle(static_cast<ComparisonSection>(s),
                                                          ComparisonWindow::kNameA,
                                                          ComparisonWindow::kNameB));
        }
        QSet<QString> known(cells.keyBegin(), cells.keyEnd());
        for (const QString& text : around) {
            for (const QString& word : Words(text)) known.insert(word);
        }
        const QRegularExpression pageNumber(QStringLiteral("^\\d{1,2}$"));
        QStringList runTogether;
        for (const QString& word : printed) {
            if (!known.contains(word) && !pageNumber.match(word).hasMatch()) runTogether << word;
        }
        QVERIFY2(runTogether.isEmpty(), qPrintable(runTogether.join(' ')));
        for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
            QVERIFY2(printed.count(it.key()) >= it.value(), qPrintable(it.key()));
        }
    }

    // "Просмотр..." shows the printed pages in a preview window of its own.
    void previewShowsThePrintedPages() {
        QVERIFY(window_->CompareWithCode(QString::fromStdString(ghia_)));
        QString title;
        int pages = -1;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&]() {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QPrintPreviewDialog*>(w);
                if (!dialog || !dialog->isVisible()) continue;
                title = dialog->windowTitle();
                auto* preview = dialog->findChild<QPrintPreviewWidget*>();
                if (preview) preview->updatePreview();
                pages = preview ? preview->pageCount() : 0;
                const QString shot = qEnvironmentVariable("KALVORA_PREVIEW_SCREENSHOT");
                if (!shot.isEmpty()) dialog->grab().save(shot);
                dialog->reject();
            }
        });
        poll.start(50);
        QTest::mouseClick(window_->findChild<QPushButton*>("PreviewButton"), Qt::LeftButton);
        poll.stop();
        QCOMPARE(title, QString("Сравнение вариантов — предварительный просмотр"));
        QVERIFY(pages >= 1);
    }

    // Its code field, lists, table and buttons are named for a screen reader.
    void everyControlIsNamedForAScreenReader() {
        QVERIFY(window_->CompareWithCode(QString::fromStdString(ghia_)));
        window_->RememberCurrent("Trend");
        const QStringList faults = testing::AccessibleNameFaults(window_.get());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void followsTheCurrentConfigurationAndOpensTheSecond() {
        QVERIFY(window_->CompareWithCode(QString::fromStdString(ghia_)));
        config_->SelectTrim(Ghia);
        window_->Refresh();
        QCOMPARE(window_->Table()->item(RowOf(window_->Table(), "Комплектация"), 1)->text(),
                 QString("Ghia"));

        window_->OpenSecond();
        QCOMPARE(config_->CodeFieldText(), ghia_);
        QVERIFY(window_->Shown()->Same());
        QCOMPARE(window_->DifferenceLabel()->text(), QString("Разница: $0"));
        QVERIFY(!window_->OpenButton()->isEnabled());
    }

    void aBadSecondVariantIsRefusedAndTheLastOneStays() {
        QVERIFY(window_->CompareWithCode(QString::fromStdString(ghia_)));
        const int rows = window_->Table()->rowCount();
        QVERIFY(!window_->CompareWithCode("nonsense"));
        QVERIFY(!window_->CompareWithFile("/nowhere/offer.klv"));
        QCOMPARE(ui_->messages.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(ui_->messages[0]),
                 QString("Второй вариант: Недопустимая комбинация кода"));
        QVERIFY(QString::fromStdString(ui_->messages[1]).startsWith("Второй вариант: "));
        QCOMPARE(window_->Table()->rowCount(), rows);
        QCOMPARE(window_->Shown()->b.code, ghia_);
    }

    void remembersVariantsAndComparesWithThem() {
        window_->SetNameAsker([](const QString&) { return std::optional<QString>("Trend+К"); });
        QVERIFY(!window_->RememberedList()->isEnabled());
        window_->RememberCurrent("Trend+К");
        config_->SelectTrim(Ghia);
        QCOMPARE(window_->RememberedList()->count(), 2);  // the prompt and the variant
        QVERIFY(window_->RememberedList()->itemText(1).startsWith("Trend+К"));
        QVERIFY(window_->CompareWithRemembered(0));
        QCOMPARE(window_->Shown()->b.code, trend_);
        QVERIFY(!window_->CompareWithRemembered(3));

        files_->files["trend.klv"] = trend_ + "\r\n";
        QVERIFY(window_->CompareWithFile("trend.klv"));
        QCOMPARE(window_->Shown()->b.code, trend_);
    }

    // The window comes back where it was left, in a section of its own; a place stored on a
    // larger screen (or none at all, with a screen smaller than the designed size) is fitted.
    void remembersItsPlaceAndFitsItToTheScreen() {
        window_.reset();
        QFile::remove(SettingsFilePath());
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect place(available.x() + 40, available.y() + 30, 600, 360);
        {
            ComparisonWindow first(*config_, *ui_, *files_);
            first.ShowComparison();
            QVERIFY(available.contains(first.geometry()));
            first.setGeometry(place);
            first.close();
        }
        QSettings ini(SettingsFilePath(), QSettings::IniFormat);
        QCOMPARE(ini.childGroups(), QStringList{"Comparison"});
        {
            ComparisonWindow again(*config_, *ui_, *files_);
            again.ShowComparison();
            QCOMPARE(again.geometry(), place);
            // Still open when the program ends: the place is stored all the same.
            again.setGeometry(place.translated(10, 10));
        }
        ini.sync();
        const auto stored = ParseRect(ini.value("Comparison/NormPos").toStringList().join(','));
        QVERIFY(stored);
        QCOMPARE(*stored, place.translated(10, 10));

        ini.setValue("Comparison/NormPos", "10,20,4010,3020");
        ini.sync();
        ComparisonWindow large(*config_, *ui_, *files_);
        large.ShowComparison();
        QVERIFY(large.width() <= available.width() && large.height() <= available.height());
        QVERIFY(available.contains(large.frameGeometry().topLeft()));
    }
};

QTEST_MAIN(TestComparisonWindow)
#include "TestComparisonWindow.moc"
