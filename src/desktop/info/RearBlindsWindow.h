// The sun blinds of the rear doors: a picture on the left and a short explanation on the
// right. Esc and the window's own close button close it; a click on the picture does not.
#pragma once

#include <QDialog>

class QLabel;

namespace kalvora {

class PictureView;

class RearBlindsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit RearBlindsWindow(QWidget* parent = nullptr);

    PictureView* Picture() const { return picture_; }
    QLabel* Explanation() const { return explanation_; }

  private:
    PictureView* picture_;
    QLabel* explanation_;
};

}  // namespace kalvora
