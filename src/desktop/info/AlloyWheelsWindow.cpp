#include "desktop/info/AlloyWheelsWindow.h"

#include "desktop/info/InfoTexts.h"

namespace kalvora {

AlloyWheelsWindow::AlloyWheelsWindow(QWidget* parent)
    : PictureForm(parent, info_text::kAlloyWheelsCaption, "_Disks.jpg",
                  pictures::Illustration::AlloyWheels, QSize(560, 320)) {
    setObjectName(QStringLiteral("TDiskForm"));
}

}  // namespace kalvora
