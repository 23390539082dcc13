// Boxes and file dialogs that answer from the test instead of waiting for a person, and record
// what they were asked.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "desktop/app/Dialogs.h"

namespace kalvora::testing {

class ScriptedDialogs : public app::Dialogs {
  public:
    void Message(const QString& text) override {
        messages.append(text);
        if (onMessage) onMessage(text);
    }
    bool Question(const QString& text) override {
        questions.append(text);
        return questionAnswer;
    }
    app::SaveAnswer SaveQuestion(const QString& text) override {
        saveQuestions.append(text);
        return saveAnswer;
    }
    QString ChooseFileToOpen(const QString&) override {
        ++opens;
        return fileToOpen;
    }
    QString ChooseFileToSave(const QString&, const QString&) override {
        ++saves;
        return fileToSave;
    }

    QStringList messages;
    QStringList questions;
    QStringList saveQuestions;
    bool questionAnswer = true;
    app::SaveAnswer saveAnswer = app::SaveAnswer::Cancel;
    // What the file dialogs choose; empty for a cancelled dialog.
    QString fileToOpen;
    QString fileToSave;
    int opens = 0;
    int saves = 0;
    // Runs after a message is recorded, e.g. to show a real box that takes the activation.
    std::function<void(const QString&)> onMessage;
};

}  // namespace kalvora::testing
