// The main window played with real mouse clicks: it must show what the engine decides, remember
// wishes when the focus moves, start from the command line and keep its settings.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "KalvoraVersion.h"
#include "ScriptedDialogs.h"
#include "desktop/app/MainWindow.h"
#include "desktop/settings/WindowSettings.h"
#include "engine/code/DiskFileAccess.h"
#include "engine/model/PriceTexts.h"
#include "support/RecordingUi.h"
#include "support/User.h"

using kalvora::Configuration;
using kalvora::DiskFileAccess;
using kalvora::Opt;
using kalvora::app::MainWindow;
using kalvora::testing::RecordingUi;
using kalvora::testing::User;

namespace {

const std::string kResetCode = "####################";

// Which engine call a control of the main window stands for, for the reference session.
void ActOnReference(User& user, const QString& token) {
    Opt option;
    const std::string name = token.toStdString();
    if (kalvora::OptByName(name, &option)) return user.Click(option);
    for (int b = 0; b < kalvora::kBodyCount; ++b) {
        if (kalvora::kBodies[b].name == name) return user.ClickBody(b);
    }
    for (int r = 0; r < kalvora::kRailsCount; ++r) {
        if (kalvora::kRails[r].name == name) return user.ClickRails(r);
    }
    for (int e = 0; e < kalvora::kEngineCount; ++e) {
        if (kalvora::kEngines[e].name == name) return user.ClickEngine(e);
    }
    if (token.startsWith(QLatin1String("Compl_"))) return user.PickTrim(token.mid(6).toInt());
    if (token.startsWith(QLatin1String("colour:"))) return user.PickColour(token.mid(7).toInt());
    if (token == QLatin1String("Edit1")) return user.LeaveOption();
    // Tool buttons and other windows move no focus inside the main window.
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clickingControlsShowsWhatTheEngineDecides_data();
    void clickingControlsShowsWhatTheEngineDecides();
    void leavingACheckBoxRemembersTheWish_data();
    void leavingACheckBoxRemembersTheWish();
    void clickingADisabledCheckBoxDoesNothing();
    void startCodeComesFromTheCommandLine_data();
    void startCodeComesFromTheCommandLine();
    void startMessageIsShownOncePerActivation_data();
    void startMessageIsShownOncePerActivation();
    void typedCodeIsDecodedOnEnterAndDoubleClick_data();
    void typedCodeIsDecodedOnEnterAndDoubleClick();
    void absTickAndPlacementSurviveARestart_data();
    void absTickAndPlacementSurviveARestart();
    void saveAndOpenGoThroughTheFileDialogs_data();
    void saveAndOpenGoThroughTheFileDialogs();
    void captionsFitAndDoNotOverlap();
    void priceLabelsAndInfoButtonsAskForTheirWindows();
    void totalPriceHoverShowsWhereThePriceComesFrom();

  private:
    std::unique_ptr<MainWindow> Open(const std::vector<std::string>& args, bool activate = true,
                                     bool realBoxes = false);
    void Act(MainWindow& w, const QString& token);
    bool DecoderAvailable();

    std::unique_ptr<QTemporaryDir> dir_;
    QString settings_;
    kalvora::testing::ScriptedDialogs dialogs_;
    std::unique_ptr<QWidget> otherWindow_;
};

void TestMainWindow::initTestCase() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    qputenv("XDG_CONFIG_HOME", dir_->path().toLocal8Bit());
    // No picture files in the working directory.
    QVERIFY(QDir::setCurrent(dir_->path()));
    settings_ = dir_->filePath(QStringLiteral("kalvora.INI"));
}

void TestMainWindow::init() {
    QFile::remove(settings_);
    dialogs_ = {};
    dialogs_.saveAnswer = kalvora::app::SaveAnswer::Discard;
}

void TestMainWindow::cleanup() {
    otherWindow_.reset();
}

std::unique_ptr<MainWindow> TestMainWindow::Open(const std::vector<std::string>& args,
                                                 bool activate, bool realBoxes) {
    auto w = std::make_unique<MainWindow>();
    w->SetSettingsPath(settings_);
    w->SetStartArguments(args);
    w->Ui().SetDialogs(&dialogs_);
    if (realBoxes) {
        // A real modal box takes the activation from the main window; it closes by itself.
        dialogs_.onMessage = [owner = w.get()](const QString& text) {
            QMessageBox box(QMessageBox::Information, QStringLiteral("Kalvora"), text,
                            QMessageBox::Ok, owner);
            QTimer::singleShot(50, &box, &QDialog::accept);
            box.exec();
        };
    }
    w->show();
    if (activate) {
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get())) return nullptr;
    }
    return w;
}

// One user action on the window: a mouse click on the named control, a colour picked from the
// list, or "other" for another window becoming active and the main window coming back.
void TestMainWindow::Act(MainWindow& w, const QString& token) {
    if (token == QLatin1String("other")) {
        if (!otherWindow_) otherWindow_ = std::make_unique<QWidget>();
        otherWindow_->show();
        otherWindow_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(otherWindow_.get()));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        return;
    }
    if (token.startsWith(QLatin1String("colour:"))) {
        auto* combo = w.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        QVERIFY(combo);
        QTest::mouseClick(combo, Qt::LeftButton);
        QApplication::processEvents();
        // Picking the item from the open list: the list closes and reports the choice.
        combo->hidePopup();
        const int index = token.mid(7).toInt();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return;
    }
    auto* widget = w.findChild<QWidget*>(token);
    QVERIFY2(widget, qPrintable(token));
    // Radio buttons are clicked on their round indicator.
    const QPoint at = qobject_cast<QRadioButton*>(widget) ? QPoint(7, widget->height() / 2)
                                                          : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

bool TestMainWindow::DecoderAvailable() {
    RecordingUi ui;
    Configuration probe(ui);
    probe.SetCodeFieldText(kResetCode);
    probe.DecodeCodeField();
    return probe.Trim() != kalvora::Ghia;
}

// --- Clicks ----------------------------------------------------------------------------------

void TestMainWindow::clickingControlsShowsWhatTheEngineDecides_data() {
    QTest::addColumn<QStringList>("clicks");
    const auto row = [](const char* name, const char* clicks) {
        QTest::newRow(name) << QString::fromLatin1(clicks).split(QLatin1Char(' '));
    };
    row("tick xenon", "KsenonBox");
    row("tick and untick xenon", "KsenonBox KsenonBox");
    row("comfort package", "KomfBox");
    row("comfort package then trim", "KomfBox Compl_1");
    row("five-door body", "Kuzov5dr");
    row("wagon with aluminium rails", "KuzovWag Univers2");
    row("engine choice", "Compl_3 Dvig16MT100");
    row("every trim in turn", "Compl_0 Compl_1 Compl_2 Compl_3");
    row("metallic colour", "colour:3");
    row("plain colour then metallic mark", "colour:1 MetallBox");
    row("svo metallic", "colour:11");
    row("abs off", "ABSBox");
    row("winter package and heated seats", "ZimBox PodSidBox");
    row("radio pack, then another", "R2Box R6Box Compl_2");
    row("equip", "SpeedButton26");
}

void TestMainWindow::clickingControlsShowsWhatTheEngineDecides() {
    QFETCH(QStringList, clicks);
    auto w = Open({});
    QVERIFY(w);

    RecordingUi refUi;
    Configuration ref(refUi);
    DiskFileAccess files;
    ref.RunStartCode({}, files);
    User user(ref);

    for (const QString& token : clicks) {
        Act(*w, token);
        if (token == QLatin1String("SpeedButton26")) {
            ref.EquipAll();
        } else {
            ActOnReference(user, token);
        }
    }

    const Configuration& got = w->Config();
    QCOMPARE(PriceLabelText(got.Figures()), PriceLabelText(ref.Figures()));
    QCOMPARE(got.CodeFieldText(), ref.CodeFieldText());
    QCOMPARE(got.Trim(), ref.Trim());
    QCOMPARE(got.Body(), ref.Body());
    QCOMPARE(got.Engine(), ref.Engine());
    QCOMPARE(got.Colour(), ref.Colour());
    for (const kalvora::OptionDef& def : kalvora::kOptionTable) {
        QVERIFY2(got.Checked(def.id) == ref.Checked(def.id), def.name.data());
        QVERIFY2(got.Wish(def.id) == ref.Wish(def.id), def.name.data());
        // The widgets show the engine's state.
        auto* box = w->findChild<QCheckBox*>(QString::fromUtf8(def.name.data()));
        QVERIFY(box);
        QVERIFY2(box->isChecked() == got.Checked(def.id), def.name.data());
        QVERIFY2(box->isEnabled() == got.Enabled(def.id), def.name.data());
        auto* price = w->findChild<QLabel*>(QString::fromUtf8(def.priceLabel.data()));
        QVERIFY(price);
        QCOMPARE(price->text().toStdString(), std::to_string(got.Price(def.id)));
    }
    QCOMPARE(w->findChild<QLabel*>(QStringLiteral("PriceLabel"))->text().toStdString(),
             PriceLabelText(got.Figures()));
    QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text().toStdString(),
             got.CodeFieldText());
    QCOMPARE(w->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentIndex(), got.Colour());
    for (int b = 0; b < kalvora::kBodyCount; ++b) {
        auto* radio =
            w->findChild<QRadioButton*>(QString::fromUtf8(kalvora::kBodies[b].name.data()));
        QCOMPARE(radio->isChecked(), got.Body() == b);
    }
    QVERIFY(dialogs_.messages.isEmpty());
}

// --- Focus -----------------------------------------------------------------------------------

void TestMainWindow::leavingACheckBoxRemembersTheWish_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("checked");
    const auto row = [](const char* name, const char* clicks, const char* option, int tag,
                        bool checked) {
        QTest::newRow(name) << QString::fromLatin1(clicks).split(QLatin1Char(' '))
                            << QString::fromLatin1(option) << tag << checked;
    };
    // Ticked with the mouse, the wish is stored only when the focus leaves the box.
    row("still on the box", "Compl_3 KsenonBox", "KsenonBox", 0, true);
    row("another box takes the focus", "Compl_3 KsenonBox ParkBox", "KsenonBox", 1, true);
    // A disabled box takes no focus.
    row("a disabled box leaves the focus", "Compl_2 Compl_3 KsenonBox ptf", "KsenonBox", 0, true);
    row("the code field takes the focus", "Compl_3 KsenonBox Edit1", "KsenonBox", 1, true);
    // The trim group takes the focus first, so the trim rules see the stored wish.
    row("trim change keeps the tick", "Compl_3 KsenonBox Compl_2", "KsenonBox", 1, true);
    row("body change keeps the tick", "Compl_3 KsenonBox Kuzov5dr", "KsenonBox", 1, true);
    row("engine change keeps the tick", "Compl_3 KsenonBox Dvig20MT145", "KsenonBox", 1, true);
    row("colour change keeps the tick", "Compl_3 KsenonBox colour:2", "KsenonBox", 1, true);
    // Tool buttons take no focus.
    row("a tool button leaves the focus", "Compl_3 KsenonBox SpeedButton9", "KsenonBox", 0, true);
    // Another window becoming active is not leaving the box.
    row("another window", "Compl_3 KsenonBox other", "KsenonBox", 0, true);
    row("unticked and left", "Compl_3 KsenonBox Edit1 KsenonBox Edit1", "KsenonBox", 0, false);
}

void TestMainWindow::leavingACheckBoxRemembersTheWish() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, option);
    QFETCH(int, tag);
    QFETCH(bool, checked);
    auto w = Open({});
    QVERIFY(w);
    Opt opt;
    QVERIFY(kalvora::OptByName(option.toStdString(), &opt));
    for (const QString& token : clicks) Act(*w, token);
    QVERIFY(w->Config().Enabled(opt));
    QCOMPARE(w->Config().Wish(opt), tag);
    QCOMPARE(w->Config().Checked(opt), checked);
}

void TestMainWindow::clickingADisabledCheckBoxDoesNothing() {
    auto w = Open({});
    QVERIFY(w);
    for (const kalvora::OptionDef& def : kalvora::kOptionTable) {
        if (def.hidden || w->Config().Enabled(def.id)) continue;
        const bool before = w->Config().Checked(def.id);
        const std::string price = PriceLabelText(w->Config().Figures());
        Act(*w, QString::fromUtf8(def.name.data()));
        QVERIFY2(w->Config().Checked(def.id) == before, def.name.data());
        QCOMPARE(PriceLabelText(w->Config().Figures()), price);
    }
}

// --- Start code ------------------------------------------------------------------------------

void TestMainWindow::startCodeComesFromTheCommandLine_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("no argument: reset code") << "none";
    QTest::newRow("a code") << "code";
    QTest::newRow("a .klv file") << "file";
    QTest::newRow("two arguments: reset code") << "two";
}

void TestMainWindow::startCodeComesFromTheCommandLine() {
    QFETCH(QString, kind);
    if (!DecoderAvailable()) QSKIP("the code decoder is not built yet");

    // A configuration made by clicking, and its code.
    RecordingUi refUi;
    Configuration ref(refUi);
    DiskFileAccess files;
    ref.RunStartCode({}, files);
    const std::string resetCode = ref.CodeFieldText();
    User user(ref);
    user.PickTrim(kalvora::Ghia);
    user.ClickBody(kalvora::Wagon);
    user.PickColour(5);
    user.Click(Opt::XenonHeadlamps);
    user.LeaveOption();
    const std::string code = ref.CodeFieldText();
    QVERIFY(ref.Checked(Opt::XenonHeadlamps));
    QCOMPARE(code.size(), std::size_t(20));
    QVERIFY(code != resetCode);

    std::vector<std::string> args;
    std::string expected = resetCode;
    if (kind == QLatin1String("code")) {
        args = {code};
        expected = code;
    } else if (kind == QLatin1String("file")) {
        const QString path = dir_->filePath(QStringLiteral("saved.klv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(code) + "\r\nignored second line\r\n");
        file.close();
        args = {QFile::encodeName(path).toStdString()};
        expected = code;
    } else if (kind == QLatin1String("two")) {
        args = {code, code};
    }

    auto w = Open(args);
    QVERIFY(w);
    QCOMPARE(w->Config().CodeFieldText(), expected);
    QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text().toStdString(), expected);
    QVERIFY(!w->Config().StartupPending());
    if (expected == code) {
        QCOMPARE(w->Config().Trim(), int(kalvora::Ghia));
        QCOMPARE(w->Config().Body(), int(kalvora::Wagon));
        QCOMPARE(w->Config().Colour(), 5);
        QVERIFY(w->Config().Checked(Opt::XenonHeadlamps));
        QCOMPARE(PriceLabelText(w->Config().Figures()), PriceLabelText(ref.Figures()));
    }
    // Coming back to the window does not run the start code again.
    Act(*w, QStringLiteral("Compl_3"));
    const std::string after = w->Config().CodeFieldText();
    Act(*w, QStringLiteral("other"));
    QCOMPARE(w->Config().CodeFieldText(), after);
    QVERIFY(dialogs_.messages.isEmpty());
}

void TestMainWindow::startMessageIsShownOncePerActivation_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("message");
    // The message names the file and the reason in Russian.
    QTest::newRow("unreadable file")
        << "/proc/self/mem"
        << "Не удалось открыть файл «/proc/self/mem»: ошибка ввода-вывода";
    QTest::newRow("missing file")
        << "no-such-folder/missing.klv"
        << "Не удалось открыть файл «no-such-folder/missing.klv»: нет такого файла или каталога";
    QTest::newRow("wrong code") << "not a code"
                                << "Недопустимая комбинация кода";
}

// An argument the program cannot start with: the window shows the reset configuration, settled,
// before and while the message is up, never the form's unfinished texts or the note about
// missing picture files; the message comes once, and the start code does not run again.
void TestMainWindow::startMessageIsShownOncePerActivation() {
    QFETCH(QString, argument);
    QFETCH(QString, message);
    if (!DecoderAvailable()) QSKIP("the code decoder is not built yet");
    RecordingUi refUi;
    Configuration ref(refUi);
    DiskFileAccess files;
    ref.RunStartCode({}, files);
    const QStringList settled = {QString::fromStdString(BasePriceText(ref.Figures())),
                                 QString::fromStdString(PriceLabelText(ref.Figures())),
                                 QString::fromStdString(ref.CodeFieldText()),
                                 QStringLiteral("drawn")};

    auto w = Open({argument.toStdString()}, false, true);
    QVERIFY(w);
    const auto onScreen = [&w]() {
        return QStringList{w->findChild<QLabel*>(QStringLiteral("BazaLabel"))->text(),
                           w->findChild<QLabel*>(QStringLiteral("PriceLabel"))->text(),
                           w->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(),
                           w->findChild<QLabel*>(QStringLiteral("NeN"))->isVisible()
                               ? QStringLiteral("placeholder")
                               : QStringLiteral("drawn")};
    };
    const QStringList before = onScreen();
    for (const QString& text : before) {
        QVERIFY2(text != QLatin1String("BazaLabel") && !text.contains(QLatin1String("12345")) &&
                     !text.contains(QLatin1String("XXXXX")) && text != QLatin1String("placeholder"),
                 qPrintable(text));
    }
    QStringList whileAsked;
    const auto box = dialogs_.onMessage;
    dialogs_.onMessage = [&](const QString& text) {
        whileAsked = onScreen();
        box(text);
    };
    w->activateWindow();
    QTRY_COMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(dialogs_.messages.first(), message);
    QCOMPARE(whileAsked, settled);
    // The message box has closed; the window becomes active again, as a window manager would
    // make it. Coming back from its own message box does not run the start code again.
    QTest::qWait(100);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::qWait(100);
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(!w->Config().StartupPending());
    QCOMPARE(onScreen(), settled);
    QCOMPARE(w->windowTitle(),
             QStringLiteral("Kalvora  (V %1 от 08.02.2007)").arg(QStringLiteral(KALVORA_VERSION)));
    // The user works in another window and comes back.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    w->activateWindow();
    QTest::qWait(300);
    QCOMPARE(dialogs_.messages.size(), 1);
}

void TestMainWindow::typedCodeIsDecodedOnEnterAndDoubleClick_data() {
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("valid");
    QTest::newRow("enter, valid code") << true << true;
    QTest::newRow("double-click, valid code") << false << true;
    QTest::newRow("enter, wrong code") << true << false;
}

void TestMainWindow::typedCodeIsDecodedOnEnterAndDoubleClick() {
    QFETCH(bool, enter);
    QFETCH(bool, valid);
    if (!DecoderAvailable()) QSKIP("the code decoder is not built yet");
    auto w = Open({});
    QVERIFY(w);
    const std::string resetCode = w->Config().CodeFieldText();

    RecordingUi refUi;
    Configuration ref(refUi);
    DiskFileAccess files;
    ref.RunStartCode({}, files);
    User user(ref);
    user.PickTrim(kalvora::Trend);
    user.ClickBody(kalvora::Hatchback5Door);
    const std::string code = valid ? ref.CodeFieldText() : std::string("not a code");

    auto* edit = w->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromStdString(code));
    if (enter) {
        QTest::keyClick(edit, Qt::Key_Return);
    } else {
        QTest::mouseDClick(edit, Qt::LeftButton);
    }
    if (valid) {
        QCOMPARE(w->Config().CodeFieldText(), code);
        QCOMPARE(w->Config().Trim(), int(kalvora::Trend));
        QVERIFY(dialogs_.messages.isEmpty());
        QVERIFY(edit->hasFocus());
    } else {
        QCOMPARE(w->Config().Trim(), int(kalvora::Ambiente));
        QCOMPARE(dialogs_.messages.size(), 1);
    }
    QCOMPARE(edit->text().toStdString(), w->Config().CodeFieldText());
}

// --- Remembered settings ---------------------------------------------------------------------

void TestMainWindow::absTickAndPlacementSurviveARestart_data() {
    QTest::addColumn<QString>("stored");  // "True", "False", or a damaged file's content
    QTest::addColumn<bool>("absAfterRestart");
    QTest::newRow("ticked") << "True" << true;
    QTest::newRow("unticked") << "False" << false;
    QTest::newRow("missing file") << "" << true;
    QTest::newRow("damaged file") << "\x01[TForm1\nABSBox_Checked==\xff\n[[" << true;
    QTest::newRow("unreadable value") << "[TForm1]\nABSBox_Checked=Maybe\n" << true;
}

void TestMainWindow::absTickAndPlacementSurviveARestart() {
    QFETCH(QString, stored);
    QFETCH(bool, absAfterRestart);
    const bool writeByRun = stored == QLatin1String("True") || stored == QLatin1String("False");
    QRect placement;
    if (writeByRun) {
        auto first = Open({});
        QVERIFY(first);
        first->Config().SetChecked(Opt::AntiLockBrakes, stored == QLatin1String("True"));
        first->Sync();
        first->move(40, 30);
        placement = first->geometry();
        QVERIFY(first->close());
        QSettings ini(settings_, QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("TForm1/ABSBox_Checked")).toString(), stored);
        QCOMPARE(ini.value(QStringLiteral("TForm1/FormVersion")).toInt(), 0);
    } else if (!stored.isEmpty()) {
        QFile file(settings_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(stored.toLatin1());
    }

    // The tick is restored when the window is first shown, before the start code runs.
    auto second = Open({}, false);
    QVERIFY(second);
    QCOMPARE(second->Config().Checked(Opt::AntiLockBrakes), absAfterRestart);
    QCOMPARE(second->findChild<QCheckBox*>(QStringLiteral("ABSBox"))->isChecked(), absAfterRestart);
    // The place is restored as far as the screen allows.
    const QRect available = second->screen()->availableGeometry();
    if (writeByRun)
        QCOMPARE(second->geometry(), kalvora::FitToScreen(placement, available, {320, 200}));
}

// --- Files ---------------------------------------------------------------------------------

void TestMainWindow::saveAndOpenGoThroughTheFileDialogs_data() {
    QTest::addColumn<bool>("existing");   // a file of that name is there before saving
    QTest::addColumn<bool>("overwrite");  // the answer to the overwrite question
    QTest::addColumn<bool>("saved");
    QTest::newRow("new file") << false << true << true;
    QTest::newRow("overwrite, yes") << true << true << true;
    QTest::newRow("overwrite, no") << true << false << false;
}

void TestMainWindow::saveAndOpenGoThroughTheFileDialogs() {
    QFETCH(bool, existing);
    QFETCH(bool, overwrite);
    QFETCH(bool, saved);
    auto w = Open({});
    QVERIFY(w);
    const QString path = dir_->filePath(QStringLiteral("car.klv"));
    QFile::remove(path);
    if (existing) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old\r\n");
    }
    dialogs_.questions.clear();
    dialogs_.questionAnswer = overwrite;
    dialogs_.fileToSave = path;
    dialogs_.fileToOpen = path;

    Act(*w, QStringLiteral("Compl_2"));
    Act(*w, QStringLiteral("Kuzov5dr"));
    const std::string code = w->Config().CodeFieldText();
    Act(*w, QStringLiteral("SpeedButton1"));
    QCOMPARE(dialogs_.questions.size(), existing ? 1 : 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved ? QByteArray::fromStdString(code) + "\r\n" : "old\r\n");
    QCOMPARE(dialogs_.messages.size(), saved ? 1 : 0);

    // Another configuration, then the file opened again.
    Act(*w, QStringLiteral("Compl_0"));
    Act(*w, QStringLiteral("SpeedButton2"));
    if (saved) {
        QCOMPARE(w->Config().CodeFieldText(), code);
        QCOMPARE(w->Config().Trim(), int(kalvora::Trend));
        QVERIFY(w->findChild<QLineEdit*>(QStringLiteral("Edit1"))->hasFocus());
    } else {
        // "old" is not a code: the decoder says so and nothing changes.
        QCOMPARE(w->Config().Trim(), int(kalvora::Ambiente));
        QCOMPARE(dialogs_.messages.size(), 1);
    }

    // A cancelled dialog does nothing.
    dialogs_.fileToOpen.clear();
    const std::string before = w->Config().CodeFieldText();
    Act(*w, QStringLiteral("SpeedButton2"));
    QCOMPARE(w->Config().CodeFieldText(), before);
}

// --- Layout ----------------------------------------------------------------------------------

void TestMainWindow::captionsFitAndDoNotOverlap() {
    auto w = Open({});
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Kalvora  (V 1.12 от 08.02.2007)"));
    // As laid out (the test's screen may be smaller: the window then opens fitted into it).
    w->resize(1023, 708);
    QTRY_COMPARE(w->size(), QSize(1023, 708));
    // KALVORA_SCREENSHOT=path keeps a picture of the window as the test sees it.
    const QString shot = qEnvironmentVariable("KALVORA_SCREENSHOT");
    if (!shot.isEmpty()) QVERIFY(w->grab().save(shot));
    for (QLabel* label : w->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(w.get()) || label->text().isEmpty()) continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->width(), qPrintable(label->objectName()));
    }
    for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(w.get()) || button->text().isEmpty()) continue;
        const int needed = button->sizeHint().width();
        QVERIFY2(needed <= button->width() + 2, qPrintable(button->objectName()));
    }
    // Every caption label of an option row is clear of every other control of the panel.
    QWidget* panel = w->findChild<QWidget*>(QStringLiteral("Panel2"));
    QList<QWidget*> controls;
    for (QObject* child : panel->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        // Frames and background pictures lie behind the rows.
        if (!widget || !widget->isVisibleTo(w.get()) ||
            widget->testAttribute(Qt::WA_TransparentForMouseEvents)) {
            continue;
        }
        controls.append(widget);
    }
    for (const kalvora::OptionDef& def : kalvora::kOptionTable) {
        if (def.hidden) continue;
        auto* caption = w->findChild<QLabel*>(QString::fromStdString(CaptionLabelName(def.id)));
        QVERIFY(caption);
        const QRect text(caption->pos(),
                         QSize(caption->fontMetrics().horizontalAdvance(caption->text()),
                               caption->fontMetrics().height()));
        for (QWidget* other : controls) {
            if (other == caption) continue;
            QVERIFY2(!text.intersects(other->geometry()),
                     qPrintable(caption->objectName() + " / " + other->objectName()));
        }
        // A caption lies inside a frame or clear of it.
        for (QFrame* frame : panel->findChildren<QFrame*>(QRegularExpression("^Bevel"))) {
            const QRect inner = frame->geometry().adjusted(1, 1, -1, -1);
            QVERIFY2(inner.contains(text) || !frame->geometry().intersects(text),
                     qPrintable(caption->objectName() + " / " + frame->objectName()));
        }
    }
}

void TestMainWindow::priceLabelsAndInfoButtonsAskForTheirWindows() {
    auto w = Open({});
    QVERIFY(w);
    MainWindow* const main = w.get();
    QList<QPair<int, bool>> calls;
    QObject::connect(main, &MainWindow::optionInfoRequested, main, [&](Opt o, bool fromButton) {
        calls.append({int(o), fromButton});
    });
    std::int32_t creditPrice = -1;
    QObject::connect(main, &MainWindow::creditRequested, main,
                     [&](std::int32_t price) { creditPrice = price; });

    const std::string before = w->Config().CodeFieldText();
    QTest::mouseClick(w->findChild<QLabel*>(QStringLiteral("KsenonLabel")), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QWidget*>(QStringLiteral("SpeedButton11")), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QWidget*>(QStringLiteral("SpeedButton23")), Qt::LeftButton);
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0], qMakePair(int(Opt::XenonHeadlamps), false));
    QCOMPARE(calls[1], qMakePair(int(Opt::XenonHeadlamps), true));
    QCOMPARE(creditPrice, *w->Config().Total());
    // Explanations change nothing.
    QCOMPARE(w->Config().CodeFieldText(), before);

    int comparisons = 0;
    QObject::connect(main, &MainWindow::comparisonRequested, main, [&]() { ++comparisons; });
    QTest::mouseClick(w->findChild<QWidget*>(QStringLiteral("CompareButton")), Qt::LeftButton);
    QCOMPARE(comparisons, 1);
}

void TestMainWindow::totalPriceHoverShowsWhereThePriceComesFrom() {
    auto w = Open({});
    QVERIFY(w);
    auto* price = w->findChild<QLabel*>(QStringLiteral("PriceLabel"));
    const auto tip = [&]() { return price->toolTip(); };
    QVERIFY(tip().contains(QStringLiteral("Базовая цена (Ambiente)")));
    QVERIFY(tip().contains(QStringLiteral("= $%1</p>").arg(*w->Config().Total())));
    QTest::mouseClick(w->findChild<QRadioButton*>(QStringLiteral("Compl_3")), Qt::LeftButton);
    QVERIFY(tip().contains(QStringLiteral("Базовая цена (Ghia)")));
    QVERIFY(tip().contains(QStringLiteral("= $%1</p>").arg(*w->Config().Total())));
    // KALVORA_BREAKDOWN_SCREENSHOT=path keeps a picture of the hover text.
    const QString shot = qEnvironmentVariable("KALVORA_BREAKDOWN_SCREENSHOT");
    // A Ghia wagon with aluminium rails, metallic paint and five paid options.
    w->OpenVariant("R.epX3s*nYXXXXXXXXXX");
    QVERIFY(tip().contains(QStringLiteral("Платные опции (5)")));
    QVERIFY(tip().contains(QStringLiteral("= $21200")));
    if (!shot.isEmpty()) {
        QLabel shown(tip());
        shown.setStyleSheet(QStringLiteral("background: #ffffe1; padding: 4px"));
        shown.adjustSize();
        QVERIFY(shown.grab().save(shot));
    }
    // A configuration without a price has no breakdown.
    w->Config().SetBaseAmount(std::nullopt);
    w->Config().MarkFiguresDue();
    w->Sync();
    QCOMPARE(price->text(), QStringLiteral("XXXXX"));
    QCOMPARE(tip(), QString());
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
