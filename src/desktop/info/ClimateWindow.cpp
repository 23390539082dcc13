#include "desktop/info/ClimateWindow.h"

#include "desktop/info/InfoTexts.h"

namespace kalvora {

ClimateWindow::ClimateWindow(QWidget* parent)
    : PictureForm(parent, info_text::kClimateCaption, "_Klimat.jpg",
                  pictures::Illustration::Climate, QSize(560, 360)) {
    setObjectName(QStringLiteral("TKlimat_form"));
}

}  // namespace kalvora
