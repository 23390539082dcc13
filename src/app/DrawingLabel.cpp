#include "app/DrawingLabel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cstring>

namespace kalvora::app {

namespace {

bool wholeRepaint = false;

}  // namespace

DrawingLabel::DrawingLabel(QWidget* parent) : QLabel(parent) {}

void DrawingLabel::SetWholeRepaint(bool whole) {
    wholeRepaint = whole;
}

QRegion DrawingLabel::ChangedArea(const QImage& before, const QImage& after, int block) {
    if (before.size() != after.size() || before.format() != after.format() || before.depth() != 32)
        return QRegion(QRect(QPoint(0, 0), after.size()));
    QRegion changed;
    const int width = after.width();
    const int height = after.height();
    for (int top = 0; top < height; top += block) {
        const int bottom = std::min(height, top + block);
        // The blocks of this band that differ, merged into runs.
        int runStart = -1;
        // One step past the last block closes a run that reaches the right edge.
        for (int left = 0; left < width + block; left += block) {
            bool differs = false;
            if (left < width) {
                const size_t bytes = size_t(std::min(block, width - left)) * 4;
                for (int y = top; y < bottom && !differs; ++y) {
                    differs = std::memcmp(before.constScanLine(y) + size_t(left) * 4,
                                          after.constScanLine(y) + size_t(left) * 4, bytes) != 0;
                }
            }
            if (differs && runStart < 0) runStart = left;
            if (!differs && runStart >= 0) {
                changed += QRect(runStart, top, std::min(left, width) - runStart, bottom - top);
                runStart = -1;
            }
        }
    }
    return changed;
}

QRect DrawingLabel::PictureRect() const {
    return style()->itemPixmapRect(contentsRect(), int(alignment()), pixmap_);
}

void DrawingLabel::ShowDrawing(const QImage& drawing, qreal scale) {
    if (drawing.cacheKey() == drawing_.cacheKey() && !pixmap_.isNull() &&
        pixmap_.devicePixelRatio() == scale)
        return;
    const QRect before = PictureRect();
    const QRegion changed = ChangedArea(drawing_, drawing);
    drawing_ = drawing;
    pixmap_ = QPixmap::fromImage(drawing);
    if (scale != 1.0) pixmap_.setDevicePixelRatio(scale);
    const QRect after = PictureRect();
    // Blocks of the screen's pixels are repainted as such only at scale 1; otherwise all of it.
    if (wholeRepaint || before != after || scale != 1.0) {
        update();
        return;
    }
    update(changed.translated(after.topLeft()));
}

void DrawingLabel::paintEvent(QPaintEvent* event) {
    if (pixmap_.isNull()) return QLabel::paintEvent(event);
    // As a label draws its picture: aligned in the contents, no frame.
    QPainter painter(this);
    style()->drawItemPixmap(&painter, contentsRect(), int(alignment()), pixmap_);
}

}  // namespace kalvora::app
