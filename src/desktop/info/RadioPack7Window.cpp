#include "desktop/info/RadioPack7Window.h"

#include "desktop/info/InfoTexts.h"

namespace kalvora {

RadioPack7Window::RadioPack7Window(QWidget* parent)
    : PictureForm(parent, info_text::kRadioPack7Caption, "_Radio7.jpg",
                  pictures::Illustration::Radio7, QSize(480, 300)) {
    setObjectName(QStringLiteral("TR7Form"));
}

}  // namespace kalvora
