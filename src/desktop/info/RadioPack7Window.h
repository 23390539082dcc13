//
#pragma once

#include "desktop/info/PictureForm.h"

namespace kalvora {

class RadioPack7Window : public PictureForm {
    Q_OBJECT

  public:
    explicit RadioPack7Window(QWidget* parent = nullptr);
};

}  // namespace kalvora
