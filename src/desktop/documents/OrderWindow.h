// The order window "Заказ": the order description with the four boxes that choose its variant,
// prices and indent. The boxes and the window's placement are remembered in section
// "TZakazForm" of the settings file.
#pragma once

#include "desktop/documents/DocumentWindow.h"
#include "engine/documents/OrderDocument.h"

class QCheckBox;
class QCloseEvent;
class QShowEvent;

namespace kalvora {

class OrderWindow : public DocumentWindow {
    Q_OBJECT
  public:
    explicit OrderWindow(OrderDocument& order, QWidget* parent = nullptr);
    ~OrderWindow() override;

    // "Заказ..." of the main window: shows the window in front, with the text of the last
    // refresh; nothing is rebuilt.
    void ShowOrder();
    // Shows the engine's order text and box states (after OnVerbalToggled() and the other box
    // handlers ran). The window registers itself with the document, so this runs by itself
    // after every refresh.
    void ShowOrderText();

    // Writes the remembered state when the window has been shown since it was last written;
    // the program calls it when it ends.
    void WriteSettingsIfShown();

    QCheckBox* VerbalBox() const { return verbalBox_; }
    QCheckBox* CodedBox() const { return codedBox_; }
    QCheckBox* PricesBox() const { return pricesBox_; }
    QCheckBox* IndentBox() const { return indentBox_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ReadSettings();
    void WriteSettings();
    void ShowBoxes();

    OrderDocument& order_;
    QCheckBox* verbalBox_;
    QCheckBox* codedBox_;
    QCheckBox* pricesBox_;
    QCheckBox* indentBox_;
    bool shownSinceWritten_ = false;
};

}  // namespace kalvora
