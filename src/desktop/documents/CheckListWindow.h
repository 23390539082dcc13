// The check list window: the acceptance check list of the current configuration, composed
// when the main window's "Check List..." or the window's own "Обновить" is pressed.
#pragma once

#include "desktop/documents/DocumentWindow.h"
#include "engine/model/Configuration.h"

class QPushButton;

namespace kalvora {

class CheckListWindow : public DocumentWindow {
    Q_OBJECT
  public:
    // Composes from `config`; `ui` gives the clock and shows the message after copying.
    CheckListWindow(const Configuration& config, UiPort& ui, QWidget* parent = nullptr);

    // "Обновить": compose the list afresh, replacing whatever the text area holds.
    void Refresh();
    // "Check List..." of the main window: compose, then show the window in front.
    void ComposeAndShow();

    QPushButton* RefreshButton() const { return refreshButton_; }

  private:
    const Configuration& config_;
    QPushButton* refreshButton_;
};

}  // namespace kalvora
