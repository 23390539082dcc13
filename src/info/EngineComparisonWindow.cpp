#include "info/EngineComparisonWindow.h"

#include "info/InfoTexts.h"

namespace kalvora {

EngineComparisonWindow::EngineComparisonWindow(QWidget* parent)
    : ReferenceTextForm(parent, info_text::kDvigCaption, info_text::kDvigTable, QSize(960, 620)) {
    setObjectName(QStringLiteral("TDvigForm"));
}

}  // namespace kalvora
