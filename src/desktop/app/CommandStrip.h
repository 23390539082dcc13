// The strip at the top of the main window: the configuration code, the commands, undo and redo,
// and the price. It stays in view while the panels below it scroll.
#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QMenu;
class QKeyEvent;
class QToolButton;

namespace kalvora {
class ActionHistory;
class Configuration;
class Session;
}  // namespace kalvora

namespace kalvora::app {

class FlowLayout;

class CommandStrip : public QFrame {
    Q_OBJECT

  public:
    // Typing into the code field, undo, redo and the hidden price button go to `session`.
    CommandStrip(Session& session, QWidget* parent);

    // The code and the price of `config`; the price only once the start code has run.
    void ShowConfiguration(const Configuration& config);
    // Undo and redo as `history` allows, each with the step it would take as its tooltip.
    void ShowSteps(const ActionHistory& history);

    QLineEdit* CodeField() const { return codeField_; }
    // The recent files, on the arrow of "Открыть...".
    QMenu* RecentMenu() const { return recentMenu_; }
    // What the code field holds has been decoded: Ctrl+Z there now steps back the configuration.
    void ForgetTyping() { codeTyped_ = false; }

  signals:
    // The command buttons, left to right.
    void orderClicked();      // "Заказ..."
    void openClicked();       // "Открыть..."
    void saveClicked();       // "Сохранить..."
    void checkListClicked();  // "Check List..."
    void resetClicked();      // "Сбросить всё"
    void equipClicked();      // "Оснастить"
    void creditClicked();     // "Кредит..."
    // Enter or a double click in the code field: decode what it holds.
    void codeEntered();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    // Each part is added to the strip's flow. The buttons' steps return the x where the next
    // part begins at the laid-out width, which leaves the price its room and so its font.
    void BuildCodeField(FlowLayout* strip);
    int BuildCommandButtons(FlowLayout* strip);
    int BuildStepButtons(FlowLayout* strip, int x);
    void BuildPriceLabel(FlowLayout* strip, int x);
    // Whether the code field handles an undo or redo key itself.
    bool CodeFieldTakesKey(const QKeyEvent* e) const;

    Session& session_;
    QLineEdit* codeField_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QToolButton* undoButton_ = nullptr;
    QToolButton* redoButton_ = nullptr;
    QLabel* priceLabel_ = nullptr;
    // The code field holds text the user typed since the program last wrote or decoded it.
    bool codeTyped_ = false;
};

}  // namespace kalvora::app
