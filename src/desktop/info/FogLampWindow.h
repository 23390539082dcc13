//
#pragma once

#include "desktop/info/PictureForm.h"

namespace kalvora {

class FogLampWindow : public PictureForm {
    Q_OBJECT

  public:
    explicit FogLampWindow(QWidget* parent = nullptr);
};

}  // namespace kalvora
