//
#pragma once

#include "info/PictureForm.h"

namespace kalvora {

class TR7Form : public PictureForm {
    Q_OBJECT

  public:
    explicit TR7Form(QWidget* parent = nullptr);
};

}  // namespace kalvora
