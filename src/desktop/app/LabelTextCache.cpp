#include "desktop/app/LabelTextCache.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextLine>
#include <QTextOption>

namespace kalvora::app {

namespace {

bool enabledGlobally = true;

// Text that a label lays out as one line, as it is: no line breaks, tabs or the marks that make
// a label choose between variants of its text.
bool IsOneLine(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == u'\t' || u == 0x9c || u == QChar::LineSeparator ||
            u == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

// The labels whose painting this stands in for: plain text in one line, no frame, no picture,
// nothing a buyer can select, the program's own style, a screen of scale 1.
bool CanStandIn(const QLabel* label) {
    if (label->textFormat() != Qt::PlainText || label->wordWrap() || label->text().isEmpty() ||
        !label->pixmap().isNull() || label->buddy() || label->frameShape() != QFrame::NoFrame ||
        label->indent() > 0 || label->graphicsEffect() || !label->styleSheet().isEmpty())
        return false;
    if (label->textInteractionFlags() &
        (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable))
        return false;
    if (label->alignment() & Qt::AlignJustify) return false;
    // At other scales the label's own painting places the text half a pixel from where the
    // kept layout would: there the label paints itself.
    if (label->devicePixelRatioF() != 1.0) return false;
    const QFont& font = label->font();
    if (font.underline() || font.overline() || font.strikeOut()) return false;
    if (!qApp->styleSheet().isEmpty() ||
        label->style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return false;
    return label->text().isRightToLeft() ? false : IsOneLine(label->text());
}

}  // namespace

struct LabelTextCache::Layout {
    QString text;
    QFont font;
    QRect rect;
    int alignment = 0;
    int dpi = 0;
    QTextLayout layout;
};

LabelTextCache::LabelTextCache(QObject* parent) : QObject(parent) {}

LabelTextCache::~LabelTextCache() = default;

void LabelTextCache::SetEnabled(bool enabled) {
    enabledGlobally = enabled;
}

void LabelTextCache::Watch(QWidget* panel) {
    for (QLabel* label : panel->findChildren<QLabel*>()) {
        label->installEventFilter(this);
        connect(label, &QObject::destroyed, this, [this](QObject* gone) { layouts_.erase(gone); });
    }
}

bool LabelTextCache::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        // Only a label of its own class: a derived one may paint more than its text.
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && label->metaObject() == &QLabel::staticMetaObject)
            return Paint(label, static_cast<QPaintEvent*>(event));
    }
    return false;
}

const LabelTextCache::Layout* LabelTextCache::LayoutFor(QLabel* label) {
    // The rectangle the label gives its text: the contents less the margin.
    const int margin = label->margin();
    const QRect rect = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const int alignment = QStyle::visualAlignment(Qt::LeftToRight, label->alignment());
    std::unique_ptr<Layout>& kept = layouts_[label];
    // The font's size in pixels follows the screen's resolution.
    const int dpi = label->logicalDpiY();
    if (kept && kept->text == label->text() && kept->font == label->font() && kept->rect == rect &&
        kept->alignment == alignment && kept->dpi == dpi)
        return kept.get();
    kept = std::make_unique<Layout>();
    kept->text = label->text();
    kept->font = label->font();
    kept->rect = rect;
    kept->alignment = alignment;
    kept->dpi = dpi;
    // One line, as wide as it needs, left to right; the label's alignment places it.
    QTextLayout& layout = kept->layout;
    layout.setText(kept->text);
    layout.setFont(QFont(kept->font, label));
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(0x01000000);
        line.setPosition(QPointF(0, 0));
    }
    const bool more = line.isValid() && layout.createLine().isValid();
    layout.endLayout();
    if (!line.isValid() || more) {
        kept.reset();
        return nullptr;
    }
    return kept.get();
}

bool LabelTextCache::Paint(QLabel* label, const QPaintEvent*) {
    if (!enabledGlobally || !CanStandIn(label)) return false;
    const Layout* kept = LayoutFor(label);
    if (!kept) return false;
    QPainter painter(label);
    // The pen the style writes a label's text with: the text colour of the label's state.
    QStyleOption option;
    option.initFrom(label);
    painter.setPen(QPen(option.palette.brush(label->foregroundRole()), painter.pen().widthF()));

    const QTextLine line = kept->layout.lineAt(0);
    const QRectF r(kept->rect);
    const int align = kept->alignment;
    const qreal height = line.ascent() + line.descent();
    const qreal width = line.naturalTextWidth();
    qreal yoff = 0;
    qreal xoff = 0;
    const QTransform& transform = painter.transform();
    const bool scaledOnly = transform.type() <= QTransform::TxScale;
    if (align & Qt::AlignBottom) {
        yoff = r.height() - height;
    } else if (align & Qt::AlignVCenter) {
        yoff = (r.height() - height) / 2;
        // Whole device pixels, as a paint engine would otherwise round differently.
        if (scaledOnly && transform.m22() != 0)
            yoff = -qRound(-yoff * transform.m22()) / transform.m22();
    }
    if (align & Qt::AlignRight) {
        xoff = r.width() - width;
    } else if (align & Qt::AlignHCenter) {
        xoff = (r.width() - width) / 2;
        if (scaledOnly && transform.m11() != 0)
            xoff = qRound(xoff * transform.m11()) / transform.m11();
    }
    // Text wider or higher than its rectangle is cut at the rectangle.
    const bool clip = !r.contains(QRectF(r.x() + xoff, r.y() + yoff, width, height));
    if (clip) painter.setClipRect(r, Qt::IntersectClip);
    const qreal advance = line.horizontalAdvance();
    if (align & Qt::AlignRight)
        xoff = r.width() - advance;
    else if (align & Qt::AlignHCenter)
        xoff = (r.width() - advance) / 2;
    else
        xoff = 0;
    line.draw(&painter, QPointF(r.x() + xoff, r.y() + yoff));
    return true;
}

}  // namespace kalvora::app
