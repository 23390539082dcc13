#include "info/TrimComparisonWindow.h"

#include "info/InfoTexts.h"

namespace kalvora {

TrimComparisonWindow::TrimComparisonWindow(QWidget* parent)
    : ReferenceTextForm(parent, info_text::kKomplCaption, info_text::kKomplTable, QSize(780, 640)) {
    setObjectName(QStringLiteral("TKomplForm"));
}

}  // namespace kalvora
