#include "desktop/info/TrimComparisonWindow.h"

#include "desktop/info/InfoTexts.h"

namespace kalvora {

TrimComparisonWindow::TrimComparisonWindow(QWidget* parent)
    : ReferenceTextForm(parent, info_text::kTrimComparisonCaption, info_text::kTrimComparisonTable,
                        QSize(780, 640)) {
    setObjectName(QStringLiteral("TKomplForm"));
}

}  // namespace kalvora
