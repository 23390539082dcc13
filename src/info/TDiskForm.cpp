#include "info/TDiskForm.h"

#include "info/InfoTexts.h"

namespace kalvora {

TDiskForm::TDiskForm(QWidget* parent)
    : PictureForm(parent, info_text::kDiskCaption, "_Disks.jpg",
                  pictures::Illustration::AlloyWheels, false, QSize(560, 320)) {
    setObjectName(QStringLiteral("TDiskForm"));
}

}  // namespace kalvora
