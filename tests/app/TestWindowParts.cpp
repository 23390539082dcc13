// Each part of the main window works on a session by itself, without the window around it: a
// click is the session's verb, and the part then shows what the session holds.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "desktop/app/ActionNotice.h"
#include "desktop/app/CommandStrip.h"
#include "desktop/app/MainChoices.h"
#include "desktop/app/OptionPanel.h"
#include "engine/session/Session.h"
#include "pricing/FakeFileAccess.h"
#include "support/RecordingUi.h"

using namespace kalvora;
using namespace kalvora::app;

class TestWindowParts : public QObject {
    Q_OBJECT

  private slots:
    void eachPartClicksAVerbAndShowsTheResult();
    void theStripStepsBackAndForthThroughTheSession();
};

namespace {

struct Parts {
    Parts() : strip(session, &host), choices(session, &host), options(session, &host) {
        session.RunStartCode({}, files);
        Show();
    }
    void Show() {
        strip.ShowConfiguration(session.Config());
        choices.ShowConfiguration(session.Config());
        options.ShowConfiguration(session.Config());
        options.ShowReasons(session.History());
        choices.Notice().ShowNotice(session.History());
        strip.ShowSteps(session.History());
    }
    template <typename T>
    T* Find(const char* name) {
        return host.findChild<T*>(QString::fromLatin1(name));
    }
    testing::RecordingUi ui;
    testing::FakeFileAccess files;
    Session session{ui};
    QWidget host;
    CommandStrip strip;
    MainChoices choices;
    OptionPanel options;
};

}  // namespace

void TestWindowParts::eachPartClicksAVerbAndShowsTheResult() {
    struct Case {
        const char* control;  // clicked with the mouse
        std::function<bool(const Configuration&)> done;
        const char* shown;  // a control that shows the result as checked
    };
    const Case cases[] = {
        {"Compl_2", [](const Configuration& c) { return c.Trim() == 2; }, "Compl_2"},
        {"KuzovWag", [](const Configuration& c) { return c.Body() == 3; }, "KuzovWag"},
        {"ZerkBox", [](const Configuration& c) { return c.Checked(Opt::HeatedMirrors); },
         "ZerkBox"},
    };
    for (const Case& c : cases) {
        Parts parts;
        const std::string before = parts.session.Config().CodeFieldText();
        auto* control = parts.Find<QAbstractButton>(c.control);
        QVERIFY2(control, c.control);
        QVERIFY(!c.done(parts.session.Config()));
        control->click();
        QVERIFY2(c.done(parts.session.Config()), c.control);
        QVERIFY(parts.session.History().CanUndo());
        parts.Show();
        QVERIFY(parts.Find<QAbstractButton>(c.shown)->isChecked());
        // The strip shows the new code and the price the session computed.
        QCOMPARE(parts.Find<QLineEdit>("Edit1")->text().toStdString(),
                 parts.session.Config().CodeFieldText());
        QVERIFY(parts.Find<QLineEdit>("Edit1")->text().toStdString() != before);
        QVERIFY(parts.Find<QLabel>("PriceLabel")->text().startsWith(QStringLiteral("Цена: $")));
    }
}

void TestWindowParts::theStripStepsBackAndForthThroughTheSession() {
    Parts parts;
    parts.Find<QAbstractButton>("Compl_2")->click();
    parts.Show();
    auto* undo = parts.Find<QToolButton>("UndoButton");
    auto* redo = parts.Find<QToolButton>("RedoButton");
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    undo->click();
    parts.Show();
    QVERIFY(parts.session.Config().Trim() != 2);
    QVERIFY(!parts.Find<QRadioButton>("Compl_2")->isChecked());
    QVERIFY(redo->isEnabled());
    redo->click();
    parts.Show();
    QCOMPARE(parts.session.Config().Trim(), 2);
    QVERIFY(parts.Find<QRadioButton>("Compl_2")->isChecked());
    // A code typed into the strip's field and entered is decoded by the window, not the strip:
    // the strip only says so.
    QSignalSpy entered(&parts.strip, &CommandStrip::codeEntered);
    QTest::keyClick(parts.Find<QLineEdit>("Edit1"), Qt::Key_Return);
    QCOMPARE(entered.count(), 1);
}

QTEST_MAIN(TestWindowParts)
#include "TestWindowParts.moc"
