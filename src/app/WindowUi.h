// The desktop's side of the engine's UiPort: message and question boxes, file dialogs, the clock,
// and letting the window repaint in the middle of a long rule.
#pragma once

#include <QString>
#include <functional>

#include "model/UiPort.h"

class QWidget;

namespace kalvora::app {

class WindowUi : public UiPort {
  public:
    // `owner` is the window the boxes and dialogs belong to.
    explicit WindowUi(QWidget* owner);

    void ShowMessage(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void ProcessPendingEvents() override;
    void RefreshOrder() override;
    // The decoder ends by giving the focus to the code field.
    void FocusCodeField() override;
    std::string DateText() override;
    std::string TimeText() override;

    // The file dialogs of "Открыть..." and "Сохранить..."; an empty name when cancelled.
    QString ChooseFileToOpen();
    QString ChooseFileToSave();

    // How many message and question boxes have been shown.
    int BoxesShown() const { return boxesShown_; }

    // The program's texts use single carriage returns as line breaks.
    static QString BoxText(const std::string& text);

    // What the boxes and dialogs do. They default to the real ones; tests answer instead.
    std::function<void(const QString&)> messageBox;
    std::function<bool(const QString&)> questionBox;
    std::function<QString()> openDialog;
    std::function<QString()> saveDialog;
    // Set by the main window: bring every control up to date with the engine.
    std::function<void()> repaintWindow;
    // Set by the main window: put the keyboard focus into the code field.
    std::function<void()> focusCodeField;
    // Set by whoever owns the order window: rebuild its text.
    std::function<void()> refreshOrder;

  private:
    QWidget* owner_;
    int boxesShown_ = 0;
};

}  // namespace kalvora::app
