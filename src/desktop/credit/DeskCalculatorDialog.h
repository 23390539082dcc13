// The pop-up desk calculator opened from the credit window's calculator button. Its result is
// only looked at, never written anywhere.
#pragma once

#include <QDialog>

#include "engine/credit/DeskCalculator.h"

class QLineEdit;

namespace kalvora {

class DeskCalculatorDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DeskCalculatorDialog(char decimalSeparator, QWidget* parent = nullptr);

    QString DisplayText() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Press(char key);

    DeskCalculator calculator_;
    char separator_;
    QLineEdit* display_;
};

}  // namespace kalvora
