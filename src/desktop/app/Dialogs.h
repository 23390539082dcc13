// The boxes and file dialogs that ask the person at the desktop. The program uses the real Qt
// ones; the tests give the window their own answers instead.
#pragma once

#include <QString>

class QWidget;

namespace kalvora::app {

// The answers to "Сохранить изменения?".
enum class SaveAnswer { Save, Discard, Cancel };

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // An information box with one OK button; the text's line breaks are kept.
    virtual void Message(const QString& text) = 0;
    // A Yes/No question, No by default; true for Yes.
    virtual bool Question(const QString& text) = 0;
    // Save, discard or cancel; Save by default, Escape cancels.
    virtual SaveAnswer SaveQuestion(const QString& text) = 0;
    // The file dialogs of "Открыть..." and "Сохранить...", starting in `folder` (when it
    // exists); an empty name when cancelled.
    virtual QString ChooseFileToOpen(const QString& folder) = 0;
    virtual QString ChooseFileToSave(const QString& folder, const QString& suggestedFile) = 0;
};

// Qt's own boxes and dialogs, modal to `owner`.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* owner) : owner_(owner) {}

    void Message(const QString& text) override;
    bool Question(const QString& text) override;
    SaveAnswer SaveQuestion(const QString& text) override;
    QString ChooseFileToOpen(const QString& folder) override;
    QString ChooseFileToSave(const QString& folder, const QString& suggestedFile) override;

  private:
    QWidget* owner_;
};

}  // namespace kalvora::app
