// A layout that sets its items side by side and starts a new row where the next item would
// pass the right edge, as words wrap in a line of text.
//
// Each item is as wide as it would be, or as the rest of its row when that is less but enough
// for the item; the items of a row are centred on the row's height, the tallest item's. A group
// that must stay together (two buttons that belong to each other, a caption with its field) goes in
// as one nested layout.
#pragma once

#include <QLayout>
#include <QList>

namespace kalvora::app {

class FlowLayout : public QLayout {
  public:
    // `across` pixels between two items of a row, `down` between two rows.
    FlowLayout(QWidget* parent, int across, int down);
    ~FlowLayout() override;

    // Takes `layout` as one item: it wraps as a whole.
    void addLayout(QLayout* layout);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

  private:
    // Places the items in `rect` (or only measures, when `place` is false); returns the height
    // they take, margins included.
    int Arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
    int across_;
    int down_;
};

}  // namespace kalvora::app
