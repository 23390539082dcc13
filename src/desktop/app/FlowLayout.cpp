#include "desktop/app/FlowLayout.h"

#include <QWidget>
#include <algorithm>
#include <vector>

namespace kalvora::app {

FlowLayout::FlowLayout(QWidget* parent, int across, int down)
    : QLayout(parent), across_(across), down_(down) {}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addLayout(QLayout* layout) {
    addChildLayout(layout);
    addItem(layout);
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
    invalidate();
}

int FlowLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size()) return nullptr;
    QLayoutItem* item = items_.takeAt(index);
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

bool FlowLayout::hasHeightForWidth() const {
    return true;
}

int FlowLayout::heightForWidth(int width) const {
    return Arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const {
    // As narrow as the widest item; as high as one row, the least it ever takes.
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) size = size.expandedTo(item->sizeHint());
    }
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
    // All in one row.
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        const QSize hint = item->sizeHint();
        width += (width > 0 ? across_ : 0) + hint.width();
        height = std::max(height, hint.height());
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int FlowLayout::Arrange(const QRect& rect, bool place) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    std::vector<QLayoutItem*> shown;
    for (QLayoutItem* item : items_) {
        if (!item->isEmpty()) shown.push_back(item);
    }
    int top = area.y();
    std::size_t rowStart = 0;
    std::vector<int> widths(shown.size());
    // Row by row: as many items as fit the width, at least one. An item that does not fit as
    // wide as it would be stays in the row when it fits as narrow as it may be, and takes the
    // rest of the row.
    while (rowStart < shown.size()) {
        std::size_t rowEnd = rowStart;
        int x = 0;
        int height = 0;
        while (rowEnd < shown.size()) {
            QLayoutItem* item = shown[rowEnd];
            const int gap = rowEnd > rowStart ? across_ : 0;
            const int room = area.width() - x - gap;
            const int least = item->minimumSize().width();
            if (rowEnd > rowStart && least > room) break;
            widths[rowEnd] = std::max(least, std::min(item->sizeHint().width(), room));
            x += gap + widths[rowEnd];
            height = std::max(height, item->sizeHint().height());
            ++rowEnd;
        }
        if (place) {
            int left = area.x();
            for (std::size_t i = rowStart; i < rowEnd; ++i) {
                const int itemHeight = shown[i]->sizeHint().height();
                shown[i]->setGeometry(
                    QRect(left, top + (height - itemHeight) / 2, widths[i], itemHeight));
                left += widths[i] + across_;
            }
        }
        top += height + (rowEnd < shown.size() ? down_ : 0);
        rowStart = rowEnd;
    }
    return top - rect.y() + contentsMargins().bottom();
}

}  // namespace kalvora::app
