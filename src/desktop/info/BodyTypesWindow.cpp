#include "desktop/info/BodyTypesWindow.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "desktop/info/InfoTexts.h"
#include "desktop/info/PictureView.h"
#include "desktop/info/QtText.h"
#include "desktop/info/ReferenceTextForm.h"

namespace kalvora {

BodyTypesWindow::BodyTypesWindow(QWidget* parent)
    : QDialog(parent),
      picture_(new PictureView(QSize(600, 200), this)),
      table_(ReferenceTextForm::CreateTableText(info_text::kBodyTypesTable, this)) {
    setObjectName(QStringLiteral("TKozov_form"));
    setWindowTitle(ToQString(info_text::kBodyTypesCaption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picture_, 0);
    layout->addWidget(table_, 1);
    table_->setAccessibleName(QStringLiteral("Размеры кузовов"));
    picture_->LoadPicture(QStringLiteral("_Kuzov.jpg"), pictures::Illustration::Bodies);
    resize(qMax(600, picture_->sizeHint().width()), picture_->sizeHint().height() + 420);
    table_->setFocus();
    connect(picture_, &PictureView::clicked, this, &QDialog::close);
}

}  // namespace kalvora
