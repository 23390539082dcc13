#include "app/WindowUi.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QWidget>

namespace kalvora::app {

namespace {

const QString kFilter = QStringLiteral("Конфигурация Kalvora (*.klv);;Все файлы (*)");

QString Title() {
    return QStringLiteral("Kalvora");
}

}  // namespace

WindowUi::WindowUi(QWidget* owner) : owner_(owner) {
    messageBox = [this](const QString& text) {
        QMessageBox::information(owner_, Title(), text, QMessageBox::Ok);
    };
    questionBox = [this](const QString& text) {
        return QMessageBox::question(owner_, Title(), text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    openDialog = [this]() {
        QFileDialog dialog(owner_);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(kFilter);
        dialog.setDefaultSuffix(QStringLiteral("klv"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    saveDialog = [this]() {
        QFileDialog dialog(owner_);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(kFilter);
        dialog.setDefaultSuffix(QStringLiteral("klv"));
        // The program asks about overwriting itself, once.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
}

QString WindowUi::BoxText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void WindowUi::ShowMessage(const std::string& text) {
    ++boxesShown_;
    if (messageBox) messageBox(BoxText(text));
}

bool WindowUi::Confirm(const std::string& text) {
    ++boxesShown_;
    return questionBox ? questionBox(BoxText(text)) : false;
}

void WindowUi::ProcessPendingEvents() {
    if (repaintWindow) repaintWindow();
    // Repaint only: a click made meanwhile waits until the rule has finished.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WindowUi::RefreshOrder() {
    if (refreshOrder) refreshOrder();
}

void WindowUi::FocusCodeField() {
    if (focusCodeField) focusCodeField();
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
    return openDialog ? openDialog() : QString();
}

QString WindowUi::ChooseFileToSave() {
    return saveDialog ? saveDialog() : QString();
}

}  // namespace kalvora::app
