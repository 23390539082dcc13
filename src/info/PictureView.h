// An image area with the missing-picture label behind it. The picture file is read once; when
// it loads, the picture covers the label, otherwise the label shows through. A mouse click on
// the area is reported, picture or not.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include "pictures/CarPicture.h"

class QLabel;

namespace kalvora {

class PictureView : public QWidget {
    Q_OBJECT

  public:
    // `emptySize` is the size of the area while no picture is loaded (no larger than the room).
    explicit PictureView(QSize emptySize, QWidget* parent = nullptr);

    // Loads a picture file (relative names are looked up in the working directory). A missing,
    // unreadable or damaged file leaves the area empty; that is not an error.
    bool LoadPicture(const QString& fileName);
    // The same, but without a good file the program's own drawing is shown instead; the
    // missing-picture label then shows only when the drawings are missing too.
    bool LoadPicture(const QString& fileName, pictures::Illustration drawing);

    // The most the picture may take: a picture larger than the room is shown scaled down, its
    // proportions kept. At first the screen's free area less the window's frame; a window that
    // puts more beside or under the picture takes that off with LeaveRoom(). Applies to the
    // pictures loaded after it.
    void LeaveRoom(QSize beside);
    void SetRoom(QSize room) { room_ = room; }
    QSize Room() const { return room_; }

    bool HasPicture() const { return hasPicture_; }
    QLabel* MissingPictureLabel() const { return missing_; }
    QLabel* ImageLabel() const { return image_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Show(const QImage& picture);
    // `size` scaled down into the room, its proportions kept; as it is when it fits.
    QSize Fitted(QSize size) const;

    QSize emptySize_;
    QSize room_;
    bool hasPicture_ = false;
    QLabel* missing_;
    QLabel* image_;
};

}  // namespace kalvora
