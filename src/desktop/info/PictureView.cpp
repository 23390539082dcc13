#include "desktop/info/PictureView.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

#include "desktop/info/InfoTexts.h"
#include "desktop/info/JpegImage.h"
#include "desktop/info/QtText.h"
#include "desktop/info/ScreenFit.h"

namespace kalvora {

PictureView::PictureView(QSize emptySize, QWidget* parent)
    : QWidget(parent),
      emptySize_(emptySize),
      missing_(new QLabel(ToQString(info_text::kMissingPicture), this)),
      image_(new QLabel(this)) {
    setObjectName(QStringLiteral("PictureView"));
    missing_->setObjectName(QStringLiteral("MissingPictureLabel"));
    missing_->setAlignment(Qt::AlignCenter);
    missing_->setWordWrap(true);
    missing_->setMargin(8);
    image_->setObjectName(QStringLiteral("Image"));
    image_->setAlignment(Qt::AlignCenter);
    image_->hide();
    image_->raise();  // the picture is drawn over the label
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        room_ = WindowRoom(*screen).size();
    }
}

QSize PictureView::Fitted(QSize size) const {
    if (!room_.isValid() || (size.width() <= room_.width() && size.height() <= room_.height()))
        return size;
    return size.scaled(room_, Qt::KeepAspectRatio);
}

void PictureView::LeaveRoom(QSize beside) {
    if (room_.isValid()) room_ = (room_ - beside).expandedTo(QSize(64, 64));
}

bool PictureView::LoadPicture(const QString& fileName) {
    const QImage picture = LoadPictureFile(fileName);
    if (picture.isNull()) {
        return false;
    }
    Show(picture);
    return true;
}

bool PictureView::LoadPicture(const QString& fileName, pictures::Illustration drawing) {
    if (LoadPicture(fileName)) return true;
    // Drawn at the size the empty area has now, which is also what the view asks for until then.
    const bool scheduled = pending_;  // already waiting in the list
    pending_ = true;
    pendingDrawing_ = drawing;
    pendingSize_ = Fitted(emptySize_);
    if (!scheduled) PendingViews().push_back(this);
    return false;
}

std::vector<QPointer<PictureView>>& PictureView::PendingViews() {
    static std::vector<QPointer<PictureView>> views;
    return views;
}

void PictureView::DrawPendingPictures() {
    std::vector<QPointer<PictureView>> views;
    views.swap(PendingViews());
    for (const QPointer<PictureView>& view : views) {
        if (view) view->DrawPending();
    }
}

void PictureView::DrawPending() const {
    if (!pending_) return;
    auto* self = const_cast<PictureView*>(this);
    self->pending_ = false;
    const QImage picture = pictures::RenderIllustration(pendingDrawing_, pendingSize_);
    if (!picture.isNull()) self->Show(picture);
}

bool PictureView::HasPicture() const {
    DrawPending();
    return hasPicture_;
}

QLabel* PictureView::MissingPictureLabel() const {
    DrawPending();
    return missing_;
}

QLabel* PictureView::ImageLabel() const {
    DrawPending();
    return image_;
}

void PictureView::showEvent(QShowEvent* event) {
    DrawPending();
    QWidget::showEvent(event);
}

void PictureView::Show(const QImage& picture) {
    pending_ = false;  // a picture loaded since replaces the drawing still waiting
    const QSize size = Fitted(picture.size());
    image_->setPixmap(QPixmap::fromImage(
        size == picture.size()
            ? picture
            : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    hasPicture_ = true;
    image_->show();
    missing_->hide();
    updateGeometry();
}

QSize PictureView::sizeHint() const {
    if (pending_) return pendingSize_;
    if (hasPicture_) return image_->pixmap().size();
    return Fitted(emptySize_);
}

QSize PictureView::minimumSizeHint() const {
    return sizeHint();
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::mousePressEvent(event);
}

void PictureView::resizeEvent(QResizeEvent* event) {
    missing_->setGeometry(rect());
    image_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

}  // namespace kalvora
