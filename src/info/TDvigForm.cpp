#include "info/TDvigForm.h"

#include "info/InfoTexts.h"

namespace kalvora {

TDvigForm::TDvigForm(QWidget* parent)
    : ReferenceTextForm(parent, info_text::kDvigCaption, info_text::kDvigTable, QSize(960, 620)) {
    setObjectName(QStringLiteral("TDvigForm"));
}

}  // namespace kalvora
