//
#pragma once

#include "desktop/info/PictureForm.h"

namespace kalvora {

class ClimateWindow : public PictureForm {
    Q_OBJECT

  public:
    explicit ClimateWindow(QWidget* parent = nullptr);
};

}  // namespace kalvora
