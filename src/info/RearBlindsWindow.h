// The sun blinds of the rear doors: a picture on the left and a short explanation on the
// right. Only the window's own close button closes it; Esc and clicks on the picture do not.
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

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    PictureView* picture_;
    QLabel* explanation_;
};

}  // namespace kalvora
