// Keyboard and focus: the tab order, the shortcuts, the frame around the focused option row, F1's
// explanations, and what the engine hears when the focus moves.
#include "desktop/app/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>
#include <tuple>

namespace kalvora::app {

namespace {

bool IsFocusMoveWithinWindow(const QFocusEvent* e) {
    // Another window becoming active (a message box, the order or credit window) or a pop-up
    // menu does not move the focus inside this window.
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

}  // namespace

void MainWindow::ArrangeTabOrder() {
    // The top strip and the main choices left to right as they stand (a button added to the
    // strip finds its place by itself), each group's buttons column by column; then the option
    // rows in the panel's order, each information button before its check box.
    std::vector<QWidget*> chain;
    for (QWidget* panel : {commandStrip_, choicesPanel_}) {
        // The panel's layout places its controls now, as at its laid-out width, before the
        // window is first shown.
        if (panel->layout()) {
            panel->resize(panel->sizeHint());
            panel->layout()->activate();
        }
        // And the groups' layouts their buttons.
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if (w->layout()) w->layout()->activate();
        }
        std::vector<QWidget*> stops;
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden() && !w->isWindow()) {
                stops.push_back(w);
            }
        }
        const auto key = [panel](QWidget* w) {
            QWidget* top = w;
            while (top->parentWidget() != panel) top = top->parentWidget();
            return std::make_tuple(top->x(), top->y(), w->x(), w->y());
        };
        std::stable_sort(stops.begin(), stops.end(),
                         [&](QWidget* a, QWidget* b) { return key(a) < key(b); });
        chain.insert(chain.end(), stops.begin(), stops.end());
    }
    for (const OptionDef& def : kOptionTable) {
        const OptionRow& row = rows_[Index(def.id)];
        if (def.hidden) continue;
        if (row.info) chain.push_back(row.info);
        chain.push_back(row.box);
        if (row.extra) chain.push_back(row.extra);
        if (def.id == Opt::MetallicPaint) chain.push_back(colours_);
    }
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::AddShortcuts() {
    const auto add = [this](const QKeySequence& keys, auto handler) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_O), [this]() { OpenClick(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_S), [this]() { SaveClick(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_P), [this]() { emit orderPrintRequested(); });
    add(QKeySequence(Qt::Key_F1), [this]() { ShowFocusedExplanation(); });
}

const MainWindow::OptionRow* MainWindow::RowOf(const QWidget* w) const {
    if (!w) return nullptr;
    for (const OptionRow& row : rows_) {
        if (w == row.box || w == row.info || w == row.price || w == row.extra) return &row;
    }
    return nullptr;
}

void MainWindow::ShowFocusedExplanation() {
    const QWidget* focused = focusWidget();
    if (!focused) return;
    if (const OptionRow* row = RowOf(focused)) {
        const auto option = static_cast<Opt>(row - rows_.data());
        if (focused == row->extra) {
            emit wheelPicturesRequested();
        } else {
            emit optionInfoRequested(option, true);
        }
        return;
    }
    const auto in = [focused](const auto& buttons) {
        return std::find(buttons.begin(), buttons.end(), focused) != buttons.end();
    };
    if (in(trims_)) emit trimComparisonRequested();
    if (in(bodies_)) emit bodyComparisonRequested();
    if (in(engines_)) emit engineComparisonRequested();
}

void MainWindow::ShowFocusRow(const QWidget* focused) {
    const OptionRow* row = RowOf(focused);
    if (!row || focused == row->price) {
        if (focusRow_) focusRow_->hide();
        return;
    }
    if (!focusRow_) {
        focusRow_ = new QFrame(optionsPanel_);
        focusRow_->setObjectName(QStringLiteral("FocusRow"));
        focusRow_->setAttribute(Qt::WA_TransparentForMouseEvents);
        const QColor h = palette().color(QPalette::Highlight);
        focusRow_->setStyleSheet(
            QStringLiteral("QFrame#FocusRow { border: 2px solid %1; border-radius: 3px; "
                           "background: rgba(%2, %3, %4, 56); }")
                .arg(h.name())
                .arg(h.red())
                .arg(h.green())
                .arg(h.blue()));
    }
    QRect r = row->price->geometry() | row->box->geometry() | row->caption->geometry();
    if (row->info) r |= row->info->geometry();
    if (row->extra) r |= row->extra->geometry();
    focusRow_->setGeometry(r.adjusted(-3, -3, 3, 3));
    // Above the background picture, under the row's own controls.
    focusRow_->stackUnder(row->price);
    focusRow_->show();
}

bool MainWindow::PressFocusedButton(QObject* watched, const QKeyEvent* e) {
    auto* button = qobject_cast<QToolButton*>(watched);
    const int key = e->key();
    if (button && (key == Qt::Key_Return || key == Qt::Key_Enter) && button->isEnabled()) {
        button->click();
        return true;
    }
    // Down (or Alt+Down) opens a button's menu: the recent files hang on "Открыть...".
    if (button && key == Qt::Key_Down && button->menu() && button->isEnabled()) {
        button->showMenu();
        return true;
    }
    return false;
}

void MainWindow::OptionBoxLosesFocus(QObject* watched, const QFocusEvent* e) {
    for (const OptionDef& def : kOptionTable) {
        if (rows_[Index(def.id)].box != watched) continue;
        FocusModel& focus = session_.Focus();
        const FocusTarget box = FocusTarget::OptionBox(def.id);
        // Unless the session has moved the focus itself (a decode ran the exit rule),
        // the wish is remembered before the control taking the focus acts.
        if (focus.Current() == box && !syncing_ && IsFocusMoveWithinWindow(e)) {
            session_.RememberWish(def.id);
        }
        if (focus.Current() == box) focus.Follow(FocusTarget::Nothing());
        break;
    }
}

void MainWindow::ControlTakesFocus(QObject* watched, const QFocusEvent* e) {
    // The session knows which box has the focus, whatever moved it there.
    for (const OptionDef& def : kOptionTable) {
        if (rows_[Index(def.id)].box == watched)
            session_.Focus().Follow(FocusTarget::OptionBox(def.id));
    }
    if (syncing_ || !IsFocusMoveWithinWindow(e)) return;
    for (int engine = 0; engine < kEngineCount; ++engine) {
        if (engines_[engine] != watched) continue;
        if (e->reason() == Qt::MouseFocusReason) {
            // The click enters the button inside its own undoable step.
            engineEnteredByMouse_ = engine;
        } else {
            session_.EnterEngine(engine);
        }
        break;
    }
}

}  // namespace kalvora::app
