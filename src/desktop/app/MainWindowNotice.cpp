// What the last action did: the notice under the main choices, each option's reason as its
// tooltip, and the steps the undo and redo buttons would take.
#include "desktop/app/MainWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

#include "desktop/app/MainWindowParts.h"

namespace kalvora::app {

using namespace window_parts;

namespace {

// The step undo or redo would take, in the words of the notice.
QString StepTip(const char* verb, const ActionHistory& history, bool undo) {
    const bool can = undo ? history.CanUndo() : history.CanRedo();
    const char* keys = undo ? " (Ctrl+Z)" : " (Ctrl+Shift+Z, Ctrl+Y)";
    if (!can) return QString::fromUtf8(verb) + QString::fromUtf8(keys);
    return QString::fromUtf8(verb) + QStringLiteral(": ") +
           Q(undo ? history.UndoTitle() : history.RedoTitle()) + QString::fromUtf8(keys);
}

// The longest start of `text` that, wrapped at word boundaries into `width`, takes at most
// `lines` lines, ending in "…" where it was cut. Counting characters is not enough: a wrap puts
// a long word on the next line and leaves the line before it short.
QString FitInLines(const QFontMetrics& metrics, int width, int lines, const QString& text) {
    const int room = lines * metrics.lineSpacing();
    const auto fits = [&](const QString& candidate) {
        return metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, candidate)
                   .height() <= room;
    };
    if (width <= 0 || fits(text)) return text;
    const auto cut = [&](int n) { return text.left(n).trimmed() + QStringLiteral("…"); };
    int low = 0, high = static_cast<int>(text.size());  // cut(low) fits, cut(high) does not
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (fits(cut(middle)) ? low : high) = middle;
    }
    return cut(low);
}

}  // namespace

void MainWindow::BuildNotice(QWidget* panel) {
    // What the last action changed besides its target: one or two lines, until the next one.
    // It takes what the row leaves, up to its own width.
    notice_ = new QLabel(panel);
    notice_->setObjectName(QStringLiteral("NoticeLabel"));
    notice_->setTextFormat(Qt::PlainText);
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    notice_->setFixedHeight(34);
    notice_->setMaximumWidth(188);
    notice_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    notice_->setMargin(2);
    notice_->setAccessibleName(QStringLiteral("Уведомление"));
    QPalette noticePalette = notice_->palette();
    noticePalette.setColor(QPalette::Window, QColor(255, 250, 205));
    noticePalette.setColor(QPalette::WindowText, QColor(96, 48, 0));
    notice_->setPalette(noticePalette);
    notice_->setAutoFillBackground(true);
    notice_->hide();
}

void MainWindow::ShowActionResult() {
    for (const OptionDef& def : kOptionTable) {
        OptionRow& row = rows_[Index(def.id)];
        const QString reason = Q(history_.Reason(def.id));
        if (row.box->toolTip() == reason) continue;
        row.box->setToolTip(reason);
        row.caption->setToolTip(reason);
        SetOptionDescription(row, row.price->text());
    }
    const QString notice = Q(history_.Notice());
    // Two lines at most; the whole text stays in the tooltip and for screen readers.
    notice_->setText(FitInLines(QFontMetrics(notice_->font()),
                                notice_->contentsRect().width() - 2 * notice_->margin(), 2,
                                notice));
    notice_->setToolTip(notice);
    if (notice_->accessibleDescription() != notice) {
        notice_->setAccessibleDescription(notice);
        // Screen readers read the new notice without the focus moving there.
        QAccessibleEvent changed(notice_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    notice_->setVisible(!notice.isEmpty());
    undoButton_->setEnabled(history_.CanUndo());
    redoButton_->setEnabled(history_.CanRedo());
    undoButton_->setToolTip(StepTip("Отменить", history_, true));
    redoButton_->setToolTip(StepTip("Повторить", history_, false));
}

}  // namespace kalvora::app
