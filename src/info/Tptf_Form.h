//
#pragma once

#include "info/PictureForm.h"

namespace kalvora {

class Tptf_Form : public PictureForm {
    Q_OBJECT

  public:
    explicit Tptf_Form(QWidget* parent = nullptr);
};

}  // namespace kalvora
