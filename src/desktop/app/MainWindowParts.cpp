#include "desktop/app/MainWindowParts.h"

#include <QFile>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace kalvora::app::window_parts {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QFont WindowFont(int pixelSize, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                   QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans Condensed"),
                   QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont FittingFont(int largest, int smallest, bool bold, const std::vector<TextSpace>& texts) {
    QFont f = WindowFont(largest, bold);
    for (int size = largest; size > smallest; --size) {
        f.setPixelSize(size);
        const QFontMetrics metrics(f);
        bool fits = true;
        for (const TextSpace& t : texts)
            fits = fits && metrics.horizontalAdvance(t.text) <= t.width;
        if (fits) return f;
    }
    f.setPixelSize(smallest);
    return f;
}

void MakeRaisedPanel(QFrame* panel, const char* name) {
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setObjectName(QLatin1String(name));
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(221, 221, 221));
    panel->setPalette(pal);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->adjustSize();
    return label;
}

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Tab reaches every button; a click does not take the focus, so a check box keeps it.
    b->setFocusPolicy(Qt::TabFocus);
    // A caption's "&" marks its Alt key and is shown as an underline only.
    b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return b;
}

void SetControlEnabled(QWidget* w, bool enabled) {
    if (w->isEnabled() == enabled) return;
    if (!enabled && w->hasFocus()) w->clearFocus();
    w->setEnabled(enabled);
}

bool IsFocusMoveWithinWindow(const QFocusEvent* e) {
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

std::string PathArgument(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace kalvora::app::window_parts
