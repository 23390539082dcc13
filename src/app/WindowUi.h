// The desktop's side of the engine's UiPort: message and question boxes, file dialogs, the clock,
// and letting the window repaint in the middle of a long rule.
#pragma once

#include <QString>
#include <functional>

#include "model/UiPort.h"

class QMessageBox;
class QWidget;

namespace kalvora::app {

// Loads Qt's own Russian texts, so that the standard dialogs and their buttons (file, print,
// question) speak the program's language whatever the system's. Returns false when the
// translations are not installed; the dialogs then stay in English.
bool LoadRussianQtTexts();

class WindowUi : public UiPort {
  public:
    // The answers to "Сохранить изменения?".
    enum class SaveAnswer { Save, Discard, Cancel };

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

    // Asks whether unsaved changes are to be saved before the window closes.
    SaveAnswer AskToSaveChanges();

    // The folder the file dialogs start in, and the file the save dialog proposes.
    QString dialogFolder;
    QString suggestedFile;

    // How many message and question boxes have been shown.
    int BoxesShown() const { return boxesShown_; }

    // The program's texts use single carriage returns as line breaks.
    static QString BoxText(const std::string& text);
    // A text with line breaks of its own is shown with exactly those breaks: the box is made
    // wide enough for its longest line instead of wrapping it again, which would leave single
    // words on lines of their own. A one-line text wraps as usual.
    static void SetBoxText(QMessageBox& box, const QString& text);

    // What the boxes and dialogs do. They default to the real ones; tests answer instead.
    std::function<void(const QString&)> messageBox;
    std::function<bool(const QString&)> questionBox;
    std::function<QString()> openDialog;
    std::function<QString()> saveDialog;
    std::function<SaveAnswer(const QString&)> saveQuestionBox;
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
