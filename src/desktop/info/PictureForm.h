// A window that is one picture: it loads its picture file when it is created, shows the
// missing-picture label when the file is not there, and closes (hides) on a click on the
// picture and on Esc.
#pragma once

#include <QDialog>
#include <QSize>
#include <string_view>

#include "desktop/pictures/CarPicture.h"

namespace kalvora {

class PictureView;

class PictureForm : public QDialog {
    Q_OBJECT

  public:
    PictureView* Picture() const { return picture_; }

  protected:
    // `drawing` shows when the working directory has no good picture file.
    PictureForm(QWidget* parent, std::string_view caption, const char* fileName,
                pictures::Illustration drawing, QSize emptySize);

  private:
    PictureView* picture_;
};

}  // namespace kalvora
