#include "desktop/app/ActionNotice.h"

#include <QAccessible>

#include "desktop/app/MainWindowParts.h"
#include "engine/history/ActionHistory.h"

namespace kalvora::app {

using namespace window_parts;

namespace {

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

ActionNotice::ActionNotice(QWidget* parent) : QLabel(parent) {
    // It takes what its row leaves, up to its own width.
    setObjectName(QStringLiteral("NoticeLabel"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFixedHeight(34);
    setMaximumWidth(188);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setMargin(2);
    setAccessibleName(QStringLiteral("Уведомление"));
    QPalette noticePalette = palette();
    noticePalette.setColor(QPalette::Window, QColor(255, 250, 205));
    noticePalette.setColor(QPalette::WindowText, QColor(96, 48, 0));
    setPalette(noticePalette);
    setAutoFillBackground(true);
    hide();
}

void ActionNotice::ShowNotice(const ActionHistory& history) {
    const QString notice = Q(history.Notice());
    setText(FitInLines(QFontMetrics(font()), contentsRect().width() - 2 * margin(), 2, notice));
    setToolTip(notice);
    if (accessibleDescription() != notice) {
        setAccessibleDescription(notice);
        // Screen readers read the new notice without the focus moving there.
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    setVisible(!notice.isEmpty());
}

}  // namespace kalvora::app
