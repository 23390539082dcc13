//
#pragma once

#include "info/PictureForm.h"

namespace kalvora {

class TR2Form : public PictureForm {
    Q_OBJECT

  public:
    explicit TR2Form(QWidget* parent = nullptr);
};

}  // namespace kalvora
