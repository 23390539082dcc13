// The engines side by side: power, torque, gearbox, fuel use and performance by body.
#pragma once

#include "info/ReferenceTextForm.h"

namespace kalvora {

class TDvigForm : public ReferenceTextForm {
    Q_OBJECT

  public:
    explicit TDvigForm(QWidget* parent = nullptr);
};

}  // namespace kalvora
