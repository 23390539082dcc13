#include "info/TR2Form.h"

#include "info/InfoTexts.h"

namespace kalvora {

TR2Form::TR2Form(QWidget* parent)
    : PictureForm(parent, info_text::kR2Caption, "_Radio2.jpg", pictures::Illustration::Radio2,
                  true, QSize(480, 300)) {
    setObjectName(QStringLiteral("TR2Form"));
}

}  // namespace kalvora
