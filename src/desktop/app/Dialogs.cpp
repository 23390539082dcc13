#include "desktop/app/Dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

#include "desktop/info/ScreenFit.h"

namespace kalvora::app {

namespace {

const QString kFilter = QStringLiteral("Конфигурация Kalvora (*.klv);;Все файлы (*)");

QString Title() {
    return QStringLiteral("Kalvora");
}

// A text with line breaks of its own is shown with exactly those breaks: the box is made wide
// enough for its longest line instead of wrapping it again, which would leave single words on
// lines of their own. A one-line text wraps as usual.
void SetBoxText(QMessageBox& box, const QString& text) {
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

// A text taller than the screen (a long explanation on a small screen or at a large scale)
// scrolls inside the box, so that the box and its buttons stay on the screen.
void FitBoxIntoScreen(QMessageBox& box) {
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QLayout* layout = box.layout();
    if (!screen || !label || !layout) return;
    const QRect available = screen->availableGeometry();
    // The title bar, the box's margins and its row of buttons take about this much.
    const int room = available.height() - 150;
    // The box wraps a text without breaks of its own at about half the screen's width.
    const int wrapWidth = std::min(available.width() / 2, 500);
    const bool wraps = label->textFormat() == Qt::PlainText;
    const QSize natural = label->sizeHint();
    int height = natural.height();
    if (wraps) {
        QLabel probe(label->text());
        probe.setFont(label->font());
        probe.setTextFormat(Qt::PlainText);
        probe.setWordWrap(true);
        height = probe.heightForWidth(wrapWidth);
    }
    if (height <= room || room < 80) return;

    auto* scroll = new QScrollArea(&box);
    scroll->setObjectName(QStringLiteral("MessageScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    delete layout->replaceWidget(label, scroll);
    label->setWordWrap(wraps);
    scroll->setWidget(label);
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    const int width = (wraps ? wrapWidth : natural.width()) + bar + 4;
    scroll->setMinimumSize(std::min(width, available.width() - 120), room);
    scroll->setMaximumHeight(room);
}

// Qt's own dialog, not the desktop's: it speaks Russian through Qt's translations everywhere.
void PrepareFileDialog(QFileDialog& dialog, const QString& folder) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilter(kFilter);
    dialog.setDefaultSuffix(QStringLiteral("klv"));
    if (!folder.isEmpty() && QDir(folder).exists()) dialog.setDirectory(folder);
    // No larger than the screen, so that its buttons stay within reach.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = WindowRoom(*screen).size();
        dialog.setMinimumSize(dialog.minimumSizeHint().boundedTo(room));
        dialog.resize(dialog.sizeHint().boundedTo(room));
    }
}

QString ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void QtDialogs::Message(const QString& text) {
    QMessageBox box(QMessageBox::Information, Title(), QString(), QMessageBox::Ok, owner_);
    SetBoxText(box, text);
    FitBoxIntoScreen(box);
    box.exec();
}

bool QtDialogs::Question(const QString& text) {
    QMessageBox box(QMessageBox::Question, Title(), QString(), QMessageBox::Yes | QMessageBox::No,
                    owner_);
    box.setDefaultButton(QMessageBox::No);
    SetBoxText(box, text);
    FitBoxIntoScreen(box);
    return box.exec() == QMessageBox::Yes;
}

SaveAnswer QtDialogs::SaveQuestion(const QString& text) {
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
}

QString QtDialogs::ChooseFileToOpen(const QString& folder) {
    QFileDialog dialog(owner_);
    PrepareFileDialog(dialog, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ChosenFile(dialog);
}

QString QtDialogs::ChooseFileToSave(const QString& folder, const QString& suggestedFile) {
    QFileDialog dialog(owner_);
    PrepareFileDialog(dialog, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!suggestedFile.isEmpty()) dialog.selectFile(suggestedFile);
    // The program asks about overwriting itself, once.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    return ChosenFile(dialog);
}

}  // namespace kalvora::app
