// The engines side by side: power, torque, gearbox, fuel use and performance by body.
#pragma once

#include "desktop/info/ReferenceTextForm.h"

namespace kalvora {

class EngineComparisonWindow : public ReferenceTextForm {
    Q_OBJECT

  public:
    explicit EngineComparisonWindow(QWidget* parent = nullptr);
};

}  // namespace kalvora
