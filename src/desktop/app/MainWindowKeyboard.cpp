// The keyboard across the window's parts: the tab order, the shortcuts, F1's explanations and
// Enter on a focused button.
#include "desktop/app/MainWindow.h"

#include <QKeyEvent>
#include <QLayout>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>
#include <tuple>

#include "desktop/app/CommandStrip.h"
#include "desktop/app/MainChoices.h"
#include "desktop/app/OptionPanel.h"

namespace kalvora::app {

void MainWindow::ArrangeTabOrder() {
    // The top strip and the main choices left to right as they stand (a button added to the
    // strip finds its place by itself), each group's buttons column by column; then the option
    // rows in the panel's order, each information button before its check box.
    std::vector<QWidget*> chain;
    for (QWidget* panel : std::initializer_list<QWidget*>{strip_, choices_}) {
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
    options_->AppendTabStops(chain);
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

void MainWindow::ShowFocusedExplanation() {
    const QWidget* focused = focusWidget();
    if (!focused) return;
    if (!options_->ExplainFocusedOption(focused)) choices_->CompareFocusedGroup(focused);
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

}  // namespace kalvora::app
