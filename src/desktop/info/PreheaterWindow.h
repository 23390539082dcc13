// The programmable pre-start heater explained in a read-only rich text; Esc closes the window.
#pragma once

#include <QDialog>

class QTextEdit;

namespace kalvora {

class PreheaterWindow : public QDialog {
    Q_OBJECT

  public:
    explicit PreheaterWindow(QWidget* parent = nullptr);

    QTextEdit* Text() const { return text_; }

  private:
    QTextEdit* text_;
};

}  // namespace kalvora
