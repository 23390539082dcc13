#include "desktop/info/FogLampWindow.h"

#include "desktop/info/InfoTexts.h"

namespace kalvora {

FogLampWindow::FogLampWindow(QWidget* parent)
    : PictureForm(parent, info_text::kFogLampCaption, "_ptf.jpg", pictures::Illustration::Headlamps,
                  QSize(560, 360)) {
    setObjectName(QStringLiteral("Tptf_Form"));
}

}  // namespace kalvora
