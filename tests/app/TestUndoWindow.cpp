// The main window explains every rule effect and steps back and forth through whole actions:
// reasons as tooltips, a notice strip after an action that changed more than its target, and
// undo and redo by keys and buttons. With KALVORA_SCREENSHOTS set to a folder, the window is
// also saved there as the user sees it.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ScriptedDialogs.h"
#include "desktop/app/MainWindow.h"

using kalvora::Opt;
using kalvora::app::MainWindow;

class TestUndoWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void greyedOptionExplainsItselfOnCheckBoxAndCaption();
    void metallicMarkNamesTheColourThatHoldsIt();
    void noticeFollowsAnActionThatChangedMore();
    void ctrlZAndTheButtonsStepThroughWholeActions();
    void undoneEngineLeavesNoPreferenceBehind();
    void ctrlZInTheCodeFieldUndoesTheConfigurationUnlessTyped();

  private:
    std::unique_ptr<MainWindow> Open(std::vector<std::string> arguments = {});
    void Click(MainWindow& w, const char* name);
    void Save(QWidget& w, const char* file, QWidget* tip = nullptr);

    std::unique_ptr<QTemporaryDir> dir_;
    kalvora::testing::ScriptedDialogs dialogs_;
};

void TestUndoWindow::initTestCase() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    qputenv("XDG_CONFIG_HOME", dir_->path().toLocal8Bit());
}

std::unique_ptr<MainWindow> TestUndoWindow::Open(std::vector<std::string> arguments) {
    auto w = std::make_unique<MainWindow>();
    w->SetSettingsPath(dir_->filePath(QStringLiteral("kalvora.INI")));
    w->SetStartArguments(std::move(arguments));
    w->Ui().SetDialogs(&dialogs_);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) return nullptr;
    return w;
}

void TestUndoWindow::Click(MainWindow& w, const char* name) {
    auto* widget = w.findChild<QWidget*>(QLatin1String(name));
    QVERIFY2(widget, name);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(7, widget->height() / 2));
}

// The window as the user sees it, with a tooltip drawn where it shows.
void TestUndoWindow::Save(QWidget& w, const char* file, QWidget* tip) {
    const QByteArray folder = qgetenv("KALVORA_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QPixmap shot = w.grab();
    if (tip) {
        QPainter p(&shot);
        p.drawPixmap(w.mapFromGlobal(tip->pos()), tip->grab());
    }
    QVERIFY(shot.save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(file)));
}

void TestUndoWindow::greyedOptionExplainsItselfOnCheckBoxAndCaption() {
    auto w = Open();
    QVERIFY(w);
    // The reset configuration is an Ambiente: no xenon headlamps there.
    auto* box = w->findChild<QCheckBox*>(QStringLiteral("KsenonBox"));
    auto* caption = w->findChild<QLabel*>(QStringLiteral("KsenonBoxL"));
    QVERIFY(box && caption);
    QVERIFY(!box->isEnabled());
    QCOMPARE(box->toolTip(), QStringLiteral("Недоступно в комплектации Ambiente"));
    QCOMPARE(caption->toolTip(), box->toolTip());
    // Screen readers hear the price first, then the reason.
    QVERIFY(box->accessibleDescription().endsWith(QStringLiteral(". ") + box->toolTip()));
    // A freely choosable option has no tooltip.
    QCOMPARE(w->findChild<QCheckBox*>(QStringLiteral("ZimShinaBox"))->toolTip(), QString());

    QToolTip::showText(caption->mapToGlobal(QPoint(caption->width() + 4, -19)), caption->toolTip(),
                       caption);
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
    }
    QVERIFY(tip);
    Save(*w, "reason-tooltip.png", tip);
    QToolTip::hideText();
}

// Started with a code of a metallic colour, the metallic mark is ticked and stays so: its box is
// enabled, but a click is undone by the colour, and the tooltip says so.
void TestUndoWindow::metallicMarkNamesTheColourThatHoldsIt() {
    auto w = Open({"Zt!F!!!t!.!!!!!!!!!!"});  // Comfort in Tonic Metallic
    QVERIFY(w);
    auto* box = w->findChild<QCheckBox*>(QStringLiteral("MetallBox"));
    QVERIFY(box);
    QVERIFY(box->isEnabled());
    QVERIFY(box->isChecked());
    QCOMPARE(box->toolTip(), QStringLiteral("Отмечено с цветом Tonic Metallic"));
    Click(*w, "MetallBox");
    QVERIFY(box->isChecked());
    QCOMPARE(box->toolTip(), QStringLiteral("Отмечено с цветом Tonic Metallic"));

    QToolTip::showText(box->mapToGlobal(QPoint(box->width() + 4, -19)), box->toolTip(), box);
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
    }
    QVERIFY(tip);
    Save(*w, "metallic-tooltip.png", tip);
    QToolTip::hideText();
}

void TestUndoWindow::noticeFollowsAnActionThatChangedMore() {
    auto w = Open();
    QVERIFY(w);
    auto* notice = w->findChild<QLabel*>(QStringLiteral("NoticeLabel"));
    QVERIFY(notice);
    QVERIFY(!notice->isVisible());
    Click(*w, "Compl_1");
    Click(*w, "ZimBox");
    Click(*w, "ObzorBox");
    QVERIFY(notice->isVisible());
    QVERIFY2(notice->toolTip().startsWith(QStringLiteral(
                 "С пакетом «Улучшенной обзорности»: сняты пакет «Зимний» (−400 $), опция "
                 "«Внешние зеркала с подогревом»")),
             qPrintable(notice->toolTip()));
    QCOMPARE(notice->accessibleDescription(), notice->toolTip());
    QCOMPARE(w->findChild<QCheckBox*>(QStringLiteral("ZimBox"))->toolTip(),
             QStringLiteral("Снято: несовместимо с пакетом «Улучшенной обзорности»"));
    Save(*w, "notice-visibility-package.png");
    // A notice that names many options shows whole on hover, wrapped within the screen.
    Click(*w, "Compl_3");
    QVERIFY(notice->toolTip().size() > 400);
    // Where the mouse can be: on the notice, within the screen.
    const QRect available = notice->screen()->availableGeometry();
    QPoint at = notice->mapToGlobal(QPoint(8, notice->height()));
    at.setX(std::min(at.x(), available.right() - 8));
    QToolTip::showText(at, notice->toolTip(), notice);
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
    }
    QVERIFY(tip);
    const QRect screen = notice->screen()->availableGeometry();
    QVERIFY2(screen.contains(tip->frameGeometry()),
             qPrintable(QStringLiteral("%1x%2").arg(tip->width()).arg(tip->height())));
    Save(*w, "notice-tooltip.png", tip);
    QToolTip::hideText();
    // An action that changes nothing but its target clears the notice.
    Click(*w, "ZimShinaBox");
    QVERIFY(!notice->isVisible());
    // Whatever the notice says, what it shows fits its two lines.
    const auto shownLines = [notice]() {
        const QFontMetrics metrics(notice->font());
        const QRect text =
            notice->contentsRect().adjusted(notice->margin(), 0, -notice->margin(), 0);
        return metrics.boundingRect(text, Qt::TextWordWrap, notice->text()).height() /
               metrics.lineSpacing();
    };
    const char* const steps[] = {"Compl_2", "KuzovWag", "Compl_0",   "Kuzov3dr", "KomfBox",
                                 "Compl_3", "Kuzov5dr", "KomfPBox",  "ObzorBox", "Compl_1",
                                 "ZimBox",  "KuzovWag", "Obzor1Box", "Kuzov4dr", "Compl_2"};
    for (int round = 0; round < 3; ++round) {
        for (const char* name : steps) {
            Click(*w, name);
            QVERIFY2(notice->text().isEmpty() || shownLines() <= 2, qPrintable(notice->text()));
        }
    }
}

void TestUndoWindow::ctrlZAndTheButtonsStepThroughWholeActions() {
    auto w = Open();
    QVERIFY(w);
    auto* undo = w->findChild<QToolButton*>(QStringLiteral("UndoButton"));
    auto* redo = w->findChild<QToolButton*>(QStringLiteral("RedoButton"));
    QVERIFY(undo && redo);
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    const QString start = w->findChild<QLabel*>(QStringLiteral("PriceLabel"))->text();
    const std::string startCode = w->Config().CodeFieldText();

    Click(*w, "Compl_3");
    auto* equip = w->findChild<QToolButton*>(QStringLiteral("SpeedButton26"));
    QTest::mouseClick(equip, Qt::LeftButton);
    const std::string equipped = w->Config().CodeFieldText();
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->toolTip(), QStringLiteral("Отменить: «Оснастить» (Ctrl+Z)"));

    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w->Config().CodeFieldText() != equipped);
    QCOMPARE(w->Config().Trim(), int(kalvora::Ghia));
    QVERIFY(redo->isEnabled());
    Save(*w, "after-ctrl-z.png");
    QTest::keyClick(w.get(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w->Config().CodeFieldText(), equipped);
    QTest::mouseClick(undo, Qt::LeftButton);
    QTest::mouseClick(undo, Qt::LeftButton);
    QCOMPARE(w->Config().CodeFieldText(), startCode);
    QCOMPARE(w->findChild<QLabel*>(QStringLiteral("PriceLabel"))->text(), start);
    QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(),
             QString::fromStdString(startCode));
    QVERIFY(!undo->isEnabled());
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w->Config().Trim(), int(kalvora::Ghia));
}

// Trend, then 1,6 A with the mouse, Ctrl+Z, Ghia: the car is the Ghia that Trend, Ghia gives,
// not one with the automatic gearbox the undone click preferred.
void TestUndoWindow::undoneEngineLeavesNoPreferenceBehind() {
    int engine = -1, preferred = -1;
    std::string code;
    {
        auto w = Open();
        QVERIFY(w);
        Click(*w, "Compl_2");
        Click(*w, "Compl_3");
        engine = w->Config().Engine();
        preferred = w->Config().PreferredEngine();
        code = w->Config().CodeFieldText();
    }
    auto w = Open();
    QVERIFY(w);
    Click(*w, "Compl_2");
    Click(*w, "Dvig16AT100");
    QCOMPARE(w->Config().Engine(), int(kalvora::Petrol16Automatic100));
    QCOMPARE(w->Config().PreferredEngine(), int(kalvora::Petrol16Automatic100));
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->Config().PreferredEngine(), preferred);
    Click(*w, "Compl_3");
    QCOMPARE(w->Config().Engine(), engine);
    QCOMPARE(w->Config().CodeFieldText(), code);
    // The button kept the focus through the undo; clicking it again chooses it again.
    Click(*w, "Compl_2");
    Click(*w, "Dvig16AT100");
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    Click(*w, "Dvig16AT100");
    QCOMPARE(w->Config().PreferredEngine(), int(kalvora::Petrol16Automatic100));
}

// The focus is in the code field after the start and after opening a file: Ctrl+Z and Ctrl+Y
// step through the configuration there too, unless the field holds text typed since the last
// decode, which the field's own undo and redo take first.
void TestUndoWindow::ctrlZInTheCodeFieldUndoesTheConfigurationUnlessTyped() {
    auto w = Open();
    QVERIFY(w);
    auto* edit = w->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QVERIFY(edit);
    const int start = w->Config().Trim();
    Click(*w, "Compl_3");
    QTest::mouseClick(edit, Qt::LeftButton);
    QVERIFY(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->Config().Trim(), start);
    QVERIFY(edit->hasFocus());
    Save(*w, "ctrl-z-in-code-field.png");
    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w->Config().Trim(), int(kalvora::Ghia));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w->Config().Trim(), int(kalvora::Ghia));

    const QString code = edit->text();
    QTest::keyClicks(edit, QStringLiteral("AB"));
    QVERIFY(edit->text() != code);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), code);
    QCOMPARE(w->Config().Trim(), int(kalvora::Ghia));
    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(edit->text() != code);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), code);
    // The field has nothing left to take back: the configuration steps back.
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->Config().Trim(), start);

    // A decoded code is no typing: the next Ctrl+Z takes the decode back.
    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    const QString ghia = edit->text();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("####################"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(w->Config().Trim(), start);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), ghia);
}

QTEST_MAIN(TestUndoWindow)
#include "TestUndoWindow.moc"
