//
#pragma once

#include "info/PictureForm.h"

namespace kalvora {

class TKlimat_form : public PictureForm {
    Q_OBJECT

  public:
    explicit TKlimat_form(QWidget* parent = nullptr);
};

}  // namespace kalvora
