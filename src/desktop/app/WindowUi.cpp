#include "desktop/app/WindowUi.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kalvora::app {

bool LoadRussianQtTexts() {
    static bool loaded = false;
    if (loaded) return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    loaded = true;
    return true;
}

WindowUi::WindowUi(QWidget* owner) : qtDialogs_(owner) {}

QString WindowUi::BoxText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

WindowUi::SaveAnswer WindowUi::AskToSaveChanges() {
    return dialogs_->SaveQuestion(QStringLiteral("Сохранить изменения?"));
}

void WindowUi::ShowMessage(const std::string& text) {
    dialogs_->Message(BoxText(text));
}

bool WindowUi::Confirm(const std::string& text) {
    return dialogs_->Question(BoxText(text));
}

std::string WindowUi::DateText() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string WindowUi::TimeText() {
    // The long time format without the time zone, as the system clock shows it.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QTime::currentTime().toString(format.trimmed()).toStdString();
}

QString WindowUi::ChooseFileToOpen() {
    return dialogs_->ChooseFileToOpen(dialogFolder);
}

QString WindowUi::ChooseFileToSave() {
    return dialogs_->ChooseFileToSave(dialogFolder, suggestedFile);
}

}  // namespace kalvora::app
