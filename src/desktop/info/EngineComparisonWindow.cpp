#include "desktop/info/EngineComparisonWindow.h"

#include "desktop/info/InfoTexts.h"

namespace kalvora {

EngineComparisonWindow::EngineComparisonWindow(QWidget* parent)
    : ReferenceTextForm(parent, info_text::kEngineComparisonCaption,
                        info_text::kEngineComparisonTable, QSize(960, 620)) {
    setObjectName(QStringLiteral("TDvigForm"));
}

}  // namespace kalvora
