// The trims side by side: what is standard, optional or not offered in each.
#pragma once

#include "desktop/info/ReferenceTextForm.h"

namespace kalvora {

class TrimComparisonWindow : public ReferenceTextForm {
    Q_OBJECT

  public:
    explicit TrimComparisonWindow(QWidget* parent = nullptr);
};

}  // namespace kalvora
