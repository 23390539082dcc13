#include "desktop/info/PictureForm.h"

#include <QVBoxLayout>

#include "desktop/info/PictureView.h"
#include "desktop/info/QtText.h"

namespace kalvora {

PictureForm::PictureForm(QWidget* parent, std::string_view caption, const char* fileName,
                         pictures::Illustration drawing, QSize emptySize)
    : QDialog(parent), picture_(new PictureView(emptySize, this)) {
    setWindowTitle(ToQString(caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    picture_->LoadPicture(QString::fromLatin1(fileName), drawing);
    connect(picture_, &PictureView::clicked, this, &QDialog::close);
}

}  // namespace kalvora
