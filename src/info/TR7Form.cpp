#include "info/TR7Form.h"

#include "info/InfoTexts.h"

namespace kalvora {

TR7Form::TR7Form(QWidget* parent)
    : PictureForm(parent, info_text::kR7Caption, "_Radio7.jpg", pictures::Illustration::Radio7,
                  true, QSize(480, 300)) {
    setObjectName(QStringLiteral("TR7Form"));
}

}  // namespace kalvora
