#include "desktop/info/RadioPack2Window.h"

#include "desktop/info/InfoTexts.h"

namespace kalvora {

RadioPack2Window::RadioPack2Window(QWidget* parent)
    : PictureForm(parent, info_text::kRadioPack2Caption, "_Radio2.jpg",
                  pictures::Illustration::Radio2, QSize(480, 300)) {
    setObjectName(QStringLiteral("TR2Form"));
}

}  // namespace kalvora
