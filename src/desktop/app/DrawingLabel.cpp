#include "desktop/app/DrawingLabel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QVariant>
#include <algorithm>
#include <cstring>
#include <vector>

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
    // The rectangles are gathered first and made a region at once: adding them one by one
    // merges the region anew each time.
    std::vector<QRect> runs;
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
                runs.emplace_back(runStart, top, std::min(left, width) - runStart, bottom - top);
                runStart = -1;
            }
        }
    }
    // Bands from top to bottom, runs from left to right, none overlapping: the order a region
    // keeps its rectangles in.
    QRegion changed;
    changed.setRects(runs.data(), int(runs.size()));
    return changed;
}

QRegion DrawingLabel::KnownChange(const QImage& before, const QImage& after) {
    // A buyer going back and forth between a few paints changes between the same drawings
    // again and again: what differs between two of them is compared once.
    const std::pair<qint64, qint64> keys(before.cacheKey(), after.cacheKey());
    for (const auto& [known, area] : changes_) {
        if (known == keys) return area;
    }
    const QRegion area = ChangedArea(before, after);
    if (changes_.size() == kKnownChanges) changes_.pop_front();
    changes_.emplace_back(keys, area);
    return area;
}

QRect DrawingLabel::PictureRect() const {
    return style()->itemPixmapRect(contentsRect(), int(alignment()), pixmap_);
}

void DrawingLabel::ShowDrawing(const QImage& drawing, qreal scale) {
    if (drawing.cacheKey() == drawing_.cacheKey() && !pixmap_.isNull() &&
        pixmap_.devicePixelRatio() == scale)
        return;
    const QRect before = PictureRect();
    const QRegion changed = KnownChange(drawing_, drawing);
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

bool ShowDrawingIn(QLabel* label, const QImage& drawing) {
    if (drawing.isNull()) return false;
    const QVariant shown = label->property("drawing");
    if (!shown.isValid() || shown.toLongLong() != drawing.cacheKey() || label->pixmap().isNull()) {
        label->setPixmap(QPixmap::fromImage(drawing));
        label->setProperty("drawing", drawing.cacheKey());
    }
    return true;
}

}  // namespace kalvora::app
