// The desktop's side of the engine's UiPort: message and question boxes, file dialogs and the
// clock. What changed in the configuration reaches the windows through SessionSignals.
#pragma once

#include <QString>

#include "desktop/app/Dialogs.h"
#include "engine/model/UiPort.h"

class QWidget;

namespace kalvora::app {

// Loads Qt's own Russian texts, so that the standard dialogs and their buttons (file, print,
// question) speak the program's language whatever the system's. Returns false when the
// translations are not installed; the dialogs then stay in English.
bool LoadRussianQtTexts();

class WindowUi : public UiPort {
  public:
    using SaveAnswer = app::SaveAnswer;

    // `owner` is the window the boxes and dialogs belong to.
    explicit WindowUi(QWidget* owner);
    WindowUi(const WindowUi&) = delete;
    WindowUi& operator=(const WindowUi&) = delete;

    // Who answers the boxes and dialogs: the real ones by default; a test gives its own
    // (which must outlive the window), nullptr brings the real ones back.
    void SetDialogs(Dialogs* dialogs) { dialogs_ = dialogs ? dialogs : &qtDialogs_; }

    void ShowMessage(const std::string& text) override;
    bool Confirm(const std::string& text) override;
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

    // The program's texts use single carriage returns as line breaks.
    static QString BoxText(const std::string& text);

  private:
    QtDialogs qtDialogs_;
    Dialogs* dialogs_ = &qtDialogs_;
};

}  // namespace kalvora::app
