#include "desktop/info/RearBlindsWindow.h"

#include <QHBoxLayout>
#include <QLabel>

#include "desktop/info/InfoTexts.h"
#include "desktop/info/PictureView.h"
#include "desktop/info/QtText.h"

namespace kalvora {

RearBlindsWindow::RearBlindsWindow(QWidget* parent)
    : QDialog(parent),
      picture_(new PictureView(QSize(320, 340), this)),
      explanation_(new QLabel(ToQString(info_text::kRearBlindsExplanation), this)) {
    setObjectName(QStringLiteral("TShtorkiForm"));
    setWindowTitle(ToQString(info_text::kRearBlindsCaption));
    setModal(true);
    explanation_->setObjectName(QStringLiteral("Explanation"));
    explanation_->setAlignment(Qt::AlignCenter);
    explanation_->setMargin(16);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picture_);
    layout->addWidget(explanation_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The explanation is never cut off: on a small screen the picture gets smaller.
    picture_->LeaveRoom(QSize(explanation_->sizeHint().width(), 0));
    picture_->LoadPicture(QStringLiteral("_Shtorki.jpg"), pictures::Illustration::SunBlinds);
}

}  // namespace kalvora
