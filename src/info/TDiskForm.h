//
#pragma once

#include "info/PictureForm.h"

namespace kalvora {

class TDiskForm : public PictureForm {
    Q_OBJECT

  public:
    explicit TDiskForm(QWidget* parent = nullptr);
};

}  // namespace kalvora
