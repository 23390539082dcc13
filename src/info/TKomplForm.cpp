#include "info/TKomplForm.h"

#include "info/InfoTexts.h"

namespace kalvora {

TKomplForm::TKomplForm(QWidget* parent)
    : ReferenceTextForm(parent, info_text::kKomplCaption, info_text::kKomplTable, QSize(780, 640)) {
    setObjectName(QStringLiteral("TKomplForm"));
}

}  // namespace kalvora
