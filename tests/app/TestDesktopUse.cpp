// The main window as a keyboard user, a screen reader and someone who keeps files would use it:
// Tab order, shortcuts and mnemonics, accessible names, the unsaved-changes question, the
// recent-files list, and Qt's dialogs in Russian.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "ScriptedDialogs.h"
#include "desktop/app/Dialogs.h"
#include "desktop/app/MainWindow.h"
#include "desktop/app/RecentFiles.h"
#include "desktop/app/WindowUi.h"
#include "desktop/app/Windows.h"
#include "desktop/credit/CreditWindow.h"
#include "desktop/documents/CheckListWindow.h"
#include "desktop/documents/ComparisonWindow.h"
#include "desktop/info/AccessibleComboBox.h"
#include "desktop/info/InfoTexts.h"
#include "desktop/info/OptionInfo.h"
#include "desktop/info/ScreenFit.h"
#include "engine/model/Catalogue.h"
#include "support/AccessibleNames.h"

using kalvora::Opt;
using kalvora::app::MainWindow;
using kalvora::app::SaveAnswer;

class TestDesktopUse : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();

    void tabReachesEveryButtonAndEnterWorksIt();
    void shortcutsAndMnemonicsAct();
    void controlsCarryAccessibleNames();
    void closingAsksOnlyAfterAUserChange_data();
    void closingAsksOnlyAfterAUserChange();
    void recentFilesAreNewestFirstAndDropMissingOnes();
    void recentFilesMenuOpensFromTheKeyboard();
    void aFailedOpenChangesNothing_data();
    void aFailedOpenChangesNothing();
    void openingOverUnsavedChangesAsksFirst_data();
    void openingOverUnsavedChangesAsksFirst();
    void undoBackToTheSavedStateIsNoUnsavedChange();
    void theNoticeCoversNoControl_data();
    void theNoticeCoversNoControl();
    void openRemembersItsFolder();
    void qtDialogsSpeakRussian();
    void priceAndCodeStayInSightInASmallWindow_data();
    void priceAndCodeStayInSightInASmallWindow();
    void longTextsKeepTheirBoxOnTheScreen();
    void screenshots();

  private:
    // The first option the start configuration lets the user tick, and its row's names.
    static QCheckBox* FreeBox(MainWindow& w);
    std::unique_ptr<MainWindow> Open(const std::vector<std::string>& args = {});
    QString Path(const char* name) const { return dir_->filePath(QString::fromUtf8(name)); }
    void WriteFile(const char* name, const QByteArray& content) const {
        QFile file(Path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString settings_;
    kalvora::testing::ScriptedDialogs dialogs_;
};

void TestDesktopUse::initTestCase() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    qputenv("XDG_CONFIG_HOME", dir_->path().toLocal8Bit());
    QVERIFY(QDir::setCurrent(dir_->path()));
    settings_ = dir_->filePath(QStringLiteral("kalvora.INI"));
}

void TestDesktopUse::init() {
    QFile::remove(settings_);
    dialogs_ = {};
}

std::unique_ptr<MainWindow> TestDesktopUse::Open(const std::vector<std::string>& args) {
    auto w = std::make_unique<MainWindow>();
    w->SetSettingsPath(settings_);
    w->SetStartArguments(args);
    w->Ui().SetDialogs(&dialogs_);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) return nullptr;
    return w;
}

QCheckBox* TestDesktopUse::FreeBox(MainWindow& w) {
    for (const kalvora::OptionDef& def : kalvora::kOptionTable) {
        auto* box = w.findChild<QCheckBox*>(QString::fromUtf8(def.name.data()));
        if (!def.hidden && box->isEnabled() &&
            kalvora::HasInfoButton(def.id, kalvora::InfoControl::InfoButton))
            return box;
    }
    return nullptr;
}

void TestDesktopUse::tabReachesEveryButtonAndEnterWorksIt() {
    auto w = Open();
    QVERIFY(w);
    auto* code = w->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    code->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 400; ++i) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        if (visited.contains(focused->objectName())) break;
        visited << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    // The command bar left to right, then the comparison buttons and About.
    const QStringList strip = {QStringLiteral("SpeedButton9"),  QStringLiteral("SpeedButton2"),
                               QStringLiteral("SpeedButton1"),  QStringLiteral("SpeedButton3"),
                               QStringLiteral("SpeedButton8"),  QStringLiteral("SpeedButton26"),
                               QStringLiteral("SpeedButton23"), QStringLiteral("SpeedButton5"),
                               QStringLiteral("SpeedButton6"),  QStringLiteral("SpeedButton7"),
                               QStringLiteral("SpeedButton4")};
    int last = -1;
    for (const QString& name : strip) {
        const int at = visited.indexOf(name);
        QVERIFY2(at > last, qPrintable(name));
        last = at;
    }
    // Every information button, each just before its enabled check box.
    for (const kalvora::OptionDef& def : kalvora::kOptionTable) {
        if (def.hidden) continue;
        using kalvora::InfoControl;
        for (InfoControl c : {InfoControl::InfoButton, InfoControl::WheelPictureButton}) {
            if (!kalvora::HasInfoButton(def.id, c)) continue;
            const QString name = QString::fromUtf8(kalvora::InfoButtonName(def.id, c).data());
            QVERIFY2(visited.contains(name), qPrintable(name));
        }
        const QString box = QString::fromUtf8(def.name.data());
        if (w->findChild<QCheckBox*>(box)->isEnabled())
            QVERIFY2(visited.contains(box), qPrintable(box));
    }
    QVERIFY(visited.contains(QStringLiteral("ComboBox1")));
    QVERIFY(visited.contains(QStringLiteral("CompareButton")));

    // Enter and Space work the focused button; the rule runs as for a click.
    int orders = 0;
    QObject::connect(w.get(), &MainWindow::orderRequested, w.get(), [&]() { ++orders; });
    auto* order = w->findChild<QToolButton*>(QStringLiteral("SpeedButton9"));
    order->setFocus(Qt::TabFocusReason);
    QTest::keyClick(order, Qt::Key_Return);
    QTest::keyClick(order, Qt::Key_Space);
    QCOMPARE(orders, 2);
    auto* equip = w->findChild<QToolButton*>(QStringLiteral("SpeedButton26"));
    equip->setFocus(Qt::TabFocusReason);
    const std::string before = w->Config().CodeFieldText();
    QTest::keyClick(equip, Qt::Key_Enter);
    QVERIFY(w->Config().CodeFieldText() != before);

    // A focused option row is marked as a whole.
    QCheckBox* box = FreeBox(*w);
    box->setFocus(Qt::TabFocusReason);
    auto* row = w->findChild<QWidget*>(QStringLiteral("FocusRow"));
    QVERIFY(row && row->isVisible());
    QVERIFY(row->geometry().contains(box->geometry()));
    QVERIFY(row->geometry().contains(
        w->findChild<QLabel*>(box->objectName() + QLatin1Char('L'))->geometry()));
    code->setFocus(Qt::TabFocusReason);
    QVERIFY(!row->isVisible());
}

void TestDesktopUse::shortcutsAndMnemonicsAct() {
    auto w = Open();
    QVERIFY(w);
    int prints = 0, credits = 0;
    QList<QPair<int, bool>> infos;
    int trimComparisons = 0;
    MainWindow* const main = w.get();
    QObject::connect(main, &MainWindow::orderPrintRequested, main, [&]() { ++prints; });
    QObject::connect(main, &MainWindow::creditRequested, main, [&]() { ++credits; });
    QObject::connect(main, &MainWindow::optionInfoRequested, main, [&](Opt o, bool button) {
        infos.append({int(o), button});
    });
    QObject::connect(main, &MainWindow::trimComparisonRequested, main,
                     [&]() { ++trimComparisons; });

    QTest::keyClick(w.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(w.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(dialogs_.opens, 1);
    QCOMPARE(dialogs_.saves, 1);
    QCOMPARE(prints, 1);

    // F1 explains whatever has the focus.
    QCheckBox* box = FreeBox(*w);
    Opt option{};
    QVERIFY(kalvora::OptByName(box->objectName().toStdString(), &option));
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    w->findChild<QWidget*>(QStringLiteral("SpeedButton38"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(infos,
             (QList<QPair<int, bool>>{{int(option), true}, {int(Opt::AntiLockBrakes), true}}));
    w->findChild<QRadioButton*>(QStringLiteral("Compl_0"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(trimComparisons, 1);

    // Alt and the underlined letter press the button; the caption shows nothing more.
    // "К" of "Кредит...", as a Russian keyboard sends it.
    QTest::sendKeyEvent(QTest::Press, w.get(), Qt::Key(0x041A), QStringLiteral("к"),
                        Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, w.get(), Qt::Key(0x041A), QStringLiteral("к"),
                        Qt::AltModifier);
    QTRY_COMPARE(credits, 1);
    const QStringList captions = {"Заказ...",
                                  "Открыть...",
                                  "Сохранить...",
                                  "Check List...",
                                  "Сбросить всё",
                                  "Оснастить",
                                  "Кредит...",
                                  "About ...",
                                  "Сравнение комплектаций",
                                  "Сравнение типов кузовов",
                                  "Сравнение двигателей",
                                  "Сравнить..."};
    QStringList shown;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        if (b->text().contains(QLatin1Char('&'))) shown << b->text().remove(QLatin1Char('&'));
    }
    for (const QString& caption : captions) QVERIFY2(shown.contains(caption), qPrintable(caption));
}

void TestDesktopUse::controlsCarryAccessibleNames() {
    kalvora::InstallAccessibleComboBoxNames();  // as the program does when it starts
    auto w = Open();
    QVERIFY(w);
    const auto text = [](QWidget* widget, QAccessible::Text t) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
        return a ? a->text(t) : QString();
    };
    for (const kalvora::OptionDef& def : kalvora::kOptionTable) {
        if (def.hidden) continue;
        auto* box = w->findChild<QCheckBox*>(QString::fromUtf8(def.name.data()));
        const QString caption =
            QString::fromUtf8((def.ownCaption.empty() ? def.caption : def.ownCaption).data())
                .simplified();
        QCOMPARE(text(box, QAccessible::Name), caption);
        // The price follows the rules: the description shows the price label as it stands.
        auto* price = w->findChild<QLabel*>(QString::fromUtf8(def.priceLabel.data()));
        QVERIFY2(text(box, QAccessible::Description)
                     .startsWith(QStringLiteral("Цена: $") + price->text()),
                 qPrintable(caption));
        // The price label itself is read with the option it belongs to.
        QCOMPARE(text(price, QAccessible::Name), QStringLiteral("Цена опции «") + caption +
                                                     QStringLiteral("»: ") + price->text() +
                                                     QStringLiteral(" $"));
    }
    // Figures are read with what they are, as the labels show them.
    auto* base = w->findChild<QLabel*>(QStringLiteral("BazaLabel"));
    QCOMPARE(text(base, QAccessible::Name),
             QStringLiteral("Базовая цена: ") + base->text() + QStringLiteral(" $"));
    auto* surcharge = w->findChild<QLabel*>(QStringLiteral("UnLabel"));
    QCOMPARE(text(surcharge, QAccessible::Name),
             QStringLiteral("Доплата за крышу: ") + surcharge->text() + QStringLiteral(" $"));
    // The colour list is "Цвет" with the colour it shows; "???" is said as what it means.
    auto* colours = w->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    colours->setCurrentIndex(3);
    QCOMPARE(text(colours, QAccessible::Name), QStringLiteral("Цвет: ") + colours->currentText());
    colours->setCurrentIndex(0);
    QCOMPARE(text(colours, QAccessible::Name), QStringLiteral("Цвет: не выбран"));
    const QStringList faults = kalvora::testing::AccessibleNameFaults(w.get());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    QCOMPARE(text(w->findChild<QRadioButton*>(QStringLiteral("Kuzov5dr")), QAccessible::Name),
             QStringLiteral("Хэтч 5 дв"));
    QCOMPARE(
        text(w->findChild<QRadioButton*>(QStringLiteral("Kuzov5dr")), QAccessible::Description),
        QStringLiteral("Тип кузова"));
    auto* price = w->findChild<QLabel*>(QStringLiteral("PriceLabel"));
    QCOMPARE(text(price, QAccessible::Name), price->text());
    QVERIFY(price->text().startsWith(QStringLiteral("Цена: $")));
    auto* code = w->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QCOMPARE(text(code, QAccessible::Name), QStringLiteral("Код конфигурации"));
    QVERIFY(!text(code, QAccessible::Description).isEmpty());
    QCOMPARE(text(w->findChild<QWidget*>(QStringLiteral("SpeedButton23")), QAccessible::Name),
             QStringLiteral("Кредит..."));
    QVERIFY(text(w->findChild<QWidget*>(QStringLiteral("SpeedButton11")), QAccessible::Name)
                .contains(QString::fromUtf8(kalvora::Def(Opt::XenonHeadlamps).caption.data())));
}

void TestDesktopUse::closingAsksOnlyAfterAUserChange_data() {
    QTest::addColumn<bool>("change");
    QTest::addColumn<int>("answer");  // SaveAnswer
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::newRow("start code only") << false << int(SaveAnswer::Cancel) << true << false;
    QTest::newRow("change, cancel") << true << int(SaveAnswer::Cancel) << false << false;
    QTest::newRow("change, discard") << true << int(SaveAnswer::Discard) << true << false;
    QTest::newRow("change, save") << true << int(SaveAnswer::Save) << true << true;
}

void TestDesktopUse::closingAsksOnlyAfterAUserChange() {
    QFETCH(bool, change);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    // The start file is the document; its folder is where the save dialog starts.
    const QString start = Path("start.klv");
    {
        QFile file(start);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("####################\r\n");
    }
    const QString target = Path("saved.klv");
    QFile::remove(target);
    auto w = Open({QFile::encodeName(start).toStdString()});
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — start.klv"));
    dialogs_.saveAnswer = SaveAnswer(answer);
    dialogs_.fileToSave = target;
    if (change) {
        QCheckBox* box = FreeBox(*w);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — start.klv*"));
        // Undoing the change by hand is no change.
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — start.klv"));
        QTest::mouseClick(box, Qt::LeftButton);
    }
    const std::string code = w->Config().CodeFieldText();
    QCOMPARE(w->close(), closed);
    QCOMPARE(dialogs_.saveQuestions,
             change ? QStringList{QStringLiteral("Сохранить изменения?")} : QStringList{});
    QCOMPARE(w->isVisible(), !closed);
    QCOMPARE(QFile::exists(target), written);
    if (written) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromStdString(code) + "\r\n");
        QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — saved.klv"));
    }
}

void TestDesktopUse::recentFilesAreNewestFirstAndDropMissingOnes() {
    // At most eight, newest first, each once.
    QStringList list;
    for (int i = 0; i < 10; ++i)
        list = kalvora::app::WithRecentFile(list, Path("f") + QString::number(i % 9));
    QCOMPARE(list.size(), kalvora::app::kRecentFileCount);
    QCOMPARE(list.front(), Path("f0"));
    QCOMPARE(list[1], Path("f8"));
    QCOMPARE(list.count(Path("f0")), 1);

    auto w = Open();
    QVERIFY(w);
    for (const char* name : {"a.klv", "b.klv", "c.klv"}) {
        QFile::remove(Path(name));
        dialogs_.fileToSave = Path(name);
        w->SaveClick();
    }
    dialogs_.fileToOpen = Path("a.klv");
    w->OpenClick();
    // A file that cannot be read does not join the list.
    dialogs_.fileToOpen = Path("nothing-here.klv");
    w->OpenClick();
    QCOMPARE(w->RecentFiles(), (QStringList{Path("a.klv"), Path("c.klv"), Path("b.klv")}));

    // A file that is gone: dropped when the menu opens, with a note in the menu.
    QVERIFY(QFile::remove(Path("c.klv")));
    auto* menu = w->findChild<QMenu*>(QStringLiteral("RecentFiles"));
    QVERIFY(menu);
    emit menu->aboutToShow();
    QStringList items;
    for (QAction* a : menu->actions()) items << a->text();
    QCOMPARE(w->RecentFiles(), (QStringList{Path("a.klv"), Path("b.klv")}));
    QVERIFY(items[0].contains(QStringLiteral("a.klv")));
    QVERIFY(items[1].contains(QStringLiteral("b.klv")));
    QVERIFY(items.last().contains(QStringLiteral("не найден")));
    QVERIFY(items.last().contains(QStringLiteral("c.klv")));

    // Picking a file that went away since: a note, and it leaves the list.
    QVERIFY(QFile::remove(Path("b.klv")));
    dialogs_.messages.clear();
    w->OpenRecentFile(Path("b.klv"));
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(dialogs_.messages[0].contains(Path("b.klv")));
    QCOMPARE(w->RecentFiles(), QStringList{Path("a.klv")});
    // Picking one that is there opens it, once the change on screen may go.
    FreeBox(*w)->click();
    QVERIFY(w->windowTitle().endsWith(QLatin1Char('*')));
    dialogs_.saveAnswer = SaveAnswer::Discard;
    w->OpenRecentFile(Path("a.klv"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — a.klv"));

    // Saving the open file again, declined at the overwrite question or failed (a folder took
    // its place), writes nothing: the list stays as it was.
    WriteFile("b.klv", "####################\r\n");
    const QStringList before{Path("b.klv"), Path("a.klv")};
    for (const bool failed : {false, true}) {
        kalvora::app::WriteRecentFiles(settings_, before);
        dialogs_.questionAnswer = failed;
        if (failed) QVERIFY(QFile::remove(Path("a.klv")) && QDir().mkdir(Path("a.klv")));
        dialogs_.messages.clear();
        dialogs_.fileToSave = Path("a.klv");
        w->SaveClick();
        QCOMPARE(dialogs_.messages.size(), failed ? 1 : 0);
        QCOMPARE(w->RecentFiles(), before);
    }
    QVERIFY(QDir().rmdir(Path("a.klv")));
}

// The recent files hang on the arrow of "Открыть...": Down or Alt+Down on the focused button
// opens them, as the mouse does.
void TestDesktopUse::recentFilesMenuOpensFromTheKeyboard() {
    auto w = Open();
    QVERIFY(w);
    auto* open = w->findChild<QToolButton*>(QStringLiteral("SpeedButton2"));
    for (Qt::KeyboardModifier modifier : {Qt::NoModifier, Qt::AltModifier}) {
        open->setFocus(Qt::TabFocusReason);
        QString shown;
        QTimer::singleShot(100, [&]() {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup) return;
            shown = popup->objectName();
            popup->close();
        });
        QTest::keyClick(open, Qt::Key_Down, modifier);
        QCOMPARE(shown, QStringLiteral("RecentFiles"));
        QCOMPARE(QApplication::focusWidget(), open);
    }
}

// Opening a file that holds no code (through the dialog or the recent files) changes nothing:
// the title with its "*", the code field, the close question and the recent files stay, and
// the message names the file.
void TestDesktopUse::aFailedOpenChangesNothing_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("fromRecentFiles");
    const QByteArray damaged = "AAAAAAAAA#AAAAAAAAAA\r\n";
    const QByteArray binary("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\xFF\xD8", 18);
    QTest::newRow("damaged code, dialog") << damaged << false;
    QTest::newRow("binary, dialog") << binary << false;
    QTest::newRow("empty, dialog") << QByteArray() << false;
    QTest::newRow("damaged code, recent") << damaged << true;
    QTest::newRow("binary, recent") << binary << true;
}

void TestDesktopUse::aFailedOpenChangesNothing() {
    QFETCH(QByteArray, content);
    QFETCH(bool, fromRecentFiles);
    WriteFile("start.klv", "####################\r\n");
    WriteFile("broken.klv", content);
    auto w = Open({QFile::encodeName(Path("start.klv")).toStdString()});
    QVERIFY(w);
    kalvora::app::WriteRecentFiles(settings_, {Path("start.klv"), Path("other.klv")});
    if (fromRecentFiles) {
        // It was a good file when it joined the list.
        kalvora::app::WriteRecentFiles(settings_, {Path("start.klv"), Path("broken.klv")});
    }
    FreeBox(*w)->click();
    auto* field = w->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    const QString title = w->windowTitle();
    const QString code = field->text();
    const QStringList recent = w->RecentFiles();
    QCOMPARE(title, QStringLiteral("Kalvora — start.klv*"));

    dialogs_.saveAnswer = SaveAnswer::Discard;
    dialogs_.fileToOpen = Path("broken.klv");
    if (fromRecentFiles) {
        w->OpenRecentFile(Path("broken.klv"));
    } else {
        w->OpenClick();
    }
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY2(dialogs_.messages[0].startsWith(
                 QStringLiteral("Не удалось открыть файл «%1»: ").arg(Path("broken.klv"))),
             qPrintable(dialogs_.messages[0]));
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(field->text(), code);
    QCOMPARE(w->RecentFiles(), recent);
    // The unsaved car is still asked about.
    dialogs_.saveQuestions.clear();
    dialogs_.saveAnswer = SaveAnswer::Cancel;
    QVERIFY(!w->close());
    QCOMPARE(dialogs_.saveQuestions, QStringList{QStringLiteral("Сохранить изменения?")});
}

// Opening another configuration over unsaved changes asks as closing does: "Отмена" keeps
// everything, "Не сохранять" opens, "Сохранить" saves first and then opens.
void TestDesktopUse::openingOverUnsavedChangesAsksFirst_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");  // SaveAnswer
    for (const char* how : {"dialog", "recent", "variant"}) {
        QTest::addRow("%s, cancel", how) << how << int(SaveAnswer::Cancel);
        QTest::addRow("%s, discard", how) << how << int(SaveAnswer::Discard);
        QTest::addRow("%s, save", how) << how << int(SaveAnswer::Save);
    }
}

void TestDesktopUse::openingOverUnsavedChangesAsksFirst() {
    QFETCH(QString, how);
    QFETCH(int, answer);
    const QByteArray other = "Zt!F!!!t!.!!!!!!!!!!";
    WriteFile("start.klv", "####################\r\n");
    WriteFile("other.klv", other + "\r\n");
    QFile::remove(Path("saved.klv"));
    auto w = Open({QFile::encodeName(Path("start.klv")).toStdString()});
    QVERIFY(w);
    const auto open = [&]() {
        dialogs_.fileToOpen = Path("other.klv");
        if (how == QLatin1String("dialog")) w->OpenClick();
        if (how == QLatin1String("recent")) w->OpenRecentFile(Path("other.klv"));
        if (how == QLatin1String("variant")) w->OpenVariant(other.toStdString());
    };
    // Without a change nothing is asked.
    const std::string start = w->Config().CodeFieldText();
    open();
    QCOMPARE(dialogs_.saveQuestions, QStringList{});
    const std::string opened = w->Config().CodeFieldText();
    QVERIFY(opened != start);
    // Back to the start file, whatever is asked on the way.
    dialogs_.saveAnswer = SaveAnswer::Discard;
    dialogs_.fileToOpen = Path("start.klv");
    w->OpenClick();
    QCOMPARE(w->Config().CodeFieldText(), start);
    dialogs_.saveQuestions.clear();

    FreeBox(*w)->click();
    const std::string changed = w->Config().CodeFieldText();
    dialogs_.saveAnswer = SaveAnswer(answer);
    dialogs_.fileToSave = Path("saved.klv");
    dialogs_.opens = 0;
    open();
    QCOMPARE(dialogs_.saveQuestions, QStringList{QStringLiteral("Сохранить изменения?")});
    if (answer == int(SaveAnswer::Cancel)) {
        QCOMPARE(w->Config().CodeFieldText(), changed);
        QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — start.klv*"));
        QCOMPARE(dialogs_.opens, 0);
        return;
    }
    QCOMPARE(w->Config().CodeFieldText(), opened);
    QCOMPARE(QFile::exists(Path("saved.klv")), answer == int(SaveAnswer::Save));
    if (answer == int(SaveAnswer::Save)) {
        QFile saved(Path("saved.klv"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray::fromStdString(changed) + "\r\n");
    }
}

// Undo back to what the file holds leaves nothing unsaved: the title loses its "*", and closing
// asks nothing.
void TestDesktopUse::undoBackToTheSavedStateIsNoUnsavedChange() {
    WriteFile("start.klv", "####################\r\n");
    auto w = Open({QFile::encodeName(Path("start.klv")).toStdString()});
    QVERIFY(w);
    QCheckBox* box = FreeBox(*w);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — start.klv*"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — start.klv"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — start.klv*"));
    // Saved after the change: undo makes it unsaved, redo saved again.
    dialogs_.fileToSave = Path("saved.klv");
    QFile::remove(Path("saved.klv"));
    w->SaveClick();
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — saved.klv"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — saved.klv*"));
    QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora — saved.klv"));
    QVERIFY(w->close());
    QCOMPARE(dialogs_.saveQuestions, QStringList{});
}

// The notice of the last action lies over no control of the main choices, at any width: the
// comparison and About buttons, the groups and the labels stay visible and clickable.
void TestDesktopUse::theNoticeCoversNoControl_data() {
    QTest::addColumn<int>("width");
    for (int width : {1023, 1400, 1008, 990, 980, 640, 496}) QTest::addRow("%d", width) << width;
}

void TestDesktopUse::theNoticeCoversNoControl() {
    QFETCH(int, width);
    auto w = Open();
    QVERIFY(w);
    w->resize(width, 700);
    QTRY_COMPARE(w->width(), width);
    // Trend after Ambiente: options come and go, and the notice says so.
    QTest::mouseClick(w->findChild<QRadioButton*>(QStringLiteral("Compl_2")), Qt::LeftButton);
    auto* notice = w->findChild<QLabel*>(QStringLiteral("NoticeLabel"));
    QVERIFY(notice->isVisible());
    QWidget* panel = w->findChild<QWidget*>(QStringLiteral("Panel1"));
    for (QWidget* c : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (c == notice || !c->isVisible()) continue;
        auto* label = qobject_cast<QLabel*>(c);
        if (label && label->text().isEmpty() && label->pixmap().isNull()) continue;
        QVERIFY2(
            !notice->geometry().intersects(c->geometry()),
            qPrintable(QStringLiteral("%1 at %2,%3").arg(c->objectName()).arg(c->x()).arg(c->y())));
    }
}

void TestDesktopUse::openRemembersItsFolder() {
    QDir(dir_->path()).mkpath(QStringLiteral("offers"));
    const QString file = Path("offers/x.klv");
    {
        auto w = Open();
        QVERIFY(w);
        QCOMPARE(w->Ui().dialogFolder, QString());
        dialogs_.fileToOpen = file;
        w->OpenClick();  // the file is not there: the folder is remembered all the same
        QCOMPARE(w->Ui().dialogFolder, Path("offers"));
    }
    auto next = Open();
    QVERIFY(next);
    QCOMPARE(next->Ui().dialogFolder, Path("offers"));
}

void TestDesktopUse::qtDialogsSpeakRussian() {
    QVERIFY(kalvora::app::LoadRussianQtTexts());
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kalvora"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));

    auto w = Open();
    QVERIFY(w);
    // The real open dialog, closed as soon as it is up.
    w->Ui().SetDialogs(nullptr);
    QStringList buttons;
    QTimer::singleShot(200, [&]() {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            buttons << b->text().remove('&');
        dialog->reject();
    });
    QCOMPARE(w->Ui().ChooseFileToOpen(), QString());
    QVERIFY2(buttons.contains(QStringLiteral("Открыть")), qPrintable(buttons.join('|')));
    QVERIFY2(buttons.contains(QStringLiteral("Отмена")), qPrintable(buttons.join('|')));
}

void TestDesktopUse::priceAndCodeStayInSightInASmallWindow_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("panelsScrollSideways");
    QTest::newRow("as laid out") << QSize(1023, 708) << false;
    QTest::newRow("larger") << QSize(1200, 800) << false;
    // A 1024×768 screen less the window manager's frame: the panels scroll down only.
    QTest::newRow("1024x768") << QSize(1008, 728) << false;
    // Scale 2 on the same screen.
    QTest::newRow("scale 2") << QSize(496, 344) << true;
    QTest::newRow("640x480") << QSize(624, 440) << true;
}

// Whatever the window's size, the code field, the price and every button of the top strip are
// in sight without scrolling, and none of them covers another.
void TestDesktopUse::priceAndCodeStayInSightInASmallWindow() {
    QFETCH(QSize, size);
    QFETCH(bool, panelsScrollSideways);
    auto w = Open();
    QVERIFY(w);
    w->resize(size);
    QTRY_COMPARE(w->size(), size);
    // The window opened fitted to the test's screen; the scroll bars settle after the resize.
    QTest::qWait(100);
    auto* price = w->findChild<QLabel*>(QStringLiteral("PriceLabel"));
    const QRect window = w->rect();
    const auto shown = [&](const QWidget* c) {
        return QRect(c->mapTo(w.get(), QPoint(0, 0)), c->size());
    };
    const QRect priceText(
        price->mapTo(w.get(), QPoint(0, 0)),
        QSize(price->fontMetrics().horizontalAdvance(price->text()), price->height()));
    QVERIFY2(price->text().startsWith(QStringLiteral("Цена: $")), qPrintable(price->text()));
    QVERIFY(window.contains(priceText));
    std::vector<QRect> taken = {priceText,
                                shown(w->findChild<QLineEdit*>(QStringLiteral("Edit1")))};
    auto* strip = w->findChild<QWidget*>(QStringLiteral("Panel3"));
    for (QToolButton* b : strip->findChildren<QToolButton*>()) {
        const QRect r = shown(b);
        QVERIFY2(window.contains(r), qPrintable(b->objectName()));
        for (const QRect& other : taken)
            QVERIFY2(!r.intersects(other), qPrintable(b->objectName()));
        taken.push_back(r);
    }
    // Undo and redo wrap together.
    const QRect undo = shown(w->findChild<QToolButton*>(QStringLiteral("UndoButton")));
    const QRect redo = shown(w->findChild<QToolButton*>(QStringLiteral("RedoButton")));
    QCOMPARE(redo.y(), undo.y());
    QVERIFY(redo.x() - undo.right() < 8);
    auto* scroll = w->findChild<QScrollArea*>(QStringLiteral("PanelScroll"));
    QCOMPARE(scroll->horizontalScrollBar()->isVisible(), panelsScrollSideways);
    if (size.width() >= 1023) {
        // As laid out: the price where it always was, the panels below the strip.
        QCOMPARE(strip->geometry(), QRect(0, 0, size.width(), 40));
        QCOMPARE(price->x(),
                 w->findChild<QToolButton*>(QStringLiteral("RedoButton"))->geometry().right() + 17);
        QCOMPARE(scroll->verticalScrollBar()->isVisible(), size.height() < 708);
    }
    // Without a sideways scroll bar nothing of the panels lies beyond their right edge: no
    // control, and no label's text (background pictures aside).
    if (!panelsScrollSideways) {
        const int right = scroll->viewport()->width();
        for (QWidget* c : scroll->widget()->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(scroll->widget()) ||
                c->testAttribute(Qt::WA_TransparentForMouseEvents))
                continue;
            auto* label = qobject_cast<QLabel*>(c);
            const int width = label && !label->text().isEmpty() && !label->wordWrap() &&
                                      !(label->alignment() & Qt::AlignRight)
                                  ? label->fontMetrics().horizontalAdvance(label->text())
                                  : c->width();
            if (label && label->text().isEmpty() && label->pixmap().isNull()) continue;
            const int end = c->mapTo(scroll->widget(), QPoint(width, 0)).x();
            QVERIFY2(end <= right, qPrintable(QStringLiteral("%1 %2: %3 > %4")
                                                  .arg(c->objectName(), label ? label->text() : "")
                                                  .arg(end)
                                                  .arg(right)));
        }
    }
}

// An explanation or a question longer than the screen is tall scrolls inside its box: the box,
// its buttons included, stays within the screen.
void TestDesktopUse::longTextsKeepTheirBoxOnTheScreen() {
    QStringList texts;
    for (int i = 0; i < kalvora::kInfoTextCount; ++i) {
        texts << QString::fromStdString(
            std::string(kalvora::ExplanationText(static_cast<kalvora::InfoText>(i))));
    }
    QStringList lines;
    for (int i = 1; i <= 90; ++i) lines << QStringLiteral("Строка %1 длинного пояснения").arg(i);
    texts << lines.join('\n') << lines.join(' ');
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    kalvora::app::QtDialogs dialogs(nullptr);
    for (const QString& text : texts) {
        for (bool question : {false, true}) {
            QRect frame, inner;
            QList<QRect> buttons;
            QTimer::singleShot(0, [&]() {
                QWidget* box = QApplication::activeModalWidget();
                if (!box) return;
                frame = box->frameGeometry();
                inner = box->rect();
                for (QPushButton* b : box->findChildren<QPushButton*>())
                    buttons << QRect(b->mapTo(box, QPoint(0, 0)), b->size());
                box->close();
            });
            if (question) {
                dialogs.Question(text);
            } else {
                dialogs.Message(text);
            }
            QVERIFY(!buttons.isEmpty());
            QVERIFY2(frame.height() <= available.height(), qPrintable(text.left(40)));
            QVERIFY(frame.width() <= available.width());
            for (const QRect& b : buttons) QVERIFY(inner.contains(b));
        }
    }
}

// With KALVORA_SCREENSHOT_DIR set (and a real display, for example under xvfb-run), writes the
// whole screen with the main window, the check list, the comparison window, the credit window,
// the open dialog, the close question and an explanation, as a user sees them at this screen
// size and scale.
void TestDesktopUse::screenshots() {
    const QString target = qEnvironmentVariable("KALVORA_SCREENSHOT_DIR");
    if (target.isEmpty()) QSKIP("KALVORA_SCREENSHOT_DIR not set");
    QVERIFY(kalvora::app::LoadRussianQtTexts());
    const QString suffix = qEnvironmentVariable("KALVORA_SCREENSHOT_SUFFIX");
    const auto shoot = [&](const char* name) {
        QApplication::processEvents();
        QTest::qWait(300);
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        QVERIFY(screen.save(target + QLatin1Char('/') + QLatin1String(name) + suffix +
                            QLatin1String(".png")));
    };
    // Shoots whatever modal window comes up, then closes it.
    const auto shootModal = [&](const char* name) {
        QTimer::singleShot(600, [&, name]() {
            shoot(name);
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
    };

    const std::unique_ptr<kalvora::app::Windows> windows = kalvora::app::CreateWindows();
    MainWindow* main = windows->mainWindow;
    main->SetSettingsPath(settings_);
    main->SetStartArguments({});
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QTRY_VERIFY(!main->Config().StartupPending());
    // Trend: the notice says what came and went.
    QTest::mouseClick(main->findChild<QRadioButton*>(QStringLiteral("Compl_2")), Qt::LeftButton);
    shoot("main-window");

    windows->CheckList()->ComposeAndShow();
    QVERIFY(QTest::qWaitForWindowExposed(windows->CheckList()));
    shoot("check-list");
    windows->CheckList()->hide();

    windows->Comparison()->ShowComparison();
    QVERIFY(QTest::qWaitForWindowExposed(windows->Comparison()));
    shoot("comparison-window");
    windows->Comparison()->close();

    shootModal("credit-window");
    windows->Credit()->ShowForPrice(*main->Config().Total());

    shootModal("explanation");
    main->Ui().ShowMessage(std::string(kalvora::ExplanationText(kalvora::InfoText::BiXenon)));

    shootModal("open-dialog");
    main->Ui().ChooseFileToOpen();

    FreeBox(*main)->click();
    shootModal("close-question");
    main->Ui().AskToSaveChanges();
}

QTEST_MAIN(TestDesktopUse)
#include "TestDesktopUse.moc"
