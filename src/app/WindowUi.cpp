#include "app/WindowUi.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTranslator>
#include <QWidget>
#include <algorithm>

namespace kalvora::app {

namespace {

const QString kFilter = QStringLiteral("Конфигурация Kalvora (*.klv);;Все файлы (*)");

QString Title() {
    return QStringLiteral("Kalvora");
}

// Qt's own dialog, not the desktop's: it speaks Russian through Qt's translations everywhere.
void PrepareFileDialog(QFileDialog& dialog, const QString& folder) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilter(kFilter);
    dialog.setDefaultSuffix(QStringLiteral("klv"));
    if (!folder.isEmpty() && QDir(folder).exists()) dialog.setDirectory(folder);
    // No larger than the screen, so that its buttons stay within reach.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() - QSize(16, 40);
        dialog.setMinimumSize(dialog.minimumSizeHint().boundedTo(room));
        dialog.resize(dialog.sizeHint().boundedTo(room));
    }
}

}  // namespace

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

WindowUi::WindowUi(QWidget* owner) : owner_(owner) {
    messageBox = [this](const QString& text) {
        QMessageBox box(QMessageBox::Information, Title(), QString(), QMessageBox::Ok, owner_);
        SetBoxText(box, text);
        box.exec();
    };
    questionBox = [this](const QString& text) {
        QMessageBox box(QMessageBox::Question, Title(), QString(),
                        QMessageBox::Yes | QMessageBox::No, owner_);
        box.setDefaultButton(QMessageBox::No);
        SetBoxText(box, text);
        return box.exec() == QMessageBox::Yes;
    };
    saveQuestionBox = [this](const QString& text) {
        QMessageBox box(QMessageBox::Question, Title(), text, QMessageBox::NoButton, owner_);
        QPushButton* save = box.addButton(QStringLiteral("&Сохранить"), QMessageBox::AcceptRole);
        QPushButton* discard =
            box.addButton(QStringLiteral("&Не сохранять"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == save) return SaveAnswer::Save;
        if (box.clickedButton() == discard) return SaveAnswer::Discard;
        return SaveAnswer::Cancel;
    };
    openDialog = [this]() {
        QFileDialog dialog(owner_);
        PrepareFileDialog(dialog, dialogFolder);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    saveDialog = [this]() {
        QFileDialog dialog(owner_);
        PrepareFileDialog(dialog, dialogFolder);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        if (!suggestedFile.isEmpty()) dialog.selectFile(suggestedFile);
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

void WindowUi::SetBoxText(QMessageBox& box, const QString& text) {
    // On a screen too narrow for the longest line, wrapping again is better than cutting off.
    const QFontMetrics metrics(box.font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    // The icon, the margins and the frame take about this much of the screen's width.
    const bool fits = !screen || widest <= screen->availableGeometry().width() - 160;
    if (!text.contains(QLatin1Char('\n')) || !fits) {
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        return;
    }
    // Lines that are never broken keep the text's own layout, trailing blanks included.
    box.setTextFormat(Qt::RichText);
    box.setText(QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(text.toHtmlEscaped()));
}

WindowUi::SaveAnswer WindowUi::AskToSaveChanges() {
    ++boxesShown_;
    return saveQuestionBox ? saveQuestionBox(QStringLiteral("Сохранить изменения?"))
                           : SaveAnswer::Cancel;
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
