// An image area with the missing-picture label behind it. The picture file is read once; when
// it loads, the picture covers the label, otherwise the label shows through. A mouse click on
// the area is reported, picture or not.
#pragma once

#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

#include <vector>

#include "desktop/pictures/CarPicture.h"

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
    // missing-picture label then shows only when the drawings are missing too. The drawing is
    // drawn when the view is shown or asked about, or by DrawPendingPictures: the windows are
    // created at start, before the main window's first frame, and most are never opened, so
    // the program leaves it to the first showing. False when no file was loaded.
    bool LoadPicture(const QString& fileName, pictures::Illustration drawing);
    // Draws the drawings every view still waits for.
    static void DrawPendingPictures();

    // The most the picture may take: a picture larger than the room is shown scaled down, its
    // proportions kept. At first the screen's free area less the window's frame; a window that
    // puts more beside or under the picture takes that off with LeaveRoom(). Applies to the
    // pictures loaded after it.
    void LeaveRoom(QSize beside);
    void SetRoom(QSize room) { room_ = room; }
    QSize Room() const { return room_; }

    bool HasPicture() const;
    QLabel* MissingPictureLabel() const;
    QLabel* ImageLabel() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Draws the drawing LoadPicture left for later, if it has not been drawn yet.
    void DrawPending() const;
    static std::vector<QPointer<PictureView>>& PendingViews();
    void Show(const QImage& picture);
    // `size` scaled down into the room, its proportions kept; as it is when it fits.
    QSize Fitted(QSize size) const;

    QSize emptySize_;
    QSize room_;
    bool hasPicture_ = false;
    bool pending_ = false;
    pictures::Illustration pendingDrawing_{};
    QSize pendingSize_;
    QLabel* missing_;
    QLabel* image_;
};

}  // namespace kalvora
