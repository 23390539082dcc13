//
#pragma once

#include "desktop/info/PictureForm.h"

namespace kalvora {

class RadioPack2Window : public PictureForm {
    Q_OBJECT

  public:
    explicit RadioPack2Window(QWidget* parent = nullptr);
};

}  // namespace kalvora
