// A window holding one read-only reference table in a fixed-pitch font, with scroll bars in
// both directions; Esc in the table closes (hides) the window.
#pragma once

#include <QDialog>
#include <QSize>
#include <string_view>

class QPlainTextEdit;

namespace kalvora {

class ReferenceTextForm : public QDialog {
    Q_OBJECT

  public:
    QPlainTextEdit* Table() const { return table_; }

    // A read-only table text on the window colour, in "Courier New" (or the system's
    // fixed-pitch font where it is missing), not wrapped.
    static QPlainTextEdit* CreateTableText(std::string_view text, QWidget* parent);

  protected:
    ReferenceTextForm(QWidget* parent, std::string_view caption, std::string_view text, QSize size);

  private:
    QPlainTextEdit* table_;
};

}  // namespace kalvora
