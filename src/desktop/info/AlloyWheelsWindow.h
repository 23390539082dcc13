//
#pragma once

#include "desktop/info/PictureForm.h"

namespace kalvora {

class AlloyWheelsWindow : public PictureForm {
    Q_OBJECT

  public:
    explicit AlloyWheelsWindow(QWidget* parent = nullptr);
};

}  // namespace kalvora
